#include "model/board.h"

#include <algorithm>

namespace cw {

int16_t Board::ValueOf(int k) const {
    if (k < 0 || k > LastValue()) return 0;
    return ValueTable[k];
}

void StackOnTop(Board& board, Kind kind, int i) {
    Unstack(board, kind, i);
    board.Stack.push_back({kind, i});
}

void Unstack(Board& board, Kind kind, int i) {
    const auto at = std::find(board.Stack.begin(), board.Stack.end(), ElementRef{kind, i});
    if (at != board.Stack.end()) board.Stack.erase(at);
}

void ResetBoard(Board& board) {
    board = Board{};
    for (ComponentArray& array : board.arrays) array.assign(1, ComponentElement{});
}

}  // namespace cw
