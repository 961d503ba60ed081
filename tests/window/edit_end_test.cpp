// Every way of editing is one edit that ends where it is made: one undo step, the changed mark
// and a recovery copy of the board within a second, whether the edit came from the mouse, a key,
// a menu command, a screen reader's "Press" (which sends no release at all), undo or redo.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>
#include <functional>

#include "app/commands.h"
#include "app/file_session.h"
#include "files/board_file.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

// A main window with a cell, a switch, a resistor and a bulb placed with the line tool, and the
// steps that placed them taken.
struct FourParts {
    WindowDriver d{true};
    FileSession& files = d.main()->Files();
    int cell = d.Place(Kind::Cell, 100, 100);
    int swit = d.Place(Kind::Swit, 300, 100);
    int resi = d.Place(Kind::Resi, 100, 300);
    int bulb = d.Place(Kind::Light, 300, 300);
    const QString recovery =
        FileSession::RecoveryFolder() +
        QStringLiteral("/recovery-%1.cwb").arg(QCoreApplication::applicationPid());

    FourParts() {
        d.window().LinePic_Click();
        files.Look();
    }
    QWidget* Part(Kind kind, int i) { return d.window().Element(kind, i); }
    void Press(QWidget* control) {
        QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    }
    // The edit was one step (undo: one back), the title marks the change, and within a second
    // the recovery copy holds the board as it is now.
    void ExpectOneEdit(const std::function<void()>& edit, int steps = 1) {
        SCOPED_TRACE(steps);
        const int before = files.History().index();
        QFile::remove(recovery);
        edit();
        EXPECT_EQ(files.History().index(), before + steps);
        EXPECT_TRUE(d.main()->isWindowModified());
        // Due a second after the last copy at the latest; the rest is room for a busy machine.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recovery), 2000);
        QFile kept(recovery);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), WriteBoardFile(d.window().Document()));
    }
};

TEST(EditEnds, MouseKeyAndMenuCommand) {
    FourParts mouse;
    mouse.ExpectOneEdit([&] { mouse.d.Drag(QPoint(345, 345), QPoint(445, 345)); });
    FourParts key;
    key.Part(Kind::Swit, key.swit)->setFocus();
    key.ExpectOneEdit([&] { key.d.Key(Qt::Key_Space); });
    FourParts menu;
    menu.Part(Kind::Light, menu.bulb)->setFocus();
    menu.ExpectOneEdit([&] { menu.d.window().Commands().DeletePart()->trigger(); });
    EXPECT_FALSE(menu.d.board().At(Kind::Light, menu.bulb).Visible);
}

TEST(EditEnds, AScreenReadersPressWithEachTool) {
    // A switch closes, a resistor steps; a click with any tool brings its part to the top.
    FourParts line;
    line.ExpectOneEdit([&] { line.Press(line.Part(Kind::Swit, line.swit)); });
    EXPECT_EQ(line.d.board().ValueOf(line.d.board().At(Kind::Swit, line.swit).Tag), 0);
    line.ExpectOneEdit([&] { line.Press(line.Part(Kind::Resi, line.resi)); });
    line.ExpectOneEdit([&] { line.Press(line.Part(Kind::Cell, line.cell)); });
    FourParts pencil;
    pencil.d.window().PencilPic_Click();
    pencil.ExpectOneEdit([&] { pencil.Press(pencil.Part(Kind::Swit, pencil.swit)); });
    FourParts del;
    del.d.window().DelPic_Click();
    del.ExpectOneEdit([&] { del.Press(del.Part(Kind::Light, del.bulb)); });
    EXPECT_FALSE(del.d.board().At(Kind::Light, del.bulb).Visible);
}

TEST(EditEnds, UndoAndRedo) {
    FourParts s;
    s.ExpectOneEdit([&] { s.files.Undo()->trigger(); }, -1);
    EXPECT_FALSE(s.d.board().At(Kind::Light, s.bulb).Visible);  // its placing undone
    s.ExpectOneEdit([&] { s.files.Redo()->trigger(); }, 1);
    EXPECT_TRUE(s.d.board().At(Kind::Light, s.bulb).Visible);
}

// The model announces once, for the outermost edit, and not while a drag still holds the board;
// it outlives a view that is gone.
TEST(EditEnds, OnceWhenTheOutermostEditEndsAndTheBoardIsFree) {
    CircuitModel model;
    QSignalSpy ended(&model, &CircuitModel::EditEnded);
    {
        const EditScope outer(model, true);
        const EditScope inner(model);
    }
    ASSERT_EQ(ended.count(), 1);
    EXPECT_TRUE(ended.takeFirst().at(0).toBool());  // the outermost says it was an arrow's

    auto view = std::make_unique<Circuit>(nullptr, &model);
    EXPECT_EQ(&view->Model(), &model.board);
    ended.clear();                         // choosing the pencil at start-up
    model.board.MouseMode = kMouseMoving;  // a part still held
    { const EditScope edit(model); }
    EXPECT_EQ(ended.count(), 0);
    model.board.MouseMode = kMouseIdle;
    view.reset();
    { const EditScope edit(model); }
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(model.board.UBound(Kind::Cell), 1);  // the palette copy the view made stays
}

}  // namespace
}  // namespace cw::test
