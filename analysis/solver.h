// The circuit solver: after every edit that can change the circuit it recomputes the
// direct-current state of the board and stores, for every bulb, |floor(100 x I)| in its
// ValueTable entry, where I is the exact current through the bulb from its first terminal to its
// second. It reads the board as it stands and writes nothing but bulb entries; it gives back why
// each bulb that stays dark is dark, from the same analysis.
//
// Electrical model: a cell is 1.5 volts in series with 1 ohm (first terminal positive), a
// resistor its ValueTable entry, a bulb 10 ohms; wires and closed switches join points into
// nodes, an open switch is absent. Parts no loop passes through carry nothing, and neither does
// a part whose two terminals lie on one node. The potentials come from nodal analysis in double
// precision (one reference node per connected piece, cells as their Norton equivalents, an LDLT
// factorisation) with a bound on their error that is a proof (analysis/nodal_solve.h); a bulb
// whose bound does not settle its whole hundredths has the potentials refined in extended
// precision, its sign read from the circuit's structure, or its block of the circuit solved again
// in exact rational arithmetic (analysis/certified_values.h).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace cw {

struct Board;
struct Solution;

// Called once per placed bulb (its index in the bulb array) whenever the solver asks it to be
// repainted: after clearing the values and again after storing the results.
using BulbRefresh = std::function<void(int lightIndex)>;

// What a placed bulb shows: lit, or dark for the first reason that holds, in this order. The
// graph of the circuit has a node per group of joined points and an edge per cell, resistor
// and bulb; its blocks are the largest sets of edges any two of which lie on a common loop.
enum class BulbState : uint8_t {
    Lit,
    Shorted,           // its two terminals lie on one node
    NotInClosedLoop,   // no loop passes through it (a bridge), switches as they are or all closed
    SwitchOpen,        // no loop passes through it, but with every switch closed it would lie in
                       // a loop with a cell and not be shorted
    FuseBlown,         // as SwitchOpen, but a fuse in its loop has blown
    VoltmeterInLoop,   // as SwitchOpen, but only a voltmeter joined in its loop, which lets no
                       // current through, keeps it dark
    NoCell,            // loops pass through it but its block holds no cell (or, closing every
                       // switch would put it in a loop, but none with a cell)
    CellsCancel,       // its block holds cells, yet its exact current is 0
    TooLittleCurrent,  // a current flows, under one hundredth of an ampere
    Unsolved,          // the board cannot be solved (see SolveCircuit)
};

// A part's current, from its first terminal to its second through it, and the potential of its
// first terminal less that of its second. A cell delivering current has a negative current.
struct PartReading {
    double amps = 0;
    double volts = 0;
    // As a learner reads them, everywhere: milliamperes and hundredths of a volt, rounded half
    // away from zero from the exact values. proved: the error bound of the solve settles both
    // roundings (else they are the nearest the arithmetic gives, which happens only within about
    // 1e-12 of a rounding boundary).
    int64_t milliamps = 0;
    int64_t centivolts = 0;
    bool proved = true;
    double ampsError = 0;  // how far `amps` may lie from the exact current
    // A voltmeter or open switch whose terminals no circuit joins has no voltage to read.
    bool voltsKnown = true;
};

// Rounds x (amperes or volts) times scale (1000 or 100) half away from zero; nullopt when some
// value within `error` of x would round otherwise.
std::optional<int64_t> RoundedReading(long double x, long double error, int scale);

struct CircuitReadings;

struct SolveResult {
    // The state of every placed bulb, indexed like the bulb array (entry 0 unused); a bulb is
    // Lit exactly when its stored value is above 0.
    std::vector<BulbState> bulbs;
    // Blocks whose bulbs were settled in exact arithmetic, and bulbs the exact path could not
    // settle within its bounded work (they keep the nearest floating-point answer).
    int exactBlocks = 0;
    int unsettled = 0;
    // Rounds of extended-precision refinement the bounds asked for.
    int refinements = 0;
    // The solved circuit, for the readings of the same solve; empty when nothing was solved.
    std::shared_ptr<const Solution> solution;
    // The readings of that solve, when it worked them out (a board with meters needs them).
    std::shared_ptr<const CircuitReadings> readings;
    // The fuses this solve blew, in the order they blew, each with the current that blew it.
    struct BlownFuse {
        int number = 0;
        int64_t milliamps = 0;
        int16_t rating = 0;  // milliamperes
    };
    std::vector<BlownFuse> blown;
};

// Every component's reading, by number (entry 0 unused), and every wire's current from its first
// end to its second, by row (entry 0 unused): the least-energy sharing where wires form loops
// (analysis/wire_currents.h). Both empty when the board cannot be solved.
struct CircuitReadings {
    std::vector<PartReading> parts;
    std::vector<double> wireAmps;
};

// Solves the board. Nothing is stored when no bulb was ever placed (and no meter or fuse is).
// While an intact fuse carries strictly more than its rating (decided exactly), the one with the
// largest current for its rating blows (the lowest number on a tie) and the board is solved
// again. Every bulb is left at 0 (and Unsolved) when the board cannot be solved: a Tag that is
// not a placed number (outside 1..16383 or beyond ValueTable, or carried twice), a resistor
// entry below 0, or more rows or unknowns than the 16-bit working tables hold. A result beyond
// 16 bits saturates at 32767.
SolveResult SolveCircuit(Board& board, const BulbRefresh& refreshBulb = {});

// The board's readings, from a solve of its own (nothing stored): for what a learner reads of
// the parts and sees flowing in the wires.
CircuitReadings ReadCircuit(const Board& board);

// The readings from the solve that lit the bulbs, for the board as it stood then (parts placed
// since read nothing); from a solve of its own where that one solved nothing.
CircuitReadings ReadCircuit(const Board& board, const SolveResult& solved);

}  // namespace cw
