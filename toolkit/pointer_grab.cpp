#include "toolkit/pointer_grab.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace cw {

PointerGrab::PointerGrab(QWidget* window, std::function<void()> gestureStarts)
    : QObject(window), window_(window), gestureStarts_(std::move(gestureStarts)) {
    window->winId();  // the native window exists from now on
    window->windowHandle()->installEventFilter(this);
}

bool PointerGrab::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    // Qt follows the second press of a double click with a double-click event; the controls
    // take the press alone, so the second click is not handled twice.
    if (type == QEvent::MouseButtonDblClick) return true;
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseMove) {
        return false;
    }
    auto* e = static_cast<QMouseEvent*>(event);
    const bool press = type == QEvent::MouseButtonPress;
    if (type == QEvent::MouseMove && e->buttons() == Qt::NoButton) return false;
    const QPoint at = e->position().toPoint();
    if (press && (e->buttons() == e->button() || !owner_)) {
        if (!owner_ && gestureStarts_) gestureStarts_();
        QWidget* under = window_->childAt(at);
        owner_ = under ? under : window_;
    }
    if (owner_) {
        QWidget* to = owner_;
        QMouseEvent routed(type, QPointF(to->mapFrom(window_, at)), e->scenePosition(),
                           e->globalPosition(), e->button(), e->buttons(), e->modifiers());
        QApplication::sendEvent(to, &routed);
    }
    if (type == QEvent::MouseButtonRelease && e->buttons() == Qt::NoButton) owner_ = nullptr;
    return true;
}

}  // namespace cw
