#include "files/readings_report.h"

#include <algorithm>

#include "analysis/solver.h"
#include "model/part_kinds.h"
#include "model/part_values.h"

namespace cw {
namespace {

const char* StateWord(BulbState state) {
    switch (state) {
        case BulbState::Lit:
            return "lit";
        case BulbState::Shorted:
            return "dark: shorted";
        case BulbState::NotInClosedLoop:
            return "dark: not in a closed loop";
        case BulbState::SwitchOpen:
            return "dark: a switch in its loop is open";
        case BulbState::FuseBlown:
            return "dark: a fuse in its loop has blown";
        case BulbState::VoltmeterInLoop:
            return "dark: a voltmeter in its loop";
        case BulbState::NoCell:
            return "dark: no cell";
        case BulbState::CellsCancel:
            return "dark: the cells cancel out";
        case BulbState::TooLittleCurrent:
            return "dark: too little current";
        case BulbState::Unsolved:
            break;
    }
    return "unsolved";
}

// A whole number of thousandths or hundredths as a C-locale decimal.
QByteArray Fixed(int64_t units, int decimals) {
    const int64_t scale = decimals == 3 ? 1000 : 100;
    const int64_t magnitude = units < 0 ? -units : units;
    QByteArray fraction = QByteArray::number(magnitude % scale).rightJustified(decimals, '0');
    return (units < 0 ? "-" : "") + QByteArray::number(magnitude / scale) + "." + fraction;
}

}  // namespace

Board BoardOf(const BoardDocument& d) {
    Board b;
    ResetBoard(b);
    b.ValueTable.assign(static_cast<size_t>(std::max(d.nextNumber, 1)), 0);
    b.JunctionTable.insert(b.JunctionTable.end(), d.junctions.begin(), d.junctions.end());
    b.WireTable.insert(b.WireTable.end(), d.wires.begin(), d.wires.end());
    std::vector<const SavedPart*> sorted;
    for (const SavedPart& p : d.parts) sorted.push_back(&p);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const SavedPart* a, const SavedPart* c) { return a->number < c->number; });
    for (Kind kind : kKinds) {
        ComponentArray& array = b.Array(kind);
        array.assign(1, ComponentElement{});
        for (const SavedPart* p : sorted) {
            if (p->kind != kind) continue;
            array.push_back({static_cast<float>(p->left), static_cast<float>(p->top), kBoardSize,
                             kBoardSize, !p->deleted, p->number});
            b.ValueTable[static_cast<size_t>(p->number)] = p->value;
            b.Stack.push_back({kind, static_cast<int>(array.size()) - 1});
        }
        array.push_back(ComponentElement{});  // the palette copy
    }
    if (d.task) b.Rules = d.task->rules;
    return b;
}

QByteArray ReadingsReport(const BoardDocument& d) {
    Board b = BoardOf(d);
    const SolveResult solved = SolveCircuit(b);
    const CircuitReadings r = ReadCircuit(b, solved);
    struct Line {
        int number;
        Kind kind;
        int index;
    };
    std::vector<Line> lines;
    for (Kind kind : kKinds) {
        for (int i = 1; i <= b.PlacedCount(kind); ++i) {
            if (b.At(kind, i).Visible) lines.push_back({b.At(kind, i).Tag, kind, i});
        }
    }
    std::sort(lines.begin(), lines.end(),
              [](const Line& a, const Line& c) { return a.number < c.number; });
    QByteArray out;
    for (const Line& line : lines) {
        const KindInfo& info = Info(line.kind);
        const int16_t value = b.ValueOf(line.number);
        QByteArray state, display;
        switch (info.role) {
            case Role::Switch:
                state = value == kSwitchClosed ? "closed" : "open";
                break;
            case Role::Resistance:
                state = QByteArray::number(value) + " ohms";
                break;
            case Role::Lamp:
                state = StateWord(solved.bulbs[static_cast<size_t>(line.index)]);
                break;
            case Role::Ammeter:
                display = Fixed(value, 3) + " A";
                break;
            case Role::Voltmeter:
                display = value == kNoReading ? QByteArray("---") : Fixed(value, 2) + " V";
                break;
            case Role::Fuse:
                state = Fixed(std::abs(static_cast<int>(value)), 3) +
                        (value < 0 ? " A blown" : " A intact");
                break;
            case Role::Source:
                break;
        }
        const PartReading reading = static_cast<size_t>(line.number) < r.parts.size()
                                        ? r.parts[static_cast<size_t>(line.number)]
                                        : PartReading{};
        // A value a task hides is not given away by the part's own current and voltage.
        const bool hidden = b.Rules.Hidden(line.number) &&
                            (info.role == Role::Resistance || info.role == Role::Source);
        if (hidden && info.role == Role::Resistance) state = "? ohms";
        out += QByteArray::number(line.number) + '\t' +
               QByteArray(info.fileName.data(), static_cast<qsizetype>(info.fileName.size())) +
               '\t' + state + '\t' + (hidden ? QByteArray("?") : Fixed(reading.milliamps, 3)) +
               '\t' +
               (hidden               ? QByteArray("?")
                : reading.voltsKnown ? Fixed(reading.centivolts, 2)
                                     : QByteArray("---")) +
               '\t' + display + '\n';
    }
    return out;
}

}  // namespace cw
