#include "files/task_check.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

#include "analysis/net_list.h"
#include "model/part_kinds.h"

namespace cw {
namespace {

struct Placed {
    Kind kind = Kind::Cell;
    int index = 0;
};

// The parts on the board by number.
std::unordered_map<int, Placed> PartsByNumber(const Board& board) {
    std::unordered_map<int, Placed> parts;
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board.PlacedCount(kind); ++i) {
            const ComponentElement& e = board.At(kind, i);
            if (e.Visible && e.Tag > 0) parts[e.Tag] = {kind, i};
        }
    }
    return parts;
}

bool Lit(const Board& board, int k) {
    return board.ValueOf(k) > 0;
}

int64_t Milliamps(const CircuitReadings& readings, int k) {
    return k < static_cast<int>(readings.parts.size())
               ? std::abs(readings.parts[static_cast<size_t>(k)].milliamps)
               : 0;
}

// Judges goals on one board; the board with a switch toggled is solved once per switch asked.
class Judge {
  public:
    Judge(const Board& board, const SolveResult& solved, const CircuitReadings& readings)
        : board_(board), solved_(solved), readings_(readings), parts_(PartsByNumber(board)) {}

    GoalResult Judged(const Goal& goal, const TaskAnswer* answer);

  private:
    // The part numbered k, when it is on the board as a part of the role.
    const Placed* Find(int k, Role role) const {
        const auto at = parts_.find(k);
        return at != parts_.end() && Info(at->second.kind).role == role ? &at->second : nullptr;
    }
    GoalResult Missing(int k) const {
        GoalResult r;
        r.hint = HintKind::Missing;
        r.part = k;
        return r;
    }
    GoalResult BulbIs(int k, bool lit);
    GoalResult EveryBulb(bool lit);
    GoalResult Compare(const Goal& goal);
    GoalResult Controls(const Goal& goal);
    GoalResult MeterReads(const Goal& goal);
    GoalResult NoShortedCell();
    GoalResult NoBlownFuse();
    GoalResult AtMost(const Goal& goal);
    const Board& Toggled(int switchNumber);

    const Board& board_;
    const SolveResult& solved_;
    const CircuitReadings& readings_;
    std::unordered_map<int, Placed> parts_;
    std::map<int, Board> toggled_;
};

GoalResult Judge::BulbIs(int k, bool lit) {
    const Placed* bulb = Find(k, Role::Lamp);
    if (!bulb) return Missing(k);
    GoalResult r;
    r.part = k;
    r.met = Lit(board_, k) == lit;
    if (r.met) return r;
    if (lit) {
        r.hint = HintKind::Dark;
        const auto index = static_cast<size_t>(bulb->index);
        r.state = index < solved_.bulbs.size() ? solved_.bulbs[index] : BulbState::Unsolved;
    } else {
        r.hint = HintKind::Lit;
    }
    return r;
}

GoalResult Judge::EveryBulb(bool lit) {
    // The first bulb, by number, that is not as asked names the hint.
    std::vector<int> bulbs;
    for (const auto& [k, at] : parts_) {
        if (Info(at.kind).role == Role::Lamp) bulbs.push_back(k);
    }
    std::sort(bulbs.begin(), bulbs.end());
    GoalResult r;
    if (bulbs.empty()) {
        r.hint = HintKind::NoBulb;
        return r;
    }
    for (int k : bulbs) {
        r = BulbIs(k, lit);
        if (!r.met) return r;
    }
    return r;
}

GoalResult Judge::Compare(const Goal& goal) {
    // As bright is the same current as the learner reads it, to the milliampere.
    if (!Find(goal.part, Role::Lamp)) return Missing(goal.part);
    if (!Find(goal.other, Role::Lamp)) return Missing(goal.other);
    GoalResult r;
    r.part = goal.part;
    r.other = goal.other;
    r.a = Milliamps(readings_, goal.part);
    r.b = Milliamps(readings_, goal.other);
    r.met = goal.kind == GoalKind::Brighter ? r.a > r.b : r.a == r.b;
    if (r.met) return r;
    // A dark bulb is the first thing to put right.
    const GoalResult dark = BulbIs(goal.part, true);
    if (!dark.met && (goal.kind == GoalKind::Brighter || Lit(board_, goal.other))) return dark;
    r.hint = goal.kind == GoalKind::Brighter ? HintKind::NotBrighter : HintKind::Unequal;
    return r;
}

const Board& Judge::Toggled(int k) {
    auto at = toggled_.find(k);
    if (at == toggled_.end()) {
        Board copy = board_;
        copy.ValueTable[static_cast<size_t>(k)] = kinds::ToggleSwitch(copy.ValueTable[k]);
        SolveCircuit(copy);
        at = toggled_.emplace(k, std::move(copy)).first;
    }
    return at->second;
}

GoalResult Judge::Controls(const Goal& goal) {
    if (!Find(goal.part, Role::Switch)) return Missing(goal.part);
    if (!Find(goal.other, Role::Lamp)) return Missing(goal.other);
    const Board& toggled = Toggled(goal.part);
    GoalResult r;
    r.part = goal.part;
    r.other = goal.other;
    if (Lit(toggled, goal.other) == Lit(board_, goal.other)) {
        r.hint = HintKind::NoControl;
        r.lit = Lit(board_, goal.other);
        return r;
    }
    if (goal.kind == GoalKind::ControlsOnly) {
        std::vector<int> others;
        for (const auto& [k, placed] : parts_) {
            if (Info(placed.kind).role == Role::Lamp && k != goal.other &&
                Lit(toggled, k) != Lit(board_, k))
                others.push_back(k);
        }
        if (!others.empty()) {
            r.hint = HintKind::AlsoControls;
            r.other = *std::min_element(others.begin(), others.end());
            return r;
        }
    }
    r.met = true;
    return r;
}

GoalResult Judge::MeterReads(const Goal& goal) {
    const auto at = parts_.find(goal.part);
    if (at == parts_.end() || !IsMeter(at->second.kind)) return Missing(goal.part);
    GoalResult r;
    r.part = goal.part;
    r.kind = at->second.kind;
    r.a = board_.ValueOf(goal.part);
    const double scale = Info(r.kind).role == Role::Ammeter ? 1000.0 : 100.0;
    // What the face shows, against the value asked; a hair's slack for the decimal's binary form.
    r.met = r.a != kNoReading &&
            std::fabs(static_cast<double>(r.a) / scale - goal.value) <= goal.tolerance + 1e-9;
    if (!r.met) r.hint = HintKind::MeterReads;
    return r;
}

GoalResult Judge::NoShortedCell() {
    GoalResult r;
    std::optional<NetList> net = BuildNetList(board_);
    if (net) {
        JoinNodes(*net);
        for (const Part& p : net->parts) {
            if (p.role == Role::Source && p.Shorted()) {
                r.hint = HintKind::Shorted;
                r.part = p.number;
                return r;
            }
        }
    }
    r.met = true;
    return r;
}

GoalResult Judge::NoBlownFuse() {
    GoalResult r;
    int first = 0;
    for (const auto& [k, placed] : parts_) {
        if (Info(placed.kind).role == Role::Fuse && board_.ValueOf(k) < 0 && (!first || k < first))
            first = k;
    }
    r.met = first == 0;
    if (!r.met) {
        r.hint = HintKind::Blown;
        r.part = first;
    }
    return r;
}

GoalResult Judge::AtMost(const Goal& goal) {
    GoalResult r;
    r.kind = goal.partKind;
    for (const auto& [k, placed] : parts_) r.a += placed.kind == goal.partKind;
    r.met = r.a <= goal.count;
    if (!r.met) r.hint = HintKind::TooMany;
    return r;
}

GoalResult Judge::Judged(const Goal& goal, const TaskAnswer* answer) {
    switch (goal.kind) {
        case GoalKind::Lit:
        case GoalKind::Dark:
            return goal.part == 0 ? EveryBulb(goal.kind == GoalKind::Lit)
                                  : BulbIs(goal.part, goal.kind == GoalKind::Lit);
        case GoalKind::Brighter:
        case GoalKind::AsBright:
            return Compare(goal);
        case GoalKind::Controls:
        case GoalKind::ControlsOnly:
            return Controls(goal);
        case GoalKind::MeterReads:
            return MeterReads(goal);
        case GoalKind::NoShortedCell:
            return NoShortedCell();
        case GoalKind::NoBlownFuse:
            return NoBlownFuse();
        case GoalKind::AtMost:
            return AtMost(goal);
        case GoalKind::Answer:
            break;
    }
    GoalResult r;
    if (!answer || answer->text.trimmed().isEmpty()) {
        r.hint = HintKind::NoAnswer;
        return r;
    }
    bool wrongUnit = false;
    const std::optional<double> value = ReadAnswer(answer->text, goal.unit, &wrongUnit);
    if (!value) {
        r.hint = wrongUnit ? HintKind::WrongUnit : HintKind::Unreadable;
        return r;
    }
    r.met = std::fabs(*value - goal.value) <= goal.tolerance * (1 + 1e-9) + 1e-12;
    if (!r.met) r.hint = HintKind::AnswerOff;
    return r;
}

}  // namespace

std::vector<GoalResult> CheckTask(const Board& board, const SolveResult& solved,
                                  const CircuitReadings& readings, const Task& task,
                                  const std::vector<TaskAnswer>& answers) {
    Judge judge(board, solved, readings);
    std::vector<GoalResult> results;
    results.reserve(task.goals.size());
    for (size_t g = 0; g < task.goals.size(); ++g) {
        const TaskAnswer* answer = nullptr;
        for (const TaskAnswer& a : answers) {
            if (a.goal == static_cast<int>(g)) answer = &a;
        }
        results.push_back(judge.Judged(task.goals[g], answer));
    }
    return results;
}

std::optional<double> ReadAnswer(const QString& text, AnswerUnit unit, bool* wrongUnit) {
    if (wrongUnit) *wrongUnit = false;
    QString t = text.trimmed();
    // A decimal comma, as German and Spanish write it.
    if (!t.contains(QLatin1Char('.'))) t.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression kNumberAndUnit(
        QStringLiteral("^([+-]?(?:\\d+(?:\\.\\d*)?|\\.\\d+))\\s*(\\S*)$"));
    const QRegularExpressionMatch m = kNumberAndUnit.match(t);
    if (!m.hasMatch()) return std::nullopt;
    const double number = m.captured(1).toDouble();
    const QString written = m.captured(2);
    const QString u = written.toLower();
    struct Written {
        const char16_t* text;
        AnswerUnit unit;
        double scale;
    };
    static constexpr Written kUnits[] = {
        {u"a", AnswerUnit::Amperes, 1},       {u"amp", AnswerUnit::Amperes, 1},
        {u"amps", AnswerUnit::Amperes, 1},    {u"ampere", AnswerUnit::Amperes, 1},
        {u"amperes", AnswerUnit::Amperes, 1}, {u"ma", AnswerUnit::Amperes, 1e-3},
        {u"v", AnswerUnit::Volts, 1},         {u"volt", AnswerUnit::Volts, 1},
        {u"volts", AnswerUnit::Volts, 1},     {u"mv", AnswerUnit::Volts, 1e-3},
        {u"\u03c9", AnswerUnit::Ohms, 1},     {u"\u2126", AnswerUnit::Ohms, 1},
        {u"ohm", AnswerUnit::Ohms, 1},        {u"ohms", AnswerUnit::Ohms, 1},
        {u"k\u03c9", AnswerUnit::Ohms, 1e3},  {u"k\u2126", AnswerUnit::Ohms, 1e3},
        {u"kohm", AnswerUnit::Ohms, 1e3},     {u"kohms", AnswerUnit::Ohms, 1e3},
    };
    if (u.isEmpty()) return number;
    for (const Written& w : kUnits) {
        if (u != QStringView(w.text)) continue;
        if (w.unit != unit) break;
        return number * w.scale;
    }
    if (wrongUnit) {
        for (const Written& w : kUnits) *wrongUnit |= u == QStringView(w.text);
    }
    return std::nullopt;
}

std::optional<RuleBreach> BreachOf(const BoardDocument& before, const BoardDocument& after) {
    if (!after.task || before.task != after.task) return std::nullopt;
    const TaskRules& rules = after.task->rules;
    std::unordered_map<int, const SavedPart*> was;
    for (const SavedPart& p : before.parts) was[p.number] = &p;
    for (const SavedPart& p : after.parts) {
        if (!rules.Locked(p.number)) continue;
        const auto at = was.find(p.number);
        if (at == was.end()) continue;
        const SavedPart& q = *at->second;
        // A locked fuse may still blow: the circuit blows it, not the learner.
        const bool fuse = Info(p.kind).fileValue == FileValue::Fuse;
        const bool same = p.left == q.left && p.top == q.top && p.deleted == q.deleted &&
                          (fuse ? std::abs(p.value) == std::abs(q.value) : p.value == q.value);
        if (!same) return RuleBreach{p.kind, p.number};
    }
    // Added parts beyond the allowance, where the edit added some.
    std::array<int, kKinds.size()> added{}, addedBefore{};
    for (const SavedPart& p : after.parts)
        added[static_cast<size_t>(KindIndex(p.kind))] += !p.deleted && p.number >= rules.firstAdded;
    for (const SavedPart& p : before.parts) {
        addedBefore[static_cast<size_t>(KindIndex(p.kind))] +=
            !p.deleted && p.number >= rules.firstAdded;
    }
    for (Kind kind : kKinds) {
        const auto k = static_cast<size_t>(KindIndex(kind));
        if (rules.allowance[k] != TaskRules::kNoLimit && added[k] > rules.allowance[k] &&
            added[k] > addedBefore[k])
            return RuleBreach{kind, 0};
    }
    return std::nullopt;
}

}  // namespace cw
