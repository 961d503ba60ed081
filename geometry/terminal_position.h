// Where a terminal lies on the board. Wires store no coordinates: every wire end on a terminal
// is placed afresh from its component's current rectangle, so moving a component moves its
// wires with it.
#pragma once

#include <cstdint>
#include <vector>

#include "model/board.h"

namespace cw {

struct Point16 {
    int16_t x = 0, y = 0;
    friend bool operator==(Point16, Point16) = default;
};

// Board position of terminal n. Returns (-1, -1) when no visible placed component carries the
// number floor((n + 1) / 2), or when n is not a terminal (n <= 0).
Point16 TerminalPosition(const Board& board, int n);

// Board position of any wire end: a terminal through TerminalPosition, a junction from its row
// of JunctionTable. A junction that does not exist gives (-1, -1) instead of a read past the
// table.
Point16 NodePosition(const Board& board, int n);

// The visible placed components by number, gathered once for a pass that places many wire
// ends (a board repaint). Gives exactly what TerminalPosition and NodePosition give, without
// scanning the arrays for every end. Valid while the board's arrays do not change.
class TerminalIndex {
  public:
    explicit TerminalIndex(const Board& board);
    Point16 Position(int n) const;
    Point16 NodePosition(int n) const;

  private:
    struct Slot {
        int8_t kind = -1;  // -1: no visible placed component carries the number
        int index = 0;
    };
    const Board& board_;
    std::vector<Slot> byNumber_;
};

}  // namespace cw
