// The circuit the learner has open, with no widget in it: the board (parts in stacking order
// with their values, junctions, wires), the notes, the size of the window it is drawn in, and
// what the last solve found. Views show it and tell it of their edits; save, undo, recovery and
// the screen reader read it.
//
// Every edit enters and leaves it (EditScope): mouse events, keys, commands, accessibility
// actions, undo and redo. Edits inside an edit are part of it; when the outermost one leaves and
// no gesture still holds the board, EditEnded says so once. That is the one gate every change
// passes.
#pragma once

#include <QObject>
#include <QPolygonF>
#include <functional>
#include <vector>

#include "analysis/explain.h"
#include "analysis/solver.h"
#include "files/board_document.h"
#include "files/task_check.h"
#include "model/board.h"

namespace cw {

class CircuitModel final : public QObject {
    Q_OBJECT
  public:
    explicit CircuitModel(QObject* parent = nullptr) : QObject(parent) {}

    Board board;
    std::vector<QPolygonF> notes;

    // A task a teacher set, its rules in the board (Board::Rules), and the learner's answers.
    std::optional<Task> CurrentTask() const { return TaskWithRules(); }
    bool HasTask() const { return task_.has_value(); }
    void SetTask(std::optional<Task> task, std::vector<TaskAnswer> answers);
    // Locks a part of the task where it is, or hides its value, or not.
    void SetPartRules(int number, bool locked, bool hidden);
    const std::vector<TaskAnswer>& Answers() const { return answers_; }
    // It holds this task (with its rules) and these answers.
    bool HoldsTask(const std::optional<Task>& task, const std::vector<TaskAnswer>& answers) const;
    // While the teacher edits the task its locks and allowances do not hold.
    void SetAuthoring(bool on);
    bool Authoring() const { return !board.Rules.enforced; }
    // Every goal of the task judged on the board as last solved; nothing changes.
    std::vector<GoalResult> Check();
    // Predict first: while on, an edit that changes the circuit veils its results
    // (board.Predict) until Reveal; predictions are made on the veiled bulbs. Not kept in files.
    void SetPredictFirst(bool on);
    bool PredictFirst() const { return predictFirst_; }
    // Steps the bulb's prediction (dark, dim, bright) while veiled.
    void CycleGuess(int bulb);
    // Shows the results and judges each prediction made; nothing when nothing is veiled.
    struct Verdict {
        int bulb = 0;
        Guess guess = Guess::None;
        Guess actual = Guess::Dark;
        Explained why;  // for a wrong prediction
    };
    std::vector<Verdict> Reveal();
    // Predictions right, and made, since the mode was switched on.
    int RightGuesses() const { return right_; }
    int MadeGuesses() const { return made_; }
    // An edit the task's rules refused: number 0, no more parts of the kind; else that part.
    void Refuse(Kind kind, int number) { emit EditRefused(static_cast<int>(kind), number); }

    // The view's inner size and its strip's height: a file keeps the size the board was drawn
    // in.
    void SetDrawnIn(int width, int height, float stripHeight) {
        width_ = width;
        height_ = height;
        stripHeight_ = stripHeight;
    }
    // The board as a file keeps it: placed parts bottom of the stack first with their numbers,
    // places and values, junctions, wires, notes, and a size that holds every part.
    BoardDocument Snapshot() const;

    // Whether a gesture still holds the board beyond its button events (the pointer is grabbed):
    // the view that grabs it says.
    void SetPointerHeld(std::function<bool()> held) { pointerHeld_ = std::move(held); }
    bool Idle() const { return board.MouseMode == kMouseIdle && !(pointerHeld_ && pointerHeld_()); }
    // An edit begins and ends; they pair, and nest. EditScope pairs them for a block.
    void EnterEdit(bool arrowMove);
    void LeaveEdit();

    // The solve that lit the bulbs; Solved follows each one.
    void TakeSolve(const SolveResult& solved);
    // Every part's current and voltage and every wire's current from that solve, worked out
    // when first asked for (the bulbs' own solve does not need them).
    const CircuitReadings& Readings();

  signals:
    // An edit has ended, whether or not it changed the board: the file session judges that.
    // arrowMove: it was an arrow key's.
    void EditEnded(bool arrowMove);
    void Solved();
    // A solve blew a fuse: its number, the current that blew it, its rating (milliamperes).
    void FuseBlew(int number, qint64 milliamps, int rating);
    // The task, its rules or the answers were set anew (a file, an undo, the editor); `before`,
    // the rules as they were.
    void TaskChanged(const TaskRules& before);
    void EditRefused(int kind, int number);
    // Predict first: the results were veiled, shown, or a prediction changed (its bulb's number).
    void Veiled();
    void Revealed(const std::vector<cw::CircuitModel::Verdict>& verdicts);
    void Guessed(int bulb);

  private:
    std::optional<Task> TaskWithRules() const;
    // What the circuit is, electrically: parts with their numbers and the values a learner sets,
    // and the wires. Moves and notes leave it as it is.
    std::vector<int64_t> CircuitSignature() const;

    int width_ = 0, height_ = 0;
    float stripHeight_ = 0;
    std::function<bool()> pointerHeld_;
    int depth_ = 0;           // edits running, one inside another
    bool arrowEdit_ = false;  // the outermost is an arrow key's
    bool predictFirst_ = false;
    std::vector<int64_t> signature_;
    int right_ = 0, made_ = 0;
    std::optional<Task> task_;
    std::vector<TaskAnswer> answers_;
    SolveResult lastSolve_;
    CircuitReadings readings_;
    bool readingsFresh_ = false;
};

// One edit, from construction to destruction.
class EditScope {
  public:
    explicit EditScope(CircuitModel& model, bool arrowMove = false) : model_(model) {
        model_.EnterEdit(arrowMove);
    }
    ~EditScope() { model_.LeaveEdit(); }
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;

  private:
    CircuitModel& model_;
};

}  // namespace cw
