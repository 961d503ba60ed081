#include "geometry/terminal_position.h"

#include <cmath>

#include "model/board.h"
#include "model/numeric.h"

namespace cw {

Point16 TerminalPosition(const Board& board, int n) {
    const int k = static_cast<int>(std::floor((n + 1) / 2.0));
    for (Kind kind : kKinds) {
        const ComponentArray& array = board.Array(kind);
        for (int i = 1; i + 1 < static_cast<int>(array.size()); ++i) {
            const ComponentElement& e = array[static_cast<size_t>(i)];
            if (!e.Visible || e.Tag != k) continue;
            int16_t x = Nearest16(e.Left);
            if (n == 2 * static_cast<int>(std::floor(n / 2.0))) x = Nearest16(x + e.Width);
            int16_t y;
            if (kind == Kind::Light) {
                const int16_t m = MinInt(60, Nearest16(e.ScaleHeight() * 0.3));
                y = Nearest16(static_cast<double>(e.Height) + e.Top - m / 2.0 - 2);
            } else {
                y = Nearest16(e.Height / 2.0 + e.Top);
            }
            return {x, y};
        }
    }
    return {-1, -1};
}

Point16 NodePosition(const Board& board, int n) {
    if (n > 0) return TerminalPosition(board, n);
    if (n < 0 && -n <= board.LastJunction()) {
        const JunctionRow& j = board.JunctionTable[static_cast<size_t>(-n)];
        return {j.x, j.y};
    }
    return {-1, -1};
}

}  // namespace cw
