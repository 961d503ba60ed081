// The solver against exact circuit theory on tens of thousands of random boards: every bulb
// must equal the value of an exact rational nodal analysis, and every dark bulb's reason must be
// the one the loops of its circuit give.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>

#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <sstream>
#include <string>

#include "analysis/nodal_solve.h"
#include "analysis/solver.h"
#include "bench/generated_boards.h"
#include "model/part_values.h"
#include "support/board_builder.h"

namespace cw {
namespace {
using namespace cw::test;

// 3 to 12 parts, many cells (so back-to-back and parallel cells are common), some parts deleted
// (hidden, no wire at their terminals), junctions that only wires use, and random wires between
// any of the points, which makes shorts, dead loops and separate pieces.
Board RandomBoard(std::mt19937& rng, int fewest = 3, int most = 12) {
    Board b = EmptyBoard();
    const int parts = fewest + static_cast<int>(rng() % static_cast<unsigned>(most - fewest + 1));
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

__extension__ typedef __int128 Whole;             // products of minors overflow 64 bits
using BigWhole = boost::multiprecision::cpp_int;  // for boards past a dozen parts

// Floor of n / d for d > 0.
template <typename W>
W FloorDiv(const W& n, const W& d) {
    const W q = n / d;
    return (n % d != 0 && n < 0) ? W(q - 1) : q;
}

// A bulb's exact |floor(100 x I)| and whether I is exactly 0.
struct Exact {
    int value = 0;
    bool zero = true;
    bool operator==(const Exact&) const = default;
};

// Nodal analysis in exact integers, written from circuit theory alone: wires and closed switches
// merge points; every conductance is scaled by 20 so that cells (1 ohm), bulbs (10) and
// resistors (5, 10, 20) are whole; a cell drives 20 x 1.5 into its first terminal; one node per
// separate network is held at 0. Fraction-free Gauss-Jordan elimination leaves det x V in the
// right-hand side and det on the diagonal, so 100 x I is an exact fraction.
using Rational = boost::multiprecision::cpp_rational;

// With `terminalVolts`, also every element terminal's exact potential (one node per separate
// network at 0), by NodeId.
template <typename Whole>
std::map<int, Exact> ExactBulbValues(const Board& b,
                                     std::map<int, Rational>* terminalVolts = nullptr) {
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
            const int g = kind == Kind::Cell ? 20 : kind == Kind::Light ? 2 : 20 / b.ValueOf(k);
            elements.push_back({FirstTerminal(k), SecondTerminal(k), k, Whole(g),
                                Whole(kind == Kind::Cell ? 30 : 0), kind == Kind::Light});
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
    const Whole det = n > 0 ? m[0][0] : Whole(1);
    for (int i = 0; i < n; ++i) EXPECT_TRUE(m[i][i] == det) << "the elimination went wrong";
    auto scaledPotential = [&](int p) { return unknown[p] >= 0 ? m[unknown[p]][n] : Whole{0}; };
    std::map<int, Exact> values;
    for (const Element& e : elements) {
        if (terminalVolts) {
            const int k = e.number;
            (*terminalVolts)[T1(k)] = Rational(BigWhole(scaledPotential(e.a)), BigWhole(det));
            (*terminalVolts)[T2(k)] = Rational(BigWhole(scaledPotential(e.c)), BigWhole(det));
        }
        if (!e.bulb) continue;
        // 100 x I = 100 x (g / 20) x (V(a) - V(c)) = 5 g (det V(a) - det V(c)) / det.
        Whole num = 5 * e.g * (scaledPotential(e.a) - scaledPotential(e.c)), den = det;
        if (den < 0) num = -num, den = -den;
        const Whole shown = FloorDiv<Whole>(num, den);
        values[e.number] = {static_cast<int>(shown < 0 ? Whole(-shown) : shown), num == 0};
    }
    return values;
}

// The loops of a board, found by brute force from their definition: the graph with a node per
// group of joined points and an edge per cell, resistor and bulb.
class Loops {
  public:
    Loops(const Board& b, bool closeSwitches) {
        const int terminals = 2 * b.LastValue();
        std::vector<int> parent(static_cast<size_t>(terminals + b.LastJunction()));
        std::iota(parent.begin(), parent.end(), 0);
        auto index = [&](int n) { return n > 0 ? n - 1 : terminals + (-n - 1); };
        auto find = [&](int x) {
            while (parent[x] != x) x = parent[x];
            return x;
        };
        auto join = [&](int a, int c) { parent[find(index(a))] = find(index(c)); };
        for (int i = 1; i <= b.LastWire(); ++i) join(b.WireTable[i].end[0], b.WireTable[i].end[1]);
        for (Kind kind : kKinds) {
            for (int l = 1; l <= b.PlacedCount(kind); ++l) {
                const int k = b.At(kind, l).Tag;
                if ((kind == Kind::Swit && (closeSwitches || b.ValueOf(k) == 0)) ||
                    (kind == Kind::Resi && b.ValueOf(k) == 0)) {
                    join(FirstTerminal(k), SecondTerminal(k));
                }
            }
        }
        for (Kind kind : {Kind::Cell, Kind::Resi, Kind::Light}) {
            for (int l = 1; l <= b.PlacedCount(kind); ++l) {
                const int k = b.At(kind, l).Tag;
                if (kind == Kind::Resi && b.ValueOf(k) == 0) continue;
                edges_[k] = {find(index(FirstTerminal(k))), find(index(SecondTerminal(k))),
                             kind == Kind::Cell};
            }
        }
        nodes_ = static_cast<int>(parent.size());
    }
    bool Shorted(int k) const { return edges_.at(k).a == edges_.at(k).c; }
    // No loop passes through k: its ends fall apart without it.
    bool Bridge(int k) const { return !Connected(edges_.at(k).a, edges_.at(k).c, k, -1); }
    // A loop passes through k and some cell: no single node's removal parts them.
    bool LoopWithCell(int k) const {
        const Edge& e = edges_.at(k);
        for (const auto& [number, cell] : edges_) {
            if (!cell.cell || number == k || cell.a == cell.c) continue;
            bool together = true;
            for (int w = -1; together && w < nodes_; ++w) {
                const int from = e.a != w ? e.a : e.c, to = cell.a != w ? cell.a : cell.c;
                together = Connected(from, to, -1, w);
            }
            if (together) return true;
        }
        return false;
    }

  private:
    struct Edge {
        int a, c;
        bool cell;
    };
    // Whether `from` reaches `to` without edge `skip` and without node `removed`.
    bool Connected(int from, int to, int skip, int removed) const {
        std::vector<int> parent(static_cast<size_t>(nodes_));
        std::iota(parent.begin(), parent.end(), 0);
        auto find = [&](int x) {
            while (parent[x] != x) x = parent[x];
            return x;
        };
        for (const auto& [number, e] : edges_) {
            if (number != skip && e.a != removed && e.c != removed) parent[find(e.a)] = find(e.c);
        }
        return find(from) == find(to);
    }
    std::map<int, Edge> edges_;
    int nodes_ = 0;
};

// The state a bulb must be in, from its exact current and the loops of its circuit.
BulbState ExpectedState(int k, const Exact& exact, const Loops& now, const Loops& closed) {
    if (exact.value > 0) return BulbState::Lit;
    if (now.Shorted(k)) return BulbState::Shorted;
    if (now.Bridge(k)) {
        if (closed.Shorted(k) || closed.Bridge(k)) return BulbState::NotInClosedLoop;
        return closed.LoopWithCell(k) ? BulbState::SwitchOpen : BulbState::NoCell;
    }
    if (!now.LoopWithCell(k)) return BulbState::NoCell;
    return exact.zero ? BulbState::CellsCancel : BulbState::TooLittleCurrent;
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
    const std::map<int, Exact> exact = ExactBulbValues<Whole>(b);
    EXPECT_EQ(exact, (std::map<int, Exact>{{l, {12, false}}, {r, {13, false}}, {4, {0, true}}}));
    EXPECT_EQ(ExactBulbValues<BigWhole>(b), exact);
    SolveCircuit(b);
    b.ValueTable[static_cast<size_t>(l)] += 1;  // a solver one off
    EXPECT_NE(b.ValueOf(l), exact.at(l).value);
}

// Checks every bulb of a board against the exact values and the reasons the loops give.
template <typename W>
void ExpectExactAndExplained(Board b, const std::string& where) {
    const std::map<int, Exact> exact = ExactBulbValues<W>(b);
    const std::string before = Describe(b);
    const std::vector<BulbState> states = SolveCircuit(b).bulbs;
    const Loops now(b, false), closed(b, true);
    for (int l = 1; l <= b.PlacedCount(Kind::Light); ++l) {
        const int k = b.At(Kind::Light, l).Tag;
        const Exact e = exact.at(k);
        ASSERT_EQ(b.ValueOf(k), e.value) << where << ", bulb " << k << "\n  " << before;
        ASSERT_EQ(states[l], ExpectedState(k, e, now, closed))
            << where << ", bulb " << k << "\n  " << before;
    }
}

TEST(SolverProperty, EqualsExactNodalAnalysisOnRandomBoards) {
    const unsigned seed = 4711;
    std::mt19937 rng(seed);
    for (int round = 0; round < 50000; ++round) {
        ExpectExactAndExplained<Whole>(
            RandomBoard(rng), "seed " + std::to_string(seed) + ", board " + std::to_string(round));
        if (HasFatalFailure()) return;
    }
    for (int round = 0; round < 150; ++round) {  // up to 60 parts: big integers
        ExpectExactAndExplained<BigWhole>(RandomBoard(rng, 15, 60),
                                          "large board " + std::to_string(round));
        if (HasFatalFailure()) return;
    }
}

// Ladders whose far rungs carry currents near zero and series loops whose hundredths are whole
// or within a billionth of whole: where an error bound has to decide, or hand over to exact
// arithmetic.
TEST(SolverProperty, AdversarialBoardsNearWholeHundredths) {
    int near = 0;
    for (int rungs = 1; rungs <= 19; ++rungs) {
        for (bool turned : {false, true}) {
            for (int16_t rail : {5, 10, 20}) {
                Board b = EmptyBoard();
                const int cell = AddPart(b, Kind::Cell);
                int top = T1(cell), bottom = T2(cell);
                for (int r = 0; r < rungs; ++r) {
                    const int up = AddPart(b, Kind::Resi, 0, 0, rail),
                              down = AddPart(b, Kind::Resi, 0, 0, 5),
                              bulb = AddPart(b, Kind::Light);
                    AddWireRow(b, top, T1(up));
                    AddWireRow(b, bottom, T1(down));
                    top = T2(up), bottom = T2(down);
                    AddWireRow(b, top, turned ? T2(bulb) : T1(bulb));
                    AddWireRow(b, bottom, turned ? T1(bulb) : T2(bulb));
                }
                ExpectExactAndExplained<BigWhole>(b, "ladder of " + std::to_string(rungs));
            }
        }
    }
    // A cell, a bulb, 5 ohms beside 20, then a ladder of series 5 and shunt 10 left open at its
    // far end: 1.5 / (1 + 10 + 4 + 10) would be 6 hundredths for an endless ladder; each
    // section left off pushes it a quarter as far below.
    for (int sections = 1; sections <= 22; ++sections) {
        Board b = EmptyBoard();
        const int cell = AddPart(b, Kind::Cell), bulb = AddPart(b, Kind::Light);
        const int r5 = AddPart(b, Kind::Resi, 0, 0, 5), r20 = AddPart(b, Kind::Resi, 0, 0, 20);
        AddWireRow(b, T1(cell), T1(bulb));
        AddWireRow(b, T2(bulb), T1(r5));
        AddWireRow(b, T1(r5), T1(r20));
        AddWireRow(b, T2(r5), T2(r20));
        int at = T2(r5);
        for (int s = 0; s < sections; ++s) {
            const int series = AddPart(b, Kind::Resi, 0, 0, 5), shunt = AddPart(b, Kind::Resi);
            AddWireRow(b, at, T1(series));
            AddWireRow(b, T2(series), T1(shunt));
            AddWireRow(b, T2(shunt), T2(cell));
            at = T2(series);
        }
        ExpectExactAndExplained<BigWhole>(b, "open ladder of " + std::to_string(sections));
        near += ExactBulbValues<BigWhole>(b).at(bulb).value == 5;
    }
    EXPECT_EQ(near, 22);  // every one just under 6: a whole-number guard would show 6
}

// Cells of equal voltage facing each other round loops, bulbs and resistors between them:
// every node stands a whole number of cell voltages up (0, 1 or 2), each cell runs from a node
// one step up to one a step down, each bulb and resistor joins two nodes on one step, so every
// current is exactly 0 and the computed ones are rounding. Now and then a closed switch joins
// two nodes on one step, or one more bulb spans two steps and leaves a current just off zero.
Board BalancedBoard(std::mt19937& rng) {
    Board b = EmptyBoard();
    const int nodes = 3 + static_cast<int>(rng() % 6);
    std::vector<int> step(static_cast<size_t>(nodes));
    std::vector<int16_t> junction(static_cast<size_t>(nodes));
    for (int n = 0; n < nodes; ++n) {
        step[n] = n < 2 ? n : static_cast<int>(rng() % 3);
        junction[n] = AddJunctionRow(b, 0, 0);
    }
    auto wire = [&](int k, int from, int to) {
        AddWireRow(b, T1(k), junction[from]);
        AddWireRow(b, T2(k), junction[to]);
    };
    const int parts = 3 + static_cast<int>(rng() % 9);
    for (int i = 0; i < parts;) {
        const int a = static_cast<int>(rng() % nodes), c = static_cast<int>(rng() % nodes);
        if (step[a] == step[c] + 1) {
            wire(AddPart(b, Kind::Cell), a, c), ++i;
        } else if (step[a] == step[c] && a != c) {
            const int pick = static_cast<int>(rng() % 8);
            const Kind kind = pick < 4 ? Kind::Light : pick < 7 ? Kind::Resi : Kind::Swit;
            const int16_t value = kind == Kind::Resi ? std::array<int16_t, 3>{5, 10, 20}[rng() % 3]
                                  : kind == Kind::Swit ? kSwitchClosed
                                                       : 0;
            wire(AddPart(b, kind, 0, 0, value), a, c), ++i;
        }
    }
    if (rng() % 4 == 0) wire(AddPart(b, Kind::Light), 0, 1);
    return b;
}

// The two boards where the bound once failed to be one: a bulb with exactly no current stored
// as lit, and cells cancelling out read as too little current, either way round.
TEST(SolverProperty, CellsThatCancelStayDarkAndSaySo) {
    Board three = EmptyBoard();  // cells 2, 3 and 5; bulbs 1 and 4
    for (Kind kind : {Kind::Light, Kind::Cell, Kind::Cell, Kind::Light, Kind::Cell})
        AddPart(three, kind);
    for (int j = 0; j < 4; ++j) AddJunctionRow(three, 0, 0);
    for (auto [a, c] : std::vector<std::pair<int, int>>{{1, -3},
                                                        {2, -1},
                                                        {3, -4},
                                                        {4, -3},
                                                        {5, -2},
                                                        {6, -3},
                                                        {7, -4},
                                                        {8, -2},
                                                        {9, -2},
                                                        {10, -1}})
        AddWireRow(three, a, c);
    ExpectExactAndExplained<Whole>(three, "three cells");
    EXPECT_EQ(three.ValueOf(4), 0);
    EXPECT_EQ(SolveCircuit(three).bulbs[2], BulbState::CellsCancel);

    for (const bool turned : {false, true}) {
        Board five = EmptyBoard();  // cells 1, 2, 5, 6 and 7, switch 3 closed, bulb 4
        for (Kind kind :
             {Kind::Cell, Kind::Cell, Kind::Swit, Kind::Light, Kind::Cell, Kind::Cell, Kind::Cell})
            AddPart(five, kind, 0, 0, kind == Kind::Swit ? kSwitchClosed : kDefaultValue);
        for (int j = 0; j < 2; ++j) AddJunctionRow(five, 0, 0);
        auto bulbEnd = [turned](int n) { return turned && (n == 7 || n == 8) ? 15 - n : n; };
        for (auto [a, c] : std::vector<std::pair<int, int>>{{5, 9},
                                                            {10, 4},
                                                            {3, 8},
                                                            {-1, 7},
                                                            {-1, 1},
                                                            {-1, 11},
                                                            {12, -2},
                                                            {14, -2},
                                                            {6, 13},
                                                            {10, 2}})
            AddWireRow(five, bulbEnd(a), bulbEnd(c));
        ExpectExactAndExplained<Whole>(five, turned ? "five cells, bulb turned" : "five cells");
        EXPECT_EQ(five.ValueOf(4), 0);
        EXPECT_EQ(SolveCircuit(five).bulbs[1], BulbState::CellsCancel);
    }
}

TEST(SolverProperty, BalancedCellsEqualExactNodalAnalysis) {
    std::mt19937 rng(2027);
    for (int round = 0; round < 20000; ++round) {
        ExpectExactAndExplained<Whole>(BalancedBoard(rng),
                                       "balanced board " + std::to_string(round));
        if (HasFatalFailure()) return;
    }
}

// A long double as the exact binary fraction it is.
Rational Exactly(long double x) {
    int exponent = 0;
    const long double mantissa = std::frexp(std::fabs(x), &exponent);              // in [0.5, 1)
    const auto whole = static_cast<unsigned long long>(std::ldexp(mantissa, 64));  // all 64 bits
    const int shift = exponent - 64;
    Rational r = shift >= 0 ? Rational(BigWhole(whole) << shift)
                            : Rational(BigWhole(whole), BigWhole(1) << -shift);
    return x < 0 ? Rational(-r) : r;
}

// The bound the solve proves for its potentials against their true error, worked out exactly:
// never below it, on random and on balanced boards, as first solved and after each refinement.
TEST(SolverProperty, ErrorBoundIsNeverBelowTheTrueError) {
    std::mt19937 rng(99);
    int checked = 0;
    for (int round = 0; round < 4000; ++round) {
        const Board b = round % 2 ? RandomBoard(rng) : BalancedBoard(rng);
        std::optional<Solution> s = Solve(b);
        if (!s || !s->nodal) continue;
        std::map<int, Rational> exact;
        ExactBulbValues<BigWhole>(b, &exact);
        // Every node a carrying part touches, with its exact potential less that of the node
        // the solve holds at 0: the lowest of its piece of carrying parts.
        DisjointSets pieces(s->nodeCount);
        for (const Part& p : s->net.parts) {
            if (p.Carries()) pieces.Unite(p.terminal[0], p.terminal[1]);
        }
        std::map<int, Rational> exactAt;
        std::map<int, int> reference;
        for (const Part& p : s->net.parts) {
            if (!p.Carries()) continue;
            for (int side = 0; side < 2; ++side) {
                const int node = p.terminal[side];
                exactAt[node] = exact.at(side == 0 ? T1(p.number) : T2(p.number));
                const auto [at, fresh] = reference.try_emplace(pieces.Find(node), node);
                if (!fresh) at->second = std::min(at->second, node);
            }
        }
        do {
            const Potentials& potentials = s->potentials();
            ASSERT_TRUE(std::isfinite(potentials.error)) << Describe(b);
            const Rational bound = Exactly(potentials.error);
            for (const auto& [node, volts] : exactAt) {
                const Rational truth = volts - exactAt.at(reference.at(pieces.Find(node)));
                const Rational error = abs(Exactly(potentials.volts[node]) - truth);
                ASSERT_LE(error, bound)
                    << "board " << round << ", node " << node << "\n  " << Describe(b);
            }
            ++checked;
        } while (s->nodal->Refine());
    }
    EXPECT_GT(checked, 4000);
}

// What flows out of every point by the wires and the parts (closed switches and resistors of
// 0 ohms carry their own reading), less what flows in: Kirchhoff's current law makes it 0.
double WorstImbalance(const Board& b, const CircuitReadings& r) {
    std::map<int, double> out;
    double largest = 1;
    for (int l = 1; l <= b.LastWire(); ++l) {
        out[b.WireTable[l].end[0]] += r.wireAmps[l];
        out[b.WireTable[l].end[1]] -= r.wireAmps[l];
        largest = std::max(largest, std::fabs(r.wireAmps[l]));
    }
    for (Kind kind : kKinds) {
        for (int l = 1; l <= b.PlacedCount(kind); ++l) {
            const int k = b.At(kind, l).Tag;
            const double amps = r.parts[static_cast<size_t>(k)].amps;
            out[T1(k)] += amps;
            out[T2(k)] -= amps;
            largest = std::max(largest, std::fabs(amps));
        }
    }
    double worst = 0;
    for (const auto& [point, sum] : out) worst = std::max(worst, std::fabs(sum) / largest);
    return worst;
}

TEST(Readings, KirchhoffsCurrentLawHoldsAtEveryPoint) {
    std::mt19937 rng(7);
    for (int round = 0; round < 10000; ++round) {
        Board b = RandomBoard(rng);
        const CircuitReadings r = ReadCircuit(b);
        if (r.parts.empty()) continue;  // a board that cannot be solved has no readings
        ASSERT_LT(WorstImbalance(b, r), 1e-9) << "board " << round << "\n" << Describe(b);
    }
    // Loops of thousands of points take the iterative path.
    const Board mesh = bench::RandomMesh(10000);
    EXPECT_LT(WorstImbalance(mesh, ReadCircuit(mesh)), 1e-9);
}

TEST(Readings, KnownCircuitParallelWiresAndDeadEnds) {
    Board b = EmptyBoard();
    const int cell = AddPart(b, Kind::Cell), bulb = AddPart(b, Kind::Light);
    const int16_t j = AddJunctionRow(b, 5, 5), dead = AddJunctionRow(b, 9, 9);
    AddWireRow(b, T1(cell), T1(bulb));
    AddWireRow(b, T2(bulb), j);  // two wires side by side to the junction
    AddWireRow(b, T2(bulb), j);
    AddWireRow(b, j, T2(cell));
    AddWireRow(b, j, dead);  // leads nowhere
    const CircuitReadings r = ReadCircuit(b);
    const double amps = 1.5 / 11;
    EXPECT_NEAR(r.parts[bulb].amps, amps, 1e-12);  // shown 0.13 A
    EXPECT_NEAR(r.parts[bulb].volts, 10 * amps, 1e-12);
    EXPECT_NEAR(r.parts[cell].amps, -amps, 1e-12);        // delivering
    EXPECT_NEAR(r.parts[cell].volts, 1.5 - amps, 1e-12);  // 1.36 V across its terminals
    EXPECT_NEAR(r.wireAmps[1], amps, 1e-12);              // out of the cell's positive terminal
    EXPECT_NEAR(r.wireAmps[2], amps / 2, 1e-12);
    EXPECT_NEAR(r.wireAmps[3], amps / 2, 1e-12);
    EXPECT_NEAR(r.wireAmps[5], 0, 1e-15);
    // An open switch in the loop: no current, the cell's whole voltage across the gap.
    Board open = EmptyBoard();
    const int c = AddPart(open, Kind::Cell), s = AddPart(open, Kind::Swit, 0, 0, kSwitchOpen),
              l = AddPart(open, Kind::Light);
    AddWireRow(open, T1(c), T1(s));
    AddWireRow(open, T2(s), T1(l));
    AddWireRow(open, T2(l), T2(c));
    const CircuitReadings o = ReadCircuit(open);
    EXPECT_EQ(o.parts[l].amps, 0);
    EXPECT_NEAR(std::fabs(o.parts[s].volts), 1.5, 1e-12);
}

}  // namespace
}  // namespace cw
