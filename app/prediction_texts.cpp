#include "app/prediction_texts.h"

#include "app/part_texts.h"
#include "model/part_kinds.h"

namespace cw {
namespace {

QString Bulb(int k) {
    return PartTexts::PartName(Kind::Light, k);
}

}  // namespace

QString PredictionTexts::Explanation(const Explained& e) {
    const QString amps = PartTexts::Amps(e.milliamps);
    switch (e.kind) {
        case Explanation::Shorted:
            return tr("A wire joins %1's two terminals: the current takes the wire, and none "
                      "passes through the bulb.")
                .arg(Bulb(e.bulb));
        case Explanation::OpenSwitch:
            if (e.other != 0) {
                return tr("%1 is open: no current can flow round %2's loop.")
                    .arg(PartTexts::PartName(Kind::Swit, e.other), Bulb(e.bulb));
            }
            return tr("A switch in %1's loop is open: no current can flow round it.")
                .arg(Bulb(e.bulb));
        case Explanation::CellsOppose:
            return tr("The cells in %1's loop push against each other: no current flows.")
                .arg(Bulb(e.bulb));
        case Explanation::CellsAid:
            return tr("Cells in %1's loop push the same way, one after another: together they "
                      "drive %2 A through it.")
                .arg(Bulb(e.bulb), amps);
        case Explanation::SameLoop:
            //: As in "Bulb 2 and Bulb 3 are in one loop: the same 0.071 A passes through both."
            return tr("%1 and %2 are in one loop: the same %3 A passes through both.")
                .arg(Bulb(e.bulb), Bulb(e.other), amps);
        case Explanation::ResistorInLoop:
            return tr("%1 is in %2's loop: before the bulb or after it, it holds the current to "
                      "the same %3 A all the way round.")
                .arg(PartTexts::PartName(Kind::Resi, e.other), Bulb(e.bulb), amps);
        case Explanation::OwnBranch:
            return tr("%1 has a path of its own: %2 A through it, while %3 gives %4 A in all, "
                      "shared between the paths.")
                .arg(Bulb(e.bulb), amps, PartTexts::PartName(Kind::Cell, e.other),
                     PartTexts::Amps(e.total));
        case Explanation::Reason:
            break;
    }
    if (e.state == BulbState::Lit) return tr("%1 is lit: %2 A flows through it.").arg(Bulb(e.bulb), amps);
    return tr("%1 is dark: %2.").arg(Bulb(e.bulb), PartTexts::DarkReason(e.state));
}

QString PredictionTexts::Verdict(const CircuitModel::Verdict& v) {
    if (v.guess == v.actual) {
        //: A prediction that was right, as in "Bulb 2: dim, right."
        return QStringLiteral("\u2714 ") +
               tr("%1: %2, right.").arg(Bulb(v.bulb), PartTexts::GuessWord(v.actual));
    }
    //: A prediction that was wrong, as in "Bulb 3: you said bright; it is dim, 0.071 A."
    return QStringLiteral("\u2718 ") +
           tr("%1: you said %2; it is %3, %4 A.")
               .arg(Bulb(v.bulb), PartTexts::GuessWord(v.guess), PartTexts::GuessWord(v.actual),
                    PartTexts::Amps(v.why.milliamps)) +
           QLatin1Char(' ') + Explanation(v.why);
}

QString PredictionTexts::Tally(int right, int made) {
    //: Predictions right out of those made since predict first was switched on.
    return tr("Predictions: %1 of %2 right").arg(right).arg(made);
}

QString PredictionTexts::Spoken(const std::vector<CircuitModel::Verdict>& verdicts) {
    int right = 0;
    for (const CircuitModel::Verdict& v : verdicts) right += v.guess == v.actual;
    QString text = tr("Shown: %1 of %2 predictions right.").arg(right).arg(verdicts.size());
    for (const CircuitModel::Verdict& v : verdicts) text += QLatin1Char(' ') + Verdict(v).mid(2);
    return text;
}

}  // namespace cw
