// The one pointer grab of a window's board area: the widget that takes the first press of a
// gesture gets every press, move and release until no button is held, as Qt's implicit grab
// does. Qt drops the rest of a gesture when the widget it grabbed for is hidden while another
// button is still down, so a release could never reach the part it belonged to; routing the
// area's mouse events here never loses one. Moves without a button, and gestures that start
// outside the area (on a menu bar above it), are left to Qt.
//
// The desktop can still take a gesture away: the window is deactivated, hidden or iconified
// while a button is down, or the release lands in another client that grabbed the pointer.
// Then, and whenever an event shows that a button the gesture holds is no longer down, the
// gesture is lost: it ends at once and the next press starts a fresh one.
//
// A finger is the left button (Qt makes its mouse events from the first finger's touches); a
// second finger calls the running gesture off, and the touches end with no more of it. A
// stylus in the area is the left button too, its eraser end too, each said by Pointer.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;
class QMouseEvent;

namespace cw {

// What made a gesture.
enum class Pointer { Mouse, Finger, Pen, Eraser };

class PointerGrab final : public QObject {
  public:
    // Watches the mouse events of the native window that holds `area` (whichever it is by the
    // time they come); gestureStarts runs before the first press of every gesture in the area
    // reaches its widget, gestureLost when the desktop took a running one away.
    PointerGrab(QWidget* area, std::function<void(Pointer)> gestureStarts,
                std::function<void()> gestureLost);
    // Runs when a second finger calls the running gesture off; the gesture's widget sees no
    // more of it.
    void SetCancelled(std::function<void()> cancelled) { cancelled_ = std::move(cancelled); }
    // Two fingers on the window pinch: begins with scale 1 when the second finger lands, then
    // the distance between them over what it was then; between: the point halfway, in the
    // area's coordinates.
    void SetPinch(std::function<void(bool begins, double scale, QPoint between)> pinch) {
        pinch_ = std::move(pinch);
    }

    // Runs with true before the grab takes a mouse event of the area's window and with false
    // once it and all it caused are done, so the owner can take the event as one whole.
    void SetAroundEvent(std::function<void(bool)> around) { around_ = std::move(around); }
    // Runs for each event of a gesture that started outside the area (on a bar above it) once
    // its left button is up: byRelease for that button's own release (before the widget that
    // took the press gets it, if it does), else the release was lost; at: the pointer on the
    // screen.
    void SetOutsideLeftUp(std::function<void(QPoint at, bool byRelease)> up) {
        outsideLeftUp_ = std::move(up);
    }

    // A gesture holds the pointer: some button pressed in the area is down.
    bool Busy() const { return held_ != Qt::NoButton; }
    Qt::MouseButtons Held() const { return held_; }
    // What made the running gesture; the mouse while none runs.
    Pointer Made() const { return pointer_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Route(QMouseEvent* event);
    void Lose();
    // A touch event of the window: true when it was taken.
    bool Touch(QEvent* event);
    // A stylus event of the window, routed as the mouse event it stands for: true when taken.
    bool Stylus(QEvent* event);

    QWidget* area_;
    QPointer<QWidget> owner_;
    Qt::MouseButtons held_;
    bool elsewhere_ = false;  // a gesture that started outside the area is running
    Pointer pointer_ = Pointer::Mouse;
    bool fingersOff_ = false;  // a second finger called the touches' gesture off
    bool stylusHeld_ = false;  // the stylus pressed in the area and is not yet up
    double pinchFrom_ = 0;     // the two fingers' distance when the second landed; 0: none
    std::function<void(Pointer)> gestureStarts_;
    std::function<void()> cancelled_;
    std::function<void(bool, double, QPoint)> pinch_;
    std::function<void()> gestureLost_;
    std::function<void(bool)> around_;
    std::function<void(QPoint, bool)> outsideLeftUp_;
};

}  // namespace cw
