#include "toolkit/mouse_messages.h"

#include <QMouseEvent>

#include "toolkit/platform.h"

namespace cw {

uint32_t MessageOf(const QMouseEvent* event) {
    const Qt::MouseButton b = event->button();
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return b == Qt::LeftButton    ? kWmLButtonDown
                   : b == Qt::RightButton ? kWmRButtonDown
                                          : kWmMButtonDown;
        case QEvent::MouseButtonRelease:
            return b == Qt::LeftButton    ? kWmLButtonUp
                   : b == Qt::RightButton ? kWmRButtonUp
                                          : kWmMButtonUp;
        default:
            return kWmMouseMove;
    }
}

uint32_t WParamOf(const QMouseEvent* event) {
    uint32_t w = 0;
    const Qt::MouseButtons b = event->buttons();
    if (b & Qt::LeftButton) w |= kMkLButton;
    if (b & Qt::RightButton) w |= kMkRButton;
    if (b & Qt::MiddleButton) w |= kMkMButton;
    if (event->modifiers() & Qt::ShiftModifier) w |= kMkShift;
    if (event->modifiers() & Qt::ControlModifier) w |= kMkControl;
    return w;
}

}  // namespace cw
