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
    return d;
}

void CircuitModel::EnterEdit(bool arrowMove) {
    if (depth_++ == 0) arrowEdit_ = arrowMove;
}

void CircuitModel::LeaveEdit() {
    if (--depth_ > 0 || !Idle()) return;
    emit EditEnded(arrowEdit_);
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
