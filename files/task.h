// A task a teacher sets on a board: a title and instructions for the learner, what the learner
// may change (the board's TaskRules) and the goals Check judges the learner's board by. Goals
// name parts by their numbers, as the learner sees them.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "model/board.h"

namespace cw {

enum class GoalKind : uint8_t {
    Lit,            // bulb `part` lit; part 0: every bulb on the board
    Dark,           // bulb `part` dark; part 0: every bulb
    Brighter,       // bulb `part` carries more current than bulb `other`
    AsBright,       // bulbs `part` and `other` carry the same current
    Controls,       // toggling switch `part` changes whether bulb `other` is lit
    ControlsOnly,   // ... and changes no other bulb's
    MeterReads,     // meter `part` reads `value` (in `unit`, amperes or volts) within `tolerance`
    NoShortedCell,  // no cell's terminals are joined by wires alone
    NoBlownFuse,    // every fuse on the board is whole
    AtMost,         // at most `count` parts of `partKind` on the board
    Answer,         // the learner's typed answer is `value` (in `unit`) within `tolerance`
};
inline constexpr int kGoalKinds = static_cast<int>(GoalKind::Answer) + 1;

// What an answer is measured in.
enum class AnswerUnit : uint8_t { Amperes, Volts, Ohms };

struct Goal {
    GoalKind kind = GoalKind::Lit;
    int part = 0;
    int other = 0;
    Kind partKind = Kind::Cell;
    int count = 0;
    double value = 0;
    double tolerance = 0;
    AnswerUnit unit = AnswerUnit::Ohms;
    QString question;  // an answer's: what the learner is to find
    friend bool operator==(const Goal&, const Goal&) = default;
};

struct Task {
    QString title, instructions;
    TaskRules rules;
    std::vector<Goal> goals;
    friend bool operator==(const Task&, const Task&) = default;
};

// The learner's answer to goal `goal` (its index), as typed.
struct TaskAnswer {
    int goal = 0;
    QString text;
    friend bool operator==(const TaskAnswer&, const TaskAnswer&) = default;
};

}  // namespace cw
