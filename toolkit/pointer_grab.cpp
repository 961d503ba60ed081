#include "toolkit/pointer_grab.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTabletEvent>
#include <QTouchEvent>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace cw {
namespace {

Pointer PointerOf(const QMouseEvent* e) {
    // The system's own mouse messages made from a touch say so by their source alone.
    if (e->source() == Qt::MouseEventSynthesizedBySystem) return Pointer::Finger;
    const QPointingDevice* device = e->pointingDevice();
    if (!device) return Pointer::Mouse;
    switch (device->type()) {
        case QInputDevice::DeviceType::TouchScreen:
            return Pointer::Finger;
        case QInputDevice::DeviceType::Stylus:
        case QInputDevice::DeviceType::Airbrush:
            return device->pointerType() == QPointingDevice::PointerType::Eraser ? Pointer::Eraser
                                                                                 : Pointer::Pen;
        default:
            return Pointer::Mouse;
    }
}

}  // namespace

PointerGrab::PointerGrab(QWidget* area, std::function<void(Pointer)> gestureStarts,
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
        // What the other fingers do after a second one called the gesture off is no gesture.
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (fingersOff_ && PointerOf(mouse) == Pointer::Finger) return true;
        if (around_) around_(true);
        const bool taken = Route(mouse);
        if (around_) around_(false);
        return taken;
    }
    if (type == QEvent::TouchBegin || type == QEvent::TouchUpdate || type == QEvent::TouchEnd ||
        type == QEvent::TouchCancel) {
        return watched == top->windowHandle() && Touch(event);
    }
    if (type == QEvent::TabletPress || type == QEvent::TabletMove ||
        type == QEvent::TabletRelease) {
        return watched == top->windowHandle() && Stylus(event);
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
        // since its gesture would belong to the control outside. What made it still counts (a
        // part a finger drags from the bar is lifted above it).
        const bool started = elsewhere_;
        if (!started) pointer_ = PointerOf(e);
        elsewhere_ = e->buttons() != Qt::NoButton;
        if (started && !(e->buttons() & Qt::LeftButton) && outsideLeftUp_) {
            outsideLeftUp_(e->globalPosition().toPoint(),
                           type == QEvent::MouseButtonRelease && e->button() == Qt::LeftButton);
        }
        if (!elsewhere_) pointer_ = Pointer::Mouse;
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
            const Pointer pointer = PointerOf(e);
            if (gestureStarts_) gestureStarts_(pointer);  // ends the keyboard's, as the mouse's
            pointer_ = pointer;
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
    if (!Busy()) {
        owner_ = nullptr;
        pointer_ = Pointer::Mouse;
    }
    return true;
}

void PointerGrab::Lose() {
    const bool running = Busy();
    held_ = Qt::NoButton;
    owner_ = nullptr;
    if (running && gestureLost_) gestureLost_();
    pointer_ = Pointer::Mouse;
}

bool PointerGrab::Touch(QEvent* event) {
    // Qt makes the first finger's mouse events after this (the touch goes to no widget), so the
    // touch is never taken here; a second finger is only watched for.
    const auto* touch = static_cast<const QTouchEvent*>(event);
    const bool fingersGesture = (Busy() || elsewhere_) && pointer_ == Pointer::Finger;
    if (event->type() == QEvent::TouchCancel) {
        // The system took the touches (a gesture of its own): lost, as a deactivation loses it.
        fingersOff_ = false;
        pinchFrom_ = 0;
        if (fingersGesture) {
            if (around_) around_(true);
            Lose();
            if (around_) around_(false);
        }
        return false;
    }
    if (touch->points().size() >= 2 && fingersGesture && !fingersOff_) {
        fingersOff_ = true;
        if (around_) around_(true);
        held_ = Qt::NoButton;
        owner_ = nullptr;
        elsewhere_ = false;
        if (cancelled_) cancelled_();
        pointer_ = Pointer::Mouse;
        if (around_) around_(false);
    }
    if (touch->points().size() >= 2 && pinch_) {
        // The first two fingers still down pinch; a third changes nothing.
        const QPointF a = touch->points()[0].position(), b = touch->points()[1].position();
        const double apart = std::hypot(a.x() - b.x(), a.y() - b.y());
        const QPoint between = area_->mapFrom(area_->window(), ((a + b) / 2).toPoint());
        const bool begins = pinchFrom_ <= 0;
        if (begins) {
            // Both fingers landed at once: whatever the first one's press began is called off.
            fingersOff_ = true;
            pinchFrom_ = std::max(apart, 1.0);
        }
        pinch_(begins, apart / pinchFrom_, between);
    }
    if (event->type() == QEvent::TouchEnd || touch->points().size() < 2) pinchFrom_ = 0;
    if (event->type() == QEvent::TouchEnd) fingersOff_ = false;
    return false;
}

bool PointerGrab::Stylus(QEvent* event) {
#if QT_CONFIG(tabletevent)
    // Taken whole in the area, so Qt makes no mouse events of its own from it, and routed as
    // the left button's mouse events with the stylus as their device; anywhere else Qt's.
    auto* pen = static_cast<QTabletEvent*>(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::TabletPress) {
        const QPoint at = area_->mapFrom(area_->window(), pen->position().toPoint());
        if (!stylusHeld_ && !Busy() && !area_->rect().contains(at)) return false;
        stylusHeld_ = true;
    } else if (!stylusHeld_) {
        return false;  // hovering, or a gesture that is Qt's
    }
    if (type == QEvent::TabletRelease && pen->buttons() == Qt::NoButton) stylusHeld_ = false;
    const QEvent::Type mouseType = type == QEvent::TabletPress     ? QEvent::MouseButtonPress
                                   : type == QEvent::TabletRelease ? QEvent::MouseButtonRelease
                                                                   : QEvent::MouseMove;
    QMouseEvent mouse(mouseType, pen->position(), pen->scenePosition(), pen->globalPosition(),
                      pen->button(), pen->buttons(), pen->modifiers(), pen->pointingDevice());
    if (around_) around_(true);
    Route(&mouse);
    if (around_) around_(false);
    event->accept();
    return true;
#else
    Q_UNUSED(event);
    return false;
#endif
}

}  // namespace cw
