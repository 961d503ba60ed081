// Inside the solver: the readings of a solution, and which fuse a solution blows.
#pragma once

#include <optional>

#include "analysis/solver.h"

namespace cw {

struct Board;
struct Solution;

// Every part's reading and every wire's current from the solved potentials, each rounded by
// the one rule, settled exactly where the error bound leaves a rounding open.
CircuitReadings ReadSolution(const Solution& s);

// The intact fuse that blows on this solution: of those carrying strictly more than their rating,
// the one with the largest current for its rating, the lowest number among equals; decided
// exactly where the bound leaves it open. None when no fuse is over.
std::optional<SolveResult::BlownFuse> FuseToBlow(const Board& board, const Solution& s,
                                                 const CircuitReadings& readings);

}  // namespace cw
