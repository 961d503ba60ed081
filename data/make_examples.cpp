// Writes the ready-made example circuits into data/examples: each a small circuit a lesson
// starts from, with a note on the overlay saying what to notice, or a task with its goals. Each
// in English (name.cwb), German (name.de.cwb) and Spanish (name.es.cwb): the same circuit, its
// note and task written in the language. Run by hand after changing them (`cmake --build build
// --target make-examples`), and the files committed; the notes' letters are outlines of the
// system's sans-serif font at the time they were made, and a line too long for the board stops
// the run.
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainterPath>
#include <array>
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

// The languages an example is written in: English, German, Spanish.
constexpr int kLanguages = 3;
constexpr const char* kSuffixes[kLanguages] = {"", ".de", ".es"};
using Texts = std::array<const char*, kLanguages>;
using Lines = std::initializer_list<const char*>;

class Maker {
  public:
    explicit Maker(int language) : language_(language) {
        d.width = 582;
        d.height = 550;
    }
    QString T(const Texts& texts) const { return QString::fromUtf8(texts[language_]); }
    // A note of lines 22 pixels apart, their first baseline at (x, y), in the maker's language.
    void Note(int x, int y, Lines en, Lines de, Lines es) {
        const Lines& lines = language_ == 0 ? en : language_ == 1 ? de : es;
        for (const char* line : lines) {
            Note(QString::fromUtf8(line), x, y);
            y += 22;
        }
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
        if (x + QFontMetrics(font).horizontalAdvance(text) > d.width - 8) {
            std::fprintf(stderr, "too long for the board: %s\n", text.toUtf8().constData());
            tooLong_ = true;
        }
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
    void MakeTask(const Texts& title, const Texts& instructions, std::vector<int> locked,
                  std::vector<std::pair<Kind, int>> allowed, std::vector<cw::Goal> goals) {
        cw::Task t;
        t.title = T(title);
        t.instructions = T(instructions);
        t.rules.locked.assign(locked.begin(), locked.end());
        t.rules.allowance.fill(0);
        for (const auto& [kind, most] : allowed) t.rules.allowance[cw::KindIndex(kind)] = most;
        t.rules.firstAdded = d.nextNumber;
        t.goals = std::move(goals);
        d.task = std::move(t);
    }
    bool Write(const char* name) const {
        QFile file(QStringLiteral(CW_EXAMPLES_DIR "/%1%2.%3")
                       .arg(QLatin1String(name), QLatin1String(kSuffixes[language_]),
                            QLatin1String(cw::kFileSuffix)));
        return !tooLong_ && file.open(QIODevice::WriteOnly) &&
               file.write(cw::WriteBoardFile(d)) > 0;
    }
    BoardDocument d;
    std::map<std::pair<int, int>, int> junctions;

  private:
    int language_;
    bool tooLong_ = false;
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

bool OneBulb(int language) {
    Maker m(language);
    const int c = m.Part(Kind::Cell, 120, 150), b = m.Part(Kind::Light, 330, 150);
    m.Path({Maker::Minus(c), m.At(270, 195), m.At(270, 225), Maker::Plus(b)});
    m.Path({Maker::Plus(c), m.At(80, 195), m.At(80, 300), m.At(460, 300), m.At(460, 225),
            Maker::Minus(b)});
    m.Note(60, 380,
           {"One closed loop: the current leaves the cell,",
            "passes through the bulb and comes back. It lights."},
           {"Ein geschlossener Kreis: Der Strom verlässt die Zelle,",
            "fließt durch die Lampe und kommt zurück. Sie leuchtet."},
           {"Un circuito cerrado: la corriente sale de la pila,",
            "pasa por la bombilla y vuelve. Se enciende."});
    return m.Write("one-bulb");
}

bool SeriesAndParallel(int language) {
    Maker m(language);
    // Series, on the left: one path through both bulbs.
    SeriesLoop(m);
    // Parallel, on the right: each bulb on its own path across the cell.
    const int d = m.Part(Kind::Cell, 350, 20), e = m.Part(Kind::Light, 350, 150),
              f = m.Part(Kind::Light, 350, 300);
    m.Path({Maker::Plus(d), m.At(320, 65), m.At(320, 225), Maker::Plus(e)});
    m.Path({m.At(320, 225), m.At(320, 375), Maker::Plus(f)});
    m.Path({Maker::Minus(d), m.At(480, 65), m.At(480, 225), Maker::Minus(e)});
    m.Path({m.At(480, 225), m.At(480, 375), Maker::Minus(f)});
    m.Note(20, 455, {"Series: one path,", "both bulbs dim."},
           {"Reihe: ein Weg,", "beide Lampen schwach."},
           {"Serie: un camino,", "las dos brillan poco."});
    m.Note(320, 455, {"Parallel: two paths,", "both bulbs bright."},
           {"Parallel: zwei Wege,", "beide Lampen hell."},
           {"Paralelo: dos caminos,", "las dos brillan mucho."});
    return m.Write("series-and-parallel");
}

bool SwitchControlsABulb(int language) {
    Maker m(language);
    const int c = m.Part(Kind::Cell, 240, 20), a = m.Part(Kind::Light, 240, 130),
              s = m.Part(Kind::Swit, 210, 280, cw::kSwitchOpen), b = m.Part(Kind::Light, 340, 280);
    m.Path({Maker::Plus(c), m.At(190, 65), m.At(190, 205), Maker::Plus(a)});
    m.Path({m.At(190, 205), m.At(190, 325), Maker::Plus(s)});
    m.Path({Maker::Minus(s), m.At(320, 325), m.At(320, 355), Maker::Plus(b)});
    m.Path({Maker::Minus(c), m.At(470, 65), m.At(470, 205), Maker::Minus(a)});
    m.Path({m.At(470, 205), m.At(470, 355), Maker::Minus(b)});
    m.Note(
        40, 430, {"Click the switch: it turns only the bulb", "on its own path on and off."},
        {"Klicke den Schalter an: Er schaltet nur die Lampe",
         "auf seinem eigenen Weg ein und aus."},
        {"Haz clic en el interruptor: enciende y apaga", "solo la bombilla de su propio camino."});
    return m.Write("switch-controls-a-bulb");
}

bool ShortCircuit(int language) {
    Maker m(language);
    SeriesLoop(m);
    // The short: a wire from one terminal of the top bulb to the other.
    m.Path({m.At(40, 225), m.At(40, 130), m.At(200, 130), m.At(200, 225)});
    m.Note(270, 200,
           {"The wire over the top bulb", "gives the current an easier",
            "way round it: that bulb goes", "out, the other gets brighter."},
           {"Die Leitung über der oberen", "Lampe gibt dem Strom einen",
            "leichteren Weg: Diese Lampe", "geht aus, die andere wird heller."},
           {"El cable sobre la bombilla de", "arriba da a la corriente un",
            "camino más fácil: esa bombilla", "se apaga y la otra brilla más."});
    return m.Write("short-circuit");
}

bool CellsAidingAndOpposing(int language) {
    Maker m(language);
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
    m.Note(20, 420, {"Aiding: the cells push", "together, the bulb is bright."},
           {"Gleichsinnig: Die Zellen", "treiben gemeinsam, hell."},
           {"A favor: las pilas empujan", "juntas, la bombilla brilla."});
    m.Note(310, 420, {"Opposing: the cells", "cancel out, no current."},
           {"Gegensinnig: Die Zellen", "heben sich auf, kein Strom."},
           {"En contra: las pilas", "se anulan, no hay corriente."});
    return m.Write("cells-aiding-and-opposing");
}

bool ResistorDimsABulb(int language) {
    Maker m(language);
    const int c = m.Part(Kind::Cell, 60, 40), a = m.Part(Kind::Light, 60, 250);
    m.Path({Maker::Plus(c), m.At(30, 85), m.At(30, 325), Maker::Plus(a)});
    m.Path({Maker::Minus(c), m.At(180, 85), m.At(180, 325), Maker::Minus(a)});
    const int d = m.Part(Kind::Cell, 330, 40), r = m.Part(Kind::Resi, 450, 150, 10),
              b = m.Part(Kind::Light, 330, 250);
    m.Path({Maker::Plus(d), m.At(300, 85), m.At(300, 325), Maker::Plus(b)});
    m.Path({Maker::Minus(d), m.At(565, 85), m.At(565, 195), Maker::Minus(r)});
    m.Path({Maker::Plus(r), m.At(440, 195), m.At(440, 325), Maker::Minus(b)});
    m.Note(30, 420, {"Without a resistor:", "bright."}, {"Ohne Widerstand:", "hell."},
           {"Sin resistencia:", "brilla mucho."});
    m.Note(300, 420, {"With one: less current,", "a dimmer bulb. Click it."},
           {"Mit Widerstand: weniger", "Strom, schwächer. Klick ihn an."},
           {"Con una: menos corriente,", "brilla menos. Haz clic en ella."});
    return m.Write("resistor-dims-a-bulb");
}

bool AmmetersRoundASeriesLoop(int language) {
    Maker m(language);
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
    m.Note(
        40, 180,
        {"Every ammeter reads the same current:", "none of it is used up on the way round."},
        {"Jedes Strommessgerät zeigt denselben Strom:", "Unterwegs wird nichts davon verbraucht."},
        {"Todos los amperímetros marcan la misma", "corriente: no se gasta nada por el camino."});
    return m.Write("ammeters-round-a-series-loop");
}

bool VoltmetersAcrossASeriesLoop(int language) {
    Maker m(language);
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
    m.Note(40, 430,
           {"Each bulb takes its share of the cell's voltage;", "the two shares add up to it."},
           {"Jede Lampe bekommt ihren Teil der Spannung;",
            "zusammen ergeben beide Teile die der Zelle."},
           {"Cada bombilla toma su parte de la tensión;", "las dos partes suman la de la pila."});
    return m.Write("voltmeters-across-a-series-loop");
}

bool FuseStopsAShortCircuit(int language) {
    Maker m(language);
    const int c = m.Part(Kind::Cell, 240, 40);
    const int f = m.Part(Kind::Fuse, 80, 200, cw::kNewFuseMilliamps);
    const int b = m.Part(Kind::Light, 330, 170);
    m.Path({Maker::Plus(c), m.At(40, 85), m.At(40, 245), Maker::Plus(f)});
    m.Path({Maker::Minus(f), Maker::Plus(b)});
    m.Path({Maker::Minus(b), m.At(520, 245), m.At(520, 85), Maker::Minus(c)});
    m.Note(30, 390,
           {"Join the bulb's two terminals with a wire: a short",
            "circuit. 1.5 A would flow, and the fuse blows. Delete",
            "the wire, then click the fuse to put in a new one."},
           {"Verbinde die Anschlüsse der Lampe mit einer Leitung:",
            "ein Kurzschluss. 1,5 A würden fließen, die Sicherung",
            "brennt durch. Lösche die Leitung und klicke die",
            "Sicherung an, um eine neue einzusetzen."},
           {"Une los dos terminales de la bombilla con un cable:",
            "un cortocircuito. Pasarían 1,5 A y el fusible se funde.",
            "Borra el cable y haz clic en el fusible para poner", "uno nuevo."});
    return m.Write("fuse-stops-a-short-circuit");
}

cw::Goal MakeGoal(cw::GoalKind kind, int part = 0, int other = 0) {
    cw::Goal g;
    g.kind = kind;
    g.part = part;
    g.other = other;
    return g;
}

bool TaskLightTheBulb(int language) {
    Maker m(language);
    const int c = m.Part(Kind::Cell, 120, 150), b = m.Part(Kind::Light, 330, 150);
    m.MakeTask({"Light the Bulb", "Bring die Glühlampe zum Leuchten", "Enciende la bombilla"},
               {"Choose the Line tool and draw wires from the cell's terminals to the bulb's so "
                "that the bulb lights. Then press Check.",
                "Wähle das Leitungswerkzeug und zeichne Leitungen von den Anschlüssen der "
                "Batteriezelle zu denen der Glühlampe, sodass sie leuchtet. Drücke dann "
                "„Prüfen“.",
                "Elige la herramienta de cable y traza cables desde los terminales de la pila "
                "hasta los de la bombilla para que se encienda. Después pulsa Comprobar."},
               {c, b}, {}, {MakeGoal(cw::GoalKind::Lit, b)});
    return m.Write("task-light-the-bulb");
}

bool TaskTwoBulbsEquallyBright(int language) {
    Maker m(language);
    const int c = m.Part(Kind::Cell, 240, 20), s = m.Part(Kind::Swit, 240, 150, cw::kSwitchOpen);
    const int a = m.Part(Kind::Light, 90, 300), b = m.Part(Kind::Light, 390, 300);
    m.MakeTask({"Two Bulbs, Equally Bright", "Zwei gleich helle Glühlampen",
                "Dos bombillas igual de brillantes"},
               {"Wire the cell, the switch and both bulbs so that both bulbs light equally "
                "brightly and the one switch turns both of them on and off.",
                "Verbinde die Batteriezelle, den Schalter und beide Glühlampen so, dass beide "
                "gleich hell leuchten und der eine Schalter beide ein- und ausschaltet.",
                "Conecta la pila, el interruptor y las dos bombillas para que las dos brillen "
                "igual y el único interruptor encienda y apague las dos."},
               {c, a, b}, {},
               {MakeGoal(cw::GoalKind::Lit), MakeGoal(cw::GoalKind::AsBright, a, b),
                MakeGoal(cw::GoalKind::Controls, s, a), MakeGoal(cw::GoalKind::Controls, s, b)});
    return m.Write("task-two-bulbs-equally-bright");
}

bool TaskSwitchForOneBulb(int language) {
    Maker m(language);
    const int c = m.Part(Kind::Cell, 240, 20), s = m.Part(Kind::Swit, 240, 150, cw::kSwitchOpen);
    const int a = m.Part(Kind::Light, 90, 300), b = m.Part(Kind::Light, 390, 300);
    m.MakeTask({"A Switch for One Bulb", "Ein Schalter für eine Glühlampe",
                "Un interruptor para una bombilla"},
               {"Wire the circuit so that the switch turns the left bulb on and off while the "
                "right bulb stays lit all the time.",
                "Verbinde die Schaltung so, dass der Schalter die linke Glühlampe ein- und "
                "ausschaltet, während die rechte immer leuchtet.",
                "Conecta el circuito para que el interruptor encienda y apague la bombilla de la "
                "izquierda mientras la de la derecha sigue siempre encendida."},
               {c, a, b}, {},
               {MakeGoal(cw::GoalKind::ControlsOnly, s, a), MakeGoal(cw::GoalKind::Lit, b)});
    return m.Write("task-switch-for-one-bulb");
}

bool TaskFindTheHiddenResistor(int language) {
    Maker m(language);
    const int c = m.Part(Kind::Cell, 120, 100), r = m.Part(Kind::Resi, 330, 100, 20);
    m.Path({Maker::Minus(c), Maker::Plus(r)});
    m.Path({Maker::Plus(c), m.At(80, 145), m.At(80, 300), m.At(470, 300), m.At(470, 145),
            Maker::Minus(r)});
    cw::Goal answer = MakeGoal(cw::GoalKind::Answer);
    answer.question = m.T({"What is the resistance of Resistor 2?",
                           "Wie groß ist der Widerstandswert von Widerstand 2?",
                           "¿Cuál es el valor de la resistencia 2?"});
    answer.unit = cw::AnswerUnit::Ohms;
    answer.value = 20;
    answer.tolerance = 1;
    m.MakeTask({"Find the Hidden Resistor", "Finde den verborgenen Widerstand",
                "Descubre la resistencia oculta"},
               {"Resistor 2's value is hidden. Take the ammeter and the voltmeter from the Meters "
                "and Fuses bar: measure the current through the resistor and the voltage across "
                "it, work out its resistance (R = V ÷ I) and type it in.",
                "Der Wert von Widerstand 2 ist verborgen. Nimm das Strommessgerät und das "
                "Spannungsmessgerät aus der Leiste „Messgeräte und Sicherungen“: Miss den Strom "
                "durch den Widerstand und die Spannung an ihm, berechne seinen Widerstandswert "
                "(R = U ÷ I) und gib ihn ein.",
                "El valor de la resistencia 2 está oculto. Toma el amperímetro y el voltímetro de "
                "la barra «Medidores y fusibles»: mide la corriente que pasa por la resistencia y "
                "la tensión entre sus extremos, calcula su valor (R = V ÷ I) y escríbelo."},
               {c, r}, {{Kind::Ammeter, 1}, {Kind::Voltmeter, 1}}, {answer});
    m.d.task->rules.hidden = {r};
    return m.Write("task-find-the-hidden-resistor");
}

bool TaskFixTheShort(int language) {
    Maker m(language);
    const int c = m.Part(Kind::Cell, 120, 150), b = m.Part(Kind::Light, 330, 150);
    m.Path({Maker::Minus(c), m.At(270, 195), m.At(270, 225), Maker::Plus(b)});
    m.Path({Maker::Plus(c), m.At(80, 195), m.At(80, 300), m.At(460, 300), m.At(460, 225),
            Maker::Minus(b)});
    m.Path({m.At(80, 195), m.At(80, 110), m.At(270, 110), m.At(270, 195)});
    m.MakeTask({"Fix the Short Circuit", "Behebe den Kurzschluss", "Arregla el cortocircuito"},
               {"The bulb stays dark and the cell is being drained. Find the fault with the "
                "Delete tool and put it right.",
                "Die Glühlampe bleibt dunkel, und die Batteriezelle wird entladen. Finde den "
                "Fehler mit dem Löschwerkzeug und behebe ihn.",
                "La bombilla sigue apagada y la pila se está descargando. Encuentra el fallo con "
                "la herramienta de eliminar y corrígelo."},
               {c, b}, {}, {MakeGoal(cw::GoalKind::NoShortedCell), MakeGoal(cw::GoalKind::Lit, b)});
    return m.Write("task-fix-the-short");
}

bool TaskTheRightFuse(int language) {
    Maker m(language);
    const int c = m.Part(Kind::Cell, 240, 40), b = m.Part(Kind::Light, 330, 170);
    const int s = m.Part(Kind::Swit, 330, 300, cw::kSwitchOpen);
    m.Path({Maker::Plus(c), m.At(40, 85), m.At(40, 245)});
    m.Path({Maker::Minus(b), m.At(520, 245), m.At(520, 85), Maker::Minus(c)});
    // The switch across the bulb: closed, it shorts the bulb.
    m.Path({Maker::Plus(b), m.At(310, 245), m.At(310, 345), Maker::Plus(s)});
    m.Path({Maker::Minus(s), m.At(440, 345), m.At(440, 245), Maker::Minus(b)});
    cw::Goal answer = MakeGoal(cw::GoalKind::Answer);
    answer.question =
        m.T({"Which rating protects this circuit: the smallest fuse that still lets the bulb "
             "light?",
             "Welche Nennstromstärke schützt diese Schaltung: die kleinste Sicherung, bei der die "
             "Glühlampe noch leuchtet?",
             "¿Qué intensidad nominal protege este circuito: el fusible más pequeño con el que la "
             "bombilla aún se enciende?"});
    answer.unit = cw::AnswerUnit::Amperes;
    answer.value = 0.25;
    answer.tolerance = 0.001;
    m.MakeTask({"Protect the Circuit with the Right Fuse",
                "Schütze die Schaltung mit der richtigen Sicherung",
                "Protege el circuito con el fusible adecuado"},
               {"Take a fuse from the Meters and Fuses bar and wire it into the gap in the loop. "
                "Click it to change its rating. Closing the switch shorts the bulb: the right "
                "fuse blows then, and lets the bulb light when the switch is open.",
                "Nimm eine Sicherung aus der Leiste „Messgeräte und Sicherungen“ und setze sie in "
                "die Lücke im Stromkreis ein. Klicke sie an, um ihre Nennstromstärke zu ändern. "
                "Das Schließen des Schalters schließt die Glühlampe kurz: Die richtige Sicherung "
                "brennt dann durch und lässt die Glühlampe leuchten, wenn der Schalter offen ist.",
                "Toma un fusible de la barra «Medidores y fusibles» y conéctalo en el hueco del "
                "circuito. Haz clic en él para cambiar su intensidad nominal. Al cerrar el "
                "interruptor, la bombilla queda en cortocircuito: el fusible adecuado se funde "
                "entonces, y deja que la bombilla se encienda cuando el interruptor está "
                "abierto."},
               {c, b}, {{Kind::Fuse, 1}},
               {MakeGoal(cw::GoalKind::Lit, b), MakeGoal(cw::GoalKind::NoBlownFuse), answer});
    return m.Write("task-the-right-fuse");
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    bool ok = true;
    for (int language = 0; language < kLanguages; ++language) {
        for (bool (*example)(int) :
             {&OneBulb, &SeriesAndParallel, &SwitchControlsABulb, &ShortCircuit,
              &CellsAidingAndOpposing, &ResistorDimsABulb, &AmmetersRoundASeriesLoop,
              &VoltmetersAcrossASeriesLoop, &FuseStopsAShortCircuit, &TaskLightTheBulb,
              &TaskTwoBulbsEquallyBright, &TaskSwitchForOneBulb, &TaskFindTheHiddenResistor,
              &TaskFixTheShort, &TaskTheRightFuse})
            ok = example(language) && ok;
    }
    if (!ok) std::fprintf(stderr, "an example could not be written\n");
    return ok ? 0 : 1;
}
