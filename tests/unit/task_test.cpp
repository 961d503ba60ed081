// Tasks: every kind of goal on a board where it holds and one where it does not, with the hint
// the circuit gives; typed answers; the task's rules as a gate on whole edits; the task in a
// file, kept apart from the learner's answers, and damaged task sections refused; a hidden value
// absent from what the painters draw and the readings report.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>

#include "analysis/solver.h"
#include "files/board_file.h"
#include "files/readings_report.h"
#include "files/task_check.h"
#include "model/part_kinds.h"
#include "render/diagram_painter.h"
#include "render/symbol_painters.h"
#include "support/board_builder.h"
#include "support/recording_surface.h"

namespace cw {
namespace {
using namespace cw::test;

Goal G(GoalKind kind, int part = 0, int other = 0) {
    Goal g;
    g.kind = kind;
    g.part = part;
    g.other = other;
    return g;
}

// Solves the board and judges each goal on it.
std::vector<GoalResult> Judge(Board& b, std::vector<Goal> goals,
                              std::vector<TaskAnswer> answers = {}) {
    const SolveResult solved = SolveCircuit(b);
    const CircuitReadings readings = ReadCircuit(b, solved);
    Task task;
    task.goals = std::move(goals);
    return CheckTask(b, solved, readings, task, answers);
}

// A loop from the cell's + through the parts in turn and back to its -.
void Loop(Board& b, int cell, std::initializer_list<int> parts) {
    int from = T1(cell);
    for (int k : parts) {
        AddWireRow(b, from, T1(k));
        from = T2(k);
    }
    AddWireRow(b, from, T2(cell));
}

TEST(TaskGoals, BulbsLitAndDarkSayWhyNot) {
    Board b = EmptyBoard();
    const int cell = AddPart(b, Kind::Cell), sw = AddPart(b, Kind::Swit, 0, 0, kSwitchOpen);
    const int bulb = AddPart(b, Kind::Light), alone = AddPart(b, Kind::Light);
    Loop(b, cell, {sw, bulb});
    auto r = Judge(b, {G(GoalKind::Lit, bulb), G(GoalKind::Dark, alone), G(GoalKind::Lit),
                       G(GoalKind::Lit, 9)});
    EXPECT_FALSE(r[0].met);
    EXPECT_EQ(r[0].hint, HintKind::Dark);
    EXPECT_EQ(r[0].state, BulbState::SwitchOpen);
    EXPECT_TRUE(r[1].met);
    EXPECT_EQ(r[2].hint, HintKind::Dark);  // every bulb: the first dark one by number
    EXPECT_EQ(r[2].part, bulb);
    EXPECT_EQ(r[3].hint, HintKind::Missing);
    b.ValueTable[sw] = kSwitchClosed;
    r = Judge(b, {G(GoalKind::Lit, bulb), G(GoalKind::Dark, bulb), G(GoalKind::Lit)});
    EXPECT_TRUE(r[0].met);
    EXPECT_EQ(r[1].hint, HintKind::Lit);
    EXPECT_EQ(r[2].part, alone);
    Board none = EmptyBoard();
    EXPECT_EQ(Judge(none, {G(GoalKind::Dark)})[0].hint, HintKind::NoBulb);
}

TEST(TaskGoals, BrightnessIsTheCurrentAsTheLearnerReadsIt) {
    Board b = EmptyBoard();
    const int c1 = AddPart(b, Kind::Cell), a = AddPart(b, Kind::Light), s = AddPart(b, Kind::Light);
    Loop(b, c1, {a, s});  // 1.5 V over 21 ohms: 71 mA each
    const int c2 = AddPart(b, Kind::Cell), bright = AddPart(b, Kind::Light);
    Loop(b, c2, {bright});  // 136 mA
    const int dark = AddPart(b, Kind::Light);
    auto r = Judge(b, {G(GoalKind::AsBright, a, s), G(GoalKind::Brighter, a, s),
                       G(GoalKind::Brighter, bright, a), G(GoalKind::AsBright, bright, a),
                       G(GoalKind::Brighter, dark, a)});
    EXPECT_TRUE(r[0].met);
    EXPECT_EQ(r[1].hint, HintKind::NotBrighter);
    EXPECT_EQ(r[1].a, 71);
    EXPECT_EQ(r[1].b, 71);
    EXPECT_TRUE(r[2].met);
    EXPECT_EQ(r[3].hint, HintKind::Unequal);
    EXPECT_EQ(r[3].a, 136);
    EXPECT_EQ(r[4].hint, HintKind::Dark);  // the dark bulb is the thing to put right
    EXPECT_EQ(r[4].state, BulbState::NotInClosedLoop);
}

TEST(TaskGoals, ASwitchControlsABulbWhenTogglingItChangesTheBulb) {
    // Two branches across the cell: one through the switch, one bulb straight across.
    Board b = EmptyBoard();
    const int cell = AddPart(b, Kind::Cell), sw = AddPart(b, Kind::Swit, 0, 0, kSwitchClosed);
    const int own = AddPart(b, Kind::Light), other = AddPart(b, Kind::Light);
    Loop(b, cell, {sw, own});
    Loop(b, cell, {other});
    auto r = Judge(b, {G(GoalKind::Controls, sw, own), G(GoalKind::ControlsOnly, sw, own),
                       G(GoalKind::Controls, sw, other), G(GoalKind::Controls, own, other)});
    EXPECT_TRUE(r[0].met);
    EXPECT_TRUE(r[1].met);
    EXPECT_EQ(r[2].hint, HintKind::NoControl);
    EXPECT_TRUE(r[2].lit);
    EXPECT_EQ(r[3].hint, HintKind::Missing);  // a bulb is no switch
    EXPECT_EQ(b.ValueOf(sw), kSwitchClosed);  // judging toggled nothing on the board
    // In the line both share, it turns both: not only its own.
    Board m = EmptyBoard();
    const int c = AddPart(m, Kind::Cell), s = AddPart(m, Kind::Swit, 0, 0, kSwitchOpen);
    const int x = AddPart(m, Kind::Light), y = AddPart(m, Kind::Light);
    AddWireRow(m, T1(c), T1(s));
    Loop(m, c, {});
    m.WireTable.pop_back();
    AddWireRow(m, T2(s), T1(x));
    AddWireRow(m, T2(s), T1(y));
    AddWireRow(m, T2(x), T2(c));
    AddWireRow(m, T2(y), T2(c));
    r = Judge(m, {G(GoalKind::ControlsOnly, s, x), G(GoalKind::Controls, s, y)});
    EXPECT_EQ(r[0].hint, HintKind::AlsoControls);
    EXPECT_EQ(r[0].other, y);
    EXPECT_TRUE(r[1].met);
}

TEST(TaskGoals, MetersCellsFusesAndCounts) {
    Board b = EmptyBoard();
    const int cell = AddPart(b, Kind::Cell), meter = AddPart(b, Kind::Ammeter),
              bulb = AddPart(b, Kind::Light);
    Loop(b, cell, {meter, bulb});
    Goal near = G(GoalKind::MeterReads, meter), far = near;
    near.value = 0.136;
    near.tolerance = 0.0005;
    far.value = 0.2;
    far.tolerance = 0.01;
    Goal most = G(GoalKind::AtMost);
    most.partKind = Kind::Light;
    most.count = 1;
    auto r = Judge(b, {near, far, G(GoalKind::NoShortedCell), G(GoalKind::NoBlownFuse), most});
    EXPECT_TRUE(r[0].met);
    EXPECT_EQ(r[1].hint, HintKind::MeterReads);
    EXPECT_EQ(r[1].a, 136);
    EXPECT_TRUE(r[2].met && r[3].met && r[4].met);
    // A second bulb, a fuse, and a wire straight across the cell.
    AddPart(b, Kind::Light);
    const int fuse = AddPart(b, Kind::Fuse, 0, 0, kNewFuseMilliamps);
    Loop(b, cell, {fuse});
    r = Judge(b, {G(GoalKind::NoShortedCell), G(GoalKind::NoBlownFuse), most});
    EXPECT_TRUE(r[0].met);  // the fuse blew: the cell is not shorted by wires
    EXPECT_EQ(r[1].hint, HintKind::Blown);
    EXPECT_EQ(r[1].part, fuse);
    EXPECT_EQ(r[2].hint, HintKind::TooMany);
    EXPECT_EQ(r[2].a, 2);
    AddWireRow(b, T1(cell), T2(cell));
    r = Judge(b, {G(GoalKind::NoShortedCell)});
    EXPECT_EQ(r[0].hint, HintKind::Shorted);
    EXPECT_EQ(r[0].part, cell);
}

TEST(TaskGoals, TypedAnswersInTheirUnit) {
    EXPECT_EQ(ReadAnswer("20", AnswerUnit::Ohms), 20);
    EXPECT_EQ(ReadAnswer(" 20 \u03a9", AnswerUnit::Ohms), 20);
    EXPECT_EQ(ReadAnswer("20ohms", AnswerUnit::Ohms), 20);
    EXPECT_EQ(ReadAnswer("0,15 A", AnswerUnit::Amperes), 0.15);
    EXPECT_DOUBLE_EQ(*ReadAnswer("150 mA", AnswerUnit::Amperes), 0.15);
    bool wrongUnit = false;
    EXPECT_FALSE(ReadAnswer("20 V", AnswerUnit::Ohms, &wrongUnit));
    EXPECT_TRUE(wrongUnit);
    EXPECT_FALSE(ReadAnswer("twenty", AnswerUnit::Ohms, &wrongUnit));
    EXPECT_FALSE(wrongUnit);
    EXPECT_FALSE(ReadAnswer("1.2.3", AnswerUnit::Ohms));

    Goal g = G(GoalKind::Answer);
    g.unit = AnswerUnit::Ohms;
    g.value = 20;
    g.tolerance = 1;
    Board b = EmptyBoard();
    auto judged = [&](const QString& text) {
        return Judge(
            b, {g},
            text.isNull() ? std::vector<TaskAnswer>{} : std::vector<TaskAnswer>{{0, text}})[0];
    };
    EXPECT_EQ(judged(QString()).hint, HintKind::NoAnswer);
    EXPECT_EQ(judged("about 20").hint, HintKind::Unreadable);
    EXPECT_EQ(judged("20 A").hint, HintKind::WrongUnit);
    EXPECT_EQ(judged("22").hint, HintKind::AnswerOff);
    EXPECT_TRUE(judged("21 \u03a9").met);  // the tolerance's edge counts
}

// A board with a task: a cell (1, locked), a resistor (2), a fuse (3, locked); the learner may add
// one bulb.
BoardDocument TaskBoard() {
    BoardDocument d;
    d.width = 582;
    d.height = 550;
    d.parts = {{Kind::Cell, 1, 10, 10},
               {Kind::Resi, 2, 200, 10, false, 20},
               {Kind::Fuse, 3, 300, 10, false, 500}};
    d.nextNumber = 4;
    d.wires = {{{1, 3}}, {{4, 5}}, {{6, 2}}};
    Task t;
    t.title = "Find R";
    t.instructions = "Measure it.\nThen \"answer\".";
    t.rules.locked = {1, 3};
    t.rules.hidden = {2};
    t.rules.allowance[KindIndex(Kind::Light)] = 1;
    t.rules.firstAdded = 4;
    for (int kind = 0; kind < kGoalKinds; ++kind) {
        Goal g = G(static_cast<GoalKind>(kind), 2, 3);
        if (g.kind == GoalKind::Lit) g.part = 0;
        g.partKind = Kind::Light;
        g.count = 2;
        g.value = 20.5;
        g.tolerance = 0.5;
        g.unit = AnswerUnit::Ohms;
        g.question = "What is R2 \u2014 in ohms?";
        t.goals.push_back(g);
    }
    // Goals keep only their own fields: the file holds nothing else.
    for (Goal& g : t.goals) {
        const bool parts = g.kind != GoalKind::NoShortedCell && g.kind != GoalKind::NoBlownFuse &&
                           g.kind != GoalKind::AtMost && g.kind != GoalKind::Answer;
        const bool two = g.kind == GoalKind::Brighter || g.kind == GoalKind::AsBright ||
                         g.kind == GoalKind::Controls || g.kind == GoalKind::ControlsOnly;
        if (!parts) g.part = 0;
        if (!two) g.other = 0;
        if (g.kind != GoalKind::AtMost) g.partKind = Kind::Cell, g.count = 0;
        if (g.kind != GoalKind::MeterReads && g.kind != GoalKind::Answer)
            g.value = 0, g.tolerance = 0, g.unit = AnswerUnit::Ohms;
        if (g.kind != GoalKind::Answer) g.question.clear();
        if (g.kind == GoalKind::MeterReads) g.unit = AnswerUnit::Amperes;
    }
    d.task = t;
    d.answers = {{static_cast<int>(GoalKind::Answer), "20 \u03a9"}};
    return d;
}

TEST(TaskFile, KeepsTheTaskApartFromTheLearnersWork) {
    const BoardDocument d = TaskBoard();
    const QByteArray bytes = WriteBoardFile(d);
    EXPECT_TRUE(bytes.contains("\"version\": 2"));
    EXPECT_LT(bytes.indexOf("\"task\""), bytes.indexOf("\"answers\""));
    const ReadOutcome read = ReadBoardFile(bytes);
    ASSERT_TRUE(read.document) << read.problem.toStdString();
    EXPECT_EQ(*read.document, d);
    EXPECT_EQ(read.document->task, d.task);
    EXPECT_EQ(read.document->answers, d.answers);
    // Without a task, a board of version-1 parts stays version 1.
    BoardDocument plain = d;
    plain.task.reset();
    plain.answers.clear();
    plain.parts.pop_back();
    plain.nextNumber = 3;
    plain.wires.pop_back();
    EXPECT_TRUE(WriteBoardFile(plain).contains("\"version\": 1"));
}

TEST(TaskFile, ADamagedTaskIsRefusedWithAMessage) {
    const QByteArray good = WriteBoardFile(TaskBoard());
    const std::pair<QByteArray, QByteArray> damage[] = {
        {"\"title\": \"Find R\"", "\"title\": 7"},
        {"\"title\": \"Find R\"", "\"title\": \"Find \\ud800R\""},
        {"\"goal\": \"lit\"", "\"goal\": \"glows\""},
        {"\"firstAdded\": 4", "\"firstAdded\": 9"},
        {"{\"kind\": \"cell\", \"number\": 1, \"left\": 10, \"top\": 10},\n      {",
         "{\"kind\": \"cell\", \"number\": 1, \"left\": 11, \"top\": 10},\n      {"},  // moved
        {"\"hidden\": [2]", "\"hidden\": [5]"},
        {"\"bulb\": 1", "\"bulb\": -1"},
        {"\"unit\": \"ohms\"", "\"unit\": \"furlongs\""},
        {"\"tolerance\": 0.5", "\"tolerance\": -1"},
        {"\"goal\": 10", "\"goal\": 11"},
        {"\"version\": 2", "\"version\": 1"},
        {"\"task\": {", "\"task\": [{"},
    };
    for (const auto& [from, to] : damage) {
        SCOPED_TRACE(to.toStdString());
        QByteArray bytes = good;
        ASSERT_TRUE(bytes.contains(from));
        bytes.replace(from, to);
        const ReadOutcome read = ReadBoardFile(bytes);
        EXPECT_FALSE(read.document);
        EXPECT_FALSE(read.problem.isEmpty());
    }
    // Answers with no task, and more parts added than the task allows.
    BoardDocument d = TaskBoard();
    d.task.reset();
    EXPECT_FALSE(
        ReadBoardFile(WriteBoardFile(d).replace("\"notes\": []", "\"notes\": [], \"answers\": []"))
            .document);
    d = TaskBoard();
    d.parts.push_back({Kind::Light, 4, 0, 200});
    d.parts.push_back({Kind::Light, 5, 100, 200});
    d.nextNumber = 6;
    const ReadOutcome tooMany = ReadBoardFile(WriteBoardFile(d));
    EXPECT_FALSE(tooMany.document);
    EXPECT_TRUE(tooMany.problem.contains("bulb"));
}

TEST(TaskRules, AnEditThatMovesALockedPartOrAddsTooManyIsABreach) {
    const BoardDocument before = TaskBoard();
    auto breach = [&](auto&& edit) {
        BoardDocument after = before;
        edit(after);
        return BreachOf(before, after);
    };
    EXPECT_FALSE(breach([](BoardDocument&) {}));
    EXPECT_EQ(breach([](BoardDocument& d) { d.parts[0].left += 5; })->number, 1);
    EXPECT_EQ(breach([](BoardDocument& d) { d.parts[0].deleted = true; })->number, 1);
    EXPECT_EQ(breach([](BoardDocument& d) { d.parts[2].value = 1000; })->number, 3);
    EXPECT_FALSE(breach([](BoardDocument& d) { d.parts[2].value = -500; }));  // it blew
    EXPECT_FALSE(breach([](BoardDocument& d) { d.parts[1].left += 5; }));     // not locked
    EXPECT_FALSE(breach([](BoardDocument& d) {
        d.parts.push_back({Kind::Light, 4, 0, 200});
        d.nextNumber = 5;
    }));
    const auto two = breach([](BoardDocument& d) {
        d.parts.push_back({Kind::Light, 4, 0, 200});
        d.parts.push_back({Kind::Light, 5, 100, 200});
        d.nextNumber = 6;
    });
    ASSERT_TRUE(two);
    EXPECT_EQ(two->number, 0);
    EXPECT_EQ(two->kind, Kind::Light);
    // The teacher changing the task changes the rules: not a breach of them.
    EXPECT_FALSE(breach([](BoardDocument& d) {
        d.task->rules.locked.clear();
        d.parts[0].left += 5;
    }));
}

TEST(TaskRules, AHiddenValueIsInNoPictureNorReport) {
    const BoardDocument d = TaskBoard();
    Board b = BoardOf(d);
    ASSERT_TRUE(b.Rules.Hidden(2));
    const std::string ohms = std::to_string(b.ValueOf(2));
    for (std::optional<Symbols> view : {std::optional<Symbols>{}, std::optional(Symbols::Iec)}) {
        RecordingSurface s(90, 90);
        if (view) {
            PaintSymbol(s, b, Kind::Resi, 2, *view);
        } else {
            PaintPart(s, b, Kind::Resi, 2);
        }
        bool question = false;
        for (const RecordedOp& op : s.Ops()) {
            EXPECT_EQ(op.text.find(ohms), std::string::npos);
            question |= op.text.find('?') != std::string::npos;
        }
        EXPECT_TRUE(question);
        if (!view) {  // no colour bands to read the value by
            EXPECT_EQ(std::count_if(s.Ops().begin(), s.Ops().end(),
                                    [](const RecordedOp& op) {
                                        return op.type == RecordedOp::Type::Line &&
                                               op.state.ForeColor == Rgb{255, 0, 0};
                                    }),
                      0);
        }
    }
    const QByteArray report = ReadingsReport(d);
    const QByteArray line = report.split('\n')[1];
    EXPECT_TRUE(line.startsWith("2\tresistor\t? ohms\t?\t?")) << line.toStdString();
}

}  // namespace
}  // namespace cw
