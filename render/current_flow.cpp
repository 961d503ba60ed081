#include "render/current_flow.h"

#include <algorithm>
#include <cmath>

#include "geometry/terminal_position.h"

namespace cw {

void FlowDots::SetCurrents(const Board& board, const std::vector<double>& wireAmps,
                           const std::vector<double>& partAmps, bool electrons) {
    paths_.clear();
    auto add = [&](bool wire, int id, double amps) {
        if (!(std::fabs(amps) >= kLeastFlowAmps)) return;  // also drops a NaN
        const double speed = std::min(kFastestDot, std::fabs(amps) * kDotPixelsPerAmpSecond);
        const bool forward = (amps > 0) != electrons;
        paths_.push_back({wire, id, forward ? speed : -speed, 0});
    };
    const int wires = std::min<int>(board.LastWire(), static_cast<int>(wireAmps.size()) - 1);
    for (int l = 1; l <= wires; ++l) add(true, l, wireAmps[static_cast<size_t>(l)]);
    for (Kind kind : kKinds) {
        for (int l = 1; l <= board.PlacedCount(kind); ++l) {
            const int k = board.At(kind, l).Tag;
            if (k > 0 && k < static_cast<int>(partAmps.size()))
                add(false, k, partAmps[static_cast<size_t>(k)]);
        }
    }
}

void FlowDots::Advance(double seconds) {
    for (Path& p : paths_) {
        p.travelled = std::fmod(p.travelled + p.speed * seconds, kDotSpacing);
        if (p.travelled < 0) p.travelled += kDotSpacing;
    }
}

void FlowDots::Place(const Board& board, std::vector<FlowDot>& dots) const {
    dots.clear();
    const TerminalIndex terminals(board);
    const int highest = 2 * board.LastValue();
    for (const Path& p : paths_) {
        Point16 a, b;
        if (p.wire) {
            if (p.id > board.LastWire()) continue;
            const WireRow& w = board.WireTable[static_cast<size_t>(p.id)];
            if (w.end[0] > highest || w.end[1] > highest || w.end[0] < -board.LastJunction() ||
                w.end[1] < -board.LastJunction())
                continue;
            a = terminals.NodePosition(w.end[0]);
            b = terminals.NodePosition(w.end[1]);
        } else {
            a = terminals.Position(FirstTerminal(p.id));
            b = terminals.Position(SecondTerminal(p.id));
        }
        if (a == Point16{-1, -1} || b == Point16{-1, -1}) continue;  // hidden or gone
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double length = std::hypot(dx, dy);
        if (length < 1) continue;
        // Dots run from the first end when the speed is positive, from the second when not.
        for (double s = p.speed > 0 ? p.travelled : kDotSpacing - p.travelled; s < length;
             s += kDotSpacing) {
            const double t = p.speed > 0 ? s / length : 1 - s / length;
            dots.push_back({static_cast<float>(a.x + dx * t), static_cast<float>(a.y + dy * t)});
        }
    }
}

}  // namespace cw
