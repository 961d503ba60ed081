// Boards built in memory for the tests: components placed directly in their arrays (template
// at 0, palette copy last), wires and junctions appended to the tables.
#pragma once

#include "model/board.h"

namespace cw::test {

inline Board EmptyBoard() {
    Board b;
    ResetBoard(b);
    // Every array has its palette copy at U.
    for (ComponentArray& a : b.arrays) a.push_back(ComponentElement{0, 511, 39, 39, true, 0});
    return b;
}

// Places a visible component of the kind, 90 x 90 at (left, top), with the next number and the
// given ValueTable entry (the kind's initial one by default); returns its number k.
inline constexpr int kDefaultValue = -100000;
inline int AddPart(Board& b, Kind kind, float left = 0, float top = 0, int value = kDefaultValue) {
    const int k = b.LastValue() + 1;
    if (value == kDefaultValue) value = kind == Kind::Resi ? 10 : kind == Kind::Swit ? 1 : 0;
    b.ValueTable.push_back(static_cast<int16_t>(value));
    ComponentArray& a = b.Array(kind);
    a.insert(a.end() - 1, ComponentElement{left, top, kBoardSize, kBoardSize, true, k});
    return k;
}

inline int16_t AddJunctionRow(Board& b, int16_t x, int16_t y) {
    b.JunctionTable.push_back(JunctionRow{x, y});
    return static_cast<int16_t>(-b.LastJunction());
}

inline void AddWireRow(Board& b, int a, int c) {
    b.WireTable.push_back(WireRow{{static_cast<int16_t>(a), static_cast<int16_t>(c)}});
}

inline int16_t T1(int k) {
    return FirstTerminal(k);
}
inline int16_t T2(int k) {
    return SecondTerminal(k);
}

}  // namespace cw::test
