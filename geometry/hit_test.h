// Turning a board point into something a gesture can act on: the terminal or junction in reach
// (the line tool snaps both ends of a wire with it) and the distance from a wire (the delete
// tool picks the wire under a click with it).
#pragma once

#include <cstdint>

namespace cw {

struct Board;

// How far outside a part's left or right edge (and how far around a junction) a point still
// snaps to the terminal there; a nearer one found later narrows the reach.
inline constexpr int16_t kSnapReach = 6;

// The terminal (positive NodeId) or junction (negative) that (x, y) lies on or near, 0 when
// nothing is in reach. A terminal always beats a junction; among components in reach the
// nearer wins. Component comparisons are made in single precision. A finger reaches further.
int16_t FindNodeAt(const Board& board, int16_t x, int16_t y, int16_t reach = kSnapReach);

// Distance of (px, py) from the infinite line through the wire (x1, y1)-(x2, y2), rounded
// down; 999 when the point lies outside the wire's box widened by `widen` (the box is closed).
int16_t SegmentDistance(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t px, int16_t py,
                        int widen = 4);

}  // namespace cw
