// The board: every wire as a blue line with a dot at each end (black on a terminal or on a
// junction two or more ends share, white on a junction only one end touches), then a call on
// the overlay so its own drawing shows again over the fresh board.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/terminal_position.h"

#include "render/surface.h"

namespace cw {

struct Board;

// How far a wire's pen and its end dots reach beyond the points it joins.
inline constexpr int kWireInk = 8;

// The blue of wires, on the board and on the line tool's icon.
inline constexpr Rgb kWireBlue{0, 0, 255};

// What the board painter needs of the overlay lying over it.
class OverlayRepaintTarget {
  public:
    virtual ~OverlayRepaintTarget() = default;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    // Redraw the overlay's own drawing inside (x1, y1)-(x2, y2), its client coordinates.
    virtual void RepaintArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
};

// A wire as the board shows it: its ends, and whether each end's dot is black (else white).
struct WireLook {
    Point16 a, b;
    bool aBlack = false, bBlack = false;
    friend bool operator==(const WireLook&, const WireLook&) = default;
};
// Every wire the board shows, in the order they are painted.
std::vector<WireLook> WireLooks(const Board& board);

// Paints every wire of the board. A wire with an end outside the table's ranges (a NodeId
// beyond the highest terminal or a junction row that does not exist) is skipped.
void MainPicture_Paint(Surface& s, const Board& board, OverlayRepaintTarget* overlay);

}  // namespace cw
