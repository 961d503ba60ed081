// The board to and from its document: what a file keeps, and how a window takes it back.
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "app/circuit_window.h"
#include "app/keyboard_editing.h"
#include "edit/component_gestures.h"
#include "edit/gesture_rules.h"
#include "model/numeric.h"
#include "model/part_kinds.h"

namespace cw {

BoardDocument Circuit::Document() const {
    BoardDocument d;
    d.width = width();
    d.height = height();
    d.nextNumber = board_.LastValue() + 1;
    for (const ElementRef& at : board_.Stack) {
        const ComponentElement& e = board_.At(at.kind, at.index);
        // The palette copies, and a new part still being dragged out of the palette, carry no
        // number.
        if (e.Tag <= 0 || at.index >= board_.UBound(at.kind)) continue;
        SavedPart p;
        p.kind = at.kind;
        p.number = e.Tag;
        p.left = Nearest16(e.Left);
        p.top = Nearest16(e.Top);
        p.deleted = !e.Visible;
        if (Info(at.kind).fileValue != FileValue::None) p.value = board_.ValueOf(e.Tag);
        d.parts.push_back(p);
    }
    // A board drawn larger than the window is now (it was made smaller since) keeps the size
    // that holds every part, so opening puts none of them elsewhere.
    for (const SavedPart& p : d.parts) {
        d.width = std::max(d.width, static_cast<int>(std::ceil(p.left + kBoardSize + kEdgeMargin)));
        d.height = std::max(d.height, static_cast<int>(std::ceil(p.top + kBoardSize + kEdgeMargin +
                                                                 MenuScaleHeight())));
    }
    d.junctions.assign(board_.JunctionTable.begin() + 1, board_.JunctionTable.end());
    d.wires.assign(board_.WireTable.begin() + 1, board_.WireTable.end());
    d.notes = glasso_->Strokes();
    return d;
}

void Circuit::Restore(const BoardDocument& d) {
    if (board_.MouseMode != kMouseIdle) EndRunningGesture();
    platform_.ReleaseCapture();
    // Nothing is painted until every part is back; then each once.
    rebuilding_ = true;
    setUpdatesEnabled(false);
    for (Kind kind : kKinds) {
        while (board_.UBound(kind) >= 1) UnloadLastElement(kind);
    }
    board_.ValueTable.assign(static_cast<size_t>(std::max(d.nextNumber, 1)), 0);
    board_.JunctionTable.assign(1, JunctionRow{});
    board_.JunctionTable.insert(board_.JunctionTable.end(), d.junctions.begin(), d.junctions.end());
    board_.WireTable.assign(1, WireRow{});
    board_.WireTable.insert(board_.WireTable.end(), d.wires.begin(), d.wires.end());

    // Each kind's array holds its parts in the order they were numbered, as placing made it.
    std::vector<const SavedPart*> sorted;
    for (const SavedPart& p : d.parts) sorted.push_back(&p);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const SavedPart* a, const SavedPart* b) { return a->number < b->number; });
    // Clamped to this window as a drag clamps a part: inside, above the strip.
    const int16_t leftLimit = Nearest16(WindowScaleWidth() - kBoardSize - kEdgeMargin);
    const int16_t topLimit =
        Nearest16(WindowScaleHeight() - MenuScaleHeight() - kBoardSize - kEdgeMargin);
    std::vector<int> indexOf(static_cast<size_t>(std::max(d.nextNumber, 1)), 0);
    for (Kind kind : kKinds) {
        for (const SavedPart* p : sorted) {
            if (p->kind != kind) continue;
            LoadElement(kind);
            const int i = board_.UBound(kind);
            indexOf[static_cast<size_t>(p->number)] = i;
            board_.At(kind, i).Tag = p->number;
            MoveElement(kind, i, MaxInt(0, MinInt(leftLimit, p->left)),
                        MaxInt(0, MinInt(topLimit, p->top)), kBoardSize, kBoardSize);
            if (p->deleted) SetElementVisible(kind, i, false);
            board_.ValueTable[static_cast<size_t>(p->number)] = p->value;
        }
        LoadElement(kind);  // the palette copy
    }
    for (const SavedPart& p : d.parts)
        ZOrderElement(p.kind, indexOf[static_cast<size_t>(p.number)]);
    for (Kind kind : kKinds) ZOrderElement(kind, board_.UBound(kind));
    glasso_->SetStrokes(d.notes);
    glasso_->ForgetGesture();
    Form_Resize();
    SolveAndRepaint(board_, *this);
    rebuilding_ = false;
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board_.UBound(kind); ++i) RefreshElement(kind, i);
    }
    RefreshBoard();
    setUpdatesEnabled(true);
    if (!focusWidget() || !focusWidget()->isVisible())
        Element(kStripKinds[0], board_.UBound(kStripKinds[0]))->setFocus(Qt::OtherFocusReason);
    UpdateFocusMarker();
}

void Circuit::Apply(const BoardDocument& d) {
    if (board_.MouseMode != kMouseIdle) EndRunningGesture();
    platform_.ReleaseCapture();
    std::unordered_map<int, std::pair<Kind, int>> where;
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board_.PlacedCount(kind); ++i) {
            if (board_.At(kind, i).Tag > 0) where[board_.At(kind, i).Tag] = {kind, i};
        }
    }
    // A board this window never held is rebuilt whole.
    for (const SavedPart& p : d.parts) {
        const auto w = where.find(p.number);
        if (w == where.end() || w->second.first != p.kind) {
            Restore(d);
            return;
        }
    }
    std::unordered_map<int, bool> inTarget;
    for (const SavedPart& p : d.parts) {
        inTarget[p.number] = true;
        const auto [kind, i] = where[p.number];
        const ComponentElement& e = board_.At(kind, i);
        if (Nearest16(e.Left) != p.left || Nearest16(e.Top) != p.top)
            MoveElement(kind, i, p.left, p.top, kBoardSize, kBoardSize);
        if (e.Visible == p.deleted) SetElementVisible(kind, i, !p.deleted);
        if (Info(kind).fileValue != FileValue::None && board_.ValueOf(p.number) != p.value) {
            board_.ValueTable[static_cast<size_t>(p.number)] = p.value;
            RefreshElement(kind, i);
        }
    }
    for (const auto& [number, at] : where) {
        if (!inTarget.count(number) && board_.At(at.first, at.second).Visible)
            SetElementVisible(at.first, at.second, false);
    }
    // The stacking order: from the first part out of place up, each raised in turn.
    std::vector<int> now;
    for (const QObject* child : children()) {
        const ControlInfo info = Identify(qobject_cast<const QWidget*>(child));
        if (info.type != ControlType::Part) continue;
        const int number = board_.At(info.kind, info.index).Tag;
        if (inTarget.count(number)) now.push_back(number);
    }
    size_t first = 0;
    while (first < now.size() && first < d.parts.size() && now[first] == d.parts[first].number)
        ++first;
    if (first < d.parts.size()) {
        for (size_t k = first; k < d.parts.size(); ++k) {
            const auto [kind, i] = where[d.parts[k].number];
            ZOrderElement(kind, i);
        }
        for (Kind kind : kKinds) ZOrderElement(kind, board_.UBound(kind));
        ZOrderOverlay();
    }
    board_.JunctionTable.assign(1, JunctionRow{});
    board_.JunctionTable.insert(board_.JunctionTable.end(), d.junctions.begin(), d.junctions.end());
    board_.WireTable.assign(1, WireRow{});
    board_.WireTable.insert(board_.WireTable.end(), d.wires.begin(), d.wires.end());
    if (glasso_->Strokes() != d.notes) glasso_->SetStrokes(d.notes);
    // Solved again; only the bulbs whose glass changes are painted anew.
    const std::vector<int16_t> before = board_.ValueTable;
    CircuitSolving();
    const SolveResult solved = SolveCircuit(board_);
    for (int i = 1; i <= board_.PlacedCount(LampKind()); ++i) {
        const auto k = static_cast<size_t>(std::max(0, board_.At(LampKind(), i).Tag));
        if (k > 0 && (k >= before.size() || before[k] != board_.ValueTable[k]))
            RefreshElement(LampKind(), i);
    }
    CircuitSolved(solved);
    RefreshBoard();
    UpdateFocusMarker();
}

}  // namespace cw
