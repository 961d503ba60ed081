// Circuits kept in files: every board the random soak makes comes back whole from its file, a
// file that cannot be used changes nothing, and the session asks before changes are lost.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "app/file_session.h"
#include "app/focus_marker.h"
#include "app/main_window.h"
#include "files/board_file.h"
#include "files/circuit_model.h"
#include "support/gesture_soak.h"

namespace cw::test {
namespace {

int FromEnvironment(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : fallback;
}

// The board area of `w` as the learner sees it, without the keyboard's marker: the area above
// the strip of the window `area` (which may be smaller).
QImage BoardPixels(Circuit& w, const Circuit& area) {
    for (auto* marker : w.findChildren<FocusMarker*>()) marker->hide();
    return w.grab(QRect(0, 0, area.width(), area.BoardArea().height())).toImage();
}

void ExpectSameBoard(const Board& a, const Board& b, uint32_t seed) {
    EXPECT_EQ(a.ValueTable, b.ValueTable) << "seed " << seed;
    ASSERT_EQ(a.LastWire(), b.LastWire()) << "seed " << seed;
    for (int l = 1; l <= a.LastWire(); ++l) {
        EXPECT_EQ(a.WireTable[l].end[0], b.WireTable[l].end[0]) << "seed " << seed;
        EXPECT_EQ(a.WireTable[l].end[1], b.WireTable[l].end[1]) << "seed " << seed;
    }
    ASSERT_EQ(a.LastJunction(), b.LastJunction()) << "seed " << seed;
    for (int j = 1; j <= a.LastJunction(); ++j) {
        EXPECT_EQ(a.JunctionTable[j].x, b.JunctionTable[j].x) << "seed " << seed;
        EXPECT_EQ(a.JunctionTable[j].y, b.JunctionTable[j].y) << "seed " << seed;
    }
    for (Kind kind : kKinds) {
        ASSERT_EQ(a.PlacedCount(kind), b.PlacedCount(kind)) << "seed " << seed;
        for (int i = 1; i <= a.PlacedCount(kind); ++i) {
            const ComponentElement &p = a.At(kind, i), &q = b.At(kind, i);
            EXPECT_EQ(p.Tag, q.Tag) << "seed " << seed;
            EXPECT_EQ(p.Left, q.Left) << "seed " << seed;
            EXPECT_EQ(p.Top, q.Top) << "seed " << seed;
            EXPECT_EQ(p.Visible, q.Visible) << "seed " << seed;
        }
    }
}

TEST(BoardFile, SoakBoardsComeBackWhole) {
    const int boards = FromEnvironment("ROUND_TRIP_BOARDS", 2000);
    const char* keep = std::getenv("ROUND_TRIP_KEEP");  // a folder for the files, to check
    for (uint32_t seed = 1; seed <= static_cast<uint32_t>(boards); ++seed) {
        WindowDriver made;
        GestureSoak soak(made, seed);
        for (int event = 0; event < 120; ++event) soak.Step();
        soak.LetGo();
        const BoardDocument saved = made.window().Document();
        const QByteArray bytes = WriteBoardFile(saved);
        if (keep) {
            QFile file(QStringLiteral("%1/board-%2.cwb").arg(keep).arg(seed));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const ReadOutcome read = ReadBoardFile(bytes);
        ASSERT_TRUE(read.document) << "seed " << seed << ": " << read.problem.toStdString();
        EXPECT_TRUE(*read.document == saved) << "seed " << seed;

        WindowDriver opened;
        opened.window().resize(saved.width, saved.height);
        opened.window().Restore(*read.document);
        ExpectSameBoard(made.board(), opened.board(), seed);
        EXPECT_EQ(opened.window().Glasso1().Strokes(), made.window().Glasso1().Strokes());
        EXPECT_TRUE(opened.window().Document() == saved) << "seed " << seed;
        EXPECT_TRUE(BoardPixels(opened.window(), made.window()) ==
                    BoardPixels(made.window(), made.window()))
            << "seed " << seed;
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(BoardFile, ABoardOpenedOverAnotherIsAsOpenedAfresh) {
    // The window keeps the controls of the parts it takes off for the parts it puts back: in
    // whatever counts of each kind, what shows is what a fresh window shows.
    std::vector<BoardDocument> boards;
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        WindowDriver made;
        GestureSoak soak(made, seed);
        for (int event = 0; event < 120; ++event) soak.Step();
        soak.LetGo();
        boards.push_back(made.window().Document());
    }
    WindowDriver reused;
    for (size_t n = 0; n < boards.size(); ++n) {
        const BoardDocument& d = boards[n];
        reused.window().resize(d.width, d.height);
        reused.window().Restore(d);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        WindowDriver fresh;
        fresh.window().resize(d.width, d.height);
        fresh.window().Restore(d);
        EXPECT_TRUE(reused.window().Document() == d) << "board " << n;
        EXPECT_TRUE(BoardPixels(reused.window(), fresh.window()) ==
                    BoardPixels(fresh.window(), fresh.window()))
            << "board " << n;
        EXPECT_EQ(reused.window().findChildren<PictureControl*>().size(),
                  fresh.window().findChildren<PictureControl*>().size());
        for (Kind kind : kKinds) {
            for (int i = 1; i <= d.nextNumber && i <= fresh.board().UBound(kind); ++i) {
                EXPECT_EQ(reused.window().Element(kind, i)->toolTip(),
                          fresh.window().Element(kind, i)->toolTip());
                EXPECT_EQ(reused.window().Element(kind, i)->isVisible(),
                          fresh.window().Element(kind, i)->isVisible());
            }
        }
        if (::testing::Test::HasFailure()) return;
    }
    // A part put back in a kept control answers the mouse as itself.
    BoardDocument two = reused.window().Document();
    two.parts = {{Kind::Cell, 1, 100, 100}, {Kind::Cell, 2, 300, 100}};
    two.nextNumber = 3;
    two.wires.clear();
    two.junctions.clear();
    two.notes.clear();
    reused.window().Restore(two);
    reused.window().LinePic_Click();
    reused.Drag({345, 130}, {365, 140});
    EXPECT_EQ(reused.board().At(Kind::Cell, 2).Left, 320);
    EXPECT_EQ(reused.board().At(Kind::Cell, 1).Left, 100);
}

// A main window whose questions a test answers.
struct Session {
    Session() {
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
        FileQuestions& q = main.Files().Questions();
        q.openPath = [this] { return openPath; };
        q.savePath = [this](const QString&) { return savePath; };
        q.keepChanges = [this](const QString&) {
            ++asked;
            return answer;
        };
        q.problem = [this](const QString& text) { problems << text; };
    }
    Circuit& w() { return main.CircuitWindow(); }
    // A cell and a bulb in a loop, as a learner would leave it.
    void BuildLitLoop() {
        Board& b = w().Model();
        BoardDocument d = w().Document();
        d.parts = {{Kind::Cell, 1, 100, 100}, {Kind::Light, 2, 300, 100}};
        d.nextNumber = 3;
        d.wires = {{{1, 3}}, {{2, 4}}};
        w().Restore(d);
        ASSERT_EQ(b.ValueTable[2], 13);
        main.Files().Look();
    }
    MainWindow main;
    QTemporaryDir dir;
    QString openPath, savePath;
    FileQuestions::Keep answer = FileQuestions::Keep::Cancel;
    int asked = 0;
    QStringList problems;
};

TEST(FileSession, SaveOpenAndTheChangedMark) {
    Session s;
    EXPECT_EQ(s.main.windowTitle(), "Circuit Workbench[*]");
    EXPECT_FALSE(s.main.isWindowModified());
    s.BuildLitLoop();
    EXPECT_TRUE(s.main.isWindowModified());
    // Save with no name asks for one; the title then names the file.
    s.savePath = s.dir.filePath("loop.cwb");
    ASSERT_TRUE(s.main.Files().SaveBoard());
    EXPECT_FALSE(s.main.isWindowModified());
    EXPECT_EQ(s.main.windowTitle(), "loop.cwb[*] — Circuit Workbench");
    // New on a saved board asks nothing and empties it.
    s.main.Files().NewBoard();
    EXPECT_EQ(s.asked, 0);
    EXPECT_EQ(s.w().Model().LastValue(), 0);
    ASSERT_TRUE(s.main.Files().OpenFile(s.savePath));
    EXPECT_EQ(s.w().Model().ValueTable[2], 13);  // solved on opening
    EXPECT_FALSE(s.main.isWindowModified());
    EXPECT_EQ(s.main.Files().FilePath(), QFileInfo(s.savePath).absoluteFilePath());
}

TEST(FileSession, AsksBeforeChangesAreLost) {
    Session s;
    s.BuildLitLoop();
    s.answer = FileQuestions::Keep::Cancel;
    s.main.Files().NewBoard();
    EXPECT_EQ(s.asked, 1);
    EXPECT_EQ(s.w().Model().LastValue(), 2);  // cancelled: the board stays
    EXPECT_FALSE(s.main.close());             // closing is cancelled too
    s.answer = FileQuestions::Keep::Save;
    s.savePath = s.dir.filePath("kept.cwb");
    s.main.Files().NewBoard();  // saves first, then empties
    EXPECT_TRUE(QFile::exists(s.savePath));
    EXPECT_EQ(s.w().Model().LastValue(), 0);
    // A note alone is a change as well.
    s.w().Doc().notes = {QPolygonF{QPointF(5, 5), QPointF(50, 50)}};
    s.main.Files().Look();
    EXPECT_TRUE(s.main.Files().Modified());
    s.answer = FileQuestions::Keep::Discard;
    EXPECT_TRUE(s.main.close());
}

TEST(FileSession, AFileThatCannotBeUsedChangesNothing) {
    Session s;
    s.BuildLitLoop();
    const BoardDocument before = s.w().Document();
    const QString bad = s.dir.filePath("bad.cwb");
    for (const QByteArray& content :
         {QByteArray(""), QByteArray("{\"format\": \"circuit-workbench\", \"vers"),
          QByteArray("not json at all"), QByteArray(kMaxFileBytes + 10, ' ')}) {
        QFile file(bad);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        s.answer = FileQuestions::Keep::Discard;
        EXPECT_FALSE(s.main.Files().OpenFile(bad));
        EXPECT_TRUE(s.w().Document() == before);
        EXPECT_TRUE(s.main.Files().Modified());
        EXPECT_TRUE(s.main.Files().FilePath().isEmpty());
    }
    ASSERT_EQ(s.problems.size(), 4);
    EXPECT_TRUE(s.problems[0].contains("bad.cwb"));
    EXPECT_TRUE(s.problems[0].contains("empty"));
    EXPECT_FALSE(s.main.Files().OpenFile(s.dir.filePath("missing.cwb")));
    EXPECT_EQ(s.problems.size(), 5);
}

TEST(FileSession, AFileDroppedOnTheWindowOpens) {
    Session s;
    s.BuildLitLoop();
    s.savePath = s.dir.filePath("dropped.cwb");
    ASSERT_TRUE(s.main.Files().SaveBoard());
    s.main.Files().NewBoard();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(s.savePath)});
    const QPoint at(100, 100);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&s.main, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&s.main, &drop);
    QApplication::processEvents();
    EXPECT_EQ(s.w().Model().ValueTable[2], 13);
    EXPECT_EQ(s.main.Files().FilePath(), QFileInfo(s.savePath).absoluteFilePath());
}

TEST(FileSession, AFailedSaveSaysSoAndKeepsTheChangedMark) {
    Session s;
    s.BuildLitLoop();
    s.savePath = s.dir.filePath("no-such-folder/loop.cwb");
    EXPECT_FALSE(s.main.Files().SaveBoardAs());
    EXPECT_EQ(s.problems.size(), 1);
    EXPECT_TRUE(s.main.isWindowModified());
    EXPECT_TRUE(s.main.Files().FilePath().isEmpty());
}

TEST(FileSession, ExamplesOpenUnnamedAndLit) {
    Session s;
    const QStringList examples = QDir(":/examples").entryList();
    EXPECT_GE(examples.size(), 6);
    for (const QString& name : examples) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(s.main.Files().OpenExample(":/examples/" + name));
        EXPECT_TRUE(s.main.Files().FilePath().isEmpty());
        EXPECT_FALSE(s.main.Files().Modified());
        if (name.startsWith("task-")) {
            // A task opens for the learner, its goals not yet met.
            CircuitModel& model = s.w().Doc();
            ASSERT_TRUE(model.HasTask());
            EXPECT_FALSE(model.Authoring());
            const std::vector<GoalResult> results = model.Check();
            ASSERT_FALSE(results.empty());
            EXPECT_TRUE(std::any_of(results.begin(), results.end(),
                                    [](const GoalResult& r) { return !r.met; }));
            continue;
        }
        EXPECT_FALSE(s.w().Glasso1().Strokes().empty());  // the note says what to notice
        int lit = 0;
        for (int i = 1; i <= s.w().Model().PlacedCount(Kind::Light); ++i)
            lit += s.w().Model().ValueOf(s.w().Model().At(Kind::Light, i).Tag) > 0;
        EXPECT_GT(lit, 0);
    }
    qsizetype offered = 0;
    for (const QAction* a : s.main.Files().Examples()->actions()) offered += !a->isSeparator();
    EXPECT_EQ(offered * 3, examples.size());  // each in English, German and Spanish
}

// Every example in German and Spanish too: the same circuit and task goals, its words in the
// language; Open Example picks the one for the language shown, English where none is.
TEST(FileSession, ExamplesComeInTheLearnersLanguage) {
    const QStringList english =
        QDir(":/examples").entryList().filter(QRegularExpression("^[^.]*\\.cwb$"));
    ASSERT_GE(english.size(), 15);
    for (const QString& name : english) {
        SCOPED_TRACE(name.toStdString());
        const ReadOutcome en = ReadBoardFileAt(":/examples/" + name);
        ASSERT_TRUE(en.document);
        for (const char* language : {"de", "es"}) {
            const QString local =
                QString(name).replace(".cwb", QStringLiteral(".%1.cwb").arg(language));
            const ReadOutcome read = ReadBoardFileAt(":/examples/" + local);
            ASSERT_TRUE(read.document) << local.toStdString();
            EXPECT_EQ(read.document->parts, en.document->parts);
            EXPECT_EQ(read.document->wires.size(), en.document->wires.size());
            if (en.document->task) {
                EXPECT_EQ(read.document->task->goals.size(), en.document->task->goals.size());
                EXPECT_NE(read.document->task->title, en.document->task->title);
            } else {
                EXPECT_FALSE(read.document->notes.empty());
                EXPECT_NE(read.document->notes, en.document->notes);
            }
        }
    }
    Session s;
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(FileSession::ExampleResource("one-bulb"), ":/examples/one-bulb.de.cwb");
    s.main.Files().Examples()->actions().front()->trigger();
    EXPECT_EQ(s.w().Document().notes,
              ReadBoardFileAt(":/examples/one-bulb.de.cwb").document->notes);
    QLocale::setDefault(QLocale(QLocale::French));
    EXPECT_EQ(FileSession::ExampleResource("one-bulb"), ":/examples/one-bulb.cwb");
    QLocale::setDefault(before);
}

TEST(FileSession, ALargerBoardGrowsTheWindowAndPartsBeyondAreClamped) {
    Session s;
    BoardDocument d = s.w().Document();
    d.width = 700;
    d.height = 600;
    d.parts = {{Kind::Cell, 1, 600, 480}, {Kind::Cell, 2, 5000, 5000}};
    d.nextNumber = 3;
    QSaveFile file(s.dir.filePath("big.cwb"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(WriteBoardFile(d));
    ASSERT_TRUE(file.commit());
    ASSERT_TRUE(s.main.Files().OpenFile(s.dir.filePath("big.cwb")));
    const Circuit& w = s.w();
    EXPECT_GE(w.width(), std::min(700, w.screen()->availableGeometry().width() - 50));
    const ComponentElement& far = s.w().Model().At(Kind::Cell, 2);
    EXPECT_LE(far.Left + far.Width, w.width());
    EXPECT_LE(far.Top + far.Height, w.BoardArea().height());
}

TEST(FileSession, RecoveryCopyOfUnsavedChanges) {
    QDir(FileSession::RecoveryFolder()).removeRecursively();
    {
        Session s;
        s.BuildLitLoop();
        const QStringList copies = QDir(FileSession::RecoveryFolder()).entryList({"*.cwb"});
        ASSERT_EQ(copies.size(), 1);
        // A clean close takes it away.
        s.answer = FileQuestions::Keep::Discard;
        ASSERT_TRUE(s.main.close());
        EXPECT_TRUE(QDir(FileSession::RecoveryFolder()).entryList({"*.cwb"}).isEmpty());
    }
    // A copy a killed run left (no lock held) is offered, and restored as unsaved changes.
    BoardDocument left;
    left.width = 582;
    left.height = 550;
    left.parts = {{Kind::Cell, 1, 100, 100}};
    left.nextNumber = 2;
    QFile copy(FileSession::RecoveryFolder() + "/recovery-999999.cwb");
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(WriteBoardFile(left));
    copy.close();
    Session s;
    int offered = 0;
    s.main.Files().Questions().restoreRecovery = [&](const QDateTime&) { return ++offered; };
    s.main.Files().OfferRecovery();
    EXPECT_EQ(offered, 1);
    EXPECT_EQ(s.w().Model().LastValue(), 1);
    EXPECT_TRUE(s.main.Files().Modified());
    EXPECT_FALSE(QFile::exists(copy.fileName()));
    s.answer = FileQuestions::Keep::Discard;
}

}  // namespace
}  // namespace cw::test
