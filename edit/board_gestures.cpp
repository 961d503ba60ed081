#include "edit/board_gestures.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "edit/component_gestures.h"
#include "edit/edit_host.h"
#include "edit/gesture_rules.h"
#include "geometry/hit_test.h"
#include "geometry/terminal_position.h"
#include "geometry/wire_tables.h"
#include "model/numeric.h"
#include "render/surface.h"

namespace cw {
namespace {

// One rubber-band stroke on the board as it shows; XOR, so drawing the same stroke again erases
// it.
void BandStroke(Board& board, EditHost& host) {
    PaintBand(host.BoardSurface(), board);
}

// The band's free end follows the pointer but stays on the board.
void ClampRubber(Board& board, const EditHost& host, float x, float y) {
    const int16_t right = Nearest16(host.WindowScaleWidth());
    const int16_t bottom = Nearest16(host.WindowScaleHeight() - host.MenuHeight());
    board.RubberX = MaxInt(0, MinInt(Floor16(x), right));
    board.RubberY = MaxInt(0, MinInt(Floor16(y), bottom));
}

}  // namespace

void PaintBand(Surface& s, const Board& board) {
    if (board.MouseMode != kMouseBoardGesture || board.ToolMode != kToolLine) return;
    s.SetDrawWidth(3);
    s.SetForeColor({0, 255, 255});
    s.SetDrawMode(kDrawModeXor);
    s.Line(board.AnchorX, board.AnchorY, board.RubberX, board.RubberY);
}

void MainPicture_MouseDown(Board& board, EditHost& host, int button, int, float x, float y) {
    if (button != kLeftButton || board.MouseMode != kMouseIdle) return;
    if (board.ToolMode == kToolLine) {
        host.BoardSurface();  // the board as it shows, before it carries a band
        board.AnchorX = Nearest16(x);
        board.AnchorY = Nearest16(y);
        const int16_t n =
            FindNodeAt(board, board.AnchorX, board.AnchorY, Saturate16(host.PointerReach().snap));
        if (n != 0) {
            const Point16 at = NodePosition(board, n);
            board.AnchorX = at.x;
            board.AnchorY = at.y;
        }
        board.RubberX = Nearest16(x);
        board.RubberY = Nearest16(y);
        board.MouseMode = kMouseBoardGesture;
        BandStroke(board, host);
        host.ShowBoardStrokes();
    } else if (board.ToolMode == kToolDelete) {
        board.MouseMode = kMouseBoardGesture;
        board.AnchorX = Nearest16(x);
        board.AnchorY = Nearest16(y);
    }
}

void MainPicture_MouseMove(Board& board, EditHost& host, int, int, float x, float y) {
    if (board.MouseMode != kMouseBoardGesture || board.ToolMode != kToolLine) return;
    BandStroke(board, host);
    ClampRubber(board, host, x, y);
    BandStroke(board, host);
    host.ShowBoardStrokes();
}

void MainPicture_MouseUp(Board& board, EditHost& host, int, int, float x, float y) {
    if (board.MouseMode == kMouseBoardGesture && board.ToolMode == kToolLine) {
        // The board changes only along the band, which goes (where it showed, and where a
        // repaint before the end may have drawn it), and the wire, which comes last in the
        // table, so no other wire's ends change colour.
        std::vector<EditHost::WireSpan> changed = {
            {board.AnchorX, board.AnchorY, board.RubberX, board.RubberY}};
        ClampRubber(board, host, x, y);
        changed.push_back({board.AnchorX, board.AnchorY, board.RubberX, board.RubberY});
        const bool tooShort = std::abs(board.AnchorY - board.RubberY) < kShortestWire &&
                              std::abs(board.AnchorX - board.RubberX) < kShortestWire;
        if (!tooShort && AddWire(board, board.AnchorX, board.AnchorY, board.RubberX, board.RubberY,
                                 Saturate16(host.PointerReach().snap))) {
            const WireRow& added = board.WireTable[static_cast<size_t>(board.LastWire())];
            const Point16 p = NodePosition(board, added.end[0]);
            const Point16 q = NodePosition(board, added.end[1]);
            changed.push_back({p.x, p.y, q.x, q.y});
            SolveAndRepaint(board, host);
        }
        board.MouseMode = kMouseIdle;
        host.RefreshBoardAlong(changed);
    } else if (board.MouseMode == kMouseBoardGesture && board.ToolMode == kToolDelete) {
        // A drag deletes nothing and changes nothing; a tool change ends a band before the
        // delete tool can see its release, so there is no stroke to take off the board.
        const Reach reach = host.PointerReach();
        if (std::fabs(board.AnchorX - x) <= reach.click &&
            std::fabs(board.AnchorY - y) <= reach.click) {
            DeleteNearestWire(board, board.AnchorX, board.AnchorY, reach);
            SolveAndRepaint(board, host);
            host.RefreshBoard();
        }
        board.MouseMode = kMouseIdle;
    }
    host.ReleaseCapture();
}

bool AddWire(Board& board, int16_t ax, int16_t ay, int16_t bx, int16_t by, int16_t reach) {
    // One search per end, so a line gesture searches three times in all with its press.
    const int16_t first = FindNodeAt(board, ax, ay, reach);
    int16_t second = FindNodeAt(board, bx, by, reach);
    if (!CanAddWire(board) || !CanAddJunctions(board, (first == 0) + (second == 0))) return false;
    const int16_t a = first != 0 ? first : AddJunction(board, ax, ay);
    // A junction just made for the first end is the one thing that could change what the
    // second end finds, and only within its reach, which a mouse's release 7 pixels away never
    // is (a finger's may be).
    if (first == 0 && std::abs(bx - ax) < reach && std::abs(by - ay) < reach) {
        second = FindNodeAt(board, bx, by, reach);
    }
    const int16_t b = second != 0 ? second : AddJunction(board, bx, by);
    AppendWireRow(board, a, b);
    return true;
}

int NearestWire(const Board& board, int16_t px, int16_t py, const Reach& reach) {
    int16_t best = 999;
    int l = 0;
    const TerminalIndex terminals(board);
    for (int i = 1; i <= board.LastWire(); ++i) {
        const WireRow& w = board.WireTable[i];
        const Point16 p1 = terminals.NodePosition(w.end[0]);
        const Point16 p2 = terminals.NodePosition(w.end[1]);
        const int16_t d = SegmentDistance(p1.x, p1.y, p2.x, p2.y, px, py, reach.wireBox);
        if (d < best) {
            best = d;
            l = i;
        }
    }
    return best > reach.wire ? 0 : l;
}

void DeleteNearestWire(Board& board, int16_t px, int16_t py, const Reach& reach) {
    const int l = NearestWire(board, px, py, reach);
    if (l == 0) return;
    const auto row = [&]() -> WireRow& { return board.WireTable[l]; };
    const bool firstOnlyHere = row().end[0] < 0 && CountWireEnds(board, row().end[0]) <= 1;
    if (row().end[1] < 0 && CountWireEnds(board, row().end[1]) <= 1)
        RemoveJunction(board, -row().end[1]);
    // Read again: removing the second end's junction may have renumbered the first.
    if (firstOnlyHere) RemoveJunction(board, -row().end[0]);
    RemoveWireRow(board, l);
}

}  // namespace cw
