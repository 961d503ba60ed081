// Boards of a given size for the benchmarks: a series chain, a ladder network and a random
// mesh, built straight into the model with their components laid out on a grid.
#pragma once

#include <algorithm>
#include <random>

#include "model/board.h"

namespace cw::bench {

inline int Place(Board& b, Kind kind, int16_t value) {
    const int k = b.LastValue() + 1;
    b.ValueTable.push_back(value);
    ComponentArray& a = b.Array(kind);
    const int slot = k - 1;
    a.insert(a.end() - 1, ComponentElement{static_cast<float>(10 + (slot % 30) * 100),
                                           static_cast<float>(10 + (slot / 30) * 100), kBoardSize,
                                           kBoardSize, true, k});
    return k;
}

inline Board FreshBoard() {
    Board b;
    ResetBoard(b);
    for (ComponentArray& a : b.arrays) a.push_back(ComponentElement{0, 511, 39, 39, true, 0});
    return b;
}

inline void Wire(Board& b, int a, int c) {
    b.WireTable.push_back(WireRow{{static_cast<int16_t>(a), static_cast<int16_t>(c)}});
}

// One cell driving n - 1 bulbs and resistors in a single loop.
inline Board SeriesChain(int n) {
    Board b = FreshBoard();
    const int cell = Place(b, Kind::Cell, 0);
    int previous = SecondTerminal(cell);
    for (int i = 1; i < n; ++i) {
        const int k = Place(b, i % 2 ? Kind::Light : Kind::Resi, 10);
        Wire(b, previous, FirstTerminal(k));
        previous = SecondTerminal(k);
    }
    Wire(b, previous, FirstTerminal(cell));
    return b;
}

// Two rails of resistors with a bulb across each rung, fed by one cell.
inline Board Ladder(int n) {
    Board b = FreshBoard();
    const int cell = Place(b, Kind::Cell, 0);
    int top = FirstTerminal(cell), bottom = SecondTerminal(cell);
    for (int used = 1; used + 3 <= n; used += 3) {
        const int upper = Place(b, Kind::Resi, 5), lower = Place(b, Kind::Resi, 5);
        const int rung = Place(b, Kind::Light, 0);
        Wire(b, top, FirstTerminal(upper));
        Wire(b, bottom, FirstTerminal(lower));
        top = SecondTerminal(upper);
        bottom = SecondTerminal(lower);
        Wire(b, top, FirstTerminal(rung));
        Wire(b, SecondTerminal(rung), bottom);
    }
    return b;
}

// Random kinds and twice as many wires as components between random terminals.
inline Board RandomMesh(int n, unsigned seed = 1) {
    std::mt19937 rng(seed);
    Board b = FreshBoard();
    for (int i = 0; i < n; ++i) {
        const Kind kind = i % 5 == 0 ? Kind::Cell : kKinds[rng() % 4];
        const int16_t value = kind == Kind::Resi ? 10 : kind == Kind::Swit ? int16_t(rng() % 2) : 0;
        Place(b, kind, value);
    }
    const int terminals = 2 * b.LastValue();
    for (int w = 0; w < 2 * n; ++w) {
        Wire(b, 1 + static_cast<int>(rng() % terminals), 1 + static_cast<int>(rng() % terminals));
    }
    return b;
}

// n parts whose terminals meet at about n / 2 nodes: each terminal wired to one of n / 2
// junctions at random, every fifth part a cell.
inline Board HalfNodeMesh(int n, unsigned seed = 1) {
    std::mt19937 rng(seed);
    Board b = FreshBoard();
    const int nodes = std::max(2, n / 2);
    for (int j = 0; j < nodes; ++j) b.JunctionTable.push_back(JunctionRow{0, 0});
    for (int i = 0; i < n; ++i) {
        const Kind kind = i % 5 == 0 ? Kind::Cell : i % 5 < 3 ? Kind::Light : Kind::Resi;
        const int k = Place(b, kind, kind == Kind::Resi ? 10 : 0);
        Wire(b, FirstTerminal(k), -1 - static_cast<int>(rng() % nodes));
        Wire(b, SecondTerminal(k), -1 - static_cast<int>(rng() % nodes));
    }
    return b;
}

}  // namespace cw::bench
