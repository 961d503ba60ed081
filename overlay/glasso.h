// The transparent overlay lying over the board: the members the host calls and the two events
// it raises. While PenMode is true it keeps the pointer for freehand strokes; otherwise it
// reports every mouse message it receives so the host can relay it to what lies beneath.
#pragma once

#include <cstdint>

#include "render/board_painter.h"

namespace cw {

// The host's handlers of the overlay's two events.
class GlassoEvents {
  public:
    virtual ~GlassoEvents() = default;
    // message, wParam and lParam of a mouse message delivered to the overlay's window.
    virtual void Glasso1_MouseMessage(int32_t message, int32_t wParam, int32_t lParam) = 0;
    // What lies under (x1, y1)-(x2, y2), overlay client coordinates, must be repainted.
    virtual void Glasso1_RepaintRequest(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
};

class Glasso : public OverlayRepaintTarget {
  public:
    virtual bool PenMode() const = 0;
    virtual void SetPenMode(bool on) = 0;
    // The child of window hWnd containing (x, y) in its client coordinates, else hWnd itself;
    // never the overlay's own window; 0 for 0.
    virtual int32_t ChildAtPoint(int32_t& hWnd, int32_t& x, int32_t& y) = 0;
    virtual int32_t hWnd() const = 0;
    virtual void Move(float left, float top, float width, float height) = 0;
    virtual void ZOrder(int position) = 0;
    virtual void SetEventSink(GlassoEvents* sink) = 0;
};

}  // namespace cw
