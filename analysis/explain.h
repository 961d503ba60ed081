// Why a bulb is as it is, told for a learner whose prediction of it was wrong: one explanation,
// chosen from the circuit's structure and aimed at the idea behind the usual mistakes (current
// used up along a loop, the cell giving a fixed current, a resistor mattering only "upstream",
// a short doing nothing). The triggers, in the order they are tried:
//   Shorted        its terminals lie on one node: a wire takes the current
//   OpenSwitch     dark for an open switch (the one whose closing alone lights it, if one does)
//   CellsOppose    its loop holds cells, yet no current flows
//   Reason         dark for any other reason the bulb already gives
//   CellsAid       its branch holds two or more cells, pushing the same way
//   SameLoop       another bulb is in its branch: the same current passes through both
//   ResistorInLoop a resistor is in its branch: wherever it sits there, the current is the same
//   OwnBranch      its branch holds no cell and a cell gives more: the branches share the cell's
//   Reason         none of these: lit, with its current
// A branch is a run of parts joined end to end through nodes that no third part touches, the
// parts a loop passes one after another; every part of a branch carries one current.
#pragma once

#include <cstdint>

#include "analysis/solver.h"

namespace cw {

struct Board;

enum class Explanation : uint8_t {
    Shorted,
    OpenSwitch,
    CellsOppose,
    CellsAid,
    SameLoop,
    ResistorInLoop,
    OwnBranch,
    Reason,
};

struct Explained {
    Explanation kind = Explanation::Reason;
    int bulb = 0;
    // The other part it names: the switch, the second cell, the other bulb, the resistor; 0 when
    // none is named.
    int other = 0;
    int64_t milliamps = 0;  // through the bulb, as the learner reads it
    int64_t total = 0;      // OwnBranch: through the cell that gives most
    BulbState state = BulbState::Lit;
};

// The board as solved (its bulbs' entries), the solve and its readings; bulb: a bulb's number.
Explained Explain(const Board& board, const SolveResult& solved, const CircuitReadings& readings,
                  int bulb);

}  // namespace cw
