// The overlay's relay: every mouse message over the board reaches the board or the component
// beneath, in that window's own coordinates; repaint requests repaint what lies under them.
#include <gtest/gtest.h>

#include "overlay/overlay_relay.h"
#include "support/window_driver.h"
#include "toolkit/platform.h"

namespace cw::test {
namespace {

struct Seen {
    int button = -1, shift = -1;
    float x = 0, y = 0;
    int count = 0;
};

std::function<void(int, int, float, float)> Recorder(Seen& seen) {
    return [&seen](int b, int s, float x, float y) { seen = {b, s, x, y, seen.count + 1}; };
}

// The overlay's client coordinates of a window point.
int32_t OverlayLParam(Circuit& w, QPoint window) {
    const QPoint p = window - w.Glasso1().pos();
    return MakeLParam(p.x(), p.y());
}

TEST(Relay, PencilKeepsEverythingAtTheOverlay) {
    WindowDriver d;
    d.Place(Kind::Cell, 100, 100);
    Seen board, cell;
    d.window().MainPicture().MouseDown = Recorder(board);
    d.window().Element(Kind::Cell, 1)->MouseDown = Recorder(cell);
    d.window().OverlayEvents().Glasso1_MouseMessage(kWmLButtonDown, kMkLButton,
                                                    OverlayLParam(d.window(), {150, 150}));
    d.window().OverlayEvents().Glasso1_MouseMessage(kWmLButtonDown, kMkLButton,
                                                    OverlayLParam(d.window(), {300, 300}));
    d.Drag({145, 145}, {300, 300});  // real input: a stroke, the cell stays
    EXPECT_EQ(board.count, 0);
    EXPECT_EQ(cell.count, 0);
    EXPECT_EQ(d.board().Array(Kind::Cell)[1].Left, 100);
    EXPECT_EQ(d.window().Glasso1().Strokes().size(), 1u);
}

TEST(Relay, PressOverAComponentArrivesInItsCoordinates) {
    WindowDriver d;
    d.Place(Kind::Cell, 100, 100);
    d.window().LinePic_Click();
    Seen cell, board;
    d.window().Element(Kind::Cell, 1)->MouseDown = Recorder(cell);
    d.window().MainPicture().MouseDown = Recorder(board);
    d.window().OverlayEvents().Glasso1_MouseMessage(kWmLButtonDown, kMkLButton | kMkShift,
                                                    OverlayLParam(d.window(), {130, 117}));
    EXPECT_EQ(cell.count, 1);
    EXPECT_EQ(cell.button, 1);
    EXPECT_EQ(cell.shift, 1);  // the wParam's shift flag came along
    EXPECT_EQ(cell.x, 30);
    EXPECT_EQ(cell.y, 17);
    EXPECT_EQ(board.count, 0);
    // The pressed control holds the pointer until the release.
    EXPECT_EQ(d.window().Windows().Capture(), d.window().Element(Kind::Cell, 1)->Handle());
    d.window().OverlayEvents().Glasso1_MouseMessage(kWmLButtonUp, 0,
                                                    OverlayLParam(d.window(), {130, 117}));
    EXPECT_EQ(d.window().Windows().Capture(), 0);
}

TEST(Relay, PressOverEmptyBoardArrivesAtTheBoard) {
    WindowDriver d;
    d.window().DelPic_Click();
    Seen board;
    d.window().MainPicture().MouseDown = Recorder(board);
    d.window().OverlayEvents().Glasso1_MouseMessage(kWmRButtonDown, kMkRButton,
                                                    OverlayLParam(d.window(), {400, 300}));
    EXPECT_EQ(board.count, 1);
    EXPECT_EQ(board.button, 2);
    EXPECT_EQ(board.x, 400);
    EXPECT_EQ(board.y, 300);
}

TEST(Relay, NegativePositionsKeepTheirSign) {
    WindowDriver d;
    d.window().LinePic_Click();
    Seen board;
    d.window().MainPicture().MouseMove = Recorder(board);
    d.window().OverlayEvents().Glasso1_MouseMessage(kWmMouseMove, 0, MakeLParam(-1, -2));
    EXPECT_EQ(board.count, 1);
    EXPECT_EQ(board.x, 1);
    EXPECT_EQ(board.y, 0);
    EXPECT_EQ(LParamX(MakeLParam(-1, -2)), -1);
    EXPECT_EQ(LParamY(MakeLParam(-1, -2)), -2);
}

TEST(Relay, DraggedComponentKeepsThePointerOutsideItself) {
    WindowDriver d;
    d.Place(Kind::Cell, 100, 100);
    d.window().LinePic_Click();
    d.Press({145, 145});
    d.MoveTo({-300, 145});  // far left of the window: the cell stops at 0 but gets the moves
    EXPECT_EQ(d.board().Array(Kind::Cell)[1].Left, 0);
    d.MoveTo({245, 145});
    d.Release({245, 145});
    EXPECT_EQ(d.board().Array(Kind::Cell)[1].Left, 200);
    EXPECT_EQ(d.board().MouseMode, 0);
}

TEST(RepaintRequest, OverNoComponentRepaintsTheBoardOnly) {
    WindowDriver d;
    d.Place(Kind::Light, 300, 100);
    // A wire the board has not painted yet: only the requested area shows it.
    d.board().JunctionTable.push_back({50, 300});
    d.board().JunctionTable.push_back({250, 300});
    d.board().WireTable.push_back(WireRow{{-1, -2}});
    const QImage bulbBefore = d.window().Element(Kind::Light, 1)->Image().copy();
    const QPoint o = d.window().Glasso1().pos();
    d.window().OverlayEvents().Glasso1_RepaintRequest(100 - o.x(), 290 - o.y(), 150 - o.x(),
                                                      310 - o.y());
    const QImage& board = d.window().MainPicture().Image();
    EXPECT_EQ(board.pixel(120, 300), qRgb(0, 0, 255));
    EXPECT_EQ(board.pixel(200, 300), qRgb(0, 128, 0));
    EXPECT_EQ(d.window().Element(Kind::Light, 1)->Image(), bulbBefore);
}

TEST(RepaintRequest, HalfAComponentRepaintsThatHalfInItsCoordinates) {
    for (bool hidden : {false, true}) {
        WindowDriver d;
        d.Place(Kind::Light, 300, 100);
        if (hidden) d.board().Array(Kind::Light)[1].Visible = false;
        d.board().ValueTable[1] = 40;  // full yellow once repainted
        const QPoint o = d.window().Glasso1().pos();
        d.window().OverlayEvents().Glasso1_RepaintRequest(300 - o.x(), 90 - o.y(), 345 - o.x(),
                                                          200 - o.y());
        const QImage& bulb = d.window().Element(Kind::Light, 1)->Image();
        EXPECT_EQ(bulb.pixel(20, 25), qRgb(255, 255, 0)) << "hidden " << hidden;
        EXPECT_EQ(bulb.pixel(70, 25), qRgb(128, 128, 128)) << "hidden " << hidden;
    }
}

TEST(RepaintRequest, ErasingAStrokeRestoresWhatLayUnderIt) {
    WindowDriver d;
    d.Place(Kind::Light, 300, 100);
    d.Drag({280, 130}, {420, 130});  // pencil over the bulb
    ASSERT_LT(qGray(d.PixelAt({350, 130})), 64);
    d.Drag({350, 110}, {350, 150}, Qt::RightButton);
    EXPECT_TRUE(d.window().Glasso1().Strokes().empty());
    EXPECT_EQ(d.PixelAt({305, 125}), qRgb(128, 128, 128));
    EXPECT_EQ(d.PixelAt({200, 130}), qRgb(0, 128, 0));
}

}  // namespace
}  // namespace cw::test
