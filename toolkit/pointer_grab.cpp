#include "toolkit/pointer_grab.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace cw {

PointerGrab::PointerGrab(QWidget* area, std::function<void()> gestureStarts,
                         std::function<void()> gestureLost)
    : QObject(area),
      area_(area),
      gestureStarts_(std::move(gestureStarts)),
      gestureLost_(std::move(gestureLost)) {
    // The area may be put into a main window after it is made: the application's filter sees
    // the events of whichever native window holds it.
    qApp->installEventFilter(this);
}

bool PointerGrab::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    QWidget* top = area_->window();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
        type == QEvent::MouseMove || type == QEvent::MouseButtonDblClick) {
        if (watched != top->windowHandle()) return false;
        if (around_) around_(true);
        const bool taken = Route(static_cast<QMouseEvent*>(event));
        if (around_) around_(false);
        return taken;
    }
    if (watched != top) return false;
    // The window stops receiving the pointer: whatever the buttons do now happens elsewhere.
    const bool away = type == QEvent::WindowDeactivate || type == QEvent::Hide ||
                      (type == QEvent::WindowStateChange && top->isMinimized());
    if (away) {
        const bool outside = elsewhere_;
        elsewhere_ = false;
        if (around_) around_(true);
        Lose();
        if (outside && outsideLeftUp_) outsideLeftUp_(QCursor::pos(), false);
        if (around_) around_(false);
    }
    return false;
}

bool PointerGrab::Route(QMouseEvent* e) {
    const QEvent::Type type = e->type();
    const bool press = type == QEvent::MouseButtonPress;
    // The buttons that were down before this event and still are, by the event's own account;
    // a button pressed again was released where this window never saw it.
    Qt::MouseButtons stillDown = e->buttons();
    if (press) stillDown &= ~e->button();
    if (type == QEvent::MouseButtonRelease) stillDown |= e->button();
    if (held_ & ~stillDown) Lose();
    if (press && e->buttons() == e->button()) elsewhere_ = false;  // a release lost outside too

    QWidget* top = area_->window();
    const QPoint at = area_->mapFrom(top, e->position().toPoint());
    const bool inArea = area_->rect().contains(at);
    if (elsewhere_ || (press && !Busy() && !inArea)) {
        // Qt's own until every button is up; a press in the area meanwhile starts nothing there,
        // since its gesture would belong to the control outside.
        const bool started = elsewhere_;
        elsewhere_ = e->buttons() != Qt::NoButton;
        if (started && !(e->buttons() & Qt::LeftButton) && outsideLeftUp_) {
            outsideLeftUp_(e->globalPosition().toPoint(),
                           type == QEvent::MouseButtonRelease && e->button() == Qt::LeftButton);
        }
        return started && (press || type == QEvent::MouseButtonDblClick) && inArea;
    }
    if (!Busy() && !press) {
        // Hovering is Qt's; the moves and releases of a gesture that was lost end unseen.
        return !(type == QEvent::MouseMove && e->buttons() == Qt::NoButton);
    }
    // Qt follows the second press of a double click with a double-click event; the controls
    // take the press alone, so the second click is not handled twice.
    if (type == QEvent::MouseButtonDblClick) return true;
    // A release of a button this gesture never pressed is not the gesture's.
    if (type == QEvent::MouseButtonRelease && !(held_ & e->button())) return true;
    if (press) {
        if (!Busy()) {
            if (gestureStarts_) gestureStarts_();
            QWidget* under = area_->childAt(at);
            owner_ = under ? under : area_;
        }
        held_ |= e->button();
    }
    if (type == QEvent::MouseButtonRelease) held_ &= ~e->button();
    if (owner_) {
        // Buttons still down from a gesture that was lost are not this gesture's: the control
        // sees its gesture end when its own buttons are up.
        QWidget* to = owner_;
        QMouseEvent routed(type, QPointF(to->mapFrom(area_, at)), e->scenePosition(),
                           e->globalPosition(), e->button(), e->buttons() & held_, e->modifiers());
        QApplication::sendEvent(to, &routed);
    }
    if (!Busy()) owner_ = nullptr;
    return true;
}

void PointerGrab::Lose() {
    const bool running = Busy();
    held_ = Qt::NoButton;
    owner_ = nullptr;
    if (running && gestureLost_) gestureLost_();
}

}  // namespace cw
