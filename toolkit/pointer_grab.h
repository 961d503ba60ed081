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
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;
class QMouseEvent;

namespace cw {

class PointerGrab final : public QObject {
  public:
    // Watches the mouse events of the native window that holds `area` (whichever it is by the
    // time they come); gestureStarts runs before the first press of every gesture in the area
    // reaches its widget, gestureLost when the desktop took a running one away.
    PointerGrab(QWidget* area, std::function<void()> gestureStarts,
                std::function<void()> gestureLost);

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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Route(QMouseEvent* event);
    void Lose();

    QWidget* area_;
    QPointer<QWidget> owner_;
    Qt::MouseButtons held_;
    bool elsewhere_ = false;  // a gesture that started outside the area is running
    std::function<void()> gestureStarts_;
    std::function<void()> gestureLost_;
    std::function<void(bool)> around_;
    std::function<void(QPoint, bool)> outsideLeftUp_;
};

}  // namespace cw
