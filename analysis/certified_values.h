// Each bulb's stored value, |floor(100 x I)|, proved: from the floating-point potentials where
// their error bound settles it, refined where it does not, from the circuit's structure where
// no cell can drive the bulb or where only the current's sign is open, and else in exact
// rational arithmetic for the block of the circuit the bulb lies in. With it, why each dark
// bulb is dark.
#pragma once

#include "analysis/solver.h"

namespace cw {

struct Board;
struct Solution;

// Stores the value of every placed bulb of a sound board solved as `s` and gives its state in
// result.bulbs, with the counts of exact blocks, unsettled bulbs and refinements. May refine
// the solution's potentials.
void StoreBulbValues(Board& board, Solution& s, SolveResult& result);

}  // namespace cw
