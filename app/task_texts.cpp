#include "app/task_texts.h"

#include <QLocale>

#include "app/part_texts.h"
#include "model/part_kinds.h"

namespace cw {
namespace {

QString Bulb(int number) {
    return PartTexts::PartName(Kind::Light, number);
}
QString Switch(int number) {
    return PartTexts::PartName(Kind::Swit, number);
}
QString Number(double value) {
    return QLocale().toString(value, 'g', 6);
}

}  // namespace

QString TaskTexts::UnitSymbol(AnswerUnit unit) {
    switch (unit) {
        case AnswerUnit::Amperes:
            return QStringLiteral("A");
        case AnswerUnit::Volts:
            return QStringLiteral("V");
        case AnswerUnit::Ohms:
            break;
    }
    return QStringLiteral("\u03a9");
}

QString TaskTexts::GoalText(const Goal& g) {
    switch (g.kind) {
        case GoalKind::Lit:
            return g.part == 0 ? tr("Every bulb is lit") : tr("%1 is lit").arg(Bulb(g.part));
        case GoalKind::Dark:
            return g.part == 0 ? tr("Every bulb is dark") : tr("%1 is dark").arg(Bulb(g.part));
        case GoalKind::Brighter:
            return tr("%1 is brighter than %2").arg(Bulb(g.part), Bulb(g.other));
        case GoalKind::AsBright:
            return tr("%1 is as bright as %2").arg(Bulb(g.part), Bulb(g.other));
        case GoalKind::Controls:
            return tr("%1 turns %2 on and off").arg(Switch(g.part), Bulb(g.other));
        case GoalKind::ControlsOnly:
            return tr("%1 turns %2 on and off, and no other bulb")
                .arg(Switch(g.part), Bulb(g.other));
        case GoalKind::MeterReads:
            //: A meter's goal: its number, the value and how far off it may be, as in
            //: "Meter 5 reads 0.15 A, give or take 0.005 A".
            return tr("Meter %1 reads %2 %3, give or take %4 %3")
                .arg(g.part)
                .arg(Number(g.value), UnitSymbol(g.unit), Number(g.tolerance));
        case GoalKind::NoShortedCell:
            return tr("No cell is shorted");
        case GoalKind::NoBlownFuse:
            return tr("No fuse has blown");
        case GoalKind::AtMost:
            //: At most so many parts of a kind, as in "At most 2 of the kind Bulb".
            return tr("At most %1 of the kind %2")
                .arg(g.count)
                .arg(PartTexts::KindName(g.partKind));
        case GoalKind::Answer:
            //: A question the learner answers with a number in a unit, as in
            //: "Answer in Ω: What is the resistance of resistor 3?".
            return tr("Answer in %1: %2").arg(UnitSymbol(g.unit), g.question);
    }
    return {};
}

QString TaskTexts::Hint(const GoalResult& r, const Goal& g) {
    if (r.met) return {};
    switch (r.hint) {
        case HintKind::None:
            break;
        case HintKind::Missing:
            return tr("Component %1 is not on the board.").arg(r.part);
        case HintKind::NoBulb:
            return tr("There is no bulb on the board.");
        case HintKind::Dark:
            //: A bulb and why it is dark, as in "Bulb 3 is dark: a switch in its loop is open."
            return tr("%1 is dark: %2.").arg(Bulb(r.part), PartTexts::DarkReason(r.state));
        case HintKind::Lit:
            return tr("%1 is lit.").arg(Bulb(r.part));
        case HintKind::NotBrighter:
        case HintKind::Unequal:
            return tr("%1 carries %2 A, %3 carries %4 A.")
                .arg(Bulb(r.part), PartTexts::Amps(r.a), Bulb(r.other), PartTexts::Amps(r.b));
        case HintKind::NoControl:
            return r.lit ? tr("Opening or closing %1 leaves %2 lit.")
                               .arg(Switch(r.part), Bulb(r.other))
                         : tr("Opening or closing %1 leaves %2 dark.")
                               .arg(Switch(r.part), Bulb(r.other));
        case HintKind::AlsoControls:
            return tr("%1 turns %2 on and off too.").arg(Switch(r.part), Bulb(r.other));
        case HintKind::MeterReads:
            return tr("%1 reads %2.")
                .arg(PartTexts::PartName(r.kind, r.part),
                     PartTexts::Reading(r.kind, static_cast<int16_t>(r.a)));
        case HintKind::Shorted:
            return tr("%1 is shorted: wires alone join its two terminals.")
                .arg(PartTexts::PartName(Kind::Cell, r.part));
        case HintKind::Blown:
            return tr("%1 has blown.").arg(PartTexts::PartName(Kind::Fuse, r.part));
        case HintKind::TooMany:
            //: How many parts of a kind the board has, as in "The board has 3 of the kind Bulb."
            return tr("The board has %1 of the kind %2.").arg(r.a).arg(PartTexts::KindName(r.kind));
        case HintKind::NoAnswer:
            return tr("Type your answer in the box first.");
        case HintKind::Unreadable:
            //: %1 is an example answer in the unit asked, as in "20 Ω".
            return tr("Type a number, with its unit if you like, as in “%1”.")
                .arg(QStringLiteral("20 ") + UnitSymbol(g.unit));
        case HintKind::WrongUnit:
            return tr("That answer is in another unit: give it in %1.").arg(UnitSymbol(g.unit));
        case HintKind::AnswerOff:
            return tr("Not yet: measure again and work it out from your readings.");
    }
    return {};
}

QString TaskTexts::Summary(const std::vector<GoalResult>& results) {
    int met = 0;
    for (const GoalResult& r : results) met += r.met;
    //: How many of the task's goals Check found met, as in "2 of 3 goals met".
    return tr("%1 of %2 goals met").arg(met).arg(results.size());
}

QString TaskTexts::Spoken(const std::vector<GoalResult>& results, const std::vector<Goal>& goals) {
    QString text = Summary(results) + QStringLiteral(".");
    for (size_t i = 0; i < results.size() && i < goals.size(); ++i) {
        if (results[i].met) continue;
        //: A goal not met and its hint, as in "Not met: Bulb 3 is lit. Bulb 3 is dark: ..."
        text += QLatin1Char(' ') +
                tr("Not met: %1. %2").arg(GoalText(goals[i]), Hint(results[i], goals[i]));
    }
    return text;
}

QString TaskTexts::Refused(Kind kind, int number) {
    if (number > 0) return tr("%1 is locked by the task.").arg(PartTexts::PartName(kind, number));
    //: No more parts of a kind may be added, as in "The task lets you add no more of the kind
    //: Bulb."
    return tr("The task lets you add no more of the kind %1.").arg(PartTexts::KindName(kind));
}

QString TaskTexts::PartsLeft(Kind kind, int left) {
    //: How many more parts of a kind the task lets the learner add, as in "Bulb: 2 left".
    return tr("%1: %2 left").arg(PartTexts::KindName(kind)).arg(left);
}

}  // namespace cw
