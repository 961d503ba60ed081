// Editing with the keyboard alone on the real window: the focus order, the marker, and every
// edit run through the mouse's handlers, so the board's own rules hold.
#include <gtest/gtest.h>

#include "app/keyboard_editing.h"
#include "geometry/terminal_position.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

const ComponentElement& El(WindowDriver& d, Kind kind, int i) {
    return d.board().At(kind, i);
}

void Keys(WindowDriver& d, std::initializer_list<int> keys,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (int key : keys) d.Key(key, modifiers);
}

// Picks a new part up from its palette copy and puts it down where the arrows took it.
void PlaceByKeys(WindowDriver& d, Kind kind, std::initializer_list<int> arrows = {}) {
    d.window().Element(kind, d.board().UBound(kind))->setFocus();
    d.Key(Qt::Key_Space);
    Keys(d, arrows);
    d.Key(Qt::Key_Return);
}

TEST(Keyboard, TabVisitsTheStripTheToolsThePartsByNumberAndTheBoard) {
    WindowDriver d;
    Circuit& w = d.window();
    d.Place(Kind::Light, 300, 100);  // number 1
    d.Place(Kind::Cell, 100, 100);   // number 2
    const QImage before = w.grab(QRect(300, 100, 90, 90)).toImage();
    std::vector<QWidget*> visited{w.focusWidget()};
    for (int i = 0; i < 10; ++i) {
        d.Key(Qt::Key_Tab);
        visited.push_back(w.focusWidget());
    }
    const std::vector<QWidget*> order = {
        w.Element(Kind::Cell, 2),   w.Element(Kind::Swit, 1),  w.Element(Kind::Resi, 1),
        w.Element(Kind::Light, 2),  &w.ToolButton(kToolLine),  &w.ToolButton(kToolPencil),
        &w.ToolButton(kToolDelete), w.Element(Kind::Light, 1), w.Element(Kind::Cell, 1),
        &w.MainPicture(),           w.Element(Kind::Cell, 2)};
    EXPECT_EQ(visited, order);
    d.Key(Qt::Key_Backtab);
    EXPECT_EQ(w.focusWidget(), &w.MainPicture());
    d.Key(Qt::Key_Backtab);
    d.Key(Qt::Key_Backtab);
    ASSERT_EQ(w.focusWidget(), w.Element(Kind::Light, 1));

    // The marker rings the bulb from outside: its pixels are the ones it had unfocused.
    EXPECT_EQ(w.grab(QRect(300, 100, 90, 90)).toImage(), before);
    EXPECT_NE(w.grab(QRect(298, 98, 94, 94)).toImage().pixel(0, 45), before.pixel(0, 45));
}

TEST(Keyboard, NewPartsFollowThePaletteDragRules) {
    WindowDriver d;
    Circuit& w = d.window();
    d.Key(Qt::Key_Space);  // the focus starts on the cell's palette copy
    EXPECT_EQ(d.board().MouseMode, kMousePlacing);
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 8);  // the first free spot
    EXPECT_EQ(El(d, Kind::Cell, 1).Width, 90);
    d.Key(Qt::Key_Right, Qt::ShiftModifier);
    d.Key(Qt::Key_Return);
    EXPECT_EQ(El(d, Kind::Cell, 1).Tag, 1);
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 9);
    EXPECT_EQ(w.focusWidget(), w.Element(Kind::Cell, 1));

    // A placed part moves as a drag moves it, clamped to the board above the strip.
    Keys(d, {Qt::Key_Left, Qt::Key_Up});
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 0);
    EXPECT_EQ(El(d, Kind::Cell, 1).Top, 0);
    for (int i = 0; i < 50; ++i) d.Key(Qt::Key_Down);
    EXPECT_EQ(El(d, Kind::Cell, 1).Top, 550 - 41 - 90 - 3);

    // Escape takes a new part back to its slot, as a drop over the strip does: no number used.
    PlaceByKeys(d, Kind::Swit);
    w.Element(Kind::Resi, 1)->setFocus();
    Keys(d, {Qt::Key_Space, Qt::Key_Escape});
    EXPECT_EQ(d.board().UBound(Kind::Resi), 1);
    EXPECT_EQ(d.board().LastValue(), 2);
    EXPECT_EQ(d.board().MouseMode, kMouseIdle);
    EXPECT_EQ(w.focusWidget(), w.Element(Kind::Resi, 1));
}

TEST(Keyboard, ClicksWiresAndDeletionsMakeTheSameCircuit) {
    WindowDriver d;
    Circuit& w = d.window();
    PlaceByKeys(d, Kind::Cell);                                  // 1 at (8, 8)
    PlaceByKeys(d, Kind::Swit, {Qt::Key_Right, Qt::Key_Right});  // 2 at (124, 8)
    PlaceByKeys(d, Kind::Light, {Qt::Key_Down, Qt::Key_Down});   // 3 at (232, 28)
    d.Key(Qt::Key_L);
    w.MainPicture().setFocus();
    // N jumps through the terminals by number; Space starts and ends a wire there.
    Keys(d, {Qt::Key_N, Qt::Key_Space, Qt::Key_N, Qt::Key_N, Qt::Key_N, Qt::Key_N, Qt::Key_Space});
    EXPECT_EQ(d.board().LastWire(), 1);
    EXPECT_EQ(d.board().WireTable[1].end[0], 1);  // snapped to the cell's first terminal
    EXPECT_EQ(d.board().WireTable[1].end[1], 5);  // and to the bulb's first
    // Escape takes a band off without a wire.
    Keys(d, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Escape});
    EXPECT_EQ(d.board().LastWire(), 1);
    EXPECT_EQ(d.board().MouseMode, kMouseIdle);
    Keys(d, {Qt::Key_N, Qt::Key_N, Qt::Key_Space, Qt::Key_N, Qt::Key_Space});  // 2 to 3
    Keys(d, {Qt::Key_N, Qt::Key_Space, Qt::Key_N, Qt::Key_N, Qt::Key_Space});  // 4 to 6
    ASSERT_EQ(d.board().LastWire(), 3);
    EXPECT_EQ(d.board().ValueOf(3), 0);  // the switch is open

    w.Element(Kind::Swit, 1)->setFocus();
    d.Key(Qt::Key_Space);  // the line tool's click closes the switch
    EXPECT_EQ(d.board().ValueOf(2), 0);
    EXPECT_EQ(d.board().ValueOf(3), 13);

    // A wire goes with the delete tool at its middle; then a part with Delete.
    d.Key(Qt::Key_D);
    w.MainPicture().setFocus();
    Keys(d, {Qt::Key_W, Qt::Key_Space});
    EXPECT_EQ(d.board().LastWire(), 2);
    EXPECT_EQ(d.board().ValueOf(3), 0);
    w.Element(Kind::Light, 1)->setFocus();
    d.Key(Qt::Key_Delete);
    EXPECT_FALSE(El(d, Kind::Light, 1).Visible);
    EXPECT_EQ(w.focusWidget(), &w.MainPicture());  // what followed the bulb
    // The delete tool never moves a part: the arrows leave it where it is.
    w.Element(Kind::Cell, 1)->setFocus();
    d.Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(El(d, Kind::Cell, 1).Left, 8);
    EXPECT_TRUE(El(d, Kind::Cell, 1).Visible);
}

TEST(Keyboard, NoHeldPartOrBandOutlivesAToolKeyTabOrTheMouse) {
    WindowDriver d;
    Circuit& w = d.window();
    d.Key(Qt::Key_Space);
    d.Key(Qt::Key_L);  // put down where it is, as its release would
    EXPECT_EQ(d.board().MouseMode, kMouseIdle);
    EXPECT_EQ(El(d, Kind::Cell, 1).Tag, 1);

    w.MainPicture().setFocus();
    Keys(d, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Right});
    ASSERT_TRUE(w.Keyboard().GestureRunning());
    d.Key(Qt::Key_Tab);
    EXPECT_EQ(d.board().MouseMode, kMouseIdle);
    EXPECT_EQ(d.board().LastWire(), 0);

    // A mouse press ends a part the keyboard holds before the mouse's own gesture begins.
    w.Element(Kind::Swit, 1)->setFocus();
    d.Key(Qt::Key_Space);
    ASSERT_TRUE(w.Keyboard().GestureRunning());
    d.Click({50, 50});  // on the placed cell
    EXPECT_EQ(d.board().MouseMode, kMouseIdle);
    EXPECT_EQ(El(d, Kind::Swit, 1).Tag, 2);
    EXPECT_EQ(El(d, Kind::Cell, 1).Tag, 1);
}

}  // namespace
}  // namespace cw::test
