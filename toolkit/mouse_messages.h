// Qt mouse events in the platform's message encoding, shared by every widget that takes
// pointer input (the picture controls and the overlay).
#pragma once

#include <cstdint>

class QMouseEvent;

namespace cw {

// The platform's message for a press, move or release event.
uint32_t MessageOf(const QMouseEvent* event);
// Its wParam: the buttons held after the event and the Shift and Ctrl keys.
uint32_t WParamOf(const QMouseEvent* event);

}  // namespace cw
