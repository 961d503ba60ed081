#include "toolkit/pointer_grab.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace cw {

PointerGrab::PointerGrab(QWidget* area, std::function<void()> gestureStarts)
    : QObject(area), area_(area), gestureStarts_(std::move(gestureStarts)) {
    // The area may be put into a main window after it is made: the application's filter sees
    // the events of whichever native window holds it.
    qApp->installEventFilter(this);
}

bool PointerGrab::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonDblClick) {
        return false;
    }
    QWidget* top = area_->window();
    if (watched != top->windowHandle()) return false;
    auto* e = static_cast<QMouseEvent*>(event);
    const bool press = type == QEvent::MouseButtonPress;
    const QPoint at = area_->mapFrom(top, e->position().toPoint());
    if (elsewhere_ || (press && !owner_ && !area_->rect().contains(at))) {
        elsewhere_ = e->buttons() != Qt::NoButton;  // Qt's own until every button is up
        return false;
    }
    // Qt follows the second press of a double click with a double-click event; the controls
    // take the press alone, so the second click is not handled twice.
    if (type == QEvent::MouseButtonDblClick) return true;
    if (type == QEvent::MouseMove && e->buttons() == Qt::NoButton) return false;
    if (press && (e->buttons() == e->button() || !owner_)) {
        if (!owner_ && gestureStarts_) gestureStarts_();
        QWidget* under = area_->childAt(at);
        owner_ = under ? under : area_;
    }
    if (owner_) {
        QWidget* to = owner_;
        QMouseEvent routed(type, QPointF(to->mapFrom(area_, at)), e->scenePosition(),
                           e->globalPosition(), e->button(), e->buttons(), e->modifiers());
        QApplication::sendEvent(to, &routed);
    }
    if (type == QEvent::MouseButtonRelease && e->buttons() == Qt::NoButton) owner_ = nullptr;
    return true;
}

}  // namespace cw
