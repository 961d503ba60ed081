#include "edit/keyboard_rules.h"

#include <algorithm>

#include "edit/edit_host.h"
#include "edit/gesture_rules.h"
#include "geometry/terminal_position.h"

namespace cw {

BoardPoint FreeSpot(const Board& board, const EditHost& host) {
    const int size = static_cast<int>(kBoardSize);
    const int right = static_cast<int>(host.WindowScaleWidth()) - size - kEdgeMargin;
    const int bottom =
        static_cast<int>(host.WindowScaleHeight() - host.MenuScaleHeight()) - size - kEdgeMargin;
    auto overlaps = [&](int left, int top) {
        const int l = left - kFreeSpotGap / 2, t = top - kFreeSpotGap / 2;
        const int r = l + size + kFreeSpotGap, b = t + size + kFreeSpotGap;
        for (Kind kind : kKinds) {
            for (int i = 1; i <= board.PlacedCount(kind); ++i) {
                const ComponentElement& e = board.At(kind, i);
                if (!e.Visible || e.Tag <= 0) continue;
                const int el = static_cast<int>(e.Left), et = static_cast<int>(e.Top);
                const int er = el + static_cast<int>(e.Width), eb = et + static_cast<int>(e.Height);
                if (l < er && el < r && t < eb && et < b) return true;
            }
        }
        return false;
    };
    for (int top = kFreeSpotGap; top <= bottom; top += kFreeSpotGrid) {
        for (int left = kFreeSpotGap; left <= right; left += kFreeSpotGrid) {
            if (!overlaps(left, top)) return {left, top};
        }
    }
    return {kFreeSpotGap, kFreeSpotGap};
}

std::vector<BoardPoint> NodeStops(const Board& board) {
    std::vector<BoardPoint> stops;
    for (int k = 1; k <= board.LastValue(); ++k) {
        for (int n : {FirstTerminal(k), SecondTerminal(k)}) {
            const Point16 t = TerminalPosition(board, n);
            if (t.x >= 0) stops.push_back({t.x, t.y});
        }
    }
    for (int j = 1; j <= board.LastJunction(); ++j) {
        stops.push_back({board.JunctionTable[j].x, board.JunctionTable[j].y});
    }
    return stops;
}

std::vector<BoardPoint> WireStops(const Board& board) {
    const TerminalIndex terminals(board);
    std::vector<BoardPoint> stops;
    for (int l = 1; l <= board.LastWire(); ++l) {
        const Point16 p = terminals.NodePosition(board.WireTable[l].end[0]);
        const Point16 q = terminals.NodePosition(board.WireTable[l].end[1]);
        stops.push_back({(p.x + q.x) / 2, (p.y + q.y) / 2});
    }
    return stops;
}

BoardPoint NextStop(const std::vector<BoardPoint>& stops, BoardPoint from, bool next) {
    if (stops.empty()) return from;
    const auto at = std::find(stops.begin(), stops.end(), from);
    if (at == stops.end()) return next ? stops.front() : stops.back();
    const size_t i = static_cast<size_t>(at - stops.begin()), n = stops.size();
    return stops[next ? (i + 1) % n : (i + n - 1) % n];
}

bool HoldRunning(KeyboardHold hold, const Board& board) {
    return (hold == KeyboardHold::NewPart && board.MouseMode == kMousePlacing) ||
           (hold == KeyboardHold::Band && board.MouseMode == kMouseBoardGesture);
}

}  // namespace cw
