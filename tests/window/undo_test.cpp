// Undo and redo: every edit one step, the board put back exactly and shown so, numbers never
// given twice, a run of arrow moves one step, the changed mark following the saved state.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <optional>

#include "app/file_session.h"
#include "support/gesture_soak.h"

namespace cw::test {
namespace {

// What a learner sees of a board: the parts on it, the wires, junctions and notes.
std::string Differs(const BoardDocument& a, const BoardDocument& b) {
    std::map<int, SavedPart> pa, pb;
    for (const SavedPart& p : a.parts)
        if (!p.deleted) pa[p.number] = p;
    for (const SavedPart& p : b.parts)
        if (!p.deleted) pb[p.number] = p;
    if (pa != pb) return "parts";
    BoardDocument x = a, y = b;
    x.parts.clear();
    y.parts.clear();
    x.nextNumber = y.nextNumber = 0;
    if (x.SameContent(y)) return "";
    if (x.notes != y.notes) return "notes";
    return x.wires.size() != y.wires.size() ? "wires" : "junctions or wire ends";
}

bool Idle(WindowDriver& d) {
    return d.board().MouseMode == kMouseIdle && !d.window().PointerBusy();
}

TEST(Undo, SoakUndoesAndRedoesToTheRecordedBoards) {
    const int seeds = std::getenv("UNDO_SEEDS") ? std::atoi(std::getenv("UNDO_SEEDS")) : 10;
    const int from = std::getenv("UNDO_FROM") ? std::atoi(std::getenv("UNDO_FROM")) : 1;
    for (uint32_t seed = static_cast<uint32_t>(from); seed <= static_cast<uint32_t>(seeds);
         ++seed) {
        WindowDriver d(true);
        GestureSoak soak(d, seed);
        FileSession& files = d.main()->Files();
        QUndoStack& history = files.History();
        // The board after each step of the history, where known.
        std::vector<std::optional<BoardDocument>> states{d.window().Document()};
        int checked = 0;
        // The highest index the history reached during a step: an undo that ended a gesture
        // first pushed what it did (a freed step's address may come back, so pointers cannot say).
        int highest = 0;
        QObject::connect(&history, &QUndoStack::indexChanged,
                         [&highest](int index) { highest = std::max(highest, index); });
        for (int event = 0; event < 2500; ++event) {
            const int before = history.index();
            const QUndoCommand* next = history.command(before);  // the step a redo would do
            highest = before;
            soak.Step();
            files.Look();
            const int i = history.index();
            const std::string bad = soak.CheckInvariants();
            ASSERT_TRUE(bad.empty()) << "seed " << seed << ", event " << event << " ("
                                     << soak.LastAction() << "): " << bad;
            const bool stepped = soak.LastAction() == "undo" || soak.LastAction() == "redo";
            const auto at = static_cast<size_t>(i);
            const bool pushed = highest > before + (soak.LastAction() == "redo" ? 1 : 0);
            if (stepped && (history.command(before) != next || pushed)) {
                // The gesture an undo ended became a step first: the redo history is new.
                states.resize(static_cast<size_t>(before) + 2);
                states[static_cast<size_t>(before) + 1].reset();
            }
            if (stepped && i != before && Idle(d)) {
                // Only where the wires changed is painted: the board as painted whole. (A board
                // resized since it was painted is painted whole when it shows.)
                d.window().MainPicture().DrawingSurface();
                const QImage shown = d.window().MainPicture().Image().copy();
                d.window().Edit().RefreshBoard();
                ASSERT_EQ(d.window().MainPicture().Image(), shown)
                    << "seed " << seed << ", event " << event << ": " << soak.LastAction();
            }
            if (stepped && i != before) {
                if (at < states.size() && states[at]) {
                    ASSERT_EQ(Differs(d.window().Document(), *states[at]), "")
                        << "seed " << seed << ", event " << event << ": " << soak.LastAction()
                        << " to step " << i;
                    ++checked;
                } else if (Idle(d)) {
                    states.resize(std::max(states.size(), at + 1));
                    states[at] = d.window().Document();
                }
            } else if (!stepped) {
                // New steps: no redo left, and their boards not yet seen. One event may push
                // two: a press after a lost release ends the lost gesture (a part dropped) and
                // starts its own (a part raised).
                if (i != before) {
                    states.resize(at + 1);
                    for (size_t k = static_cast<size_t>(std::min(before, i)) + 1; k <= at; ++k)
                        states[k].reset();
                }
                states.resize(std::max(states.size(), at + 1));
                if (Idle(d)) states[at] = d.window().Document();
            }
        }
        EXPECT_GT(checked, 20) << "seed " << seed;
        // Undone to the start and redone to the end: the board as it was.
        soak.LetGo();
        files.Look();
        const BoardDocument end = d.window().Document();
        const int steps = history.index();
        while (history.canUndo()) files.Undo()->trigger();
        EXPECT_EQ(Differs(d.window().Document(), *states[0]), "") << "seed " << seed;
        for (int k = 0; k < steps; ++k) files.Redo()->trigger();
        EXPECT_EQ(Differs(d.window().Document(), end), "") << "seed " << seed;
    }
}

TEST(Undo, StepsNameWhatTheyDidAndNumbersAreNeverReused) {
    WindowDriver d(true);
    FileSession& files = d.main()->Files();
    d.window().LinePic_Click();
    d.Place(Kind::Light, 300, 100);
    files.Look();
    EXPECT_EQ(files.Undo()->text(), "&Undo Place Bulb 1");
    files.Undo()->trigger();
    EXPECT_FALSE(d.board().At(Kind::Light, 1).Visible);
    EXPECT_EQ(files.Redo()->text(), "&Redo Place Bulb 1");
    files.Redo()->trigger();  // the redone part gets its own number back
    EXPECT_TRUE(d.board().At(Kind::Light, 1).Visible);
    EXPECT_EQ(d.board().At(Kind::Light, 1).Tag, 1);
    files.Undo()->trigger();
    const int cell = d.Place(Kind::Cell, 100, 100);  // a new part after an undo: a new number
    files.Look();
    EXPECT_EQ(d.board().At(Kind::Cell, cell).Tag, 2);
    EXPECT_FALSE(files.History().canRedo());
    d.window().DelPic_Click();
    d.Click({145, 145});
    files.Look();
    EXPECT_EQ(files.Undo()->text(), "&Undo Delete Cell 2");
}

TEST(Undo, DeletionUndoneBringsTheWiresAndTheLightBack) {
    WindowDriver d(true);
    FileSession& files = d.main()->Files();
    d.window().LinePic_Click();
    d.Place(Kind::Cell, 100, 100);
    d.Place(Kind::Light, 300, 100);
    d.Drag({297, 174}, {97, 145});
    d.Drag({393, 174}, {193, 145});
    files.Look();
    ASSERT_EQ(d.board().ValueTable[2], 13);
    const Board lit = d.board();
    d.window().DelPic_Click();
    d.Click({130, 110});  // the cell: its wired terminals become junctions
    files.Look();
    ASSERT_EQ(d.board().ValueTable[2], 0);
    files.Undo()->trigger();
    EXPECT_EQ(d.board().ValueTable, lit.ValueTable);
    EXPECT_EQ(d.board().LastJunction(), lit.LastJunction());
    ASSERT_EQ(d.board().LastWire(), lit.LastWire());
    for (int l = 1; l <= lit.LastWire(); ++l) {
        EXPECT_EQ(d.board().WireTable[l].end[0], lit.WireTable[l].end[0]);
        EXPECT_EQ(d.board().WireTable[l].end[1], lit.WireTable[l].end[1]);
    }
    EXPECT_TRUE(d.board().At(Kind::Cell, 1).Visible);
}

TEST(Undo, ArrowMovesOfOnePartAreOneStep) {
    WindowDriver d(true);
    FileSession& files = d.main()->Files();
    d.window().LinePic_Click();
    const int i = d.Place(Kind::Cell, 100, 100);
    files.Look();
    const int steps = files.History().count();
    d.window().Element(Kind::Cell, i)->setFocus();
    for (int k = 0; k < 4; ++k) {
        QTest::keyClick(d.window().Element(Kind::Cell, i), Qt::Key_Right);
        files.Look();
    }
    EXPECT_EQ(files.History().count(), steps + 1);
    EXPECT_GT(d.board().At(Kind::Cell, i).Left, 100);
    files.Undo()->trigger();
    EXPECT_EQ(d.board().At(Kind::Cell, i).Left, 100);
}

TEST(Undo, RunningGestureEndsFirstAndTheChangedMarkFollowsTheSavedState) {
    WindowDriver d(true);
    FileSession& files = d.main()->Files();
    QTemporaryDir dir;
    files.Questions().savePath = [&](const QString&) { return dir.filePath("b.cwb"); };
    d.window().LinePic_Click();
    d.Place(Kind::Cell, 100, 100);
    files.Look();
    ASSERT_TRUE(files.SaveBoard());
    EXPECT_FALSE(d.main()->isWindowModified());
    d.Press({145, 145});
    d.MoveTo({245, 185});
    files.Undo()->trigger();  // the drag is put down, then taken back
    EXPECT_EQ(d.board().MouseMode, kMouseIdle);
    EXPECT_EQ(d.board().At(Kind::Cell, 1).Left, 100);
    EXPECT_FALSE(d.main()->isWindowModified());
    d.Release({245, 185});
    files.Redo()->trigger();
    EXPECT_TRUE(d.main()->isWindowModified());
}

}  // namespace
}  // namespace cw::test
