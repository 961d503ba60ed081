// Check: each goal of a task judged on the learner's board as it was last solved, and, where a
// goal is not met, why, from the circuit: which bulb is dark and for what reason, what is open or
// shorted, what a meter reads. Never the answer. Check changes nothing on the board.
//
// Also the task's rules as a gate on whole edits: what an edit did that the rules forbid.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/solver.h"
#include "files/board_document.h"
#include "files/task.h"

namespace cw {

enum class HintKind : uint8_t {
    None,
    Missing,       // part `part` is not on the board
    NoBulb,        // the board has no bulb
    Dark,          // bulb `part` is dark, for `state`
    Lit,           // bulb `part` is lit
    NotBrighter,   // bulb `part` carries `a` mA, bulb `other` `b` mA
    Unequal,       // bulbs `part` and `other` carry `a` and `b` mA
    NoControl,     // toggling switch `part` leaves bulb `other` as it is (`lit` or dark)
    AlsoControls,  // toggling switch `part` also turns bulb `other` on or off
    MeterReads,    // meter `part` (of `kind`) reads `a` (its face), or kNoReading
    Shorted,       // cell `part` has its terminals joined by wires alone
    Blown,         // fuse `part` has blown
    TooMany,       // `a` parts of `kind` are on the board
    NoAnswer,      // nothing typed
    Unreadable,    // not a number with a unit
    WrongUnit,     // a number, but in another unit than asked
    AnswerOff,     // a number, not within the tolerance
};

struct GoalResult {
    bool met = false;
    HintKind hint = HintKind::None;
    int part = 0, other = 0;
    Kind kind = Kind::Cell;
    BulbState state = BulbState::Lit;
    int64_t a = 0, b = 0;
    bool lit = false;
};

// Every goal judged on the board as solved (its bulbs' entries and meter faces), the solve that
// lit it and that solve's readings.
std::vector<GoalResult> CheckTask(const Board& board, const SolveResult& solved,
                                  const CircuitReadings& readings, const Task& task,
                                  const std::vector<TaskAnswer>& answers);

// A typed answer in the unit asked: "20", "20 Ω", "20 ohms", "0,15 A", "150 mA"; none when it is
// not a number, and wrongUnit set when the unit is another quantity's.
std::optional<double> ReadAnswer(const QString& text, AnswerUnit unit, bool* wrongUnit = nullptr);

// What an edit from `before` to `after` did that the task forbids: a locked part moved, deleted
// or changed (number: that part), or more parts of a kind added than allowed (number 0). None
// when the edit changed the task itself, or there is none.
struct RuleBreach {
    Kind kind = Kind::Cell;
    int number = 0;
};
std::optional<RuleBreach> BreachOf(const BoardDocument& before, const BoardDocument& after);

}  // namespace cw
