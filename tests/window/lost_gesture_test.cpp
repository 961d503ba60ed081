// Gestures the desktop takes away: a side button held across a tool change, a release that
// lands elsewhere, a window hidden or deactivated between press and release. Each time the next
// gesture must do what it would on a fresh window.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QTest>

#include "support/window_driver.h"
#include "toolkit/platform.h"

namespace cw::test {
namespace {

// The line tool's drag of the cell at (100, 100) by (80, 60) moves it and draws no wire.
void ExpectCellDragMoves(WindowDriver& d) {
    d.window().LinePic_Click();
    const int wires = d.board().LastWire();
    d.Drag({130, 117}, {210, 177});
    EXPECT_EQ(d.board().Array(Kind::Cell)[1].Left, 180);
    EXPECT_EQ(d.board().Array(Kind::Cell)[1].Top, 160);
    EXPECT_EQ(d.board().LastWire(), wires);
    EXPECT_EQ(d.board().MouseMode, 0);
    EXPECT_EQ(d.window().Windows().Capture(), 0);
}

TEST(LostGesture, SideButtonHeldAcrossAToolChange) {
    for (Qt::MouseButton side : {Qt::BackButton, Qt::ForwardButton, Qt::MiddleButton}) {
        SCOPED_TRACE(side);
        WindowDriver d;
        d.Place(Kind::Cell, 100, 100);
        d.window().LinePic_Click();
        d.Press({400, 300}, side);
        d.window().PencilPic_Click();
        d.MoveTo({420, 320});
        d.Release({420, 320}, side);
        EXPECT_EQ(d.window().Windows().Capture(), 0);
        ExpectCellDragMoves(d);
    }
}

TEST(LostGesture, ReleaseThatNeverArrives) {
    // For each button: press on the board with the line tool, the release lands elsewhere.
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(b);
        WindowDriver d;
        d.Place(Kind::Cell, 100, 100);
        d.window().LinePic_Click();
        d.Press({400, 300}, b);
        d.MoveTo({450, 320});
        d.DropRelease(b);
        d.MoveTo({460, 330});  // the next move shows the button up: the band is gone
        EXPECT_EQ(d.board().MouseMode, 0);
        ExpectCellDragMoves(d);
    }
    // No event at all in between: the next press itself shows the release was lost.
    WindowDriver d;
    d.Place(Kind::Cell, 100, 100);
    d.window().LinePic_Click();
    d.Press({400, 300});
    d.DropRelease(Qt::LeftButton);
    ExpectCellDragMoves(d);
}

TEST(LostGesture, HiddenOrDeactivatedMidGesture) {
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        WindowDriver d;
        d.Place(Kind::Cell, 100, 100);
        d.window().LinePic_Click();
        d.Press({400, 300});
        d.MoveTo({450, 320});
        ASSERT_NE(d.board().MouseMode, 0);
        if (way == 0) {
            d.window().hide();
            d.window().show();
        } else if (way == 1) {
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(&d.window(), &deactivate);
        } else {
            d.window().showMinimized();
            d.window().showNormal();
        }
        d.DropRelease(Qt::LeftButton);
        EXPECT_EQ(d.board().MouseMode, 0);  // ended at once, band erased
        EXPECT_EQ(d.window().Windows().Capture(), 0);
        EXPECT_FALSE(d.window().PointerBusy());
        ExpectCellDragMoves(d);
    }
}

TEST(LostGesture, BandReleaseLostThenAPaletteDrag) {
    WindowDriver d;
    d.Place(Kind::Cell, 100, 100);
    d.window().LinePic_Click();
    d.Press({400, 300});
    d.MoveTo({450, 250});
    d.DropRelease(Qt::LeftButton);
    // The press on the palette copy ends the band and takes the pointer for the new part.
    const int lights = d.board().UBound(Kind::Light);
    const int i = d.Place(Kind::Light, 300, 200);
    EXPECT_EQ(d.board().UBound(Kind::Light), lights + 1);
    EXPECT_EQ(d.board().Array(Kind::Light)[static_cast<size_t>(i)].Left, 300);
    EXPECT_EQ(d.board().LastWire(), 0);
    EXPECT_EQ(d.board().MouseMode, 0);
}

// A window destroyed while a button is held (standalone windows are, in tests) ends cleanly:
// nothing of the gesture runs on a window half taken down (the sanitizers' build checks).
TEST(LostGesture, AWindowDestroyedMidGestureEndsCleanly) {
    for (const int16_t tool : {kToolLine, kToolPencil, kToolDelete}) {
        auto d = std::make_unique<WindowDriver>();
        d->window().ChooseTool(tool);
        d->Place(Kind::Cell, 100, 100);
        d->Press(QPoint(145, 145));
        d->MoveTo(QPoint(200, 220));
        d.reset();
    }
    WindowDriver band;  // and one with the pointer held over the strip's palette drag
    band.Press(band.SlotCentre(0));
    band.MoveTo(QPoint(200, 200));
}

}  // namespace
}  // namespace cw::test
