// Which way the current flows in a series-parallel network: driven between two terminals, such
// a network carries a current in every part, in a direction its structure alone decides (a series
// chain passes one current on; parallel branches split it, each branch forwards). The solver
// uses it to know the sign of a current too small for floating point to resolve, in a block fed
// by one cell, such as the far rungs of a long ladder.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace cw {

// For every edge, +1 when a current driven into `source` and out of `sink` flows through it from
// its first node to its second, -1 when the other way. Empty unless the edges reduce, by series
// and parallel steps, to one edge from source to sink. Linear in the edges.
std::optional<std::vector<int8_t>> SeriesParallelDirections(
    int nodeCount, const std::vector<std::pair<int, int>>& edges, int source, int sink);

}  // namespace cw
