// The solver against exact circuit theory on thousands of random boards, and the fast
// elimination against the plain one, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <numeric>
#include <random>

#include "analysis/elimination.h"
#include "analysis/solver.h"
#include "board_builder.h"

namespace cw {
namespace {
using namespace cw::test;

Board RandomBoard(std::mt19937& rng) {
    Board b = EmptyBoard();
    const int parts = 1 + static_cast<int>(rng() % 9);
    for (int i = 0; i < parts; ++i) {
        // Most boards get a cell and a bulb, so that many of them light something.
        const Kind kind = i == 0 && rng() % 4 ? Kind::Cell
                          : i == 1            ? Kind::Light
                                              : kKinds[rng() % 4];
        int16_t value = 0;
        if (kind == Kind::Swit) value = static_cast<int16_t>(rng() % 2);
        if (kind == Kind::Resi) value = std::array<int16_t, 3>{5, 10, 20}[rng() % 3];
        AddPart(b, kind, 0, 0, value);
    }
    const int junctions = static_cast<int>(rng() % 4);
    for (int j = 0; j < junctions; ++j) AddJunctionRow(b, 0, 0);
    const int terminals = 2 * b.LastValue();
    auto node = [&] {
        const int n = static_cast<int>(rng() % static_cast<unsigned>(terminals + junctions));
        return n < terminals ? n + 1 : -(n - terminals + 1);
    };
    const int wires = static_cast<int>(rng() % (2 + 2 * parts));
    for (int w = 0; w < wires; ++w) AddWireRow(b, node(), node());
    return b;
}

// Nodal analysis in double, written from circuit theory alone: wires and closed switches merge
// points, every cell is 1.5 behind 1 ohm (first terminal positive), each separate network is
// grounded at one of its nodes.
std::map<int, int> ExactBulbValues(const Board& b) {
    const int terminals = 2 * b.LastValue();
    const int J = b.LastJunction();
    const int points = terminals + J;
    auto index = [&](int n) { return n > 0 ? n - 1 : terminals + (-n - 1); };
    std::vector<int> parent(static_cast<size_t>(points));
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](int x) {
        while (parent[x] != x) x = parent[x] = parent[parent[x]];
        return x;
    };
    auto join = [&](int a, int c) { parent[find(index(a))] = find(index(c)); };
    for (int l = 1; l <= b.LastWire(); ++l) join(b.WireTable[l].end[0], b.WireTable[l].end[1]);
    struct Element {
        int a, c, number;
        double g, e;
        bool bulb;
    };
    std::vector<Element> elements;
    for (Kind kind : kKinds) {
        const ComponentArray& arr = b.Array(kind);
        for (size_t i = 1; i + 1 < arr.size(); ++i) {
            const int k = arr[i].Tag;
            const int16_t v = b.ValueOf(k);
            if (kind == Kind::Swit) {
                if (v == 0) join(FirstTerminal(k), SecondTerminal(k));
                continue;
            }
            const double r = kind == Kind::Cell ? 1.0 : kind == Kind::Resi ? v : 10.0;
            elements.push_back({FirstTerminal(k), SecondTerminal(k), k, 1.0 / r,
                                kind == Kind::Cell ? 1.5 : 0.0, kind == Kind::Light});
        }
    }
    const int n = points;
    std::vector<std::vector<double>> G(static_cast<size_t>(n), std::vector<double>(n + 1, 0.0));
    // Elements join the networks that need grounding.
    std::vector<int> net(static_cast<size_t>(n));
    std::iota(net.begin(), net.end(), 0);
    auto findNet = [&](int x) {
        while (net[x] != x) x = net[x] = net[net[x]];
        return x;
    };
    for (Element& el : elements) {
        const int a = find(index(el.a)), c = find(index(el.c));
        el.a = a;
        el.c = c;
        if (a == c) continue;
        G[a][a] += el.g;
        G[c][c] += el.g;
        G[a][c] -= el.g;
        G[c][a] -= el.g;
        G[a][n] += el.g * el.e;
        G[c][n] -= el.g * el.e;
        net[findNet(a)] = findNet(c);
    }
    std::vector<bool> grounded(static_cast<size_t>(n), false);
    for (int i = 0; i < n; ++i) {
        const int root = findNet(i);
        if (find(i) != i || !grounded[root]) {
            // One node per network held at 0, and every merged-away point fixed too.
            if (find(i) == i) grounded[root] = true;
            std::fill(G[i].begin(), G[i].end(), 0.0);
            G[i][i] = 1.0;
        }
    }
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int r = col + 1; r < n; ++r) {
            if (std::fabs(G[r][col]) > std::fabs(G[pivot][col])) pivot = r;
        }
        std::swap(G[col], G[pivot]);
        for (int r = 0; r < n; ++r) {
            if (r == col || G[r][col] == 0.0) continue;
            const double f = G[r][col] / G[col][col];
            for (int k = col; k <= n; ++k) G[r][k] -= f * G[col][k];
        }
    }
    std::map<int, int> values;
    for (const Element& el : elements) {
        if (!el.bulb) continue;
        const double va = G[el.a][n] / G[el.a][el.a], vc = G[el.c][n] / G[el.c][el.c];
        values[el.number] = static_cast<int>(std::fabs(std::floor(100.0 * (va - vc) * el.g)));
    }
    return values;
}

// The checker itself gives the known answers and would catch a wrong solver.
TEST(SolverProperty, TheCheckerKnowsTheAnswersAndCatchesAWrongOne) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), l = AddPart(b, Kind::Light), r = AddPart(b, Kind::Light);
    AddWireRow(b, T1(l), T1(c));
    AddWireRow(b, T2(l), T2(c));
    AddWireRow(b, T2(r), T1(c));
    AddWireRow(b, T1(r), T2(c));
    const std::map<int, int> exact = ExactBulbValues(b);
    EXPECT_EQ(exact.at(l), 12);  // two bulbs in parallel, one of them reversed
    EXPECT_EQ(exact.at(r), 13);
    SolveCircuit(b);
    b.ValueTable[static_cast<size_t>(l)] += 2;  // a solver two off
    EXPECT_GT(std::abs(b.ValueOf(l) - exact.at(l)), 1);
}

TEST(SolverProperty, MatchesExactNodalAnalysisOnRandomBoards) {
    const unsigned seed = 4711;
    std::mt19937 rng(seed);
    int lit = 0;
    for (int round = 0; round < 5000; ++round) {
        Board b = RandomBoard(rng);
        const std::map<int, int> exact = ExactBulbValues(b);
        SolveCircuit(b);
        for (auto [k, v] : exact) {
            ASSERT_LE(std::abs(b.ValueOf(k) - v), 1)
                << "seed " << seed << ", board " << round << ", bulb number " << k;
            lit += v > 0;
        }
    }
    EXPECT_GT(lit, 600);  // the boards are not all dark
}

TEST(SolverProperty, SparseEliminationEqualsDenseOnRandomBoards) {
    std::mt19937 rng(99);
    for (int round = 0; round < 3000; ++round) {
        Board a = RandomBoard(rng);
        Board d = a;
        SolveCircuit(a, {}, EliminationKind::Sparse);
        SolveCircuit(d, {}, EliminationKind::Dense);
        ASSERT_EQ(a.ValueTable, d.ValueTable) << "board " << round;
    }
}

TEST(SolverProperty, SparseEliminationEqualsDenseOnRandomMatrices) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> value(-20.0f, 20.0f);
    for (int round = 0; round < 2000; ++round) {
        const int n = 1 + static_cast<int>(rng() % 12);
        SystemMatrix a(n);
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n + 1; ++c) {
                if (rng() % 3 == 0) a.At(r, c) = rng() % 2 ? value(rng) : std::round(value(rng));
            }
        }
        SystemMatrix d = a;
        EliminateSparse(a);
        EliminateDense(d);
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n + 1; ++c) {
                const float x = a.At(r, c), y = d.At(r, c);
                // Equal as numbers; NaN only where both have it.
                ASSERT_TRUE(x == y || (std::isnan(x) && std::isnan(y)))
                    << "matrix " << round << " at " << r << "," << c << ": " << x << " vs " << y;
            }
        }
    }
}

}  // namespace
}  // namespace cw
