#include "files/circuit_model.h"

#include <algorithm>
#include <cmath>

#include "model/numeric.h"
#include "model/part_kinds.h"

namespace cw {

BoardDocument CircuitModel::Snapshot() const {
    BoardDocument d;
    d.width = width_;
    d.height = height_;
    d.nextNumber = board.LastValue() + 1;
    for (const ElementRef& at : board.Stack) {
        const ComponentElement& e = board.At(at.kind, at.index);
        // The palette copies, and a new part still being dragged out of the palette, carry no
        // number.
        if (e.Tag <= 0 || at.index >= board.UBound(at.kind)) continue;
        SavedPart p;
        p.kind = at.kind;
        p.number = e.Tag;
        p.left = Nearest16(e.Left);
        p.top = Nearest16(e.Top);
        p.deleted = !e.Visible;
        if (Info(at.kind).fileValue != FileValue::None) p.value = board.ValueOf(e.Tag);
        d.parts.push_back(p);
    }
    // A board drawn larger than the window is now (it was made smaller since) keeps the size
    // that holds every part, so opening puts none of them elsewhere.
    for (const SavedPart& p : d.parts) {
        d.width = std::max(d.width, static_cast<int>(std::ceil(p.left + kBoardSize + kEdgeMargin)));
        d.height = std::max(
            d.height, static_cast<int>(std::ceil(p.top + kBoardSize + kEdgeMargin + stripHeight_)));
    }
    d.junctions.assign(board.JunctionTable.begin() + 1, board.JunctionTable.end());
    d.wires.assign(board.WireTable.begin() + 1, board.WireTable.end());
    d.notes = notes;
    d.task = TaskWithRules();
    d.answers = answers_;
    return d;
}

std::optional<Task> CircuitModel::TaskWithRules() const {
    std::optional<Task> t = task_;
    if (t) {
        t->rules = board.Rules;
        t->rules.enforced = true;
    }
    return t;
}

bool CircuitModel::HoldsTask(const std::optional<Task>& task,
                             const std::vector<TaskAnswer>& answers) const {
    return answers == answers_ && TaskWithRules() == task;
}

void CircuitModel::SetTask(std::optional<Task> task, std::vector<TaskAnswer> answers) {
    const TaskRules before = board.Rules;
    board.Rules = task ? task->rules : TaskRules{};
    board.Rules.enforced = before.enforced;
    task_ = std::move(task);
    answers_ = task_ ? std::move(answers) : std::vector<TaskAnswer>{};
    emit TaskChanged(before);
}

void CircuitModel::SetPartRules(int number, bool locked, bool hidden) {
    const TaskRules before = board.Rules;
    auto set = [number](std::vector<int32_t>& numbers, bool on) {
        const auto at = std::lower_bound(numbers.begin(), numbers.end(), number);
        const bool is = at != numbers.end() && *at == number;
        if (on && !is) numbers.insert(at, number);
        if (!on && is) numbers.erase(at);
    };
    set(board.Rules.locked, locked);
    set(board.Rules.hidden, hidden);
    if (!(before == board.Rules)) emit TaskChanged(before);
}

void CircuitModel::SetAuthoring(bool on) {
    const TaskRules before = board.Rules;
    board.Rules.enforced = !on;
    if (!on && task_) {
        // What the teacher placed belongs to the task; the learner's parts come after.
        board.Rules.firstAdded = board.LastValue() + 1;
    }
    if (!(before == board.Rules)) emit TaskChanged(before);
}

std::vector<GoalResult> CircuitModel::Check() {
    if (!task_) return {};
    return CheckTask(board, lastSolve_, Readings(), *task_, answers_);
}

void CircuitModel::EnterEdit(bool arrowMove) {
    if (depth_++ == 0) arrowEdit_ = arrowMove;
}

void CircuitModel::LeaveEdit() {
    if (--depth_ > 0 || !Idle()) return;
    if (predictFirst_) {
        // A changed circuit hides its results until the learner has predicted them.
        std::vector<int64_t> now = CircuitSignature();
        if (now != signature_) {
            signature_ = std::move(now);
            board.Predict.veiled = true;
            board.Predict.guesses.clear();
            emit Veiled();
        }
    }
    emit EditEnded(arrowEdit_);
}

std::vector<int64_t> CircuitModel::CircuitSignature() const {
    std::vector<int64_t> s;
    s.reserve(static_cast<size_t>(2 * board.LastValue() + 2 * board.LastWire()));
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board.PlacedCount(kind); ++i) {
            const ComponentElement& e = board.At(kind, i);
            if (!e.Visible || e.Tag <= 0) continue;
            // A fuse the circuit blew is a result; a rating, a switch or a resistor the learner's.
            const int16_t v = board.ValueOf(e.Tag);
            const int64_t value = Info(kind).fileValue == FileValue::Fuse   ? std::abs(v)
                                  : Info(kind).fileValue != FileValue::None ? v
                                                                            : 0;
            s.push_back((int64_t{e.Tag} << 24) | (int64_t{KindIndex(kind)} << 16) |
                        (value & 0xffff));
        }
    }
    for (int w = 1; w <= board.LastWire(); ++w)
        s.push_back((int64_t{board.WireTable[w].end[0]} << 16) ^ board.WireTable[w].end[1]);
    return s;
}

void CircuitModel::SetPredictFirst(bool on) {
    predictFirst_ = on;
    right_ = made_ = 0;
    signature_ = CircuitSignature();
    if (!on && board.Predict.veiled) {
        board.Predict.veiled = false;
        board.Predict.guesses.clear();
        emit Revealed({});
    }
}

void CircuitModel::CycleGuess(int bulb) {
    if (!board.Predict.veiled) return;
    board.Predict.Set(bulb, NextGuess(board.Predict.Of(bulb)));
    emit Guessed(bulb);
}

std::vector<CircuitModel::Verdict> CircuitModel::Reveal() {
    std::vector<Verdict> verdicts;
    if (!board.Predict.veiled) return verdicts;
    for (const auto& [bulb, guess] : board.Predict.guesses) {
        if (guess == Guess::None) continue;
        bool onBoard = false;
        for (int i = 1; i <= board.PlacedCount(LampKind()); ++i)
            onBoard |= board.At(LampKind(), i).Tag == bulb && board.At(LampKind(), i).Visible;
        if (!onBoard) continue;
        Verdict v;
        v.bulb = bulb;
        v.guess = guess;
        v.actual = GuessOf(board.ValueOf(bulb));
        ++made_;
        if (v.guess == v.actual) {
            ++right_;
        } else {
            v.why = Explain(board, lastSolve_, Readings(), bulb);
        }
        verdicts.push_back(v);
    }
    board.Predict.veiled = false;
    emit Revealed(verdicts);
    return verdicts;
}

void CircuitModel::TakeSolve(const SolveResult& solved) {
    lastSolve_ = solved;
    readingsFresh_ = false;
    emit Solved();
    for (const SolveResult::BlownFuse& f : solved.blown)
        emit FuseBlew(f.number, f.milliamps, f.rating);
}

const CircuitReadings& CircuitModel::Readings() {
    // A part placed since the solve has a number the readings do not reach yet.
    const auto numbers = static_cast<size_t>(board.LastValue() + 1);
    if (!readingsFresh_ || (!readings_.parts.empty() && readings_.parts.size() < numbers)) {
        readings_ = ReadCircuit(board, lastSolve_);
        readingsFresh_ = true;
    }
    return readings_;
}

}  // namespace cw
