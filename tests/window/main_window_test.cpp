// The main window around the circuit window: its menus and commands, and keys that act once
// per press.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QActionGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "app/circuit_window.h"
#include "app/commands.h"
#include "app/help_window.h"
#include "app/interface_font.h"
#include "app/main_window.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

// A key held down: its first press, then the repeats the system sends while it stays down.
// A key held down for `repeats` repeats, each to whatever has the focus then: presses marked as
// repeats, as the toolkit marks them when it pairs the X server's release and press, or that
// release and press at one moment with neither marked, as a busy program receives them.
void HoldKey(QWidget* window, int key, int repeats, bool unmarked) {
    unsigned long time = 1000;
    auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
        event.setTimestamp(time);
        QWidget* to = window->focusWidget();
        QApplication::sendEvent(to ? to : window, &event);
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; i < repeats; ++i) {
        time += 40;
        if (unmarked) send(QEvent::KeyRelease, false);
        send(QEvent::KeyPress, !unmarked);
    }
    time += 40;
    send(QEvent::KeyRelease, false);
}

TEST(MainWindow, MenusHoldTheCommandsAndEveryWayOfChoosingAToolAgrees) {
    MainWindow main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    Circuit& w = main.CircuitWindow();
    EXPECT_EQ(w.size(), QSize(kDesignClientWidth, kDesignClientHeight));
    QStringList titles;
    for (QAction* menu : main.menuBar()->actions()) titles << menu->text().remove('&');
    EXPECT_EQ(titles, (QStringList{"File", "Edit", "View", "Tools", "Task", "Help"}));

    CircuitCommands& c = w.Commands();
    const std::pair<int16_t, PictureControl*> tools[] = {{kToolLine, &w.ToolButton(kToolLine)},
                                                         {kToolPencil, &w.ToolButton(kToolPencil)},
                                                         {kToolDelete, &w.ToolButton(kToolDelete)}};
    // The status bar says what the chosen tool does, however it was chosen.
    auto* hint = main.findChild<QLabel*>(QStringLiteral("toolHint"));
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->text(),
              "Pencil: draw notes. To join parts with wires, choose the Line tool "
              "(L). F1: help");
    // The eraser is the pencil rubbing out: the pencil's button, its own menu entry and hint.
    auto agree = [&](int16_t chosen, const char* how, bool eraser = false) {
        EXPECT_EQ(w.Model().ToolMode, chosen) << how;
        EXPECT_EQ(w.Erasing(), eraser) << how;
        EXPECT_EQ(c.Eraser()->isChecked(), eraser) << how;
        EXPECT_TRUE(hint->text().startsWith(chosen == kToolLine     ? "Line tool:"
                                            : eraser                ? "Eraser:"
                                            : chosen == kToolPencil ? "Pencil:"
                                                                    : "Delete tool:"))
            << how;
        for (const auto& [tool, button] : tools) {
            EXPECT_EQ(c.Tool(tool)->isChecked(), tool == chosen && !eraser) << how;
            EXPECT_EQ(button->BackColor() == kToolHighlight, tool == chosen) << how;
        }
    };
    agree(kToolPencil, "at start");
    QMenu* toolsMenu = main.menuBar()->actions()[3]->menu();
    for (QAction* a : c.Tools()->actions()) {
        EXPECT_TRUE(toolsMenu->actions().contains(a)) << a->text().toStdString();
        a->trigger();
        agree(a == c.Tool(kToolLine)     ? kToolLine
              : a == c.Tool(kToolDelete) ? kToolDelete
                                         : kToolPencil,
              "menu", a == c.Eraser());
    }
    QTest::keyClick(w.focusWidget(), Qt::Key_E);
    agree(kToolPencil, "key E", true);
    QTest::keyClick(w.focusWidget(), Qt::Key_L);
    agree(kToolLine, "key L");
    QTest::keyClick(w.focusWidget(), Qt::Key_D);
    agree(kToolDelete, "key D");
    QTest::mouseClick(&w.ToolButton(kToolPencil), Qt::LeftButton, {}, QPoint(10, 10));
    agree(kToolPencil, "button");

    c.KeyboardHelp()->trigger();  // the help, at its keys; Escape closes it
    auto* help = w.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    c.Help()->trigger();  // and the platform's close key
    ASSERT_TRUE(help->isVisible());
    QTest::keySequence(help->focusWidget() ? help->focusWidget() : help, QKeySequence::Close);
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(HelpWindow::Text(c.KeyTable()).contains(ShortcutText(c.DeletePart())));
}

// A face the font system lacks is answered with a stand-in (under Wine, a serif math face): the
// interface takes a sans face it really has instead, at the size asked; a face it has stays.
TEST(MainWindow, TheInterfaceFontIsAFaceTheSystemGivesNotItsStandIn) {
    QFont missing(QStringLiteral("No Such Interface Face"), 11);
    const QFont chosen = InterfaceFont(missing);
    ASSERT_NE(chosen.family(), missing.family());
    EXPECT_EQ(QFontInfo(chosen).family(), chosen.family());
    EXPECT_EQ(chosen.pointSize(), 11);
    const QFont kept(QFontDatabase::families().value(0), 9);
    EXPECT_EQ(InterfaceFont(kept), kept);
}

TEST(MainWindow, AHeldKeyActsOncePerPressButAnArrowRepeats) {
    for (const bool unmarked : {false, true}) {
        SCOPED_TRACE(unmarked ? "repeats as release and press pairs" : "repeats marked");
        WindowDriver d;
        Circuit& w = d.window();
        w.LinePic_Click();
        d.Place(Kind::Cell, 100, 100);
        const int s = d.Place(Kind::Swit, 300, 100);
        d.Place(Kind::Light, 100, 300);
        const int k = w.Model().At(Kind::Swit, s).Tag;
        w.Element(Kind::Swit, s)->setFocus();
        HoldKey(&w, Qt::Key_Space, 3, unmarked);  // the switch toggles once: closed
        EXPECT_EQ(w.Model().ValueOf(k), 0);
        HoldKey(&w, Qt::Key_Right, 3, unmarked);  // four steps of 10
        EXPECT_EQ(w.Model().At(Kind::Swit, s).Left, 340);
        w.Element(Kind::Cell, 1)->setFocus();
        HoldKey(&w, Qt::Key_Delete, 3, unmarked);  // one part goes, not three
        int left = 0;
        for (Kind kind : kKinds)
            for (int i = 1; i <= w.Model().PlacedCount(kind); ++i)
                left += w.Model().At(kind, i).Visible;
        EXPECT_EQ(left, 2);
        w.Element(Kind::Resi, w.Model().UBound(Kind::Resi))->setFocus();
        HoldKey(&w, Qt::Key_Space, 3, unmarked);  // a new part picked up, and still held
        EXPECT_EQ(w.Model().MouseMode, kMousePlacing);
    }
}

}  // namespace
}  // namespace cw::test
