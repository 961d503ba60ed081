// How a window takes a document back: built whole (a file, a new board) or changed where it
// differs (an undo or redo step).
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

void Circuit::Restore(const BoardDocument& d) {
    if (board_.MouseMode != kMouseIdle) EndRunningGesture();
    platform_.ReleaseCapture();
    // Nothing is painted until every part is back; then each once.
    rebuilding_ = true;
    setUpdatesEnabled(false);
    // The keyboard on a part goes back to the strip, as at start; on a strip copy, it stays on
    // its kind's copy.
    const ControlInfo focused = focusWidget() ? Identify(focusWidget()) : ControlInfo{};
    for (Kind kind : kKinds) {
        std::vector<PictureControl*>& spare = spare_[static_cast<size_t>(KindIndex(kind))];
        spare.assign(static_cast<size_t>(board_.UBound(kind)) + 1, nullptr);
        while (board_.UBound(kind) >= 1) {
            const int i = board_.UBound(kind);
            spare[static_cast<size_t>(i)] = TakeLastElement(kind);
        }
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
    // Clamped to this window's board as a drag clamps a part: inside, above the strip (at
    // actual size, or the more a zoomed-out board shows).
    const QSizeF extent = BoardExtent();
    const int16_t leftLimit = Nearest16(extent.width() - kBoardSize - kEdgeMargin);
    const int16_t topLimit = Nearest16(extent.height() - kBoardSize - kEdgeMargin);
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
            if (p->deleted || !OnStrip(kind)) SetElementVisible(kind, i, !p->deleted);
            board_.ValueTable[static_cast<size_t>(p->number)] = p->value;
        }
        LoadElement(kind);  // the palette copy
    }
    for (const SavedPart& p : d.parts)
        ZOrderElement(p.kind, indexOf[static_cast<size_t>(p.number)]);
    for (Kind kind : kKinds) {
        ZOrderElement(kind, board_.UBound(kind));
        SetPaletteCopyHints(kind);
    }
    model_.notes = d.notes;
    model_.SetTask(d.task, d.answers);
    glasso_->StrokesReplaced();
    glasso_->ForgetGesture();
    Form_Resize();
    SolveAndRepaint(board_, *this);
    rebuilding_ = false;
    for (std::vector<PictureControl*>& spare : spare_) {
        for (PictureControl* c : spare) {
            if (!c) continue;
            c->hide();
            c->deleteLater();  // a press on it may still be running its handler
        }
        spare.clear();
    }
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board_.UBound(kind); ++i) RefreshElement(kind, i);
    }
    RefreshBoard();
    setUpdatesEnabled(true);
    // A board built anew starts the keyboard on the strip, as at start, wherever the focus went
    // while its controls were replaced.
    if (focused.type == ControlType::Palette) {
        Element(focused.kind, board_.UBound(focused.kind))->setFocus(Qt::OtherFocusReason);
    } else if (focused.type == ControlType::Part || !focusWidget() || !focusWidget()->isVisible() ||
               !isAncestorOf(focusWidget())) {
        Element(kStripKinds[0], board_.UBound(kStripKinds[0]))->setFocus(Qt::OtherFocusReason);
    }
    UpdateFocusMarker();
}

void Circuit::Apply(const BoardDocument& d) {
    if (board_.MouseMode != kMouseIdle) EndRunningGesture();
    platform_.ReleaseCapture();
    const std::vector<WireLook> wiresBefore = WireLooks(board_);
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
    for (const ElementRef& at : board_.Stack) {
        const int number = board_.At(at.kind, at.index).Tag;
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
    if (model_.notes != d.notes) {
        model_.notes = d.notes;
        glasso_->StrokesReplaced();
    }
    if (!model_.HoldsTask(d.task, d.answers)) model_.SetTask(d.task, d.answers);
    // Solved again; only the bulbs whose glass changes are painted anew.
    const std::vector<int16_t> before = board_.ValueTable;
    CircuitSolving();
    const SolveResult solved = SolveCircuit(board_);
    for (int i = 1; i <= board_.PlacedCount(LampKind()); ++i) {
        const auto k = static_cast<size_t>(std::max(0, board_.At(LampKind(), i).Tag));
        if (k > 0 && (k >= before.size() || before[k] != board_.ValueTable[k]))
            RefreshElement(LampKind(), i);
    }
    RepaintChangedMeters(board_, *this, before);
    CircuitSolved(solved);
    RefreshBoardChanged(wiresBefore);
    UpdateFocusMarker();
}

void Circuit::RefreshBoardChanged(const std::vector<WireLook>& before) {
    // Wires are painted in turn: where the wire at each place in the order looks the same, the
    // board does too; it changes only along those that differ, as they were and as they are.
    // (The diagram's dots count connections, which the looks do not show: it is painted whole.)
    if (DiagramView()) return RefreshBoard();
    const std::vector<WireLook> after = WireLooks(board_);
    std::vector<WireSpan> changed;
    auto add = [&changed](const WireLook& w) { changed.push_back({w.a.x, w.a.y, w.b.x, w.b.y}); };
    for (size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
        const bool was = i < before.size(), is = i < after.size();
        if (was && is && before[i] == after[i]) continue;
        if (was) add(before[i]);
        if (is) add(after[i]);
    }
    if (!changed.empty()) RefreshBoardAlong(changed);
}

}  // namespace cw
