// The host's handlers of the overlay's events: relaying each mouse message to the board or the
// component under the pointer, in that window's own coordinates, and repainting what lies under
// a rectangle of the overlay. A press gives its window the gesture: the rest of the messages go
// there until a release leaves no button held.
#pragma once

#include <cstdint>
#include <functional>

#include "model/board.h"

namespace cw {

class Glasso;
class Platform;

struct OverlayRelay {
    // (message, wParam, lParam) as the overlay reported them, the point in its coordinates.
    void MouseMessage(int32_t message, int32_t wParam, int32_t lParam);
    // Repaints the board and every placed component under (x1, y1)-(x2, y2) of the overlay.
    void RepaintRequest(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

    Glasso& glasso;
    Platform& platform;
    int32_t mainWindow;
    int32_t board;
    const Board& model;
    std::function<int32_t(Kind, int)> elementHandle;  // 0 for an element without a window
};

}  // namespace cw
