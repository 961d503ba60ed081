// The solver against exact circuit theory on tens of thousands of random boards: every bulb
// must equal the value of an exact rational nodal analysis.
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <random>
#include <sstream>
#include <string>

#include "analysis/solver.h"
#include "support/board_builder.h"

namespace cw {
namespace {
using namespace cw::test;

// 3 to 12 parts, many cells (so back-to-back and parallel cells are common), some parts deleted
// (hidden, no wire at their terminals), junctions that only wires use, and random wires between
// any of the points, which makes shorts, dead loops and separate pieces.
Board RandomBoard(std::mt19937& rng) {
    Board b = EmptyBoard();
    const int parts = 3 + static_cast<int>(rng() % 10);
    for (int i = 0; i < parts; ++i) {
        const Kind kind = i == 0 ? Kind::Cell : i == 1 ? Kind::Light : kKinds[rng() % 4];
        int16_t value = 0;
        if (kind == Kind::Swit) value = static_cast<int16_t>(rng() % 2);
        if (kind == Kind::Resi) value = std::array<int16_t, 3>{5, 10, 20}[rng() % 3];
        AddPart(b, kind, 0, 0, value);
    }
    std::vector<bool> deleted(static_cast<size_t>(parts) + 1, false);
    for (Kind kind : kKinds) {
        for (int l = 1; l <= b.PlacedCount(kind); ++l) {
            if (b.At(kind, l).Tag > 2 && rng() % 8 == 0) {  // the first cell and bulb stay
                b.At(kind, l).Visible = false;
                deleted[b.At(kind, l).Tag] = true;
            }
        }
    }
    const int junctions = static_cast<int>(rng() % 4);
    for (int j = 0; j < junctions; ++j) AddJunctionRow(b, 0, 0);
    const int terminals = 2 * parts;
    auto point = [&] {
        for (;;) {
            const int n = static_cast<int>(rng() % static_cast<unsigned>(terminals + junctions));
            if (n >= terminals) return -(n - terminals + 1);
            if (!deleted[ComponentOfTerminal(n + 1)]) return n + 1;
        }
    };
    const int wires = static_cast<int>(rng() % (2 + 2 * parts));
    for (int w = 0; w < wires; ++w) AddWireRow(b, point(), point());
    return b;
}

std::string Describe(const Board& b) {
    std::ostringstream out;
    for (Kind kind : kKinds) {
        for (int l = 1; l <= b.PlacedCount(kind); ++l) {
            const ComponentElement& e = b.At(kind, l);
            out << "ksrl"[KindIndex(kind)] << e.Tag << "=" << b.ValueOf(e.Tag)
                << (e.Visible ? " " : "(deleted) ");
        }
    }
    out << "| wires";
    for (int i = 1; i <= b.LastWire(); ++i) {
        out << " " << b.WireTable[i].end[0] << "-" << b.WireTable[i].end[1];
    }
    return out.str();
}

__extension__ typedef __int128 Whole;  // products of minors overflow 64 bits

// Floor of n / d for d > 0.
Whole FloorDiv(Whole n, Whole d) {
    const Whole q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

// Nodal analysis in exact integers, written from circuit theory alone: wires and closed switches
// merge points; every conductance is scaled by 20 so that cells (1 ohm), bulbs (10) and
// resistors (5, 10, 20) are whole; a cell drives 20 x 1.5 into its first terminal; one node per
// separate network is held at 0. Fraction-free Gauss-Jordan elimination leaves det x V in the
// right-hand side and det on the diagonal, so 100 x I is an exact fraction.
std::map<int, int> ExactBulbValues(const Board& b) {
    const int terminals = 2 * b.LastValue();
    const int points = terminals + b.LastJunction();
    auto index = [&](int n) { return n > 0 ? n - 1 : terminals + (-n - 1); };
    std::vector<int> parent(static_cast<size_t>(points));
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](int x) {
        while (parent[x] != x) x = parent[x] = parent[parent[x]];
        return x;
    };
    auto join = [&](int a, int c) { parent[find(index(a))] = find(index(c)); };
    for (int i = 1; i <= b.LastWire(); ++i) join(b.WireTable[i].end[0], b.WireTable[i].end[1]);
    struct Element {
        int a, c, number;
        Whole g, drive;
        bool bulb;
    };
    std::vector<Element> elements;
    for (Kind kind : kKinds) {
        for (int l = 1; l <= b.PlacedCount(kind); ++l) {
            const int k = b.At(kind, l).Tag;
            if (kind == Kind::Swit) {
                if (b.ValueOf(k) == 0) join(FirstTerminal(k), SecondTerminal(k));
                continue;
            }
            const Whole g = kind == Kind::Cell ? 20 : kind == Kind::Light ? 2 : 20 / b.ValueOf(k);
            elements.push_back({FirstTerminal(k), SecondTerminal(k), k, g,
                                kind == Kind::Cell ? Whole{30} : Whole{0}, kind == Kind::Light});
        }
    }
    // Unknowns: one per merged node that an element touches, less one per network.
    std::vector<int> network(static_cast<size_t>(points));
    std::iota(network.begin(), network.end(), 0);
    auto findNetwork = [&](int x) {
        while (network[x] != x) x = network[x] = network[network[x]];
        return x;
    };
    for (Element& e : elements) {
        e.a = find(index(e.a));
        e.c = find(index(e.c));
        network[findNetwork(e.a)] = findNetwork(e.c);
    }
    std::vector<int> unknown(static_cast<size_t>(points), -1);
    std::vector<bool> isGround(static_cast<size_t>(points), false);
    std::vector<bool> networkGrounded(static_cast<size_t>(points), false);
    int n = 0;
    for (const Element& e : elements) {
        for (int p : {e.a, e.c}) {
            if (unknown[p] >= 0 || isGround[p]) continue;
            if (!networkGrounded[findNetwork(p)]) {
                networkGrounded[findNetwork(p)] = isGround[p] = true;
            } else {
                unknown[p] = n++;
            }
        }
    }
    std::vector<std::vector<Whole>> m(static_cast<size_t>(n), std::vector<Whole>(n + 1, 0));
    for (const Element& e : elements) {
        const int a = unknown[e.a], c = unknown[e.c];
        if (a >= 0) {
            m[a][a] += e.g;
            m[a][n] += e.drive;
            if (c >= 0) m[a][c] -= e.g;
        }
        if (c >= 0) {
            m[c][c] += e.g;
            m[c][n] -= e.drive;
            if (a >= 0) m[c][a] -= e.g;
        }
    }
    Whole previous = 1;
    for (int k = 0; k < n; ++k) {
        int pivot = k;
        while (pivot < n && m[pivot][k] == 0) ++pivot;
        if (pivot == n) {
            ADD_FAILURE() << "a grounded network is never singular";
            return {};
        }
        std::swap(m[k], m[pivot]);
        for (int i = 0; i < n; ++i) {
            if (i == k) continue;
            for (int j = 0; j <= n; ++j) {
                if (j != k) m[i][j] = (m[k][k] * m[i][j] - m[i][k] * m[k][j]) / previous;
            }
            m[i][k] = 0;
        }
        previous = m[k][k];
    }
    // Potential of a point as a fraction over the determinant (which may be negative).
    const Whole det = n > 0 ? m[0][0] : 1;
    for (int i = 0; i < n; ++i) EXPECT_TRUE(m[i][i] == det) << "the elimination went wrong";
    auto scaledPotential = [&](int p) { return unknown[p] >= 0 ? m[unknown[p]][n] : Whole{0}; };
    std::map<int, int> values;
    for (const Element& e : elements) {
        if (!e.bulb) continue;
        // 100 x I = 100 x (g / 20) x (V(a) - V(c)) = 5 g (det V(a) - det V(c)) / det.
        Whole num = 5 * e.g * (scaledPotential(e.a) - scaledPotential(e.c)), den = det;
        if (den < 0) num = -num, den = -den;
        const Whole shown = FloorDiv(num, den);
        values[e.number] = static_cast<int>(shown < 0 ? -shown : shown);
    }
    return values;
}

// The checker itself gives the known answers and would catch a wrong solver.
TEST(SolverProperty, TheCheckerKnowsTheAnswersAndCatchesAWrongOne) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), l = AddPart(b, Kind::Light), r = AddPart(b, Kind::Light);
    AddPart(b, Kind::Light);  // a bulb wired nowhere
    AddWireRow(b, T1(l), T1(c));
    AddWireRow(b, T2(l), T2(c));
    AddWireRow(b, T2(r), T1(c));
    AddWireRow(b, T1(r), T2(c));
    const std::map<int, int> exact = ExactBulbValues(b);
    EXPECT_EQ(exact, (std::map<int, int>{{l, 12}, {r, 13}, {4, 0}}));  // one of them reversed
    SolveCircuit(b);
    b.ValueTable[static_cast<size_t>(l)] += 1;  // a solver one off
    EXPECT_NE(b.ValueOf(l), exact.at(l));
}

TEST(SolverProperty, EqualsExactNodalAnalysisOnRandomBoards) {
    const unsigned seed = 4711;
    std::mt19937 rng(seed);
    int lit = 0;
    for (int round = 0; round < 50000; ++round) {
        Board b = RandomBoard(rng);
        const std::map<int, int> exact = ExactBulbValues(b);
        const std::string before = Describe(b);
        SolveCircuit(b);
        for (auto [k, v] : exact) {
            ASSERT_EQ(b.ValueOf(k), v)
                << "seed " << seed << ", board " << round << ", bulb " << k << "\n  " << before;
            lit += v > 0;
        }
        // The reasons agree with the values: a bulb is explained as lit exactly when it is.
        if (round % 10 != 0) continue;
        const std::vector<BulbState> states = ExplainBulbs(b);
        for (int l = 1; l <= b.PlacedCount(Kind::Light); ++l) {
            ASSERT_EQ(states[l] == BulbState::Lit, b.ValueOf(b.At(Kind::Light, l).Tag) > 0)
                << "board " << round << ", bulb element " << l << "\n  " << before;
        }
    }
    EXPECT_GT(lit, 2000);  // the boards are not all dark
}

}  // namespace
}  // namespace cw
