// Our stand-in for the window-system calls the overlay's handlers make: small integer window
// handles, screen/client conversions, the child under a point, synchronous delivery of a mouse
// message in the platform's encoding, the pointer capture the relay keeps, and immediate
// repaints of a rectangle. Ordinary input never passes through here: Qt's own implicit grab
// gives each control the events of the press it took.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <cstdint>
#include <unordered_map>
#include <vector>

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
inline constexpr uint32_t kWmXButtonDown = 0x20B;  // the side buttons (Back, Forward)
inline constexpr uint32_t kWmXButtonUp = 0x20C;
inline constexpr uint32_t kMkLButton = 0x1;
inline constexpr uint32_t kMkRButton = 0x2;
inline constexpr uint32_t kMkShift = 0x4;
inline constexpr uint32_t kMkControl = 0x8;
inline constexpr uint32_t kMkMButton = 0x10;
inline constexpr uint32_t kMkXButton1 = 0x20;
inline constexpr uint32_t kMkXButton2 = 0x40;
inline constexpr uint32_t kMkButtons =
    kMkLButton | kMkRButton | kMkMButton | kMkXButton1 | kMkXButton2;

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

// Places a control at the rounded position and size (negative sizes count as 0), as every
// control's Move does.
void MoveWindow(QWidget& widget, float left, float top, float width, float height);

class Platform {
  public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // Registers a window for as long as it lives; the handle is never 0, and the handle of a
    // destroyed window is given to the next one. A window excluded from the walk (the overlay)
    // is never returned by ChildAtPoint.
    int32_t Register(QWidget* widget, bool excludedFromWalk = false);
    QWidget* WidgetOf(int32_t handle) const;

    QPoint ClientToScreen(int32_t handle, QPoint p) const;
    QPoint ScreenToClient(int32_t handle, QPoint p) const;
    // The topmost visible registered child of the window containing p (client coordinates),
    // else the window itself; 0 for 0 or an unknown handle. Costs one look at each live child.
    int32_t ChildAtPoint(int32_t handle, int x, int y) const;

    // Delivers the message to the picture control at once; any other window ignores it.
    void SendMessageA(int32_t handle, uint32_t message, uint32_t wParam, int32_t lParam);

    // The window the relay sends a held gesture to, 0 when none (or when it was destroyed).
    int32_t Capture() const;
    void SetCapture(int32_t handle) { capture_ = handle; }
    void ReleaseCapture() { capture_ = 0; }

    // Repaints the rectangle of a picture control now (all of it when area is null).
    void RedrawWindow(int32_t handle, const Rect32* area);

  private:
    struct Entry {
        QPointer<QWidget> widget;
        bool excluded = false;
    };
    std::vector<Entry> entries_{Entry{}};  // handle = index; 0 is none
    std::unordered_map<const QWidget*, int32_t> handles_;
    std::vector<int32_t> free_;
    QObject watcher_;  // ends the watch over destroyed windows when the platform goes first
    int32_t capture_ = 0;
};

}  // namespace cw
