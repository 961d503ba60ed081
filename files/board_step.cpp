#include "files/board_step.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <map>

#include "model/part_kinds.h"

namespace cw {
namespace {

bool Same(const JunctionRow& a, const JunctionRow& b) {
    return a.x == b.x && a.y == b.y;
}
bool Same(const WireRow& a, const WireRow& b) {
    return a.end[0] == b.end[0] && a.end[1] == b.end[1];
}
template <typename T>
bool Same(const T& a, const T& b) {
    return a == b;
}

template <typename T>
Splice<T> Difference(const std::vector<T>& a, const std::vector<T>& b) {
    size_t head = 0;
    while (head < a.size() && head < b.size() && Same(a[head], b[head])) ++head;
    size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           Same(a[a.size() - 1 - tail], b[b.size() - 1 - tail])) {
        ++tail;
    }
    Splice<T> s;
    s.at = head;
    s.removed.assign(a.begin() + static_cast<std::ptrdiff_t>(head),
                     a.end() - static_cast<std::ptrdiff_t>(tail));
    s.inserted.assign(b.begin() + static_cast<std::ptrdiff_t>(head),
                      b.end() - static_cast<std::ptrdiff_t>(tail));
    return s;
}

template <typename T>
void ApplySplice(std::vector<T>& v, const Splice<T>& s, bool forward) {
    const std::vector<T>& out = forward ? s.removed : s.inserted;
    const std::vector<T>& in = forward ? s.inserted : s.removed;
    const size_t at = std::min(s.at, v.size());
    const size_t gone = std::min(out.size(), v.size() - at);
    v.erase(v.begin() + static_cast<std::ptrdiff_t>(at),
            v.begin() + static_cast<std::ptrdiff_t>(at + gone));
    v.insert(v.begin() + static_cast<std::ptrdiff_t>(at), in.begin(), in.end());
}

std::vector<int> Stacking(const BoardDocument& d) {
    std::vector<int> order;
    order.reserve(d.parts.size());
    for (const SavedPart& p : d.parts) order.push_back(p.number);
    return order;
}

// A part as the board holds it: a deleted one is not on the board.
std::optional<SavedPart> OnBoard(const SavedPart* p) {
    if (!p || p->deleted) return std::nullopt;
    return *p;
}

// Each kind's name in a step's text, in the order of the table of kinds.
// Sized by its entries, so a kind without one fails the check below.
constexpr auto kKindNames = std::to_array<const char*>({
    QT_TRANSLATE_NOOP("cw::BoardStep", "Cell"),
    QT_TRANSLATE_NOOP("cw::BoardStep", "Switch"),
    QT_TRANSLATE_NOOP("cw::BoardStep", "Resistor"),
    QT_TRANSLATE_NOOP("cw::BoardStep", "Bulb"),
    QT_TRANSLATE_NOOP("cw::BoardStep", "Ammeter"),
    QT_TRANSLATE_NOOP("cw::BoardStep", "Voltmeter"),
    QT_TRANSLATE_NOOP("cw::BoardStep", "Fuse"),
});
static_assert(kKindNames.size() == kKindTable.size(), "every kind has its name in a step");
const char* KindName(Kind kind) {
    return kKindNames[static_cast<size_t>(KindIndex(kind))];
}

QString Tr(const char* text) {
    return QCoreApplication::translate("cw::BoardStep", text);
}

}  // namespace

BoardStep::BoardStep(const BoardDocument& before, const BoardDocument& after) {
    std::map<int, const SavedPart*> a, b;
    for (const SavedPart& p : before.parts) a[p.number] = &p;
    for (const SavedPart& p : after.parts) b[p.number] = &p;
    for (const auto& [number, p] : b) {
        const auto was = a.find(number);
        const SavedPart* old = was == a.end() ? nullptr : was->second;
        if (!old || !(*old == *p)) parts_.push_back({number, OnBoard(old), OnBoard(p)});
    }
    for (const auto& [number, p] : a) {
        if (!b.count(number)) parts_.push_back({number, OnBoard(p), std::nullopt});
    }
    // A part hidden both before and after (deleted, then its deletion noted again) changed
    // nothing a learner sees.
    std::erase_if(parts_, [](const PartChange& c) { return !c.before && !c.after; });
    stacking_ = Difference(Stacking(before), Stacking(after));
    junctions_ = Difference(before.junctions, after.junctions);
    wires_ = Difference(before.wires, after.wires);
    notes_ = Difference(before.notes, after.notes);
    if (before.task != after.task || before.answers != after.answers)
        task_ = TaskChange{before.task, after.task, before.answers, after.answers};
}

bool BoardStep::Empty() const {
    return parts_.empty() && stacking_.Empty() && junctions_.Empty() && wires_.Empty() &&
           notes_.Empty() && !task_;
}

BoardDocument BoardStep::Apply(const BoardDocument& board, bool forward) const {
    BoardDocument d = board;
    std::map<int, SavedPart> parts;
    for (const SavedPart& p : d.parts) parts[p.number] = p;
    for (const PartChange& c : parts_) {
        const std::optional<SavedPart>& to = forward ? c.after : c.before;
        const auto at = parts.find(c.number);
        if (to) {
            parts[c.number] = *to;
        } else if (at != parts.end()) {
            at->second.deleted = true;  // kept, hidden: its number is never given again
        }
    }
    // The stacking order as the step left it; parts the step does not know keep their places
    // (an undone placement hidden beside them), and any the order misses go on top.
    std::vector<int> order = Stacking(board);
    ApplySplice(order, stacking_, forward);
    d.parts.clear();
    for (int number : order) {
        const auto at = parts.find(number);
        if (at == parts.end()) continue;
        d.parts.push_back(at->second);
        parts.erase(at);
    }
    for (const auto& [number, p] : parts) d.parts.push_back(p);
    for (const SavedPart& p : d.parts) d.nextNumber = std::max(d.nextNumber, p.number + 1);
    ApplySplice(d.junctions, junctions_, forward);
    ApplySplice(d.wires, wires_, forward);
    ApplySplice(d.notes, notes_, forward);
    if (task_) {
        d.task = forward ? task_->after : task_->before;
        d.answers = forward ? task_->answersAfter : task_->answersBefore;
    }
    return d;
}

int BoardStep::MovedOnly() const {
    if (parts_.size() != 1 || !junctions_.Empty() || !wires_.Empty() || !notes_.Empty() || task_)
        return 0;
    const PartChange& c = parts_.front();
    if (!c.before || !c.after) return 0;
    SavedPart moved = *c.before;
    moved.left = c.after->left;
    moved.top = c.after->top;
    return moved == *c.after ? c.number : 0;
}

void BoardStep::Merge(const BoardStep& next) {
    // Both moved the same one part: the merged step goes from this one's start to the next
    // one's end; a part raised by the first move is already on top for the next.
    parts_.front().after = next.parts_.front().after;
    if (stacking_.Empty()) stacking_ = next.stacking_;
}

QString BoardStep::Text() const {
    auto named = [](const char* format, const SavedPart& p) {
        return Tr(format).arg(Tr(KindName(p.kind))).arg(p.number);
    };
    // A fuse that blew is what the edit did to the circuit, not the edit: the step is named for
    // the rest of it.
    std::vector<const PartChange*> told;
    for (const PartChange& c : parts_) {
        const bool blew = c.before && c.after && Info(c.after->kind).fileValue == FileValue::Fuse &&
                          c.before->value > 0 && c.after->value < 0 &&
                          c.before->left == c.after->left && c.before->top == c.after->top;
        if (!blew) told.push_back(&c);
    }
    if (told.size() == 1) {
        const PartChange& c = *told.front();
        if (!c.before && c.after)
            return named(QT_TRANSLATE_NOOP("cw::BoardStep", "Place %1 %2"), *c.after);
        if (c.before && !c.after)
            return named(QT_TRANSLATE_NOOP("cw::BoardStep", "Delete %1 %2"), *c.before);
        if (c.before->value != c.after->value) {
            if (Info(c.after->kind).role == Role::Switch) {
                return named(c.after->value == 0 ? QT_TRANSLATE_NOOP("cw::BoardStep", "Close %1 %2")
                                                 : QT_TRANSLATE_NOOP("cw::BoardStep", "Open %1 %2"),
                             *c.after);
            }
            if (Info(c.after->kind).fileValue == FileValue::Fuse && c.before->value < 0)
                return named(QT_TRANSLATE_NOOP("cw::BoardStep", "Replace %1 %2"), *c.after);
            return named(QT_TRANSLATE_NOOP("cw::BoardStep", "Step %1 %2"), *c.after);
        }
        return named(QT_TRANSLATE_NOOP("cw::BoardStep", "Move %1 %2"), *c.after);
    }
    if (!told.empty()) return Tr(QT_TRANSLATE_NOOP("cw::BoardStep", "Edit Parts"));
    if (task_ && task_->before == task_->after)
        return Tr(QT_TRANSLATE_NOOP("cw::BoardStep", "Answer"));
    if (task_) return Tr(QT_TRANSLATE_NOOP("cw::BoardStep", "Change Task"));
    if (wires_.inserted.size() > wires_.removed.size())
        return Tr(QT_TRANSLATE_NOOP("cw::BoardStep", "Add Wire"));
    if (wires_.inserted.size() < wires_.removed.size())
        return Tr(QT_TRANSLATE_NOOP("cw::BoardStep", "Delete Wire"));
    if (notes_.inserted.size() > notes_.removed.size())
        return Tr(QT_TRANSLATE_NOOP("cw::BoardStep", "Write Note"));
    if (notes_.inserted.size() < notes_.removed.size())
        return Tr(QT_TRANSLATE_NOOP("cw::BoardStep", "Erase Note"));
    return Tr(QT_TRANSLATE_NOOP("cw::BoardStep", "Edit"));
}

size_t BoardStep::Bytes() const {
    size_t n = sizeof(*this) + parts_.capacity() * sizeof(PartChange);
    n += (stacking_.removed.capacity() + stacking_.inserted.capacity()) * sizeof(int);
    n += (junctions_.removed.capacity() + junctions_.inserted.capacity()) * sizeof(JunctionRow);
    n += (wires_.removed.capacity() + wires_.inserted.capacity()) * sizeof(WireRow);
    if (task_) n += sizeof(TaskChange) + 2 * sizeof(Task);  // the texts are shared
    for (const auto* list : {&notes_.removed, &notes_.inserted}) {
        n += list->capacity() * sizeof(QPolygonF);
        for (const QPolygonF& stroke : *list)
            n += static_cast<size_t>(stroke.capacity()) * sizeof(QPointF);
    }
    return n;
}

}  // namespace cw
