#include "render/board_painter.h"

#include <vector>

#include "geometry/terminal_position.h"
#include "model/board.h"
#include "model/numeric.h"
#include "render/diagram_painter.h"
#include "render/surface.h"

namespace cw {

namespace {

// The wires of a circuit diagram: black lines, and a dot only where three or more connections
// meet (at a junction three wires, at a terminal two wires and the part's lead).
void DiagramWires(Surface& s, const Board& board) {
    const int J = board.LastJunction();
    const int highest = 2 * board.LastValue();
    std::vector<int> ends(static_cast<size_t>(J + highest + 1), 0);
    auto count = [&](int n) -> int& { return ends[static_cast<size_t>(n + J)]; };
    const TerminalIndex terminals(board);
    s.SetDrawMode(kDrawModeCopy);
    s.SetFillStyle(kFillSolid);
    s.SetForeColor(kDiagramInk);
    s.SetFillColor(kDiagramInk);
    s.SetDrawWidth(2);
    for (int i = 1; i <= board.LastWire(); ++i) {
        const WireRow& w = board.WireTable[i];
        const int a = w.end[0], b = w.end[1];
        if (a < -J || a > highest || b < -J || b > highest) continue;
        const Point16 p1 = terminals.NodePosition(a), p2 = terminals.NodePosition(b);
        s.Line(p1.x, p1.y, p2.x, p2.y);
        ++count(a);
        ++count(b);
    }
    for (int n = -J; n <= highest; ++n) {
        if (n == 0 || count(n) + (n > 0 ? 1 : 0) < 3) continue;
        const Point16 p = terminals.NodePosition(n);
        s.Circle(p.x, p.y, 3);
    }
}

}  // namespace

std::vector<WireLook> WireLooks(const Board& board) {
    const int J = board.LastJunction();
    const int highest = 2 * board.LastValue();
    // One flag per NodeId from -J to 2N: terminals count as seen from the start, junctions not.
    std::vector<char> seen(static_cast<size_t>(J + highest + 1), 0);
    auto flag = [&](int n) -> char& { return seen[static_cast<size_t>(n + J)]; };
    for (int n = 0; n <= highest; ++n) flag(n) = 1;
    const TerminalIndex terminals(board);
    std::vector<WireLook> looks;
    looks.reserve(static_cast<size_t>(board.LastWire()));
    for (int i = 1; i <= board.LastWire(); ++i) {
        const WireRow& w = board.WireTable[i];
        const int a = w.end[0], b = w.end[1];
        if (a < -J || a > highest || b < -J || b > highest) continue;
        looks.push_back(
            {terminals.NodePosition(a), terminals.NodePosition(b), flag(a) != 0, flag(b) != 0});
        flag(a) = 1;
        flag(b) = 1;
    }
    return looks;
}

void MainPicture_Paint(Surface& s, const Board& board, OverlayRepaintTarget* overlay) {
    if (DiagramView()) {
        DiagramWires(s, board);
    } else {
        s.SetDrawWidth(3);
        s.SetDrawMode(kDrawModeCopy);
        s.SetFillStyle(kFillSolid);
        for (const WireLook& w : WireLooks(board)) {
            s.SetForeColor(kWireBlue);
            s.Line(w.a.x, w.a.y, w.b.x, w.b.y);
            for (const auto& [end, black] : {std::pair{w.a, w.aBlack}, std::pair{w.b, w.bBlack}}) {
                s.SetForeColor(black ? Rgb{0, 0, 0} : Rgb{255, 255, 255});
                s.SetFillColor(s.State().ForeColor);
                s.Circle(end.x, end.y, 3);
            }
        }
    }
    if (overlay)
        overlay->RepaintArea(0, 0, Nearest32(overlay->Width()), Nearest32(overlay->Height()));
}

}  // namespace cw
