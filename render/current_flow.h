// The current made visible: dots that run along every wire and through every part carrying
// current, evenly spaced, at a speed that grows with the current. This is the arithmetic of
// the dots alone (where they are, how far a frame moves them); the window's layer paints them.
#pragma once

#include <cstdint>
#include <vector>

#include "model/board.h"

namespace cw {

// 0.1 A moves a dot 40 pixels a second; no dot runs faster than kFastestDot, and where less
// than kLeastFlowAmps flows (under a pixel a second) no dot shows.
inline constexpr double kDotPixelsPerAmpSecond = 400;
inline constexpr double kFastestDot = 240;
inline constexpr double kLeastFlowAmps = 1.0 / kDotPixelsPerAmpSecond;
inline constexpr double kDotSpacing = 24;
inline constexpr int kDotRadius = 3;

struct FlowDot {
    float x = 0, y = 0;
};

class FlowDots {
  public:
    // The currents of a fresh solve: wires by row, parts by number (each from its first end to
    // its second); electrons runs the dots the other way, as electrons move. Every dot starts
    // again from the start of its path.
    void SetCurrents(const Board& board, const std::vector<double>& wireAmps,
                     const std::vector<double>& partAmps, bool electrons);
    void Clear() { paths_.clear(); }
    // Whether any dot moves: without, nothing needs a next frame.
    bool Moving() const { return !paths_.empty(); }
    // Moves every dot on by its speed for the time.
    void Advance(double seconds);
    // Where the dots are now, with every path placed afresh from the board so that the dots
    // follow a part being dragged.
    void Place(const Board& board, std::vector<FlowDot>& dots) const;

  private:
    struct Path {
        bool wire = true;
        int id = 0;            // the wire's row or the part's number
        double speed = 0;      // pixels a second, from the first end to the second when positive
        double travelled = 0;  // how far the dots have gone, modulo the spacing
    };
    std::vector<Path> paths_;
};

}  // namespace cw
