#include "geometry/hit_test.h"

#include <cmath>
#include <cstdlib>

#include "model/board.h"
#include "model/numeric.h"

namespace cw {

int16_t FindNodeAt(const Board& board, int16_t x, int16_t y, int16_t reach) {
    int16_t r = 0;
    int16_t t = reach;
    const float fx = x;
    const float fy = y;
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board.PlacedCount(kind); ++i) {
            const ComponentElement& e = board.At(kind, i);
            const float L = e.Left, T = e.Top, Wd = e.Width, Ht = e.Height;
            const float bottom = T + Ht;
            if (!e.Visible || !(T < fy && fy < bottom)) continue;
            const float leftReach = L - static_cast<float>(t);
            const float middle = L + Wd / 2.0f;
            const float rightReach = L + Wd + static_cast<float>(t);
            const int k = e.Tag;
            if (leftReach <= fx && fx < middle) {
                r = FirstTerminal(k);
                t = MaxInt(0, Nearest16(L - fx));
            } else if (middle <= fx && fx < rightReach) {
                r = SecondTerminal(k);
                t = MaxInt(0, Nearest16(fx - L - Wd));
            }
        }
    }
    if (r != 0 || board.LastJunction() < 1) return r;
    for (int k = 1; k <= board.LastJunction(); ++k) {
        const JunctionRow& j = board.JunctionTable[k];
        if (j.x - t < x && x < j.x + t && j.y - t < y && y < j.y + t) {
            r = static_cast<int16_t>(-k);
            t = MinInt(static_cast<int16_t>(std::abs(j.x - x)),
                       static_cast<int16_t>(std::abs(j.y - y)));
        }
    }
    return r;
}

int16_t SegmentDistance(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t px, int16_t py,
                        int widen) {
    const int minX = MinInt(x1, x2), maxX = MaxInt(x1, x2);
    const int minY = MinInt(y1, y2), maxY = MaxInt(y1, y2);
    if (px > maxX + widen || px < minX - widen || py < minY - widen || py > maxY + widen)
        return 999;
    if (x1 == x2) return Saturate16(std::abs(px - x1));
    // The distance is |cross| / length; its floor is the largest d with d^2 length^2 <=
    // cross^2, found in whole numbers so that an exact whole distance is never read one low.
    __extension__ typedef __int128 Wide;  // cross^2 of 16-bit coordinates needs 67 bits
    const int64_t dx = x2 - x1, dy = y2 - y1;
    const int64_t cross = dx * (py - y1) - dy * (px - x1);
    const Wide cross2 = static_cast<Wide>(cross) * cross;
    const int64_t length2 = dx * dx + dy * dy;
    auto fits = [&](int64_t d) { return static_cast<Wide>(d) * d * length2 <= cross2; };
    int64_t d = static_cast<int64_t>(std::fabs(static_cast<double>(cross)) /
                                     std::sqrt(static_cast<double>(length2)));
    while (d > 0 && !fits(d)) --d;
    while (fits(d + 1)) ++d;
    return Saturate16(static_cast<double>(d));
}

}  // namespace cw
