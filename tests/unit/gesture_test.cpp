// The gesture handlers' own rules, run on a board in memory through a recording host: clamps,
// thresholds, rounding, numbering and click actions. Routing and pixels are window tests.
#include <gtest/gtest.h>

#include "edit/board_gestures.h"
#include "edit/component_gestures.h"
#include "support/board_builder.h"
#include "support/recording_host.h"

namespace cw::test {
namespace {

struct Gestures : ::testing::Test {
    Board b = EmptyBoard();
    RecordingHost host{b};
    // Presses element i at (x, y) of its own, moves by (dx, dy) and releases there.
    void Drag(Kind kind, int i, float x, float y, float dx, float dy) {
        ComponentMouseDown(b, host, kind, i, kLeftButton, 0, x, y);
        ComponentMouseMove(b, host, kind, i, kLeftButton, 0, x + dx, y + dy);
        ComponentMouseUp(b, host, kind, i, kLeftButton, 0, x + dx, y + dy);
    }
};

TEST_F(Gestures, PlacedComponentsStopAtEveryEdge) {
    const int k = AddPart(b, Kind::Cell, 200, 200);
    b.ToolMode = kToolLine;
    Drag(Kind::Cell, 1, 45, 45, -700, -700);
    EXPECT_EQ(b.At(Kind::Cell, 1).Left, 0);
    EXPECT_EQ(b.At(Kind::Cell, 1).Top, 0);
    Drag(Kind::Cell, 1, 45, 45, 2000, 2000);
    EXPECT_EQ(b.At(Kind::Cell, 1).Left, 582 - 90 - 3);
    EXPECT_EQ(b.At(Kind::Cell, 1).Top, 550 - 41 - 90 - 3);
    EXPECT_EQ(b.MouseMode, kMouseIdle);
    EXPECT_EQ(b.At(Kind::Cell, 1).Tag, k);
}

TEST_F(Gestures, CandidatePositionsRoundHalfToEven) {
    AddPart(b, Kind::Cell, 100, 100);
    ComponentMouseDown(b, host, Kind::Cell, 1, kLeftButton, 0, 0, 0);
    ComponentMouseMove(b, host, Kind::Cell, 1, kLeftButton, 0, -89.5f, 0);
    EXPECT_EQ(b.At(Kind::Cell, 1).Left, 10);
    ComponentMouseMove(b, host, Kind::Cell, 1, 0, 0, 1.5f, 0);  // button already up
    EXPECT_EQ(b.At(Kind::Cell, 1).Left, 12);
    ComponentMouseUp(b, host, Kind::Cell, 1, kLeftButton, 0, 0, 0);
}

TEST_F(Gestures, OtherButtonsAndBusyGesturesDoNothing) {
    const int copy = b.UBound(Kind::Cell);
    ComponentMouseDown(b, host, Kind::Cell, copy, 2, 0, 5, 5);
    EXPECT_EQ(b.UBound(Kind::Cell), copy);
    EXPECT_EQ(b.MouseMode, kMouseIdle);
    b.MouseMode = kMouseBoardGesture;
    ComponentMouseDown(b, host, Kind::Cell, copy, kLeftButton, 0, 5, 5);
    EXPECT_EQ(b.UBound(Kind::Cell), copy);
}

TEST_F(Gestures, DeleteToolSmallWobbleDeletesLargerDragPutsBack) {
    AddPart(b, Kind::Cell, 100, 100);
    AddPart(b, Kind::Light, 300, 100);
    b.ToolMode = kToolDelete;
    Drag(Kind::Cell, 1, 45, 45, 5, 0);  // moved 5: put back
    EXPECT_TRUE(b.At(Kind::Cell, 1).Visible);
    EXPECT_EQ(b.At(Kind::Cell, 1).Left, 100);
    Drag(Kind::Light, 1, 45, 45, 4, -4);  // moved 4: deleted
    EXPECT_FALSE(b.At(Kind::Light, 1).Visible);
}

TEST_F(Gestures, LineToolClicksToggleAndStepWithinFivePixels) {
    const int s = AddPart(b, Kind::Swit, 100, 100), r = AddPart(b, Kind::Resi, 300, 100);
    const int c = AddPart(b, Kind::Cell, 100, 300);
    b.ToolMode = kToolLine;
    std::vector<int16_t> sw, re;
    for (int i = 0; i < 3; ++i) {
        Drag(Kind::Swit, 1, 45, 30, 5, -5);  // 5 each way is still a click
        sw.push_back(b.ValueOf(s));
        Drag(Kind::Resi, 1, 45, 30, 0, 0);
        re.push_back(b.ValueOf(r));
    }
    EXPECT_EQ(sw, (std::vector<int16_t>{0, 1, 0}));
    EXPECT_EQ(re, (std::vector<int16_t>{20, 5, 10}));
    Drag(Kind::Cell, 1, 45, 30, 0, 0);
    EXPECT_EQ(b.ValueOf(c), 0);
    Drag(Kind::Swit, 1, 45, 30, 6, 0);  // dragged 6: moved, not toggled
    EXPECT_EQ(b.ValueOf(s), 0);
    EXPECT_EQ(b.At(Kind::Swit, 1).Left, 100 + 3 * 5 + 6);  // every drag moved it
}

TEST_F(Gestures, BandsShorterThanSevenMakeNoWire) {
    b.ToolMode = kToolLine;
    for (auto [dx, dy, wires] : std::vector<std::array<int, 3>>{{6, 6, 0}, {7, 0, 1}, {0, -7, 2}}) {
        MainPicture_MouseDown(b, host, kLeftButton, 0, 200, 200);
        MainPicture_MouseUp(b, host, kLeftButton, 0, 200.0f + dx, 200.0f + dy);
        EXPECT_EQ(b.LastWire(), wires) << dx << "," << dy;
        EXPECT_EQ(b.MouseMode, kMouseIdle);
    }
    EXPECT_EQ(host.captureReleases, 3);
}

}  // namespace
}  // namespace cw::test
