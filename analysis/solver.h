// The circuit solver: after every edit that can change the circuit it recomputes the
// direct-current state of the board and stores, for every bulb, |floor(100 x I)| in its
// ValueTable entry, where I is the exact current through the bulb from its first terminal to its
// second. It reads the board as it stands and writes nothing but bulb entries.
//
// Electrical model: a cell is 1.5 in series with 1 (first terminal positive), a resistor its
// ValueTable entry, a bulb 10; wires and closed switches join points into nodes, an open switch
// is absent. Dead ends carry nothing, and neither does a part whose two terminals lie on one
// node. The potentials come from nodal analysis in double precision (one reference node per
// connected piece, cells as their Norton equivalents, a sparse Cholesky factorisation),
// refined in extended precision, so a whole number of hundredths comes out exactly whole.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace cw {

struct Board;

// Called once per placed bulb (its index in the bulb array) whenever the solver asks it to be
// repainted: after clearing the values and again after storing the results.
using BulbRefresh = std::function<void(int lightIndex)>;

// Solves the board. Nothing happens when no bulb was ever placed. Every bulb is left at 0 when
// the board cannot be solved: a Tag that is not a placed number (outside 1..16383 or beyond
// ValueTable, or carried twice), a resistor entry below 0, or more rows or unknowns than the
// 16-bit working tables hold. A result beyond 16 bits saturates at 32767.
void SolveCircuit(Board& board, const BulbRefresh& refreshBulb = {});

// What a placed bulb shows: lit, or dark for the first reason that holds, in this order.
enum class BulbState : uint8_t {
    Lit,
    Shorted,           // its two terminals lie on one node
    SwitchOpen,        // a dead end, but it would carry current with every open switch closed
    NotInClosedLoop,   // a dead end even with every switch closed
    NoCell,            // in a closed loop, but its connected piece holds no cell
    CellsCancel,       // in a loop with cells, yet the current through it is exactly 0
    TooLittleCurrent,  // a current below one hundredth
    Unsolved,          // the board cannot be solved (see SolveCircuit)
};

// The state of every placed bulb, indexed like the bulb array (entry 0 unused), from the same
// analysis SolveCircuit makes; a bulb is Lit exactly when SolveCircuit gives it a value above 0.
std::vector<BulbState> ExplainBulbs(const Board& board);

}  // namespace cw
