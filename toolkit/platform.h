// Our stand-in for the window-system calls the overlay handlers make: small integer window
// handles, screen/client conversions, the child under a point, synchronous delivery of mouse
// messages with their platform encoding, pointer capture and immediate repaints of a rectangle.
#pragma once

#include <cstdint>
#include <vector>

#include <QPoint>
#include <QPointer>

class QWidget;

namespace cw {

// Mouse messages and their wParam flags, in the platform's encoding.
inline constexpr uint32_t kWmMouseMove = 0x200;
inline constexpr uint32_t kWmLButtonDown = 0x201;
inline constexpr uint32_t kWmLButtonUp = 0x202;
inline constexpr uint32_t kWmRButtonDown = 0x204;
inline constexpr uint32_t kWmRButtonUp = 0x205;
inline constexpr uint32_t kWmMButtonDown = 0x207;
inline constexpr uint32_t kWmMButtonUp = 0x208;
inline constexpr uint32_t kMkLButton = 0x1;
inline constexpr uint32_t kMkRButton = 0x2;
inline constexpr uint32_t kMkShift = 0x4;
inline constexpr uint32_t kMkControl = 0x8;
inline constexpr uint32_t kMkMButton = 0x10;
inline constexpr uint32_t kMkButtons = kMkLButton | kMkRButton | kMkMButton;

// lParam: x in the low 16 bits, y in the high 16 bits, each signed.
int32_t MakeLParam(int x, int y);
int16_t LParamX(int32_t lParam);
int16_t LParamY(int32_t lParam);
bool IsButtonDown(uint32_t message);
bool IsButtonUp(uint32_t message);

// Left, top, right, bottom; right and bottom exclusive.
struct Rect32 {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect32&, const Rect32&) = default;
};

// Writes the intersection of a and b to out; true when it is not empty (out is then the empty
// rectangle otherwise).
bool IntersectRect(Rect32* out, const Rect32& a, const Rect32& b);

// A window that takes mouse messages and immediate repaints.
class MessageTarget {
  public:
    virtual ~MessageTarget() = default;
    // (x, y) in the window's client coordinates.
    virtual void OnMouseMessage(uint32_t message, uint32_t wParam, int x, int y) = 0;
    virtual void Redraw(const Rect32& area) = 0;
};

class Platform {
  public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // Registers a window; the handle is never 0. target may be null for a window that takes no
    // messages. A window excluded from the walk is never returned by ChildAtPoint.
    int32_t Register(QWidget* widget, MessageTarget* target, bool excludedFromWalk = false);
    void Unregister(int32_t handle);
    QWidget* WidgetOf(int32_t handle) const;

    QPoint ClientToScreen(int32_t handle, QPoint p) const;
    QPoint ScreenToClient(int32_t handle, QPoint p) const;
    // The topmost visible registered child of the window containing p (client coordinates),
    // else the window itself; 0 for 0 or an unknown handle.
    int32_t ChildAtPoint(int32_t handle, int x, int y) const;

    // Delivers the message at once. A button press gives the window the pointer; it keeps it
    // until a release leaves no button held, or ReleaseCapture.
    void SendMessageA(int32_t handle, uint32_t message, uint32_t wParam, int32_t lParam);
    // Routes a message the toolkit gave the window `from` (at a screen point): to the window that
    // holds the pointer, in its coordinates, or else to `from` itself.
    void RouteFromToolkit(int32_t from, uint32_t message, uint32_t wParam, QPoint screen);
    int32_t Capture() const { return capture_; }
    void ReleaseCapture() { capture_ = 0; }

    // Repaints the rectangle of the window now (all of it when area is null).
    void RedrawWindow(int32_t handle, const Rect32* area);

  private:
    struct Entry {
        QPointer<QWidget> widget;
        MessageTarget* target = nullptr;
        bool excluded = false;
    };
    const Entry* Find(int32_t handle) const;
    std::vector<Entry> entries_{Entry{}};  // handle = index; 0 is none
    int32_t capture_ = 0;
};

}  // namespace cw
