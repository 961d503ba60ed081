// The one pointer grab of a window's board area: the widget that takes the first press of a
// gesture gets every press, move and release until no button is held, as Qt's implicit grab
// does. Qt drops the rest of a gesture when the widget it grabbed for is hidden while another
// button is still down, so a release could never reach the part it belonged to; routing the
// area's mouse events here never loses one. Moves without a button, and gestures that start
// outside the area (on a menu bar above it), are left to Qt.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace cw {

class PointerGrab final : public QObject {
  public:
    // Watches the mouse events of the native window that holds `area` (whichever it is by the
    // time they come); gestureStarts runs before the first press of every gesture in the area
    // reaches its widget.
    PointerGrab(QWidget* area, std::function<void()> gestureStarts);

    // A gesture holds the pointer: some button is down.
    bool Busy() const { return !owner_.isNull(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* area_;
    QPointer<QWidget> owner_;
    bool elsewhere_ = false;  // a gesture that started outside the area is running
    std::function<void()> gestureStarts_;
};

}  // namespace cw
