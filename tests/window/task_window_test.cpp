// A task as a learner and a teacher meet it in the window: locks and allowances refusing every
// way of editing; a hidden value absent from what the screen reader hears; Check changing nothing;
// a task made from a board, saved, worked on and opened again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include "app/commands.h"
#include "app/file_session.h"
#include "app/goal_dialog.h"
#include "app/main_window.h"
#include "app/part_texts.h"
#include "app/task_panel.h"
#include "app/task_texts.h"
#include "files/board_file.h"
#include "files/circuit_model.h"
#include "model/part_kinds.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

// The example task with the hidden resistor: cell 1 and resistor 2 (20 ohms, hidden) locked and
// wired in a loop; the learner may add one ammeter and one voltmeter and nothing else.
struct HiddenResistorTask {
    WindowDriver d{true};
    Circuit& w = d.window();
    const Board& b = d.board();
    HiddenResistorTask() {
        EXPECT_TRUE(d.main()->Files().OpenExample(
            QStringLiteral(":/examples/task-find-the-hidden-resistor.cwb")));
    }
    QPoint Centre(Kind kind) const {
        const ComponentElement& e = b.At(kind, 1);
        return QPoint(static_cast<int>(e.Left + 45), static_cast<int>(e.Top + 45));
    }
    QString Status() { return d.main()->statusBar()->currentMessage(); }
};

TEST(TaskWindow, LocksAndAllowancesHoldAgainstEveryWayOfEditing) {
    HiddenResistorTask t;
    WindowDriver& d = t.d;
    const BoardDocument start = t.w.Document();
    // The mouse: a drag and a click with the line tool, a click with the delete tool.
    t.w.ChooseTool(kToolLine);
    d.Drag(t.Centre(Kind::Cell), t.Centre(Kind::Cell) + QPoint(60, 80));
    EXPECT_EQ(t.Status(), TaskTexts::Refused(Kind::Cell, 1));
    d.Click(t.Centre(Kind::Resi));
    t.w.ChooseTool(kToolDelete);
    d.Click(t.Centre(Kind::Cell));
    // The keys: an arrow moves, Delete deletes, Space clicks (as a screen reader's Press does).
    QWidget* cell = t.w.Element(Kind::Cell, 1);
    cell->setFocus();
    t.w.ChooseTool(kToolPencil);
    d.Key(Qt::Key_Right);
    t.w.Commands().DeletePart()->trigger();
    t.w.ChooseTool(kToolLine);
    t.w.ActivateControl(t.w.Element(Kind::Resi, 1));
    EXPECT_TRUE(t.w.Document().SameContent(start));
    EXPECT_FALSE(d.main()->Files().Modified());
    // An undo that would move a locked part back is not done: the teacher moved it in the editor.
    CircuitModel& model = t.w.Doc();
    model.SetAuthoring(true);
    t.w.ChooseTool(kToolLine);
    d.Drag(t.Centre(Kind::Cell), t.Centre(Kind::Cell) + QPoint(0, 100));
    model.SetAuthoring(false);
    const float moved = t.b.At(Kind::Cell, 1).Top;
    EXPECT_EQ(moved, start.parts[0].top + 100);
    d.main()->Files().Undo()->trigger();
    EXPECT_EQ(t.b.At(Kind::Cell, 1).Top, moved);
    EXPECT_EQ(t.Status(), TaskTexts::Refused(Kind::Cell, 1));
    // The strip gives no bulb; the bar one ammeter, and no second.
    d.Drag(d.SlotCentre(KindIndex(Kind::Light)), {300, 400});
    EXPECT_EQ(t.b.PlacedCount(Kind::Light), 0);
    EXPECT_EQ(t.Status(), TaskTexts::Refused(Kind::Light, 0));
    t.w.BarHost().PickUpFromBar(Kind::Ammeter);
    d.Key(Qt::Key_Return);
    EXPECT_EQ(t.b.PlacedCount(Kind::Ammeter), 1);
    EXPECT_EQ(PartsLeft(t.b, Kind::Ammeter), 0);
    t.w.BarHost().PickUpFromBar(Kind::Ammeter);
    d.Key(Qt::Key_Return);
    EXPECT_EQ(t.b.PlacedCount(Kind::Ammeter), 1);
    // A drag from the bar refused leaves no copy on the board.
    EXPECT_FALSE(t.w.BarHost().BeginPlacing(Kind::Ammeter, t.w.mapToGlobal(QPoint(300, 300))));
    EXPECT_FALSE(t.b.At(Kind::Ammeter, t.b.UBound(Kind::Ammeter)).Visible);
}

TEST(TaskWindow, AHiddenValueIsNotSpokenAndCheckChangesNothing) {
    HiddenResistorTask t;
    const QString said = t.w.ControlDescription(t.w.Element(Kind::Resi, 1));
    EXPECT_EQ(said, PartTexts::Locked(
                        PartTexts::Description(Kind::Resi, 20, BulbState::Lit, nullptr, true)));
    EXPECT_FALSE(said.contains("20"));
    EXPECT_TRUE(t.w.ControlDescription(t.w.Element(Kind::Cell, 1)).contains("1.5"));
    TaskPanel& panel = t.d.main()->Task();
    ASSERT_TRUE(panel.isVisible());
    QLineEdit* box = panel.AnswerBox(0);
    ASSERT_NE(box, nullptr);
    // F6 takes the keyboard to the answer and back to the board.
    QAction* panes = nullptr;
    for (QAction* a : t.d.main()->findChildren<QAction*>()) {
        if (a->shortcut() == QKeySequence(Qt::Key_F6)) panes = a;
    }
    ASSERT_NE(panes, nullptr);
    panes->trigger();
    EXPECT_EQ(t.d.main()->focusWidget(), box);
    panes->trigger();
    EXPECT_TRUE(t.w.isAncestorOf(t.d.main()->focusWidget()));
    box->setText(QStringLiteral("18 \u03a9"));
    QSignalSpy told(&panel, &TaskPanel::Announce);
    panel.RunCheck();
    EXPECT_TRUE(panel.GoalLine(0).startsWith(QString::fromUtf16(u"\u2718")));
    EXPECT_TRUE(panel.GoalLine(0).contains(TaskTexts::Hint({false, HintKind::AnswerOff}, {})));
    ASSERT_EQ(told.count(), 1);
    EXPECT_TRUE(told[0][0].toString().contains(TaskTexts::Summary({GoalResult{}})));
    // The answer is the learner's work, one step; Check itself is none.
    QUndoStack& history = t.d.main()->Files().History();
    EXPECT_EQ(history.count(), 1);
    EXPECT_EQ(history.undoText(), QStringLiteral("Answer"));
    box->setText(QStringLiteral("20"));
    panel.RunCheck();
    EXPECT_TRUE(panel.GoalLine(0).startsWith(QString::fromUtf16(u"\u2714")));
    EXPECT_EQ(history.count(), 2);
    panel.RunCheck();
    EXPECT_EQ(history.count(), 2);
    // What is still being typed is saved.
    box->setText(QStringLiteral("21"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("answer.cwb"));
    t.d.main()->Files().Questions().savePath = [&](const QString&) { return path; };
    ASSERT_TRUE(t.d.main()->Files().SaveBoardAs());
    const ReadOutcome saved = ReadBoardFileAt(path);
    ASSERT_TRUE(saved.document);
    EXPECT_EQ(saved.document->answers, (std::vector<TaskAnswer>{{0, QStringLiteral("21")}}));
}

TEST(TaskWindow, ATaskMadeFromABoardKeepsTheLearnersWorkAcrossASave) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("task.cwb"));
    {
        WindowDriver d(true);
        d.Place(Kind::Cell, 100, 100);   // 1
        d.Place(Kind::Light, 300, 100);  // 2
        TaskPanel& panel = d.main()->Task();
        panel.NewTask()->trigger();
        CircuitModel& model = d.window().Doc();
        ASSERT_TRUE(model.HasTask() && model.Authoring());
        // The cell locked from its menu on the board, by the keyboard's menu key.
        d.window().Element(Kind::Cell, 1)->setFocus();
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            menu->actions()[0]->trigger();
            menu->close();
        });
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {5, 5}, {5, 5});
        QApplication::sendEvent(d.window().Element(Kind::Cell, 1), &menuKey);
        EXPECT_TRUE(d.board().Rules.Locked(1));
        // The bulb's value cannot be hidden; its lock is in the panel's table too.
        auto* table = panel.findChild<QTableWidget*>();
        ASSERT_EQ(table->rowCount(), 2);
        EXPECT_EQ(table->item(0, 1)->checkState(), Qt::Checked);
        EXPECT_FALSE(table->item(1, 2)->flags() & Qt::ItemIsUserCheckable);
        table->item(1, 1)->setCheckState(Qt::Checked);
        EXPECT_TRUE(d.board().Rules.Locked(2));
        // A goal from the dialog, which lists the board's bulbs by number.
        GoalDialog dialog(d.board(), &panel);
        auto boxes = dialog.findChildren<QComboBox*>();
        boxes[0]->setCurrentIndex(0);  // a bulb is lit
        ASSERT_EQ(boxes[1]->count(), 1);
        EXPECT_EQ(boxes[1]->itemText(0), PartTexts::PartName(Kind::Light, 2));
        std::optional<Task> task = model.CurrentTask();
        task->goals.push_back(dialog.Result());
        Goal lit;
        lit.part = 2;
        EXPECT_EQ(task->goals.back(), lit);
        {
            const EditScope edit(model);
            model.SetTask(task, {});
        }
        panel.findChild<QPushButton*>(QStringLiteral("taskDone"))->click();
        EXPECT_FALSE(model.Authoring());
        d.main()->Files().Questions().savePath = [&](const QString&) { return path; };
        ASSERT_TRUE(d.main()->Files().SaveBoardAs());
    }
    std::vector<GoalResult> before;
    {
        // The learner wires the bulb to the cell and saves their work in the task.
        WindowDriver d(true);
        ASSERT_TRUE(d.main()->Files().OpenFile(path));
        d.window().ChooseTool(kToolLine);
        d.Drag(d.BesideTerminal(2), d.BesideTerminal(3));
        d.Drag(d.BesideTerminal(1), d.BesideTerminal(4));
        before = d.window().Doc().Check();
        ASSERT_EQ(before.size(), 1u);
        EXPECT_TRUE(before[0].met);
        ASSERT_TRUE(d.main()->Files().SaveBoard());
    }
    WindowDriver d(true);
    ASSERT_TRUE(d.main()->Files().OpenFile(path));
    const std::vector<GoalResult> after = d.window().Doc().Check();
    ASSERT_EQ(after.size(), 1u);
    EXPECT_TRUE(after[0].met);
    EXPECT_EQ(d.board().Rules.firstAdded, 3);
    EXPECT_EQ(d.board().Rules.locked, (std::vector<int32_t>{1, 2}));
}

}  // namespace
}  // namespace cw::test
