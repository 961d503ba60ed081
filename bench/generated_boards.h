// Boards of a given size for the benchmarks, made with the tests' board builder: a series
// chain, a ladder network and two random meshes, their components laid out on a grid.
#pragma once

#include <algorithm>
#include <random>

#include "model/board.h"
#include "support/board_builder.h"

namespace cw::bench {

// A part of the kind with the value, laid out on a grid of 30 columns in number order.
inline int Place(Board& b, Kind kind, int16_t value) {
    const int slot = b.LastValue();
    return test::AddPart(b, kind, static_cast<float>(10 + (slot % 30) * 100),
                         static_cast<float>(10 + (slot / 30) * 100), value);
}

// One cell driving n - 1 bulbs and resistors in a single loop.
inline Board SeriesChain(int n) {
    Board b = test::EmptyBoard();
    const int cell = Place(b, Kind::Cell, 0);
    int previous = SecondTerminal(cell);
    for (int i = 1; i < n; ++i) {
        const int k = Place(b, i % 2 ? Kind::Light : Kind::Resi, 10);
        test::AddWireRow(b, previous, FirstTerminal(k));
        previous = SecondTerminal(k);
    }
    test::AddWireRow(b, previous, FirstTerminal(cell));
    return b;
}

// Two rails of resistors with a bulb across each rung, fed by one cell.
inline Board Ladder(int n) {
    Board b = test::EmptyBoard();
    const int cell = Place(b, Kind::Cell, 0);
    int top = FirstTerminal(cell), bottom = SecondTerminal(cell);
    for (int used = 1; used + 3 <= n; used += 3) {
        const int upper = Place(b, Kind::Resi, 5), lower = Place(b, Kind::Resi, 5);
        const int rung = Place(b, Kind::Light, 0);
        test::AddWireRow(b, top, FirstTerminal(upper));
        test::AddWireRow(b, bottom, FirstTerminal(lower));
        top = SecondTerminal(upper);
        bottom = SecondTerminal(lower);
        test::AddWireRow(b, top, FirstTerminal(rung));
        test::AddWireRow(b, SecondTerminal(rung), bottom);
    }
    return b;
}

// Random kinds and twice as many wires as components between random terminals.
inline Board RandomMesh(int n, unsigned seed = 1) {
    std::mt19937 rng(seed);
    Board b = test::EmptyBoard();
    for (int i = 0; i < n; ++i) {
        const Kind kind = i % 5 == 0 ? Kind::Cell : kKinds[rng() % 4];
        const int16_t value = kind == Kind::Resi ? 10 : kind == Kind::Swit ? int16_t(rng() % 2) : 0;
        Place(b, kind, value);
    }
    const int terminals = 2 * b.LastValue();
    for (int w = 0; w < 2 * n; ++w) {
        test::AddWireRow(b, 1 + static_cast<int>(rng() % terminals),
                         1 + static_cast<int>(rng() % terminals));
    }
    return b;
}

// n parts whose terminals meet at about n / 2 nodes: each terminal wired to one of n / 2
// junctions at random, every fifth part a cell.
inline Board HalfNodeMesh(int n, unsigned seed = 1) {
    std::mt19937 rng(seed);
    Board b = test::EmptyBoard();
    const int nodes = std::max(2, n / 2);
    for (int j = 0; j < nodes; ++j) test::AddJunctionRow(b, 0, 0);
    for (int i = 0; i < n; ++i) {
        const Kind kind = i % 5 == 0 ? Kind::Cell : i % 5 < 3 ? Kind::Light : Kind::Resi;
        const int k = Place(b, kind, kind == Kind::Resi ? 10 : 0);
        test::AddWireRow(b, FirstTerminal(k), -1 - static_cast<int>(rng() % nodes));
        test::AddWireRow(b, SecondTerminal(k), -1 - static_cast<int>(rng() % nodes));
    }
    return b;
}

}  // namespace cw::bench
