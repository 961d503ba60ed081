#include "support/window_driver.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

namespace cw::test {

WindowDriver::WindowDriver() : window_(std::make_unique<Circuit>()) {
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) qWarning("window not exposed");
    // Active, as a learner's window is: the commands' keys work only in the active window.
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) qWarning("window not active");
}

WindowDriver::~WindowDriver() = default;

namespace {
void Send(QWindow* w, QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held) {
    const QPointF local(p);
    const QPointF global = w->mapToGlobal(p);
    QMouseEvent e(type, local, local, global, b, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
}  // namespace

void WindowDriver::Press(QPoint p, Qt::MouseButton b) {
    held_ |= b;
    Send(window_->windowHandle(), QEvent::MouseButtonPress, p, b, held_);
}

void WindowDriver::MoveTo(QPoint p) {
    Send(window_->windowHandle(), QEvent::MouseMove, p, Qt::NoButton, held_);
}

void WindowDriver::Release(QPoint p, Qt::MouseButton b) {
    held_ &= ~b;
    Send(window_->windowHandle(), QEvent::MouseButtonRelease, p, b, held_);
}

void WindowDriver::DoubleClickEvent(QPoint p, Qt::MouseButton b) {
    Send(window_->windowHandle(), QEvent::MouseButtonDblClick, p, b, held_);
}

void WindowDriver::Wheel(QPoint p, int degrees) {
    QWindow* w = window_->windowHandle();
    QWheelEvent e(QPointF(p), w->mapToGlobal(QPointF(p)), QPoint(), QPoint(0, degrees * 8), held_,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

void WindowDriver::Drag(QPoint from, QPoint to, Qt::MouseButton b) {
    Press(from, b);
    for (int step = 1; step <= 4; ++step) MoveTo(from + (to - from) * step / 4);
    Release(to, b);
}

void WindowDriver::Click(QPoint p, Qt::MouseButton b) {
    Press(p, b);
    Release(p, b);
}

void WindowDriver::Key(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* to = window_->focusWidget();
    QTest::keyClick(to ? to : window_.get(), static_cast<Qt::Key>(key), modifiers);
}

QPoint WindowDriver::SlotCentre(int slot) {
    const int h = static_cast<int>(window_->MenuScaleHeight());
    const int left =
        slot < 4 ? static_cast<int>(board().Array(kKinds[static_cast<size_t>(slot)]).back().Left)
                 : static_cast<int>(board().Array(Kind::Cell).back().Left) + slot * h;
    const int top = window_->height() - h + 2;
    return {left + (h - 2) / 2, top + (h - 2) / 2};
}

int WindowDriver::Place(Kind kind, int left, int top) {
    const int slot = KindIndex(kind);
    const ComponentElement copy = board().Array(kind).back();
    const QPoint from = SlotCentre(slot);
    const QPoint offset = from - QPoint(static_cast<int>(copy.Left), static_cast<int>(copy.Top));
    Drag(from, QPoint(left, top) + offset);
    return board().UBound(kind) - 1;
}

QRgb WindowDriver::PixelAt(QPoint p) {
    const QImage shot = window_->grab().toImage();
    return shot.pixel(p);
}

}  // namespace cw::test
