#include "edit/component_gestures.h"

#include <algorithm>
#include <cmath>

#include "analysis/solver.h"
#include "edit/edit_host.h"
#include "edit/gesture_rules.h"
#include "geometry/terminal_position.h"
#include "geometry/wire_tables.h"
#include "model/numeric.h"
#include "model/part_kinds.h"

namespace cw {
namespace {

void ApplyClickAction(Board& board, Kind kind, int k) {
    if (k < 1 || k > board.LastValue() || !ClickActs(kind)) return;
    board.ValueTable[k] = Info(kind).click(board.ValueTable[k]);
}

// Sends the dragged copy back to its palette slot and drops the copy its press loaded.
void CancelPlacement(Board& board, EditHost& host, Kind kind) {
    const int U = board.UBound(kind);
    const ComponentElement& slot = board.At(kind, U);
    const float side = host.PaletteSide();
    host.MoveElement(kind, U - 1, slot.Left, slot.Top, side, side);
    host.UnloadLastElement(kind);
}

// Adds the wires joined to component k, as they now run.
void AddWiresAt(const Board& board, int k, std::vector<EditHost::WireSpan>& wires) {
    if (k <= 0) return;
    for (int w = 1; w <= board.LastWire(); ++w) {
        const WireRow& row = board.WireTable[w];
        if ((row.end[0] <= 0 || ComponentOfTerminal(row.end[0]) != k) &&
            (row.end[1] <= 0 || ComponentOfTerminal(row.end[1]) != k))
            continue;
        const Point16 p = NodePosition(board, row.end[0]), q = NodePosition(board, row.end[1]);
        wires.push_back({p.x, p.y, q.x, q.y});
    }
}

}  // namespace

void SolveAndRepaint(Board& board, EditHost& host) {
    host.CircuitSolving();
    const std::vector<int16_t> before = board.ValueTable;
    const SolveResult solved =
        SolveCircuit(board, [&host](int l) { host.RefreshElement(LampKind(), l); });
    RepaintChangedMeters(board, host, before);
    host.CircuitSolved(solved);
}

void RepaintChangedMeters(const Board& board, EditHost& host, const std::vector<int16_t>& before) {
    for (Kind kind : kKinds) {
        if (!ShowsSolve(kind)) continue;
        for (int l = 1; l <= board.PlacedCount(kind); ++l) {
            const int k = board.At(kind, l).Tag;
            if (k < 1 || k > board.LastValue()) continue;
            if (k >= static_cast<int>(before.size()) || before[k] != board.ValueTable[k])
                host.RefreshElement(kind, l);
        }
    }
}

void ComponentMouseDown(Board& board, EditHost& host, Kind kind, int i, int button, int, float x,
                        float y) {
    if (button != kLeftButton || board.MouseMode != kMouseIdle) return;
    const int U = board.UBound(kind);
    if (i < 1 || i > U) return;
    // A task may lock a part where it is, and limit the parts the learner adds.
    const int k = i < U ? board.At(kind, i).Tag : 0;
    if (i < U ? !MayChange(board, k) : PartsLeft(board, kind) == 0) {
        host.Refused(kind, k);
        return;
    }
    {
        const ComponentElement& e = board.At(kind, i);
        board.RubberX = Nearest16(e.Left);
        board.RubberY = Nearest16(e.Top);
    }
    board.MouseMode = kMouseMoving;
    if (i == U) {
        host.LoadElement(kind);
        const ComponentElement pressed = board.At(kind, i);
        host.MoveElement(kind, U + 1, pressed.Left, pressed.Top, pressed.Width, pressed.Height);
        board.MouseMode = kMousePlacing;
    }
    host.ZOrderElement(kind, i);
    host.ZOrderOverlay();
    board.AnchorX = Nearest16(x);
    board.AnchorY = Nearest16(y);
}

void ComponentMouseMove(Board& board, EditHost& host, Kind kind, int i, int, int, float x,
                        float y) {
    if (board.MouseMode != kMouseMoving && board.MouseMode != kMousePlacing) return;
    if (i < 1 || i > board.UBound(kind)) return;
    const ComponentElement e = board.At(kind, i);
    // The board changes only where the part's wires run, before the move and after it.
    std::vector<EditHost::WireSpan> wires;
    AddWiresAt(board, e.Tag, wires);
    const int16_t leftLimit = Nearest16(host.WindowScaleWidth() - e.ScaleWidth() - kEdgeMargin);
    const int16_t left = MaxInt(0, MinInt(leftLimit, Nearest16(e.Left + x - board.AnchorX)));
    // A placed component stays above the palette strip; a new one may be dragged over it.
    const float strip = board.MouseMode == kMouseMoving ? host.MenuScaleHeight() : 0.0f;
    const int16_t topLimit =
        Nearest16(host.WindowScaleHeight() - strip - e.ScaleHeight() - kEdgeMargin);
    // A finger would hide the part it drags: once the drag is more than a tap's slip, the part
    // goes above it, its bottom edge the lift above the finger.
    const Reach reach = host.PointerReach();
    float lift = 0;
    if (reach.lift > 0) {
        const bool slipped = std::fabs(e.Left + x - board.AnchorX - board.RubberX) > reach.click ||
                             std::fabs(e.Top + y - board.AnchorY - board.RubberY) > reach.click;
        if (board.MouseMode == kMousePlacing || slipped)
            lift = e.ScaleHeight() - static_cast<float>(board.AnchorY) +
                   static_cast<float>(reach.lift);
    }
    const int16_t top = MaxInt(0, MinInt(topLimit, Nearest16(e.Top + y - board.AnchorY - lift)));
    host.MoveElement(kind, i, left, top, e.Width, e.Height);
    if (board.MouseMode == kMousePlacing) {
        const float paletteZone = host.WindowScaleHeight() - host.MenuScaleHeight() - kBoardSize;
        const ComponentElement& moved = board.At(kind, i);
        if (moved.Top > paletteZone && moved.Width == kBoardSize) {
            const float side = host.PaletteSide();
            host.MoveElement(kind, i, moved.Left, moved.Top, side, side);
        } else if (moved.Top <= paletteZone && moved.Width != kBoardSize) {
            host.MoveElement(kind, i, moved.Left, moved.Top, kBoardSize, kBoardSize);
        }
    }
    host.RefreshElement(kind, i);
    AddWiresAt(board, e.Tag, wires);
    if (!wires.empty()) host.RefreshBoardAlong(wires);
}

void ComponentMouseUp(Board& board, EditHost& host, Kind kind, int i, int button, int, float,
                      float) {
    if (button != kLeftButton || board.MouseMode == kMouseIdle) return;
    if (i < 1 || i > board.UBound(kind)) return;
    if (board.MouseMode == kMousePlacing) {
        const int k = board.LastValue() + 1;
        // A drop still at palette size is cancelled, and so is one whose number would no longer
        // fit its second terminal 2k into a 16-bit NodeId.
        if (board.At(kind, i).Width != kBoardSize || k > kMaxComponentNumber) {
            CancelPlacement(board, host, kind);
        } else {
            board.At(kind, i).Tag = k;
            board.ValueTable.push_back(Info(kind).newValue);
            if (Info(kind).showsNewValue) host.RefreshElement(kind, i);
        }
    } else if (board.MouseMode == kMouseMoving) {
        const ComponentElement& e = board.At(kind, i);
        const float dx = std::fabs(board.RubberX - e.Left);
        const float dy = std::fabs(board.RubberY - e.Top);
        const Reach reach = host.PointerReach();
        const bool click = dx <= reach.click && dy <= reach.click;
        if (click && host.TakesClick(kind, e.Tag)) {
            // Taken by the window: a drag's small slip is put back, and no tool acts.
            host.MoveElement(kind, i, board.RubberX, board.RubberY, e.Width, e.Height);
        } else if (board.ToolMode == kToolDelete) {
            // The delete tool never moves a component: a drag puts it back, and so does a
            // deletion the junction table has no room for.
            const bool moved = dx >= reach.dragged || dy >= reach.dragged;
            if (moved || !DeleteComponent(board, host, kind, i)) {
                host.MoveElement(kind, i, board.RubberX, board.RubberY, e.Width, e.Height);
            }
        } else if (board.ToolMode == kToolLine && ClickActs(kind)) {
            if (click) {
                if (!reach.slipStays)
                    host.MoveElement(kind, i, board.RubberX, board.RubberY, e.Width, e.Height);
                ApplyClickAction(board, kind, e.Tag);
                host.RefreshElement(kind, i);
                SolveAndRepaint(board, host);
            }
        }
    }
    board.MouseMode = kMouseIdle;
    if (i <= board.UBound(kind)) host.RefreshElement(kind, i);
    host.RefreshBoard();
}

void ComponentCancel(Board& board, EditHost& host, Kind kind, int i) {
    if (i < 1 || i > board.UBound(kind)) return;
    if (board.MouseMode == kMousePlacing) {
        CancelPlacement(board, host, kind);
    } else if (board.MouseMode == kMouseMoving) {
        const ComponentElement& e = board.At(kind, i);
        host.MoveElement(kind, i, board.RubberX, board.RubberY, e.Width, e.Height);
        host.RefreshElement(kind, i);
    } else {
        return;
    }
    board.MouseMode = kMouseIdle;
    host.RefreshBoard();
}

bool DeleteComponent(Board& board, EditHost& host, Kind kind, int i) {
    const int k = board.At(kind, i).Tag;
    if (!MayChange(board, k)) {
        host.Refused(kind, k);
        return false;
    }
    const int16_t terminals[2] = {FirstTerminal(k), SecondTerminal(k)};
    int needed = 0;
    for (int16_t n : terminals) needed += CountWireEnds(board, n) >= 1;
    if (!CanAddJunctions(board, needed)) return false;
    // The junctions are made while the component is still visible: hidden ones have no terminals.
    for (int16_t n : terminals) {
        if (CountWireEnds(board, n) < 1) continue;
        const Point16 at = TerminalPosition(board, n);
        RenameNode(board, n, AddJunction(board, at.x, at.y));
    }
    host.SetElementVisible(kind, i, false);
    SolveAndRepaint(board, host);
    return true;
}

}  // namespace cw
