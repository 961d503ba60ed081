#include "geometry/terminal_position.h"

#include "model/board.h"
#include "model/numeric.h"
#include "model/part_kinds.h"

namespace cw {

namespace {

// Terminal n of the element e of the kind's array.
Point16 PositionOn(Kind kind, const ComponentElement& e, int n) {
    int16_t x = Nearest16(e.Left);
    if (IsSecondTerminal(n)) x = Nearest16(x + e.Width);
    int16_t y;
    if (Info(kind).terminals == TerminalHeight::NearBottom) {
        const int16_t m = MinInt(60, Nearest16(e.ScaleHeight() * 0.3));
        y = Nearest16(static_cast<double>(e.Height) + e.Top - m / 2.0 - 2);
    } else {
        y = Nearest16(e.Height / 2.0 + e.Top);
    }
    return {x, y};
}

// The highest number a terminal NodeId in 16 bits can name.
constexpr int kHighestNamedNumber = (kInt16Max + 1) / 2;

}  // namespace

Point16 TerminalPosition(const Board& board, int n) {
    if (n <= 0) return {-1, -1};  // not a terminal
    const int k = ComponentOfTerminal(n);
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board.PlacedCount(kind); ++i) {
            const ComponentElement& e = board.At(kind, i);
            if (e.Visible && e.Tag == k) return PositionOn(kind, e, n);
        }
    }
    return {-1, -1};
}

TerminalIndex::TerminalIndex(const Board& board) : board_(board) {
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board.PlacedCount(kind); ++i) {
            const ComponentElement& e = board.At(kind, i);
            if (!e.Visible || e.Tag < 1 || e.Tag > kHighestNamedNumber) continue;
            if (static_cast<size_t>(e.Tag) >= byNumber_.size())
                byNumber_.resize(static_cast<size_t>(e.Tag) + 1);
            Slot& slot = byNumber_[e.Tag];
            // The first match in search order wins, as in the scan.
            if (slot.kind < 0) slot = Slot{static_cast<int8_t>(KindIndex(kind)), i};
        }
    }
}

Point16 TerminalIndex::Position(int n) const {
    if (n <= 0) return {-1, -1};
    const int k = ComponentOfTerminal(n);
    if (k < 1 || static_cast<size_t>(k) >= byNumber_.size()) return {-1, -1};
    const Slot& slot = byNumber_[k];
    if (slot.kind < 0) return {-1, -1};
    const Kind kind = kKinds[slot.kind];
    return PositionOn(kind, board_.Array(kind)[slot.index], n);
}

Point16 TerminalIndex::NodePosition(int n) const {
    if (n > 0) return Position(n);
    return cw::NodePosition(board_, n);
}

Point16 NodePosition(const Board& board, int n) {
    if (n > 0) return TerminalPosition(board, n);
    if (n < 0 && -n <= board.LastJunction()) {
        const JunctionRow& j = board.JunctionTable[-n];
        return {j.x, j.y};
    }
    return {-1, -1};
}

}  // namespace cw
