// At a device pixel ratio of 2 the board, the symbols and the strokes are drawn at the screen's
// resolution, while every coordinate the handlers and the model see stays in logical pixels.
// Run with QT_SCALE_FACTOR=2 (CTest does); at other ratios these tests are skipped.
#include <gtest/gtest.h>

#include "app/circuit_window.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

struct HiDpi : ::testing::Test {
    void SetUp() override {
        if (d.window().devicePixelRatioF() != 2.0) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    }
    WindowDriver d;
};

TEST_F(HiDpi, ImagesHaveTwiceThePixelsAndTheModelStaysLogical) {
    const QImage& board = d.window().MainPicture().Image();
    EXPECT_EQ(board.devicePixelRatio(), 2.0);
    EXPECT_EQ(board.width(), 2 * 582);
    EXPECT_EQ(board.height(), 2 * 509);
    d.Place(Kind::Cell, 100, 100);
    d.Place(Kind::Light, 300, 100);
    const ComponentElement& bulb = d.board().Array(Kind::Light)[1];
    EXPECT_EQ(bulb.Left, 300);
    EXPECT_EQ(bulb.Width, 90);
    EXPECT_EQ(d.window().Element(Kind::Light, 1)->Image().width(), 180);
    d.window().LinePic_Click();
    d.Drag({297, 174}, {97, 145});
    d.Drag({393, 174}, {193, 145});
    EXPECT_EQ(d.board().WireTable[1].end[0], FirstTerminal(2));
    EXPECT_EQ(d.board().WireTable[1].end[1], FirstTerminal(1));
    EXPECT_EQ(d.board().ValueOf(2), 13);
    EXPECT_EQ(d.window().Element(Kind::Light, 1)->Image().pixel(30, 50), qRgb(210, 210, 128));
}

TEST_F(HiDpi, WiresAreSharpAtDeviceResolution) {
    d.window().LinePic_Click();
    d.Drag({100, 300}, {400, 300});
    const QImage& board = d.window().MainPicture().Image();
    // A 3-pixel wire is 6 device pixels tall, with nothing blurred at its edges.
    int blue = 0;
    for (int y = 580; y < 620; ++y) {
        const QRgb p = board.pixel(500, y);
        if (p == qRgb(0, 0, 255)) {
            ++blue;
        } else {
            EXPECT_EQ(p, qRgb(0, 128, 0)) << "row " << y;
        }
    }
    EXPECT_EQ(blue, 6);
}

TEST_F(HiDpi, PencilStrokesAreDrawnAtDeviceResolution) {
    d.Drag({100, 200}, {300, 200});
    const QImage shot = d.window().grab().toImage();
    EXPECT_EQ(shot.devicePixelRatio(), 2.0);
    int dark = 0;
    for (int y = 390; y < 410; ++y) dark += shot.pixel(400, y) != qRgb(0, 128, 0);
    EXPECT_GE(dark, 3);
    EXPECT_LE(dark, 6);
}

// The current's view copies the board beneath it at the screen's resolution: away from its dots
// the window is pixel for pixel what it is with the view off.
TEST_F(HiDpi, TheCurrentsViewKeepsTheBoardSharp) {
    d.Place(Kind::Cell, 100, 100);
    d.Place(Kind::Light, 300, 300);
    d.window().LinePic_Click();
    d.Drag({297, 374}, {97, 145});
    d.Drag({393, 374}, {193, 145});
    const QImage off = d.window().grab().toImage();
    d.window().ShowCurrent(true);
    const QImage on = d.window().grab().toImage();
    ASSERT_EQ(on.size(), off.size());
    int changed = 0;
    for (int y = 0; y < on.height(); ++y) {
        for (int x = 0; x < on.width(); ++x) changed += on.pixel(x, y) != off.pixel(x, y);
    }
    // Dots only: a few dozen 7-pixel discs, drawn at twice the pixels.
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, on.width() * on.height() / 50);
}

}  // namespace
}  // namespace cw::test
