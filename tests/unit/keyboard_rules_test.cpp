// The keyboard's rules without a window: where a new part lands, where N and W stop the
// board's cursor, and when a held gesture has ended.
#include "edit/keyboard_rules.h"

#include <gtest/gtest.h>

#include "support/board_builder.h"
#include "support/recording_host.h"

namespace cw {
namespace {
using namespace cw::test;

TEST(KeyboardRules, ANewPartLandsOnTheFirstFreeSpotOfTheGrid) {
    Board b = EmptyBoard();
    RecordingHost host(b);
    EXPECT_EQ(FreeSpot(b, host), (BoardPoint{8, 8}));
    AddPart(b, Kind::Cell, 8, 8);  // the next spot clear of it and its gap: 8 + 90 + 8, on the grid
    EXPECT_EQ(FreeSpot(b, host), (BoardPoint{104, 8}));
    const int hidden = AddPart(b, Kind::Light, 104, 8);
    b.At(Kind::Light, 1).Visible = false;  // a deleted part takes no room
    EXPECT_EQ(FreeSpot(b, host), (BoardPoint{104, 8}));
    EXPECT_GT(hidden, 0);
    // A full board: every spot taken, the top-left one it is.
    for (int top = 0; top < 550; top += 90)
        for (int left = 0; left < 582; left += 90) AddPart(b, Kind::Resi, left, top);
    EXPECT_EQ(FreeSpot(b, host), (BoardPoint{8, 8}));
}

TEST(KeyboardRules, NStopsAtTerminalsByNumberThenJunctionsAndWAtWireMiddles) {
    Board b = EmptyBoard();
    const int bulb = AddPart(b, Kind::Light, 300, 100), cell = AddPart(b, Kind::Cell, 100, 100);
    const int16_t j = AddJunctionRow(b, 50, 60);
    AddWireRow(b, T1(cell), j);
    const std::vector<BoardPoint> nodes = NodeStops(b);
    ASSERT_EQ(nodes.size(), 5u);
    EXPECT_EQ(nodes[0].x, 300);  // bulb 1's first terminal, on its left edge
    EXPECT_EQ(nodes[2].x, 100);  // then cell 2's
    EXPECT_EQ(nodes[4], (BoardPoint{50, 60}));
    EXPECT_EQ(NextStop(nodes, nodes[4], true), nodes[0]);  // round the end
    EXPECT_EQ(NextStop(nodes, nodes[0], false), nodes[4]);
    EXPECT_EQ(NextStop(nodes, {-5, -5}, false), nodes[4]);  // from nowhere: the last
    const std::vector<BoardPoint> wires = WireStops(b);
    ASSERT_EQ(wires.size(), 1u);
    EXPECT_EQ(wires[0], (BoardPoint{(nodes[2].x + 50) / 2, (nodes[2].y + 60) / 2}));
    EXPECT_GT(bulb, 0);
}

TEST(KeyboardRules, AHeldGestureEndsWhenTheBoardLeavesIt) {
    Board b = EmptyBoard();
    b.MouseMode = kMousePlacing;
    EXPECT_TRUE(HoldRunning(KeyboardHold::NewPart, b));
    EXPECT_FALSE(HoldRunning(KeyboardHold::Band, b));
    b.MouseMode = kMouseBoardGesture;
    EXPECT_TRUE(HoldRunning(KeyboardHold::Band, b));
    b.MouseMode = kMouseIdle;  // a tool change or a mouse press ended it
    EXPECT_FALSE(HoldRunning(KeyboardHold::Band, b));
    EXPECT_FALSE(HoldRunning(KeyboardHold::Nothing, b));
}

}  // namespace
}  // namespace cw
