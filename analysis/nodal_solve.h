// The potential of every node of a net list, by nodal analysis in double precision, with a bound
// on each potential's error that is a proof (the argument, step by step, is in
// docs/architecture.md under "The error bound"), and refinement in extended precision for the
// rare board whose currents lie too close to a whole hundredth for the first bound to settle.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "analysis/net_list.h"

namespace cw {

struct Board;

// The potential of every node, and a bound no potential's error exceeds: the exact potentials
// of the circuit's model lie within `error` volts of `volts`, node by node. Infinite where no
// bound could be proved. Reference nodes (one per piece of circuit that holds a cell) and nodes
// of pieces without a cell are exactly 0.
struct Potentials {
    std::vector<long double> volts;
    long double error = 0;
};

// The nodal equations of the parts that carry current, factorised once. One reference node in
// each connected piece that holds a cell is held at 0; pieces without a cell stay at 0.
class NodalSolve {
  public:
    // Solves in double precision and bounds the error. ok() is false when the factorisation
    // fails or gives a value that is not finite.
    NodalSolve(const std::vector<Part>& parts, int nodeCount);
    ~NodalSolve();
    NodalSolve(NodalSolve&&) noexcept;
    NodalSolve& operator=(NodalSolve&&) noexcept;

    bool ok() const { return ok_; }
    const Potentials& potentials() const { return potentials_; }
    // Whether further refinement is possible.
    bool CanRefine() const;
    // One round of iterative refinement: the residual formed in extended precision corrected
    // with the factorisation, the bound taken again. The potentials only get closer; the bound
    // is proved afresh. False when no more rounds are worth taking.
    bool Refine();

  private:
    // Takes the bound for the potentials as they stand.
    void Bound();

    struct Equations;
    std::unique_ptr<Equations> equations_;
    Potentials potentials_;
    bool ok_ = false;
    int refinements_ = 0;
};

// A solved sound board: its parts (dead ends and shorted ones marked) with node terminals, the
// points joined into nodes, and the potential of every node.
struct Solution {
    NetList net;
    int nodeCount = 0;
    Joined joined;
    std::optional<NodalSolve> nodal;  // empty when nothing carries current
    Potentials still;                 // every potential 0, no error: when nothing carries current

    const Potentials& potentials() const { return nodal ? nodal->potentials() : still; }
};

// Empty when the board cannot be solved: a negative resistor, more rows or unknowns than the
// 16-bit working tables hold, or a factorisation that fails.
std::optional<Solution> Solve(const Board& board);

}  // namespace cw
