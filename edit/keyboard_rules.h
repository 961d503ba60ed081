// The keyboard's rules that need no window: where a part picked up from the strip lands, where
// N and W stop the board's cursor, how far an arrow moves, and which held gesture still runs.
// The window's keyboard editing applies them through the mouse handlers; kept here, beside the
// mouse gestures, they are tested without any toolkit.
#pragma once

#include <vector>

#include "model/board.h"

namespace cw {

class EditHost;

// Board pixels an arrow moves a part or the board's cursor; with Shift, the fine step.
inline constexpr int kCoarseStep = 10;
inline constexpr int kFineStep = 1;

// The grid a new part's free spot is looked for on, and the gap it keeps from other parts.
inline constexpr int kFreeSpotGrid = 16;
inline constexpr int kFreeSpotGap = 8;

struct BoardPoint {
    int x = 0, y = 0;
    bool operator==(const BoardPoint&) const = default;
};

// Where a new part goes when it is picked up: the first spot of the grid, row by row, where it
// overlaps no part on the board (with the gap around it) and stays inside the board's drag
// limits; the top-left spot when the board is full.
BoardPoint FreeSpot(const Board& board, const EditHost& host);

// Where N stops the cursor: the terminals of the parts on the board by number (first, second),
// then the junctions.
std::vector<BoardPoint> NodeStops(const Board& board);
// Where W stops it: the middle of every wire, in table order.
std::vector<BoardPoint> WireStops(const Board& board);
// The stop after (or before) `from`, round the end; the first (or last) when `from` is none.
BoardPoint NextStop(const std::vector<BoardPoint>& stops, BoardPoint from, bool next);

// A gesture the keyboard holds between keys, as a button holds it.
enum class KeyboardHold { Nothing, NewPart, Band };
// Whether it still runs: the board is still in the gesture the keyboard started (a tool change
// or a mouse press may have ended it).
bool HoldRunning(KeyboardHold hold, const Board& board);

}  // namespace cw
