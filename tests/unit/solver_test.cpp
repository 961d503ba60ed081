// Known answers of the solver, each board built in memory: loops of cells, bulbs, resistors and
// switches, dead ends, shorts and the 16-bit limits.
#include "analysis/solver.h"

#include <gtest/gtest.h>

#include <vector>

#include "board_builder.h"
#include "model/numeric.h"

namespace cw {
namespace {
using namespace cw::test;

// Joins component terminals: Loop(b, {T1(cell), T1(bulb)}, ...) appends one wire per pair.
void Wires(Board& b, std::initializer_list<std::pair<int, int>> pairs) {
    for (auto [x, y] : pairs) AddWireRow(b, x, y);
}

TEST(SolverKnownAnswers, OneCellOneBulbStraightAndReversed) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), l = AddPart(b, Kind::Light);
    Wires(b, {{T1(l), T1(c)}, {T2(l), T2(c)}});
    SolveCircuit(b);
    EXPECT_EQ(b.ValueOf(l), 13);

    Board r = EmptyBoard();
    const int rc = AddPart(r, Kind::Cell), rl = AddPart(r, Kind::Light);
    Wires(r, {{T2(rl), T1(rc)}, {T1(rl), T2(rc)}});
    SolveCircuit(r);
    EXPECT_EQ(r.ValueOf(rl), 14);  // floor of a negative current, then its size
}

TEST(SolverKnownAnswers, SeriesAndParallelBulbs) {
    Board s = EmptyBoard();
    const int c = AddPart(s, Kind::Cell), l1 = AddPart(s, Kind::Light),
              l2 = AddPart(s, Kind::Light);
    Wires(s, {{T1(c), T1(l1)}, {T2(l1), T1(l2)}, {T2(l2), T2(c)}});
    SolveCircuit(s);
    EXPECT_EQ(s.ValueOf(l1), 7);
    EXPECT_EQ(s.ValueOf(l2), 7);

    Board p = EmptyBoard();
    const int pc = AddPart(p, Kind::Cell), p1 = AddPart(p, Kind::Light),
              p2 = AddPart(p, Kind::Light);
    Wires(p, {{T1(pc), T1(p1)}, {T1(pc), T1(p2)}, {T2(p1), T2(pc)}, {T2(p2), T2(pc)}});
    SolveCircuit(p);
    EXPECT_EQ(p.ValueOf(p1), 12);
    EXPECT_EQ(p.ValueOf(p2), 12);
}

TEST(SolverKnownAnswers, TwoCellsInSeriesAndInParallel) {
    Board s = EmptyBoard();
    const int c1 = AddPart(s, Kind::Cell), c2 = AddPart(s, Kind::Cell), l = AddPart(s, Kind::Light);
    Wires(s, {{T2(c1), T1(c2)}, {T1(c1), T1(l)}, {T2(l), T2(c2)}});
    SolveCircuit(s);
    EXPECT_EQ(s.ValueOf(l), 25);

    Board p = EmptyBoard();
    const int d1 = AddPart(p, Kind::Cell), d2 = AddPart(p, Kind::Cell),
              pl = AddPart(p, Kind::Light);
    Wires(p, {{T1(d1), T1(d2)}, {T2(d1), T2(d2)}, {T1(d1), T1(pl)}, {T2(pl), T2(d1)}});
    SolveCircuit(p);
    EXPECT_EQ(p.ValueOf(pl), 14);
}

TEST(SolverKnownAnswers, ResistorInSeries) {
    for (auto [ohms, expected] :
         std::vector<std::pair<int16_t, int16_t>>{{5, 9}, {10, 7}, {20, 4}}) {
        Board b = EmptyBoard();
        const int c = AddPart(b, Kind::Cell), r = AddPart(b, Kind::Resi, 0, 0, ohms),
                  l = AddPart(b, Kind::Light);
        Wires(b, {{T1(c), T1(r)}, {T2(r), T1(l)}, {T2(l), T2(c)}});
        SolveCircuit(b);
        EXPECT_EQ(b.ValueOf(l), expected) << "resistor " << ohms;
        EXPECT_EQ(b.ValueOf(r), ohms);  // only bulb entries are written
    }
}

TEST(SolverKnownAnswers, SwitchOpenAndClosed) {
    for (auto [state, expected] : std::vector<std::pair<int16_t, int16_t>>{{1, 0}, {0, 13}}) {
        Board b = EmptyBoard();
        const int c = AddPart(b, Kind::Cell), s = AddPart(b, Kind::Swit, 0, 0, state),
                  l = AddPart(b, Kind::Light);
        Wires(b, {{T1(c), T1(s)}, {T2(s), T1(l)}, {T2(l), T2(c)}});
        SolveCircuit(b);
        EXPECT_EQ(b.ValueOf(l), expected) << "switch " << state;
    }
}

TEST(SolverKnownAnswers, DeadEndsArePruned) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), lit = AddPart(b, Kind::Light),
              loose = AddPart(b, Kind::Light), dangling = AddPart(b, Kind::Light);
    const int16_t j1 = AddJunctionRow(b, 10, 10), j2 = AddJunctionRow(b, 20, 20);
    Wires(b, {{T1(c), T1(lit)}, {T2(lit), T2(c)}, {T1(c), T1(loose)}});
    // A bulb across the cell through wires that lead only to junctions.
    Wires(b, {{T1(dangling), j1}, {j1, j2}, {T2(dangling), T2(c)}});
    b.ValueTable[loose] = 55;
    SolveCircuit(b);
    EXPECT_EQ(b.ValueOf(lit), 13);
    EXPECT_EQ(b.ValueOf(loose), 0);
    EXPECT_EQ(b.ValueOf(dangling), 0);
}

TEST(SolverKnownAnswers, NoCellLeavesEveryBulbDark) {
    Board b = EmptyBoard();
    const int r = AddPart(b, Kind::Resi), l = AddPart(b, Kind::Light);
    Wires(b, {{T1(r), T1(l)}, {T2(r), T2(l)}});
    SolveCircuit(b);
    EXPECT_EQ(b.ValueOf(l), 0);
}

TEST(SolverKnownAnswers, NoBulbEverPlacedTouchesNothing) {
    Board b = EmptyBoard();
    b.Array(Kind::Light).resize(2);  // template and palette copy only
    const int c = AddPart(b, Kind::Cell);
    b.ValueTable[c] = 77;
    int repaints = 0;
    SolveCircuit(b, [&](int) { ++repaints; });
    EXPECT_EQ(b.ValueOf(c), 77);
    EXPECT_EQ(repaints, 0);
}

TEST(SolverKnownAnswers, DeletedBulbIsClearedAndRepaintedTwice) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), gone = AddPart(b, Kind::Light),
              l = AddPart(b, Kind::Light);
    Wires(b, {{T1(c), T1(l)}, {T2(l), T2(c)}});
    b.Array(Kind::Light)[1].Visible = false;
    b.ValueTable[gone] = 40;
    std::vector<int> repaints;
    SolveCircuit(b, [&](int i) { repaints.push_back(i); });
    EXPECT_EQ(b.ValueOf(gone), 0);
    EXPECT_EQ(b.ValueOf(l), 13);
    EXPECT_EQ(repaints, (std::vector<int>{1, 2, 1, 2}));
}

// A component whose terminals share a node carries no current: its coefficients cancel.
TEST(SolverShorts, WireAcrossABulbDarkensIt) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), l = AddPart(b, Kind::Light),
              other = AddPart(b, Kind::Light);
    Wires(b, {{T1(c), T1(l)}, {T2(l), T2(c)}, {T1(l), T2(l)}});
    Wires(b, {{T1(c), T1(other)}, {T2(other), T2(c)}});
    SolveCircuit(b);
    EXPECT_EQ(b.ValueOf(l), 0);
    EXPECT_EQ(b.ValueOf(other), 0);  // the short takes the cell's terminals with it
}

TEST(SolverShorts, CellWithJoinedTerminalsLightsNothing) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), l = AddPart(b, Kind::Light);
    Wires(b, {{T1(c), T2(c)}, {T1(c), T1(l)}, {T2(l), T2(c)}});
    SolveCircuit(b);
    EXPECT_EQ(b.ValueOf(l), 0);
}

TEST(SolverShorts, ShortedCellBesideAWorkingLoop) {
    // One cell shorted by its own wire, a second cell driving a bulb: the short is local.
    Board b = EmptyBoard();
    const int shorted = AddPart(b, Kind::Cell), c = AddPart(b, Kind::Cell),
              l = AddPart(b, Kind::Light);
    Wires(b, {{T1(shorted), T2(shorted)}, {T1(c), T1(l)}, {T2(l), T2(c)}});
    SolveCircuit(b);
    EXPECT_EQ(b.ValueOf(l), 13);
}

TEST(SolverLimits, ValuesTheEditingNeverMakesStaySound) {
    // Negative resistances never come from the editing, but a board read from elsewhere could
    // hold them; the solver must still give sound 16-bit results.
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), r = AddPart(b, Kind::Resi, 0, 0, -10),
              l = AddPart(b, Kind::Light);
    Wires(b, {{T1(c), T1(r)}, {T2(r), T1(l)}, {T2(l), T2(c)}});
    SolveCircuit(b);
    // Net loop resistance 1 + (-10) + 10 = 1: current 1.5, value 150.
    EXPECT_EQ(b.ValueOf(l), 150);

    Board big = EmptyBoard();
    const int bc = AddPart(big, Kind::Cell), br = AddPart(big, Kind::Resi, 0, 0, -11),
              bl = AddPart(big, Kind::Light);
    Wires(big, {{T1(bc), T1(br)}, {T2(br), T1(bl)}, {T2(bl), T2(bc)}});
    SolveCircuit(big);
    // Loop resistance exactly 0: the current is not finite and counts as 0 or saturates; either
    // way the value is a sound 16-bit number and nothing else changes.
    const int16_t v = big.ValueOf(bl);
    EXPECT_TRUE(v == 0 || v == kInt16Max) << v;
    EXPECT_EQ(big.ValueOf(br), -11);
}

TEST(SolverLimits, TooManyRowsLeavesBulbsAtZero) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), l = AddPart(b, Kind::Light);
    Wires(b, {{T1(c), T1(l)}, {T2(l), T2(c)}});
    b.ValueTable[l] = 99;
    const int16_t j = AddJunctionRow(b, 1, 1);
    b.WireTable.resize(kInt16Max, WireRow{{j, j}});
    int repaints = 0;
    SolveCircuit(b, [&](int) { ++repaints; });
    EXPECT_EQ(b.ValueOf(l), 0);
    EXPECT_EQ(repaints, 2);
    EXPECT_EQ(b.LastWire(), kInt16Max - 1);
}

TEST(SolverLimits, BadTagsAreNeitherReadNorWrittenOutOfRange) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), l = AddPart(b, Kind::Light);
    Wires(b, {{T1(c), T1(l)}, {T2(l), T2(c)}});
    b.Array(Kind::Light)
        .insert(b.Array(Kind::Light).end() - 1, ComponentElement{0, 0, 90, 90, true, 9000});
    SolveCircuit(b);
    EXPECT_EQ(b.ValueOf(l), 13);
    EXPECT_EQ(b.LastValue(), 2);
}

TEST(Pruning, CountNodeUsesCountsEveryComponentRow) {
    NetTable net{{0, 0}, {1, 2}, {3, 4}, {3, 3}, {-1, -1}};
    EXPECT_EQ(CountNodeUses(net, 2, 3), 3);
    EXPECT_EQ(CountNodeUses(net, 2, -1), 2);
    EXPECT_EQ(CountNodeUses(net, 2, 1), 0);  // row 1 is a wire
}

TEST(Pruning, OnePassPrunesAndReportsTheLargestSurvivor) {
    // Two components in a loop on labels 5 and 7, one hanging off label 7 to label 9.
    NetTable net{{0, 0}, {5, 7}, {7, 5}, {7, 9}};
    const PruneResult first = PruneDeadEnds(net, 1);
    EXPECT_TRUE(first.changed);
    EXPECT_EQ(first.survivors, 2);
    EXPECT_EQ(first.largestLabel, 7);
    EXPECT_EQ(net[3][0], -1);
    const PruneResult second = PruneDeadEnds(net, 1);
    EXPECT_FALSE(second.changed);
    EXPECT_EQ(second.survivors, 2);
}

TEST(Pruning, ChainsFallOneLinkPerPassOrMore) {
    NetTable net{{0, 0}, {1, 2}, {2, 3}, {3, 4}};
    PruneResult pass;
    int passes = 0;
    do {
        pass = PruneDeadEnds(net, 1);
        ++passes;
    } while (pass.changed);
    EXPECT_EQ(pass.survivors, 0);
    EXPECT_EQ(pass.largestLabel, -1);
    EXPECT_LE(passes, 4);
}

}  // namespace
}  // namespace cw
