// Known answers of the solver, each board built in memory: loops of cells, bulbs, resistors and
// switches, dead ends, shorts and the 16-bit limits.
#include "analysis/solver.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/numeric.h"
#include "support/board_builder.h"

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

TEST(SolverLimits, ResistorEntriesTheEditingNeverMakes) {
    // A resistor of 0 joins its terminals like a wire; a negative one has no sound answer, so
    // every bulb stays dark and no entry but a bulb's changes.
    for (auto [ohms, expected] : std::vector<std::pair<int16_t, int16_t>>{{0, 13}, {-10, 0}}) {
        Board b = EmptyBoard();
        const int c = AddPart(b, Kind::Cell), r = AddPart(b, Kind::Resi, 0, 0, ohms),
                  l = AddPart(b, Kind::Light);
        Wires(b, {{T1(c), T1(r)}, {T2(r), T1(l)}, {T2(l), T2(c)}});
        b.ValueTable[l] = 50;
        SolveCircuit(b);
        EXPECT_EQ(b.ValueOf(l), expected) << "resistor " << ohms;
        EXPECT_EQ(b.ValueOf(r), ohms);
    }
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

TEST(SolverLimits, ATagThatIsNotAPlacedNumberDarkensTheBoard) {
    // Each bad Tag on a working loop: 0, negative, past 16383, past ValueTable, a number that
    // another part carries. Every bulb ends at 0, and only bulb entries of their own change.
    for (int bad : {0, -3, 16384, 9000, 1}) {
        Board b = EmptyBoard();
        const int c = AddPart(b, Kind::Cell), l = AddPart(b, Kind::Light);
        Wires(b, {{T1(c), T1(l)}, {T2(l), T2(c)}});
        b.ValueTable[l] = 13;
        b.ValueTable[0] = 7;
        b.Array(Kind::Light)
            .insert(b.Array(Kind::Light).end() - 1, ComponentElement{0, 0, 90, 90, true, bad});
        std::vector<int16_t> before = b.ValueTable;
        SolveCircuit(b);
        before[l] = 0;
        EXPECT_EQ(b.ValueTable, before) << "tag " << bad;  // the cell's entry 1 is kept too
    }
}

TEST(SolverLimits, ThousandsOfBulbsAndASwitchPastValueTable) {
    // One cell and 16,381 bulbs in one loop: the largest loop within the 16-bit tables.
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell);
    int previous = T1(c);
    for (int i = 0; i < 16381; ++i) {
        const int l = AddPart(b, Kind::Light);
        b.ValueTable[l] = 9;
        Wires(b, {{previous, T1(l)}});
        previous = T2(l);
    }
    Wires(b, {{previous, T2(c)}});
    SolveCircuit(b);
    EXPECT_EQ(b.ValueOf(2), 0);  // 1.5 / 163,811 is far below a hundredth
    EXPECT_EQ(b.ValueOf(16382), 0);

    Board s = EmptyBoard();
    const int sc = AddPart(s, Kind::Cell), l = AddPart(s, Kind::Light);
    s.Array(Kind::Swit)
        .insert(s.Array(Kind::Swit).end() - 1, ComponentElement{0, 0, 90, 90, true, 3});
    s.ValueTable.push_back(0);  // entry 3 exists: a closed switch joins the loop
    Wires(s, {{T1(sc), T1(l)}, {T2(l), 5}, {6, T2(sc)}});
    SolveCircuit(s);
    EXPECT_EQ(s.ValueOf(l), 13);
    s.ValueTable.pop_back();  // now its number is past ValueTable
    SolveCircuit(s);
    EXPECT_EQ(s.ValueOf(l), 0);
}

TEST(SolverKnownAnswers, AChainOfDeadEndsFallsPartByPart) {
    // A bulb in a loop with a chain of three resistors hanging off one node: the chain falls
    // from its far end inwards, and the loop keeps its value.
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), l = AddPart(b, Kind::Light);
    const int r1 = AddPart(b, Kind::Resi), r2 = AddPart(b, Kind::Resi), r3 = AddPart(b, Kind::Resi);
    const int tail = AddPart(b, Kind::Light);
    Wires(b, {{T1(c), T1(l)}, {T2(l), T2(c)}, {T1(c), T1(r1)}, {T2(r1), T1(r2)}});
    Wires(b, {{T2(r2), T1(r3)}, {T2(r3), T1(tail)}});
    b.ValueTable[tail] = 30;
    SolveCircuit(b);
    EXPECT_EQ(b.ValueOf(l), 13);
    EXPECT_EQ(b.ValueOf(tail), 0);
}

// Boards where a float elimination without a pivot tolerance showed the wrong bulbs.
TEST(SolverExact, BoardsThatMisledTheSinglePrecisionSteps) {
    Board backToBack = EmptyBoard();
    AddPart(backToBack, Kind::Cell);
    const int dark = AddPart(backToBack, Kind::Light);
    AddPart(backToBack, Kind::Cell);
    Wires(backToBack, {{5, 3}, {1, 4}, {2, 6}});
    SolveCircuit(backToBack);
    EXPECT_EQ(backToBack.ValueOf(dark), 0);

    Board mixed = EmptyBoard();
    for (Kind k : {Kind::Cell, Kind::Light, Kind::Resi, Kind::Cell, Kind::Cell, Kind::Light}) {
        AddPart(mixed, k, 0, 0, k == Kind::Resi ? 5 : 0);
    }
    Wires(mixed, {{2, 4}, {3, 5}, {9, 3}, {7, 11}, {1, 6}, {8, 12}, {12, 10}});
    SolveCircuit(mixed);
    EXPECT_EQ(mixed.ValueOf(2), 9);
    EXPECT_EQ(mixed.ValueOf(6), 13);

    Board series = EmptyBoard();
    for (Kind k : {Kind::Light, Kind::Cell, Kind::Light, Kind::Cell, Kind::Light}) {
        AddPart(series, k);
    }
    const int16_t j = AddJunctionRow(series, 300, 300);
    Wires(series, {{10, 1}, {j, 2}, {j, 3}, {4, 6}, {5, 7}, {8, 9}, {9, j}});
    SolveCircuit(series);
    EXPECT_EQ(series.ValueOf(1), 0);
    EXPECT_EQ(series.ValueOf(3), 25);
    EXPECT_EQ(series.ValueOf(5), 0);
}

}  // namespace
}  // namespace cw
