// The current in wires. Wires have no resistance, so where they form loops the circuit alone
// does not fix how a current shares among them; we take the flow that would settle if every
// wire had the same tiny resistance, the one of least energy: in each group of joined points
// the currents are the differences of a potential that solves the group's graph Laplacian with
// what the parts draw at each point. Kirchhoff's current law then holds at every point,
// parallel wires share equally, and a wire leading nowhere carries nothing.
#pragma once

#include <array>
#include <vector>

namespace cw {

// edges: the wires (and closed switches) between points 0..pointCount-1; outflow: the current
// the parts draw out of each point (summing to 0 over each group). Gives each edge's current
// from its first point to its second.
std::vector<double> LeastEnergyFlow(int pointCount, const std::vector<std::array<int, 2>>& edges,
                                    const std::vector<double>& outflow);

}  // namespace cw
