// Editing gestures through real mouse events on the offscreen window: every press over the
// board goes through the overlay's relay, as in the program.
#include <gtest/gtest.h>

#include <QTest>

#include "edit/board_gestures.h"
#include "edit/component_gestures.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

const ComponentElement& El(WindowDriver& d, Kind kind, int i) {
    return d.board().Array(kind)[i];
}

TEST(PaletteDrag, DropOnTheBoardPlacesANumberedComponent) {
    WindowDriver d;
    const int i = d.Place(Kind::Swit, 200, 150);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(d.board().UBound(Kind::Swit), 2);  // a fresh palette copy took the slot
    EXPECT_EQ(El(d, Kind::Swit, 1).Tag, 1);
    EXPECT_EQ(El(d, Kind::Swit, 1).Left, 200);
    EXPECT_EQ(El(d, Kind::Swit, 1).Width, 90);
    EXPECT_EQ(d.board().ValueTable, (std::vector<int16_t>{0, 1}));  // a new switch is open
    EXPECT_EQ(El(d, Kind::Swit, 2).Left, 41);
    EXPECT_EQ(El(d, Kind::Swit, 2).Top, 511);
    EXPECT_EQ(d.board().MouseMode, 0);
}

TEST(PaletteDrag, PressAndReleaseWithoutMovingCancels) {
    WindowDriver d;
    d.Click(d.SlotCentre(2));
    EXPECT_EQ(d.board().UBound(Kind::Resi), 1);
    EXPECT_EQ(d.board().LastValue(), 0);
    EXPECT_EQ(El(d, Kind::Resi, 1).Left, 82);
    EXPECT_EQ(El(d, Kind::Resi, 1).Width, 39);
    EXPECT_EQ(d.board().MouseMode, 0);
    // The next drop still gets number 1.
    d.Place(Kind::Resi, 100, 100);
    EXPECT_EQ(El(d, Kind::Resi, 1).Tag, 1);
    EXPECT_EQ(d.board().ValueOf(1), 10);
}

TEST(PaletteDrag, NumbersRunAcrossKindsAndSurviveDeletions) {
    WindowDriver d;
    d.Place(Kind::Cell, 50, 50);
    d.Place(Kind::Light, 200, 50);
    d.window().DelPic_Click();
    d.Click({95, 95});  // delete the cell
    EXPECT_FALSE(El(d, Kind::Cell, 1).Visible);
    d.Place(Kind::Resi, 300, 200);  // placing works whatever the tool
    EXPECT_EQ(El(d, Kind::Light, 1).Tag, 2);
    EXPECT_EQ(El(d, Kind::Resi, 1).Tag, 3);
    EXPECT_EQ(d.board().LastValue(), 3);
}

TEST(PaletteDrag, SizeSwitchesAtThePaletteZoneEdge) {
    WindowDriver d;
    const QPoint from = d.SlotCentre(3);
    const QPoint offset = from - QPoint(123, 511);
    d.Press(from);
    d.MoveTo(QPoint(300, 419) + offset);  // Top 419 = 550 - 41 - 90: board size
    EXPECT_EQ(El(d, Kind::Light, 1).Top, 419);
    EXPECT_EQ(El(d, Kind::Light, 1).Width, 90);
    d.MoveTo(QPoint(300, 420) + offset);
    EXPECT_EQ(El(d, Kind::Light, 1).Width, 39);
    d.MoveTo(QPoint(300, 200) + offset);
    EXPECT_EQ(El(d, Kind::Light, 1).Width, 90);
    d.MoveTo(QPoint(300, 450) + offset);
    d.Release(QPoint(300, 450) + offset);  // dropped at palette size: cancelled
    EXPECT_EQ(d.board().UBound(Kind::Light), 1);
    EXPECT_EQ(El(d, Kind::Light, 1).Left, 123);
    EXPECT_EQ(d.board().LastValue(), 0);
}

TEST(Dragging, NewComponentsMayGoOverTheStrip) {
    WindowDriver d;
    const QPoint from = d.SlotCentre(0);
    d.Press(from);
    d.MoveTo(from + QPoint(5000, 5000));
    EXPECT_EQ(El(d, Kind::Cell, 1).Width, 39);
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 582 - 39 - 3);
    EXPECT_EQ(El(d, Kind::Cell, 1).Top, 550 - 39 - 3);
    d.MoveTo(from + QPoint(-5000, -5000));
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 0);
    EXPECT_EQ(El(d, Kind::Cell, 1).Top, 0);
    d.Release(from + QPoint(-5000, -5000));
    EXPECT_EQ(El(d, Kind::Cell, 1).Tag, 1);
}

TEST(DeleteTool, WiredTerminalsBecomeJunctions) {
    WindowDriver d;
    d.Place(Kind::Cell, 100, 100);
    d.Place(Kind::Light, 300, 100);
    d.window().LinePic_Click();
    d.Drag({297, 174}, {97, 145});
    d.Drag({393, 174}, {193, 145});
    d.Drag({97, 145}, {97, 300});  // a second wire on the cell's first terminal
    ASSERT_EQ(d.board().LastWire(), 3);
    ASSERT_EQ(d.board().LastJunction(), 1);
    d.window().DelPic_Click();
    d.Click({145, 120});
    EXPECT_FALSE(El(d, Kind::Cell, 1).Visible);
    ASSERT_EQ(d.board().LastJunction(), 3);
    EXPECT_EQ(d.board().JunctionTable[2].x, 100);
    EXPECT_EQ(d.board().JunctionTable[2].y, 145);
    EXPECT_EQ(d.board().WireTable[1].end[1], -2);
    EXPECT_EQ(d.board().WireTable[3].end[0], -2);
    EXPECT_EQ(d.board().WireTable[2].end[1], -3);
    EXPECT_EQ(d.board().LastWire(), 3);
    EXPECT_EQ(d.board().ValueOf(2), 0);  // the bulb went dark with its cell
}

TEST(LineToolClicks, SwitchInSeriesTurnsTheBulbGreyAndBack) {
    WindowDriver d;
    d.Place(Kind::Cell, 50, 100);
    d.Place(Kind::Swit, 250, 100);
    d.Place(Kind::Light, 450, 100);
    d.window().LinePic_Click();
    d.Drag({47, 145}, {447, 174});   // cell + to bulb first
    d.Drag({143, 145}, {247, 145});  // cell - to switch
    d.Drag({343, 145}, {543, 174});  // switch to bulb second
    const QPoint glass(465, 125);
    EXPECT_EQ(d.PixelAt(glass), qRgb(128, 128, 128));  // a new switch is open
    d.Click({295, 120});
    EXPECT_EQ(d.board().ValueOf(3), 13);
    EXPECT_EQ(d.PixelAt(glass), qRgb(210, 210, 128));
    d.Click({295, 120});
    EXPECT_EQ(d.PixelAt(glass), qRgb(128, 128, 128));
}

TEST(Wires, BandStartsAtTheTerminalAndReleasesMakeJunctions) {
    WindowDriver d;
    d.Place(Kind::Cell, 100, 100);
    d.window().LinePic_Click();
    d.Press({96, 143});
    EXPECT_EQ(d.board().AnchorX, 100);
    EXPECT_EQ(d.board().AnchorY, 145);
    EXPECT_EQ(d.board().MouseMode, 10);
    d.MoveTo({300, 300});
    d.Release({300, 300});
    ASSERT_EQ(d.board().LastWire(), 1);
    ASSERT_EQ(d.board().LastJunction(), 1);
    EXPECT_EQ(d.board().WireTable[1].end[0], 1);
    EXPECT_EQ(d.board().WireTable[1].end[1], -1);
    EXPECT_EQ(d.board().JunctionTable[1].x, 300);
    EXPECT_EQ(d.board().JunctionTable[1].y, 300);
    EXPECT_EQ(d.board().MouseMode, 0);
    EXPECT_EQ(d.window().Windows().Capture(), 0);
}

TEST(Wires, ShortReleasesMakeNothingAndLeaveNoBand) {
    WindowDriver d;
    d.window().LinePic_Click();
    const QImage before = d.window().MainPicture().Image().copy();
    d.Drag({300, 300}, {306, 306});
    EXPECT_EQ(d.board().LastWire(), 0);
    EXPECT_EQ(d.window().MainPicture().Image(), before);
    d.Drag({300, 300}, {307, 300});  // 7 in one direction is enough
    EXPECT_EQ(d.board().LastWire(), 1);
}

TEST(Wires, BandWhileDraggingIsXorAndGoesAway) {
    WindowDriver d;
    d.window().LinePic_Click();
    const QImage before = d.window().MainPicture().Image().copy();
    d.Press({100, 100});
    d.MoveTo({200, 150});
    EXPECT_NE(d.window().MainPicture().Image(), before);
    d.MoveTo({103, 102});
    d.Release({103, 102});
    EXPECT_EQ(d.window().MainPicture().Image(), before);
}

TEST(Wires, ReleasesBeyondTheBoardClampToItsEdges) {
    WindowDriver d;
    d.window().LinePic_Click();
    d.Drag({100, 100}, {900, 800});
    d.Drag({100, 100}, {-50, -60});
    ASSERT_EQ(d.board().LastJunction(), 3);
    EXPECT_EQ(d.board().JunctionTable[2].x, 582);
    EXPECT_EQ(d.board().JunctionTable[2].y, 509);
    EXPECT_EQ(d.board().JunctionTable[3].x, 0);
    EXPECT_EQ(d.board().JunctionTable[3].y, 0);
    EXPECT_EQ(d.board().WireTable[2].end[0], -1);  // the second press found junction 1
}

TEST(Wires, WireDrawnBetweenTwoComponents) {
    WindowDriver d;
    d.Place(Kind::Resi, 100, 100);
    d.Place(Kind::Resi, 300, 100);
    d.window().LinePic_Click();
    d.Drag({193, 145}, {297, 145});
    ASSERT_EQ(d.board().LastWire(), 1);
    EXPECT_EQ(d.board().WireTable[1].end[0], 2);
    EXPECT_EQ(d.board().WireTable[1].end[1], 3);
    EXPECT_EQ(d.board().LastJunction(), 0);
    // Moving a component carries its wire ends along.
    d.window().PencilPic_Click();
    d.window().LinePic_Click();
    EXPECT_EQ(d.PixelAt({245, 145}), qRgb(0, 0, 255));
}

// A dragged part repaints the board only where its wires run, before and after each step: the
// board then shows just what a whole repaint shows, wires of other parts crossing there included.
TEST(Dragging, TheBoardRepaintedWhereTheWiresRanIsTheWholeBoard) {
    WindowDriver d;
    // Close together, so the wires' area is a small part of the board.
    d.Place(Kind::Resi, 100, 100);   // 1
    d.Place(Kind::Resi, 200, 100);   // 2
    d.Place(Kind::Light, 150, 220);  // 3
    d.window().LinePic_Click();
    d.Drag(d.BesideTerminal(2), d.BesideTerminal(3));
    d.Drag(d.BesideTerminal(1), d.BesideTerminal(5));
    d.Drag(d.BesideTerminal(4), d.BesideTerminal(6));  // crosses under the first part's wires
    d.Press({145, 130});
    for (QPoint p : {QPoint(150, 140), QPoint(165, 150), QPoint(140, 125), QPoint(150, 150)}) {
        d.MoveTo(p);
        const QImage shown = d.window().MainPicture().Image().copy();
        d.window().Edit().RefreshBoard();
        EXPECT_EQ(d.window().MainPicture().Image(), shown);
    }
    d.Release({150, 150});
}

TEST(Wires, TheBoardRepaintedAlongANewWireIsTheWholeBoard) {
    // A new wire crossing others, one ending on another's lone end (whose dot turns black), one
    // from a terminal, and a drag too short for a wire: after each, the board shown is the board
    // painted whole.
    WindowDriver d;
    d.Place(Kind::Cell, 300, 300);
    d.window().LinePic_Click();
    const std::pair<QPoint, QPoint> drags[] = {{{50, 50}, {450, 420}},
                                               {{60, 400}, {400, 60}},
                                               {{400, 60}, {520, 200}},
                                               {d.BesideTerminal(1), {90, 220}},
                                               {{200, 200}, {203, 202}}};
    for (const auto& [from, to] : drags) {
        d.Drag(from, to);
        const QImage shown = d.window().MainPicture().Image().copy();
        d.window().Edit().RefreshBoard();
        EXPECT_EQ(d.window().MainPicture().Image(), shown) << from.x() << "," << from.y();
    }
    EXPECT_EQ(d.board().LastWire(), 4);
}

TEST(Wires, ABandDrawnAcrossAResizeLeavesNoTrace) {
    // The board is painted whole when the window is resized mid-band: the band must come back
    // with it, or the next move's XOR erase would draw a stray band instead.
    WindowDriver d;
    d.window().LinePic_Click();
    d.Press({100, 100});
    d.MoveTo({300, 150});
    d.Resize(700, 600);
    d.MoveTo({320, 260});
    for (bool released : {false, true}) {
        if (released) d.Release({320, 260});
        const QImage shown = d.window().MainPicture().Image().copy();
        d.window().Edit().RefreshBoard();
        EXPECT_EQ(d.window().MainPicture().Image(), shown) << "released " << released;
    }
    EXPECT_EQ(d.board().LastWire(), 1);
}

// Choosing the pencil while a band is being drawn must not leave the board ignoring every
// later press: the release ends the gesture, makes no wire and clears the band.
TEST(Wires, PencilChosenMidBandEndsTheGesture) {
    WindowDriver d;
    d.window().LinePic_Click();
    const QImage before = d.window().MainPicture().Image().copy();
    d.Press({100, 100});
    d.MoveTo({200, 200});
    d.window().PencilPic_Click();
    d.MoveTo({250, 200});
    d.Release({250, 200});
    EXPECT_EQ(d.board().MouseMode, 0);
    EXPECT_EQ(d.board().LastWire(), 0);
    EXPECT_EQ(d.window().Windows().Capture(), 0);
    EXPECT_EQ(d.window().MainPicture().Image(), before);
    d.window().LinePic_Click();
    d.Drag({100, 100}, {200, 100});
    EXPECT_EQ(d.board().LastWire(), 1);
}

TEST(Wires, DeleteToolChosenMidBandLeavesNoBand) {
    WindowDriver d;
    d.window().LinePic_Click();
    const QImage before = d.window().MainPicture().Image().copy();
    d.Press({100, 100});
    d.MoveTo({200, 200});
    d.window().DelPic_Click();
    d.Release({200, 200});
    EXPECT_EQ(d.board().MouseMode, 0);
    EXPECT_EQ(d.board().LastWire(), 0);
    EXPECT_EQ(d.window().MainPicture().Image(), before);
}

TEST(Chords, OtherButtonsNeverSplitALeftGesture) {
    WindowDriver d;
    d.Place(Kind::Cell, 100, 100);
    d.window().LinePic_Click();
    // Middle held on the cell: the left drag still moves it and ends with its release.
    d.Press({145, 145}, Qt::MiddleButton);
    d.Drag({145, 145}, {245, 195});
    EXPECT_EQ(d.board().MouseMode, 0);
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 200);
    EXPECT_EQ(El(d, Kind::Cell, 1).Top, 150);
    d.Release({245, 195}, Qt::MiddleButton);
    EXPECT_EQ(d.window().Windows().Capture(), 0);
    // Middle held on the strip: the strip keeps the gesture, the cell stays.
    d.Press({400, 530}, Qt::MiddleButton);
    d.Drag({245, 195}, {345, 195});
    d.Release({400, 530}, Qt::MiddleButton);
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 200);
    EXPECT_EQ(d.board().MouseMode, 0);
    d.Drag({245, 195}, {345, 195});  // and the board answers again
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 300);
}

TEST(Chords, ADoubleClickPressesOncePerClick) {
    WindowDriver d;
    d.window().LinePic_Click();
    int downs = 0;
    d.window().MainPicture().MouseDown = [&](int, int, float, float) { ++downs; };
    QTest::mouseDClick(d.window().windowHandle(), Qt::LeftButton, Qt::NoModifier, {300, 300});
    EXPECT_EQ(downs, 2);  // Qt's extra double-click event is not a third press
}

TEST(Chords, AToolChangeFinishesAPartDragAsItsReleaseWould) {
    WindowDriver d;
    d.Place(Kind::Cell, 100, 100);
    d.window().LinePic_Click();
    d.Press({145, 145});
    d.MoveTo({245, 195});
    d.window().PencilPic_Click();
    EXPECT_EQ(d.board().MouseMode, 0);
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 200);
    d.Release({300, 300});
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 200);
    EXPECT_EQ(d.window().Windows().Capture(), 0);
    d.Drag({100, 300}, {200, 300});  // the pencil has the next gesture
    EXPECT_EQ(d.window().Glasso1().Strokes().size(), 1u);

    // A palette drag over the board is placed as its release would place it.
    d.Press(d.SlotCentre(3));
    d.MoveTo({300, 200});
    d.window().DelPic_Click();
    EXPECT_EQ(d.board().MouseMode, 0);
    EXPECT_EQ(El(d, Kind::Light, 1).Tag, 2);
    d.Release({300, 200});
    EXPECT_EQ(d.board().LastValue(), 2);
}

TEST(DeleteToolOnWires, NearestWithinSevenWithItsLoneJunctions) {
    WindowDriver d;
    d.window().LinePic_Click();
    d.Drag({100, 100}, {300, 100});  // junctions 1, 2
    d.Drag({100, 200}, {300, 200});  // junctions 3, 4
    d.Drag({300, 200}, {300, 400});  // shares junction 4, new 5
    d.window().DelPic_Click();
    d.Click({200, 105});  // beyond the wire's widened box: nothing
    EXPECT_EQ(d.board().LastWire(), 3);
    d.Click({200, 104});
    ASSERT_EQ(d.board().LastWire(), 2);
    ASSERT_EQ(d.board().LastJunction(), 3);
    EXPECT_EQ(d.board().WireTable[1].end[0], -1);  // junctions renumbered down by two
    EXPECT_EQ(d.board().WireTable[1].end[1], -2);
    EXPECT_EQ(d.board().WireTable[2].end[0], -2);
    EXPECT_EQ(d.board().WireTable[2].end[1], -3);
    d.Click({200, 200});  // the wire sharing junction 2 keeps it
    EXPECT_EQ(d.board().LastWire(), 1);
    EXPECT_EQ(d.board().LastJunction(), 2);
    EXPECT_EQ(d.board().JunctionTable[1].y, 200);
    d.Drag({300, 300}, {300, 306});  // a drag deletes nothing
    EXPECT_EQ(d.board().LastWire(), 1);
    d.Drag({300, 300}, {305, 300});  // 5 still counts as a click
    EXPECT_EQ(d.board().LastWire(), 0);
    EXPECT_EQ(d.board().LastJunction(), 0);
}

TEST(DeleteToolOnWires, ExactlyEightPixelsOffASlopedWireKeepsIt) {
    WindowDriver d;
    d.window().LinePic_Click();
    d.Drag({100, 300}, {130, 260});
    d.window().DelPic_Click();
    d.Click({110, 300});  // 8 from the wire's line, exactly
    EXPECT_EQ(d.board().LastWire(), 1);
    d.Click({109, 299});  // 7.2
    EXPECT_EQ(d.board().LastWire(), 0);
}

TEST(DeleteToolOnWires, TiesGoToTheLowerRow) {
    WindowDriver d;
    d.window().LinePic_Click();
    d.Drag({100, 100}, {300, 100});
    d.Drag({100, 106}, {300, 106});
    d.window().DelPic_Click();
    d.Click({200, 103});
    ASSERT_EQ(d.board().LastWire(), 1);
    EXPECT_EQ(d.board().JunctionTable[1].y, 106);
}

// The 16-bit limits, reached by filling the tables directly.
TEST(Limits, DropBeyondTheLastNumberIsCancelled) {
    WindowDriver d;
    d.board().ValueTable.resize(kMaxComponentNumber + 1, 0);
    d.Place(Kind::Cell, 100, 100);
    EXPECT_EQ(d.board().UBound(Kind::Cell), 1);
    EXPECT_EQ(d.board().LastValue(), kMaxComponentNumber);
    EXPECT_EQ(El(d, Kind::Cell, 1).Top, 511);
    d.board().ValueTable.resize(kMaxComponentNumber, 0);
    d.Place(Kind::Cell, 100, 100);
    EXPECT_EQ(El(d, Kind::Cell, 1).Tag, kMaxComponentNumber);
    EXPECT_EQ(d.board().MouseMode, 0);
}

TEST(Limits, WireWithoutRoomIsNotMade) {
    WindowDriver d;
    d.window().LinePic_Click();
    d.board().JunctionTable.resize(kMaxTableRows);
    d.Drag({100, 100}, {300, 100});  // needs two junctions, there is room for one
    EXPECT_EQ(d.board().LastWire(), 0);
    EXPECT_EQ(d.board().LastJunction(), kMaxTableRows - 1);
    EXPECT_EQ(d.board().MouseMode, 0);
    d.board().JunctionTable.resize(1);
    d.board().WireTable.resize(kMaxTableRows + 1);
    EXPECT_FALSE(AddWire(d.board(), 10, 10, 50, 50));
    EXPECT_EQ(d.board().LastJunction(), 0);
}

TEST(Limits, DeletionWithoutJunctionRoomIsRefused) {
    WindowDriver d;
    d.Place(Kind::Cell, 100, 100);
    d.window().LinePic_Click();
    d.Drag({97, 145}, {97, 300});
    d.board().JunctionTable.resize(kMaxTableRows + 1);
    d.window().DelPic_Click();
    d.Click({145, 120});
    EXPECT_TRUE(El(d, Kind::Cell, 1).Visible);
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 100);
    EXPECT_EQ(d.board().WireTable[1].end[0], 1);
    EXPECT_EQ(d.board().MouseMode, 0);
}

}  // namespace
}  // namespace cw::test
