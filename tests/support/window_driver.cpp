#include "support/window_driver.h"

#include "geometry/terminal_position.h"
#include "model/numeric.h"
#include "model/part_kinds.h"

#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

namespace cw::test {

WindowDriver::WindowDriver(bool inMainWindow) {
    if (inMainWindow) {
        main_ = std::make_unique<MainWindow>();
        window_ = &main_->CircuitWindow();
        top_ = main_.get();
    } else {
        owned_ = std::make_unique<Circuit>();
        window_ = owned_.get();
        top_ = window_;
    }
    top_->show();
    if (!QTest::qWaitForWindowExposed(top_)) qWarning("window not exposed");
    // Active, as a learner's window is: the commands' keys work only in the active window.
    top_->activateWindow();
    if (!QTest::qWaitForWindowActive(top_)) qWarning("window not active");
}

WindowDriver::~WindowDriver() = default;

void WindowDriver::Resize(int w, int h) {
    top_->resize(top_->size() + QSize(w, h) - window_->size());
    QApplication::sendPostedEvents();  // the main window's layout gives the circuit its size
}

namespace {
void Send(QWindow* w, QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held) {
    const QPointF local(p);
    const QPointF global = w->mapToGlobal(p);
    QMouseEvent e(type, local, local, global, b, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
}  // namespace

// Points are the circuit window's; the events go to the native window that holds it.
void WindowDriver::Press(QPoint p, Qt::MouseButton b) {
    held_ |= b;
    Send(top_->windowHandle(), QEvent::MouseButtonPress, window_->mapTo(top_, p), b, held_);
}

void WindowDriver::MoveTo(QPoint p) {
    Send(top_->windowHandle(), QEvent::MouseMove, window_->mapTo(top_, p), Qt::NoButton, held_);
}

void WindowDriver::Release(QPoint p, Qt::MouseButton b) {
    held_ &= ~b;
    Send(top_->windowHandle(), QEvent::MouseButtonRelease, window_->mapTo(top_, p), b, held_);
}

void WindowDriver::DoubleClickEvent(QPoint p, Qt::MouseButton b) {
    Send(top_->windowHandle(), QEvent::MouseButtonDblClick, window_->mapTo(top_, p), b, held_);
}

void WindowDriver::Wheel(QPoint p, int degrees, Qt::KeyboardModifiers modifiers) {
    QWindow* w = top_->windowHandle();
    const QPointF at(window_->mapTo(top_, p));
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, degrees * 8), held_, modifiers,
                  Qt::NoScrollPhase, false);
    // As the system's own (sendEvent would mark it as the program's): Qt passes such a wheel on
    // to the parents of a widget that ignores it.
    QSpontaneKeyEvent::setSpontaneous(&e);
    qApp->notify(w, &e);
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
    // The application's focus where it lies in this window (a bar's button), else the circuit
    // window's own.
    QWidget* focused = QApplication::focusWidget();
    QWidget* to = focused && top_->isAncestorOf(focused) ? focused : window_->focusWidget();
    QTest::keyClick(to ? to : window_, static_cast<Qt::Key>(key), modifiers);
}

QPoint WindowDriver::BesideTerminal(int n) {
    const Point16 t = TerminalPosition(board(), n);
    return {IsSecondTerminal(n) ? t.x + 3 : t.x - 3, t.y};
}

QPoint WindowDriver::SlotCentre(int slot) {
    constexpr int kinds = static_cast<int>(kStripKinds.size());
    const int16_t tools[] = {kToolLine, kToolPencil, kToolDelete};
    const QWidget* control =
        slot < kinds ? window_->Element(kStripKinds[static_cast<size_t>(slot)],
                                        board().UBound(kStripKinds[static_cast<size_t>(slot)]))
                     : &window_->ToolButton(tools[slot - kinds]);
    return control->geometry().center();
}

QPoint WindowDriver::OnWindow(QPointF board) const {
    const BoardView& view = window_->View();
    return QPoint(Nearest32(board.x() * view.zoom), Nearest32(board.y() * view.zoom)) - view.scroll;
}

int WindowDriver::Place(Kind kind, int left, int top) {
    const int slot = KindIndex(kind);
    const QPoint from = SlotCentre(slot);
    const QPoint offset = from - window_->Element(kind, board().UBound(kind))->pos();
    Drag(from, OnWindow(QPointF(left, top)) + offset);
    return board().UBound(kind) - 1;
}

QRgb WindowDriver::PixelAt(QPoint p) {
    const QImage shot = window_->grab().toImage();
    return shot.pixel(p);
}

}  // namespace cw::test
