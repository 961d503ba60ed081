// The words of a task: each goal as the learner reads it, and under a goal not met its hint,
// for the panel, the screen reader and the help alike.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <vector>

#include "files/task.h"
#include "files/task_check.h"

namespace cw {

class TaskTexts {
    Q_DECLARE_TR_FUNCTIONS(TaskTexts)

  public:
    // "Bulb 3 is lit", "Switch 2 turns only Bulb 3 on and off".
    static QString GoalText(const Goal& goal);
    // Why it is not met, from the circuit: "Bulb 3 is dark: a switch in its loop is open".
    static QString Hint(const GoalResult& result, const Goal& goal);
    // "2 of 3 goals met".
    static QString Summary(const std::vector<GoalResult>& results);
    // Everything Check found, for those who listen: the summary and each goal not met.
    static QString Spoken(const std::vector<GoalResult>& results, const std::vector<Goal>& goals);
    // The unit an answer is given in, as the learner writes it: "A", "V", "Ω".
    static QString UnitSymbol(AnswerUnit unit);
    // A refused edit: "Bulb 2 is locked by the task." or "The task lets you add no more bulbs."
    static QString Refused(Kind kind, int number);
    // "Bulb: 2 left", for the strip and the bar.
    static QString PartsLeft(Kind kind, int left);
};

}  // namespace cw
