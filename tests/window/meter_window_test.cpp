// Meters on the board as a learner puts them there: dragged from the bar of extra parts with the
// mouse, picked up there by the keyboard, wired in; every part of the loop reads one current
// whichever way the bulb is wired, and the meters' faces and texts agree with it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolButton>

#include "app/file_session.h"
#include "app/main_window.h"
#include "app/part_bar.h"
#include "app/part_texts.h"
#include "model/part_kinds.h"
#include "model/part_values.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

QToolButton* BarButton(WindowDriver& d, Kind kind) {
    const auto buttons = d.main()->findChild<PartBar*>()->findChildren<QToolButton*>();
    for (QToolButton* b : buttons) {
        if (b->accessibleName() == PartTexts::KindName(kind)) return b;
    }
    return nullptr;
}

// A press on the bar's button, moves to a window point and a release there, with the left
// button held throughout as the desktop reports it.
void DragFromBar(WindowDriver& d, Kind kind, QPoint to) {
    QToolButton* button = BarButton(d, kind);
    ASSERT_NE(button, nullptr);
    auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButtons held) {
        QMouseEvent e(type, button->mapFromGlobal(global), global, Qt::LeftButton, held,
                      Qt::NoModifier);
        QApplication::sendEvent(button, &e);
    };
    const QPoint start = button->mapToGlobal(button->rect().center());
    const QPoint end = d.window().mapToGlobal(to);
    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    send(QEvent::MouseMove, (start + end) / 2, Qt::LeftButton);
    send(QEvent::MouseMove, end, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, end, Qt::NoButton);
}

TEST(MeterWindow, PlacedFromTheBarAndReadingOneCurrentAllRound) {
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed);
        WindowDriver d(true);
        Circuit& w = d.window();
        const Board& b = d.board();
        d.Place(Kind::Cell, 60, 60);    // number 1
        d.Place(Kind::Light, 60, 300);  // 2
        DragFromBar(d, Kind::Ammeter, {345, 105});
        ASSERT_EQ(b.PlacedCount(Kind::Ammeter), 1);
        EXPECT_EQ(b.At(Kind::Ammeter, 1).Tag, 3);
        EXPECT_TRUE(b.At(Kind::Ammeter, 1).Visible);
        EXPECT_FALSE(b.At(Kind::Ammeter, 2).Visible);  // the next waits, hidden, for the bar
        // Let go over the bar itself: nothing is placed.
        DragFromBar(d, Kind::Ammeter, {345, -5});
        EXPECT_EQ(b.PlacedCount(Kind::Ammeter), 1);
        // The keyboard: the button's click picks one up, Space puts it down.
        BarButton(d, Kind::Voltmeter)->click();
        d.Key(Qt::Key_Space);
        ASSERT_EQ(b.PlacedCount(Kind::Voltmeter), 1);
        EXPECT_EQ(b.At(Kind::Voltmeter, 1).Tag, 4);
        EXPECT_EQ(d.main()->Files().History().count(), 4);  // one step a part

        w.LinePic_Click();
        const int bulbIn = reversed ? 4 : 3, bulbOut = reversed ? 3 : 4;
        // Cell + to ammeter +, ammeter - to the bulb, the bulb back to cell -; the voltmeter's
        // + where the current enters the bulb.
        for (auto [from, to] :
             {std::pair{1, 5}, {6, bulbIn}, {bulbOut, 2}, {7, bulbIn}, {8, bulbOut}})
            d.Drag(d.BesideTerminal(from), d.BesideTerminal(to));
        auto said = [&](Kind kind) { return w.ControlDescription(w.Element(kind, 1)); };
        EXPECT_EQ(said(Kind::Cell), "1.5 volts, 0.136 A, 1.36 V across its terminals");
        EXPECT_EQ(said(Kind::Light), "lit, 0.136 A, 1.36 V");
        EXPECT_EQ(said(Kind::Ammeter), "0.136 A");
        EXPECT_EQ(said(Kind::Voltmeter), "1.36 V");
        EXPECT_EQ(b.ValueOf(3), 136);
        EXPECT_EQ(b.ValueOf(4), 136);
    }
}

// A wire that shorts a cell through a fuse blows it within the same edit: one undo step takes
// the wire away and puts the fuse back whole; the status bar said which fuse blew and why.
TEST(MeterWindow, AFuseBlowsWithinTheEditThatOverloadsIt) {
    WindowDriver d(true);
    const Board& b = d.board();
    d.Place(Kind::Cell, 60, 60);  // number 1
    DragFromBar(d, Kind::Fuse, {345, 105});
    ASSERT_EQ(b.At(Kind::Fuse, 1).Tag, 2);
    EXPECT_EQ(b.ValueOf(2), kNewFuseMilliamps);
    d.window().LinePic_Click();
    d.Drag(d.BesideTerminal(1), d.BesideTerminal(3));
    const int steps = d.main()->Files().History().count();
    d.Drag(d.BesideTerminal(4), d.BesideTerminal(2));  // 1.5 A through 0.5 A
    EXPECT_EQ(b.ValueOf(2), -kNewFuseMilliamps);
    EXPECT_EQ(d.main()->Files().History().count(), steps + 1);
    EXPECT_EQ(d.main()->statusBar()->currentMessage(), "Fuse 2 blew: 1.500 A through a 0.5 A fuse");
    EXPECT_EQ(d.window().ControlDescription(d.window().Element(Kind::Fuse, 1)), "0.5 A, blown");
    d.main()->Files().Undo()->trigger();
    EXPECT_EQ(b.ValueOf(2), kNewFuseMilliamps);
    EXPECT_EQ(b.LastWire(), 1);
}

// A drag from the bar whose release never arrives ends with the next event that shows the button
// up, as a lost gesture on the board does: nothing is left following the pointer.
TEST(MeterWindow, ADragFromTheBarWhoseReleaseIsLostEnds) {
    WindowDriver d(true);
    Circuit& w = d.window();
    QToolButton* button = BarButton(d, Kind::Ammeter);
    d.Press(w.mapFromGlobal(button->mapToGlobal(button->rect().center())));
    EXPECT_EQ(d.board().MouseMode, kMousePlacing);
    d.DropRelease(Qt::LeftButton);
    d.MoveTo({300, 300});
    EXPECT_EQ(d.board().MouseMode, kMouseIdle);
    EXPECT_EQ(d.board().PlacedCount(Kind::Ammeter), 0);
    EXPECT_FALSE(d.board().At(Kind::Ammeter, d.board().UBound(Kind::Ammeter)).Visible);
    // And when the desktop takes the window away mid-drag.
    d.Press(w.mapFromGlobal(button->mapToGlobal(button->rect().center())));
    EXPECT_EQ(d.board().MouseMode, kMousePlacing);
    QEvent away(QEvent::WindowDeactivate);
    QApplication::sendEvent(&d.top(), &away);
    d.DropRelease(Qt::LeftButton);
    EXPECT_EQ(d.board().MouseMode, kMouseIdle);
}

// Tab reaches the bar as it reaches the strip: after the strip's last copy, before the tools.
TEST(MeterWindow, TabVisitsTheBarAfterTheStrip) {
    WindowDriver d(true);
    Circuit& w = d.window();
    w.Element(kStripKinds.back(), w.Model().UBound(kStripKinds.back()))->setFocus();
    for (Kind kind : kBarKinds) {
        d.Key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), BarButton(d, kind));
    }
    d.Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &w.ToolButton(kToolLine));
    d.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), BarButton(d, kBarKinds.back()));
}

}  // namespace
}  // namespace cw::test
