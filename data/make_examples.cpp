// Writes the ready-made example circuits into data/examples: each a small circuit a lesson
// starts from, with a note on the overlay saying what to notice. Run by hand after changing
// them (`cmake --build build --target make-examples`), and the files committed; the notes'
// letters are outlines of the system's sans-serif font at the time they were made.
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "files/board_file.h"
#include "model/part_values.h"

namespace {

using cw::BoardDocument;
using cw::Kind;

class Maker {
  public:
    Maker() {
        d.width = 582;
        d.height = 550;
    }
    // A part at (left, top); its number is its order.
    int Part(Kind kind, int left, int top, int16_t value = 0) {
        const int k = d.nextNumber++;
        d.parts.push_back(
            {kind, k, static_cast<int16_t>(left), static_cast<int16_t>(top), false, value});
        return k;
    }
    static int Plus(int k) { return cw::FirstTerminal(k); }
    static int Minus(int k) { return cw::SecondTerminal(k); }
    // A junction at a point (one per point).
    int At(int x, int y) {
        const auto key = std::make_pair(x, y);
        if (!junctions.count(key)) {
            d.junctions.push_back({static_cast<int16_t>(x), static_cast<int16_t>(y)});
            junctions[key] = -static_cast<int>(d.junctions.size());
        }
        return junctions[key];
    }
    // Wires from node to node along the path.
    void Path(std::initializer_list<int> nodes) {
        const int* prev = nullptr;
        for (const int& n : nodes) {
            if (prev) d.wires.push_back({{static_cast<int16_t>(*prev), static_cast<int16_t>(n)}});
            prev = &n;
        }
    }
    // The note's letters as strokes, their baseline starting at (x, y).
    void Note(const QString& text, int x, int y) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(15);
        QPainterPath path;
        path.addText(QPointF(x, y), font, text);
        for (const QPolygonF& outline : path.toSubpathPolygons()) {
            QPolygonF stroke;
            for (const QPointF& p : outline) {
                const QPointF q(std::round(p.x() * 2) / 2, std::round(p.y() * 2) / 2);
                if (stroke.isEmpty() || stroke.back() != q) stroke.push_back(q);
            }
            d.notes.push_back(stroke);
        }
    }
    // Makes the board a task: its title and instructions, the parts locked, none added beyond
    // the allowances given (kind, how many), and its goals.
    void MakeTask(const char* title, const char* instructions, std::vector<int> locked,
                  std::vector<std::pair<Kind, int>> allowed, std::vector<cw::Goal> goals) {
        cw::Task t;
        t.title = QString::fromUtf8(title);
        t.instructions = QString::fromUtf8(instructions);
        t.rules.locked.assign(locked.begin(), locked.end());
        t.rules.allowance.fill(0);
        for (const auto& [kind, most] : allowed) t.rules.allowance[cw::KindIndex(kind)] = most;
        t.rules.firstAdded = d.nextNumber;
        t.goals = std::move(goals);
        d.task = std::move(t);
    }
    bool Write(const char* name) const {
        QFile file(QStringLiteral(CW_EXAMPLES_DIR "/%1.%2").arg(name, cw::kFileSuffix));
        return file.open(QIODevice::WriteOnly) && file.write(cw::WriteBoardFile(d)) > 0;
    }
    BoardDocument d;
    std::map<std::pair<int, int>, int> junctions;
};

// A cell and two bulbs in series down the left of the board.
void SeriesLoop(Maker& m) {
    const int c = m.Part(Kind::Cell, 70, 20), a = m.Part(Kind::Light, 70, 150),
              b = m.Part(Kind::Light, 70, 300);
    m.Path({Maker::Plus(c), m.At(40, 65), m.At(40, 225), Maker::Plus(a)});
    m.Path({Maker::Minus(a), m.At(200, 225), m.At(200, 375), Maker::Minus(b)});
    m.Path({Maker::Plus(b), m.At(20, 375), m.At(20, 420), m.At(230, 420), m.At(230, 65),
            Maker::Minus(c)});
}

bool OneBulb() {
    Maker m;
    const int c = m.Part(Kind::Cell, 120, 150), b = m.Part(Kind::Light, 330, 150);
    m.Path({Maker::Minus(c), m.At(270, 195), m.At(270, 225), Maker::Plus(b)});
    m.Path({Maker::Plus(c), m.At(80, 195), m.At(80, 300), m.At(460, 300), m.At(460, 225),
            Maker::Minus(b)});
    m.Note(QStringLiteral("One closed loop: the current leaves the cell,"), 60, 380);
    m.Note(QStringLiteral("passes through the bulb and comes back. It lights."), 60, 402);
    return m.Write("one-bulb");
}

bool SeriesAndParallel() {
    Maker m;
    // Series, on the left: one path through both bulbs.
    SeriesLoop(m);
    // Parallel, on the right: each bulb on its own path across the cell.
    const int d = m.Part(Kind::Cell, 350, 20), e = m.Part(Kind::Light, 350, 150),
              f = m.Part(Kind::Light, 350, 300);
    m.Path({Maker::Plus(d), m.At(320, 65), m.At(320, 225), Maker::Plus(e)});
    m.Path({m.At(320, 225), m.At(320, 375), Maker::Plus(f)});
    m.Path({Maker::Minus(d), m.At(480, 65), m.At(480, 225), Maker::Minus(e)});
    m.Path({m.At(480, 225), m.At(480, 375), Maker::Minus(f)});
    m.Note(QStringLiteral("Series: one path,"), 20, 455);
    m.Note(QStringLiteral("both bulbs dim."), 20, 477);
    m.Note(QStringLiteral("Parallel: two paths,"), 320, 455);
    m.Note(QStringLiteral("both bulbs bright."), 320, 477);
    return m.Write("series-and-parallel");
}

bool SwitchControlsABulb() {
    Maker m;
    const int c = m.Part(Kind::Cell, 240, 20), a = m.Part(Kind::Light, 240, 130),
              s = m.Part(Kind::Swit, 210, 280, cw::kSwitchOpen), b = m.Part(Kind::Light, 340, 280);
    m.Path({Maker::Plus(c), m.At(190, 65), m.At(190, 205), Maker::Plus(a)});
    m.Path({m.At(190, 205), m.At(190, 325), Maker::Plus(s)});
    m.Path({Maker::Minus(s), m.At(320, 325), m.At(320, 355), Maker::Plus(b)});
    m.Path({Maker::Minus(c), m.At(470, 65), m.At(470, 205), Maker::Minus(a)});
    m.Path({m.At(470, 205), m.At(470, 355), Maker::Minus(b)});
    m.Note(QStringLiteral("Click the switch: it turns only the bulb"), 40, 430);
    m.Note(QStringLiteral("on its own path on and off."), 40, 452);
    return m.Write("switch-controls-a-bulb");
}

bool ShortCircuit() {
    Maker m;
    SeriesLoop(m);
    // The short: a wire from one terminal of the top bulb to the other.
    m.Path({m.At(40, 225), m.At(40, 130), m.At(200, 130), m.At(200, 225)});
    m.Note(QStringLiteral("The wire over the top bulb"), 270, 200);
    m.Note(QStringLiteral("gives the current an easier"), 270, 222);
    m.Note(QStringLiteral("way round it: that bulb goes"), 270, 244);
    m.Note(QStringLiteral("out, the other gets brighter."), 270, 266);
    return m.Write("short-circuit");
}

bool CellsAidingAndOpposing() {
    Maker m;
    // Aiding: the first cell's negative to the second's positive.
    const int c1 = m.Part(Kind::Cell, 30, 40), c2 = m.Part(Kind::Cell, 150, 40),
              a = m.Part(Kind::Light, 90, 250);
    m.Path({Maker::Minus(c1), Maker::Plus(c2)});
    m.Path({Maker::Plus(c1), m.At(15, 85), m.At(15, 325), Maker::Plus(a)});
    m.Path({Maker::Minus(c2), m.At(265, 85), m.At(265, 325), Maker::Minus(a)});
    // Opposing: negative to negative.
    const int c3 = m.Part(Kind::Cell, 320, 40), c4 = m.Part(Kind::Cell, 450, 40),
              b = m.Part(Kind::Light, 380, 250);
    m.Path({Maker::Minus(c3), m.At(435, 20), m.At(560, 20), m.At(560, 85), Maker::Minus(c4)});
    m.Path({Maker::Plus(c3), m.At(300, 85), m.At(300, 325), Maker::Plus(b)});
    m.Path({Maker::Plus(c4), m.At(435, 150), m.At(570, 150), m.At(570, 325), Maker::Minus(b)});
    m.Note(QStringLiteral("Aiding: the cells push"), 20, 420);
    m.Note(QStringLiteral("together, the bulb is bright."), 20, 442);
    m.Note(QStringLiteral("Opposing: the cells"), 310, 420);
    m.Note(QStringLiteral("cancel out, no current."), 310, 442);
    return m.Write("cells-aiding-and-opposing");
}

bool ResistorDimsABulb() {
    Maker m;
    const int c = m.Part(Kind::Cell, 60, 40), a = m.Part(Kind::Light, 60, 250);
    m.Path({Maker::Plus(c), m.At(30, 85), m.At(30, 325), Maker::Plus(a)});
    m.Path({Maker::Minus(c), m.At(180, 85), m.At(180, 325), Maker::Minus(a)});
    const int d = m.Part(Kind::Cell, 330, 40), r = m.Part(Kind::Resi, 450, 150, 10),
              b = m.Part(Kind::Light, 330, 250);
    m.Path({Maker::Plus(d), m.At(300, 85), m.At(300, 325), Maker::Plus(b)});
    m.Path({Maker::Minus(d), m.At(565, 85), m.At(565, 195), Maker::Minus(r)});
    m.Path({Maker::Plus(r), m.At(440, 195), m.At(440, 325), Maker::Minus(b)});
    m.Note(QStringLiteral("Without a resistor:"), 30, 420);
    m.Note(QStringLiteral("bright."), 30, 442);
    m.Note(QStringLiteral("With one: less current,"), 300, 420);
    m.Note(QStringLiteral("a dimmer bulb. Click it."), 300, 442);
    return m.Write("resistor-dims-a-bulb");
}

bool AmmetersRoundASeriesLoop() {
    Maker m;
    // Along the bottom, each part's + on the left, where the current comes in.
    const int c = m.Part(Kind::Cell, 240, 40);
    const int a1 = m.Part(Kind::Ammeter, 20, 300), b1 = m.Part(Kind::Light, 130, 270);
    const int a2 = m.Part(Kind::Ammeter, 240, 300), b2 = m.Part(Kind::Light, 350, 270);
    const int a3 = m.Part(Kind::Ammeter, 460, 300);
    m.Path({Maker::Plus(c), m.At(8, 85), m.At(8, 345), Maker::Plus(a1)});
    m.Path({Maker::Minus(a1), Maker::Plus(b1)});
    m.Path({Maker::Minus(b1), Maker::Plus(a2)});
    m.Path({Maker::Minus(a2), Maker::Plus(b2)});
    m.Path({Maker::Minus(b2), Maker::Plus(a3)});
    m.Path({Maker::Minus(a3), m.At(572, 345), m.At(572, 85), Maker::Minus(c)});
    m.Note(QStringLiteral("Every ammeter reads the same current:"), 40, 180);
    m.Note(QStringLiteral("none of it is used up on the way round."), 40, 202);
    return m.Write("ammeters-round-a-series-loop");
}

bool VoltmetersAcrossASeriesLoop() {
    Maker m;
    const int c = m.Part(Kind::Cell, 240, 20);
    const int b1 = m.Part(Kind::Light, 110, 300), b2 = m.Part(Kind::Light, 340, 300);
    const int v1 = m.Part(Kind::Voltmeter, 110, 170), v2 = m.Part(Kind::Voltmeter, 340, 170);
    const int v3 = m.Part(Kind::Voltmeter, 240, 115);
    // The loop: the cell, then both bulbs, each voltmeter's leads meeting it at a junction.
    m.Path({Maker::Plus(c), m.At(225, 65), m.At(60, 65), m.At(60, 375), m.At(95, 375),
            Maker::Plus(b1)});
    m.Path({Maker::Minus(b1), m.At(215, 375), m.At(325, 375), Maker::Plus(b2)});
    m.Path({Maker::Minus(b2), m.At(445, 375), m.At(540, 375), m.At(540, 65), m.At(345, 65),
            Maker::Minus(c)});
    m.Path({Maker::Plus(v1), m.At(95, 215), m.At(95, 375)});
    m.Path({Maker::Minus(v1), m.At(215, 215), m.At(215, 375)});
    m.Path({Maker::Plus(v2), m.At(325, 215), m.At(325, 375)});
    m.Path({Maker::Minus(v2), m.At(445, 215), m.At(445, 375)});
    m.Path({Maker::Plus(v3), m.At(225, 160), m.At(225, 65)});
    m.Path({Maker::Minus(v3), m.At(345, 160), m.At(345, 65)});
    m.Note(QStringLiteral("Each bulb takes its share of the cell's voltage;"), 40, 430);
    m.Note(QStringLiteral("the two shares add up to it."), 40, 452);
    return m.Write("voltmeters-across-a-series-loop");
}

bool FuseStopsAShortCircuit() {
    Maker m;
    const int c = m.Part(Kind::Cell, 240, 40);
    const int f = m.Part(Kind::Fuse, 80, 200, cw::kNewFuseMilliamps);
    const int b = m.Part(Kind::Light, 330, 170);
    m.Path({Maker::Plus(c), m.At(40, 85), m.At(40, 245), Maker::Plus(f)});
    m.Path({Maker::Minus(f), Maker::Plus(b)});
    m.Path({Maker::Minus(b), m.At(520, 245), m.At(520, 85), Maker::Minus(c)});
    m.Note(QStringLiteral("Join the bulb's two terminals with a wire: a short"), 30, 390);
    m.Note(QStringLiteral("circuit. 1.5 A would flow, and the fuse blows. Delete"), 30, 412);
    m.Note(QStringLiteral("the wire, then click the fuse to put in a new one."), 30, 434);
    return m.Write("fuse-stops-a-short-circuit");
}

cw::Goal MakeGoal(cw::GoalKind kind, int part = 0, int other = 0) {
    cw::Goal g;
    g.kind = kind;
    g.part = part;
    g.other = other;
    return g;
}

bool TaskLightTheBulb() {
    Maker m;
    const int c = m.Part(Kind::Cell, 120, 150), b = m.Part(Kind::Light, 330, 150);
    m.MakeTask("Light the Bulb",
               "Choose the Line tool and draw wires from the cell's terminals to the bulb's so "
               "that the bulb lights. Then press Check.",
               {c, b}, {}, {MakeGoal(cw::GoalKind::Lit, b)});
    return m.Write("task-light-the-bulb");
}

bool TaskTwoBulbsEquallyBright() {
    Maker m;
    const int c = m.Part(Kind::Cell, 240, 20), s = m.Part(Kind::Swit, 240, 150, cw::kSwitchOpen);
    const int a = m.Part(Kind::Light, 90, 300), b = m.Part(Kind::Light, 390, 300);
    m.MakeTask("Two Bulbs, Equally Bright",
               "Wire the cell, the switch and both bulbs so that both bulbs light equally "
               "brightly and the one switch turns both of them on and off.",
               {c, a, b}, {},
               {MakeGoal(cw::GoalKind::Lit), MakeGoal(cw::GoalKind::AsBright, a, b),
                MakeGoal(cw::GoalKind::Controls, s, a), MakeGoal(cw::GoalKind::Controls, s, b)});
    return m.Write("task-two-bulbs-equally-bright");
}

bool TaskSwitchForOneBulb() {
    Maker m;
    const int c = m.Part(Kind::Cell, 240, 20), s = m.Part(Kind::Swit, 240, 150, cw::kSwitchOpen);
    const int a = m.Part(Kind::Light, 90, 300), b = m.Part(Kind::Light, 390, 300);
    m.MakeTask("A Switch for One Bulb",
               "Wire the circuit so that the switch turns the left bulb on and off while the "
               "right bulb stays lit all the time.",
               {c, a, b}, {},
               {MakeGoal(cw::GoalKind::ControlsOnly, s, a), MakeGoal(cw::GoalKind::Lit, b)});
    return m.Write("task-switch-for-one-bulb");
}

bool TaskFindTheHiddenResistor() {
    Maker m;
    const int c = m.Part(Kind::Cell, 120, 100), r = m.Part(Kind::Resi, 330, 100, 20);
    m.Path({Maker::Minus(c), Maker::Plus(r)});
    m.Path({Maker::Plus(c), m.At(80, 145), m.At(80, 300), m.At(470, 300), m.At(470, 145),
            Maker::Minus(r)});
    cw::Goal answer = MakeGoal(cw::GoalKind::Answer);
    answer.question = QStringLiteral("What is the resistance of Resistor 2?");
    answer.unit = cw::AnswerUnit::Ohms;
    answer.value = 20;
    answer.tolerance = 1;
    m.MakeTask("Find the Hidden Resistor",
               "Resistor 2's value is hidden. Take the ammeter and the voltmeter from the Meters "
               "and Fuses bar: measure the current through the resistor and the voltage across "
               "it, work out its resistance (R = V ÷ I) and type it in.",
               {c, r}, {{Kind::Ammeter, 1}, {Kind::Voltmeter, 1}}, {answer});
    m.d.task->rules.hidden = {r};
    return m.Write("task-find-the-hidden-resistor");
}

bool TaskFixTheShort() {
    Maker m;
    const int c = m.Part(Kind::Cell, 120, 150), b = m.Part(Kind::Light, 330, 150);
    m.Path({Maker::Minus(c), m.At(270, 195), m.At(270, 225), Maker::Plus(b)});
    m.Path({Maker::Plus(c), m.At(80, 195), m.At(80, 300), m.At(460, 300), m.At(460, 225),
            Maker::Minus(b)});
    m.Path({m.At(80, 195), m.At(80, 110), m.At(270, 110), m.At(270, 195)});
    m.MakeTask("Fix the Short Circuit",
               "The bulb stays dark and the cell is being drained. Find the fault with the "
               "Delete tool and put it right.",
               {c, b}, {}, {MakeGoal(cw::GoalKind::NoShortedCell), MakeGoal(cw::GoalKind::Lit, b)});
    return m.Write("task-fix-the-short");
}

bool TaskTheRightFuse() {
    Maker m;
    const int c = m.Part(Kind::Cell, 240, 40), b = m.Part(Kind::Light, 330, 170);
    const int s = m.Part(Kind::Swit, 330, 300, cw::kSwitchOpen);
    m.Path({Maker::Plus(c), m.At(40, 85), m.At(40, 245)});
    m.Path({Maker::Minus(b), m.At(520, 245), m.At(520, 85), Maker::Minus(c)});
    // The switch across the bulb: closed, it shorts the bulb.
    m.Path({Maker::Plus(b), m.At(310, 245), m.At(310, 345), Maker::Plus(s)});
    m.Path({Maker::Minus(s), m.At(440, 345), m.At(440, 245), Maker::Minus(b)});
    cw::Goal answer = MakeGoal(cw::GoalKind::Answer);
    answer.question = QStringLiteral(
        "Which rating protects this circuit: the smallest fuse that "
        "still lets the bulb light?");
    answer.unit = cw::AnswerUnit::Amperes;
    answer.value = 0.25;
    answer.tolerance = 0.001;
    m.MakeTask("Protect the Circuit with the Right Fuse",
               "Take a fuse from the Meters and Fuses bar and wire it into the gap in the loop. "
               "Click it to change its rating. Closing the switch shorts the bulb: the right "
               "fuse blows then, and lets the bulb light when the switch is open.",
               {c, b}, {{Kind::Fuse, 1}},
               {MakeGoal(cw::GoalKind::Lit, b), MakeGoal(cw::GoalKind::NoBlownFuse), answer});
    return m.Write("task-the-right-fuse");
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const bool ok = OneBulb() && SeriesAndParallel() && SwitchControlsABulb() && ShortCircuit() &&
                    CellsAidingAndOpposing() && ResistorDimsABulb() && AmmetersRoundASeriesLoop() &&
                    VoltmetersAcrossASeriesLoop() && FuseStopsAShortCircuit() &&
                    TaskLightTheBulb() && TaskTwoBulbsEquallyBright() && TaskSwitchForOneBulb() &&
                    TaskFindTheHiddenResistor() && TaskFixTheShort() && TaskTheRightFuse();
    if (!ok) std::fprintf(stderr, "an example could not be written\n");
    return ok ? 0 : 1;
}
