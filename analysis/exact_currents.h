// Currents in exact rational arithmetic, for the rare part whose floating-point current lies
// too close to a whole hundredth (or to zero) for its error bound to say which side it is on.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <cstdint>
#include <optional>
#include <vector>

namespace cw {

using Rational = boost::multiprecision::cpp_rational;

// A part between two nodes: its resistance in whole ohms, and for a cell its voltage (the
// first node positive).
struct ExactPart {
    int a = 0, b = 0;
    int ohms = 1;
    bool cell = false;
};

// floor(100 x I) of a part's exact current I from its first node to its second, clamped to
// 32 bits, and whether I is exactly 0.
struct ExactHundredths {
    int64_t floor = 0;
    bool zero = true;
};

// The potentials of a network of parts (nodes 0..nodeCount-1) with currents injected at nodes
// (inject[i] into node i; they sum to 0 over each connected piece), every node marked in
// `reference` held at 0 (one in each connected piece). Empty past a fixed amount of work.
std::optional<std::vector<Rational>> ExactPotentials(int nodeCount,
                                                     const std::vector<ExactPart>& parts,
                                                     const std::vector<Rational>& inject,
                                                     const std::vector<bool>& reference);

// Solves one connected network of parts (nodes 0..nodeCount-1, node 0 held at 0 volts) by exact
// nodal analysis, eliminating the node with the fewest neighbours first, and gives the value of
// each part in `asked`. Empty when the elimination would grow past a fixed amount of work (a
// large, densely meshed network), so the cost of one call stays bounded.
std::optional<std::vector<ExactHundredths>> SolveExactly(int nodeCount,
                                                         const std::vector<ExactPart>& parts,
                                                         const std::vector<int>& asked);

}  // namespace cw
