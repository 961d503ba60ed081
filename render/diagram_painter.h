// The circuit as a diagram: each part as its standard symbol, black on white, centred where the
// part is with its leads running to the same terminal points, and labelled the textbook way
// ("R3 10 Ω", "L2", "1.5 V"; meters their reading). IEC or ANSI symbols for the resistor, the
// lamp and the fuse.
#pragma once

#include <cstdint>
#include <optional>

#include "model/board.h"
#include "render/surface.h"

namespace cw {

enum class Symbols : uint8_t { Iec, Ansi };

// How the board is drawn: pictorially (none), or as a diagram in a set of symbols. The view of
// the window, export and print; the board itself is the same either way.
void SetDiagramView(std::optional<Symbols> symbols);
std::optional<Symbols> DiagramView();

inline constexpr Rgb kDiagramPaper{255, 255, 255};
inline constexpr Rgb kDiagramInk{0, 0, 0};

// Draws an element of the kind carrying tag as its symbol.
void PaintSymbol(Surface& s, const Board& board, Kind kind, int32_t tag, Symbols symbols);

// A lit lamp's fill: white at 0, yellow growing with the bulb's stored value, full from 40.
Rgb LampFill(int value);

}  // namespace cw
