// The host's handlers of the overlay's events: relaying each mouse message to the board or the
// component under the pointer, in that window's own coordinates, and repainting what lies under
// a rectangle of the overlay.
#pragma once

#include <cstdint>
#include <functional>

#include "model/board.h"

namespace cw {

class Glasso;
class Platform;

struct RelayContext {
    Glasso& glasso;
    Platform& platform;
    int32_t mainWindow;
    int32_t board;
    const Board& model;
    std::function<int32_t(Kind, int)> elementHandle;
};

void Glasso1_MouseMessage(const RelayContext& c, int32_t message, int32_t wParam, int32_t lParam);
void Glasso1_RepaintRequest(const RelayContext& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

}  // namespace cw
