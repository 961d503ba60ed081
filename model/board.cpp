#include "model/board.h"

namespace cw {

int16_t Board::ValueOf(int k) const {
    if (k < 0 || k > LastValue()) return 0;
    return ValueTable[k];
}

void ResetBoard(Board& board) {
    board = Board{};
    for (ComponentArray& array : board.arrays) array.assign(1, ComponentElement{});
}

}  // namespace cw
