// The one pointer grab of a window: the widget that takes the first press of a gesture gets
// every press, move and release until no button is held, as Qt's implicit grab does. Qt drops
// the rest of a gesture when the widget it grabbed for is hidden while another button is still
// down, so a release could never reach the part it belonged to; routing the window's mouse
// events here never loses one. Moves without a button are left to Qt.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace cw {

class PointerGrab final : public QObject {
  public:
    // Watches the mouse events of window's native window; gestureStarts runs before the first
    // press of every gesture reaches its widget.
    PointerGrab(QWidget* window, std::function<void()> gestureStarts);

    // A gesture holds the pointer: some button is down.
    bool Busy() const { return !owner_.isNull(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    QPointer<QWidget> owner_;
    std::function<void()> gestureStarts_;
};

}  // namespace cw
