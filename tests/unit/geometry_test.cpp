#include <gtest/gtest.h>

#include <random>

#include "geometry/hit_test.h"
#include "geometry/terminal_position.h"
#include "geometry/wire_tables.h"
#include "support/board_builder.h"

namespace cw {
namespace {
using namespace cw::test;

TEST(TerminalPosition, EdgesAtHalfHeightForCellSwitchResistor) {
    for (Kind kind : {Kind::Cell, Kind::Swit, Kind::Resi}) {
        Board b = EmptyBoard();
        const int k = AddPart(b, kind, 100, 200);
        EXPECT_EQ(TerminalPosition(b, T1(k)), (Point16{100, 245}));
        EXPECT_EQ(TerminalPosition(b, T2(k)), (Point16{190, 245}));
    }
}

TEST(TerminalPosition, BulbTerminalsNearTheBottomRoundHalfToEven) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Light, 100, 200);
    EXPECT_EQ(TerminalPosition(b, T1(k)), (Point16{100, 274}));
    EXPECT_EQ(TerminalPosition(b, T2(k)), (Point16{190, 274}));
    b.Array(Kind::Light)[1].Top = 201;
    EXPECT_EQ(TerminalPosition(b, T1(k)).y, 276);
}

TEST(TerminalPosition, HiddenOrUnplacedGiveMinusOne) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Cell, 100, 200);
    EXPECT_EQ(TerminalPosition(b, T1(k + 1)), (Point16{-1, -1}));
    b.Array(Kind::Cell)[1].Visible = false;
    EXPECT_EQ(TerminalPosition(b, T1(k)), (Point16{-1, -1}));
    // The palette copy carries no number and is never searched.
    EXPECT_EQ(TerminalPosition(b, 1), (Point16{-1, -1}));
}

TEST(TerminalPosition, NodePositionReadsJunctionsAndSurvivesMissingRows) {
    Board b = EmptyBoard();
    const int16_t j = AddJunctionRow(b, 30, 40);
    EXPECT_EQ(NodePosition(b, j), (Point16{30, 40}));
    EXPECT_EQ(NodePosition(b, -5), (Point16{-1, -1}));
    EXPECT_EQ(NodePosition(b, 0), (Point16{-1, -1}));
}

TEST(TerminalIndex, AgreesWithTheScanOnRandomBoards) {
    std::mt19937 rng(31);
    for (int round = 0; round < 300; ++round) {
        Board b = EmptyBoard();
        const int parts = static_cast<int>(rng() % 12);
        for (int i = 0; i < parts; ++i) {
            AddPart(b, kKinds[rng() % 4], static_cast<float>(rng() % 500) + 0.5f * (rng() % 2),
                    static_cast<float>(rng() % 400));
        }
        for (ComponentArray& a : b.arrays) {
            for (size_t i = 1; i + 1 < a.size(); ++i) {
                if (rng() % 5 == 0) a[i].Visible = false;
                if (rng() % 9 == 0) a[i].Tag = static_cast<int32_t>(rng() % 4);  // duplicates
                if (rng() % 20 == 0) a[i].Tag = 100000;  // beyond any NodeId
            }
        }
        AddJunctionRow(b, 7, 9);
        const TerminalIndex index(b);
        for (int n = -3; n <= 2 * parts + 3; ++n) {
            ASSERT_EQ(index.NodePosition(n), NodePosition(b, n))
                << "round " << round << " node " << n;
        }
    }
}

TEST(FindNodeAt, ReachAroundAComponent) {
    Board b = EmptyBoard();
    EXPECT_EQ(FindNodeAt(b, 120, 245), 0);
    AddPart(b, Kind::Cell, 0, 0);
    AddPart(b, Kind::Swit, 0, 0);
    b.Array(Kind::Cell)[1].Visible = false;
    b.Array(Kind::Swit)[1].Visible = false;
    const int k = AddPart(b, Kind::Resi, 100, 200);
    ASSERT_EQ(k, 3);
    EXPECT_EQ(FindNodeAt(b, 94, 245), 5);
    EXPECT_EQ(FindNodeAt(b, 93, 245), 0);
    EXPECT_EQ(FindNodeAt(b, 144, 245), 5);
    EXPECT_EQ(FindNodeAt(b, 145, 245), 6);
    EXPECT_EQ(FindNodeAt(b, 195, 245), 6);
    EXPECT_EQ(FindNodeAt(b, 196, 245), 0);
    EXPECT_EQ(FindNodeAt(b, 120, 200), 0);
    EXPECT_EQ(FindNodeAt(b, 120, 290), 0);
}

TEST(FindNodeAt, JunctionReachAndTies) {
    Board b = EmptyBoard();
    AddJunctionRow(b, 300, 300);
    EXPECT_EQ(FindNodeAt(b, 305, 305), -1);
    EXPECT_EQ(FindNodeAt(b, 306, 300), 0);
    AddJunctionRow(b, 302, 300);
    EXPECT_EQ(FindNodeAt(b, 301, 300), -1);
}

TEST(FindNodeAt, TwoComponentsInReach) {
    Board b = EmptyBoard();
    const int a = AddPart(b, Kind::Cell, 100, 100);
    const int c = AddPart(b, Kind::Light, 100, 150);  // later in search order, overlapping rows
    EXPECT_EQ(FindNodeAt(b, 97, 160), T1(c));
    EXPECT_EQ(FindNodeAt(b, 193, 160), T2(a));
}

TEST(FindNodeAt, ComponentsWinOverJunctions) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Cell, 100, 100);
    AddJunctionRow(b, 98, 145);
    EXPECT_EQ(FindNodeAt(b, 98, 145), T1(k));
}

TEST(SegmentDistance, HorizontalVerticalDiagonal) {
    EXPECT_EQ(SegmentDistance(0, 0, 100, 0, 50, 4), 4);
    EXPECT_EQ(SegmentDistance(0, 0, 100, 0, 50, -4), 4);
    EXPECT_EQ(SegmentDistance(0, 0, 100, 0, 50, 5), 999);
    EXPECT_EQ(SegmentDistance(0, 0, 100, 0, 104, 0), 0);
    EXPECT_EQ(SegmentDistance(0, 0, 100, 0, 105, 0), 999);
    EXPECT_EQ(SegmentDistance(0, 0, 0, 100, 3, 50), 3);
    EXPECT_EQ(SegmentDistance(0, 0, 0, 100, -3, 50), 3);
    EXPECT_EQ(SegmentDistance(0, 0, 100, 100, 60, 40), 14);
    EXPECT_EQ(SegmentDistance(0, 0, 100, 100, 40, 60), 14);
}

TEST(SegmentDistance, ExactWholeDistancesOnSlopedWiresAreNotReadLow) {
    EXPECT_EQ(SegmentDistance(100, 300, 130, 260, 110, 300), 8);  // a delete click keeps it
    EXPECT_EQ(SegmentDistance(0, 0, 3, 4, 4, -3), 5);
    // Along the normal of a 3-4-5 wire every fifth step of (4, -3) is a whole distance.
    for (int t = -24; t <= 24; ++t) {
        EXPECT_EQ(SegmentDistance(0, 0, 300, 400, 150 + 4 * t, 200 - 3 * t), 5 * std::abs(t));
        // One pixel right: 4/5 of a pixel further from the wire or nearer to it.
        EXPECT_EQ(SegmentDistance(0, 0, 300, 400, 151 + 4 * t, 200 - 3 * t),
                  t >= 0 ? 5 * t : -5 * t - 1);
    }
}

TEST(WireTables, CountAndRename) {
    Board b = EmptyBoard();
    EXPECT_EQ(CountWireEnds(b, -1), 0);
    AddWireRow(b, -1, -1);
    EXPECT_EQ(CountWireEnds(b, -1), 2);
    Board r = EmptyBoard();
    AddWireRow(r, 5, 6);
    AddWireRow(r, 7, 5);
    RenameNode(r, 5, -3);
    EXPECT_EQ(r.WireTable[1].end[0], -3);
    EXPECT_EQ(r.WireTable[1].end[1], 6);
    EXPECT_EQ(r.WireTable[2].end[0], 7);
    EXPECT_EQ(r.WireTable[2].end[1], -3);
}

TEST(WireTables, RemoveJunctionRenumbersLaterOnes) {
    Board b = EmptyBoard();
    AddJunctionRow(b, 10, 10);
    AddJunctionRow(b, 20, 20);
    AddJunctionRow(b, 30, 30);
    AddWireRow(b, -3, 4);
    AddWireRow(b, -2, -1);
    RemoveJunction(b, 2);
    ASSERT_EQ(b.LastJunction(), 2);
    EXPECT_EQ(b.JunctionTable[2].x, 30);
    EXPECT_EQ(b.WireTable[1].end[0], -2);
    EXPECT_EQ(b.WireTable[1].end[1], 4);
    EXPECT_EQ(b.WireTable[2].end[0], -2);
    EXPECT_EQ(b.WireTable[2].end[1], -1);
    RemoveJunction(b, 2);  // the last one: only the table shrinks
    EXPECT_EQ(b.LastJunction(), 1);
    EXPECT_EQ(b.WireTable[2].end[1], -1);
}

TEST(WireTables, RemovingBothJunctionEndsOfAWire) {
    Board b = EmptyBoard();
    AddJunctionRow(b, 10, 10);
    AddJunctionRow(b, 20, 20);
    AddWireRow(b, -1, -2);
    RemoveWireRow(b, 1);
    RemoveJunction(b, 2);
    RemoveJunction(b, 1);
    EXPECT_EQ(b.LastJunction(), 0);
    EXPECT_EQ(b.LastWire(), 0);
}

TEST(WireTables, LimitsOfTheRowCounters) {
    Board b = EmptyBoard();
    b.JunctionTable.resize(kMaxTableRows);
    EXPECT_TRUE(CanAddJunctions(b, 1));
    EXPECT_FALSE(CanAddJunctions(b, 2));
    b.WireTable.resize(kMaxTableRows + 1);
    EXPECT_FALSE(CanAddWire(b));
}

// Random renames and junction removals, as deletions perform them, keep every wire end naming
// a terminal or an existing junction, and row 0 reserved.
TEST(WireTables, RandomUpkeepKeepsTheTablesConsistent) {
    std::mt19937 rng(20261207);
    for (int round = 0; round < 200; ++round) {
        Board b = EmptyBoard();
        for (int k = 0; k < 4; ++k) AddPart(b, Kind::Cell, 100.0f * k, 0);
        const int terminals = 2 * b.LastValue();
        auto randomNode = [&] {
            std::uniform_int_distribution<int> pick(-b.LastJunction(), terminals);
            int n = 0;
            while (n == 0) n = pick(rng);
            return n;
        };
        for (int j = 0; j < 6; ++j) AddJunctionRow(b, static_cast<int16_t>(j), 0);
        for (int w = 0; w < 10; ++w) AddWireRow(b, randomNode(), randomNode());
        for (int step = 0; step < 12 && b.LastJunction() > 0; ++step) {
            if (rng() % 2) {
                // A terminal's wires move onto a fresh junction, as a deletion does.
                const int16_t n = static_cast<int16_t>(1 + rng() % terminals);
                RenameNode(b, n, AddJunction(b, 5, 5));
            } else {
                // A junction goes once no wire uses it, the way wire deletion removes them.
                const int k = 1 + static_cast<int>(rng() % b.LastJunction());
                for (int l = b.LastWire(); l >= 1; --l) {
                    const WireRow& row = b.WireTable[l];
                    if (row.end[0] == -k || row.end[1] == -k) RemoveWireRow(b, l);
                }
                RemoveJunction(b, k);
            }
            ASSERT_EQ(b.WireTable[0].end[0], 0);
            ASSERT_EQ(b.JunctionTable[0].x, 0);
            for (int l = 1; l <= b.LastWire(); ++l) {
                for (int16_t e : b.WireTable[l].end) {
                    ASSERT_NE(e, 0);
                    ASSERT_LE(e < 0 ? -e : 0, b.LastJunction()) << "round " << round;
                    ASSERT_LE(e, terminals);
                }
            }
        }
    }
}

}  // namespace
}  // namespace cw
