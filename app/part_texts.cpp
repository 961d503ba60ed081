#include "app/part_texts.h"

#include <QLocale>
#include <QTranslator>
#include <array>
#include <cmath>

#include "geometry/hit_test.h"
#include "model/part_kinds.h"
#include "render/symbol_painters.h"

namespace cw {

namespace {
// Each kind's name, in the order of the table of kinds.
// Sized by its entries, so a kind without one fails the check below.
constexpr auto kKindNames = std::to_array<const char*>({
    QT_TRANSLATE_NOOP("PartTexts", "Battery cell"),
    QT_TRANSLATE_NOOP("PartTexts", "Switch"),
    QT_TRANSLATE_NOOP("PartTexts", "Resistor"),
    QT_TRANSLATE_NOOP("PartTexts", "Bulb"),
    QT_TRANSLATE_NOOP("PartTexts", "Ammeter"),
    QT_TRANSLATE_NOOP("PartTexts", "Voltmeter"),
    QT_TRANSLATE_NOOP("PartTexts", "Fuse"),
});
static_assert(kKindNames.size() == kKindTable.size(), "every kind has its name");
}  // namespace

QString PartTexts::KindName(Kind kind) {
    return tr(kKindNames[static_cast<size_t>(KindIndex(kind))]);
}

QString PartTexts::PartName(Kind kind, int number) {
    //: A placed part: its kind and its number, as in "Bulb 2".
    return number > 0 ? tr("%1 %2").arg(KindName(kind)).arg(number) : KindName(kind);
}

QString PartTexts::DarkReason(BulbState state) {
    switch (state) {
        case BulbState::Shorted:
            return PartTexts::tr("shorted by a wire");
        case BulbState::SwitchOpen:
            return PartTexts::tr("a switch in its loop is open");
        case BulbState::NotInClosedLoop:
            return PartTexts::tr("not in a closed loop");
        case BulbState::NoCell:
            return PartTexts::tr("no cell in its circuit");
        case BulbState::CellsCancel:
            return PartTexts::tr("the cells cancel out");
        case BulbState::TooLittleCurrent:
            return PartTexts::tr("too little current");
        case BulbState::FuseBlown:
            return PartTexts::tr("a fuse in its loop has blown");
        case BulbState::VoltmeterInLoop:
            return PartTexts::tr("a voltmeter in its loop lets no current through");
        case BulbState::Lit:
        case BulbState::Unsolved:
            break;
    }
    return PartTexts::tr("the circuit cannot be solved");
}

QString PartTexts::Amps(int64_t milliamps) {
    return QLocale().toString(static_cast<double>(milliamps) / 1000, 'f', 3);
}
QString PartTexts::Volts(int64_t centivolts) {
    return QLocale().toString(static_cast<double>(centivolts) / 100, 'f', 2);
}

QString PartTexts::FuseRating(int16_t value) {
    // 0.25, 0.5, 1: as few decimals as the rating needs.
    return QLocale().toString(std::abs(static_cast<int>(value)) / 1000.0, 'g', 3);
}

QString PartTexts::FuseBlew(int number, int64_t milliamps, int16_t rating) {
    //: Said when a fuse blows, as in "Fuse 4 blew: 1.500 A through a 0.5 A fuse".
    return tr("%1 blew: %2 A through a %3 A fuse")
        .arg(PartName(Kind::Fuse, number), Amps(std::abs(milliamps)), FuseRating(rating));
}

QString PartTexts::Reading(Kind kind, int16_t value) {
    if (value == kNoReading) {
        //: A voltmeter whose terminals no circuit joins: it has nothing to measure.
        return tr("no reading: its terminals are not joined by a circuit");
    }
    //: A meter's reading, as in "0.136 A" or "1.50 V".
    return Info(kind).role == Role::Ammeter ? tr("%1 A").arg(Amps(value))
                                            : tr("%1 V").arg(Volts(value));
}

QString PartTexts::GuessWord(Guess guess) {
    switch (guess) {
        case Guess::Dark:
            //: A prediction of a bulb: no light at all.
            return tr("dark");
        case Guess::Dim:
            //: A prediction of a bulb: lit, under 0.10 A.
            return tr("dim");
        case Guess::Bright:
            //: A prediction of a bulb: lit, 0.10 A or more.
            return tr("bright");
        case Guess::None:
            break;
    }
    return QStringLiteral("?");
}

void PartTexts::SetPaintedGuessWords() {
    std::array<std::string, 4> words;
    for (Guess g : {Guess::None, Guess::Dark, Guess::Dim, Guess::Bright})
        words[static_cast<size_t>(g)] = GuessWord(g).toStdString();
    SetGuessWords(words);
}

QString PartTexts::Veiled(Kind kind, int16_t value, Guess guess, bool hidden) {
    switch (Info(kind).role) {
        case Role::Lamp:
            if (guess == Guess::None) {
                //: A bulb while predictions are asked for, before the learner predicted it.
                return tr("not shown yet: predict dark, dim or bright");
            }
            //: A bulb while predictions are asked for, as in "not shown yet; your prediction: dim".
            return tr("not shown yet; your prediction: %1").arg(GuessWord(guess));
        case Role::Ammeter:
        case Role::Voltmeter:
            return tr("not shown yet");
        default:
            return Description(kind, value, BulbState::Unsolved, nullptr, hidden);
    }
}

QString PartTexts::Locked(const QString& description) {
    //: A part a task locked where it is, after what it shows, as in "closed, locked".
    return description.isEmpty() ? tr("locked") : tr("%1, locked").arg(description);
}

QString PartTexts::Description(Kind kind, int16_t value, BulbState bulb, const PartReading* reading,
                               bool hidden) {
    if (hidden && Info(kind).role == Role::Source) {
        //: A battery cell whose voltage the task hides, for the learner to find.
        return tr("? volts");
    }
    if (hidden && Info(kind).role == Role::Resistance) {
        //: A resistor whose value the task hides, for the learner to find by measuring.
        return tr("? ohms");
    }
    // One rule for every part: a series loop reads one current all round. A part says how much
    // (a meter, which way too). Between a solve and its readings a bulb says its stored value.
    const QString amps = reading                         ? Amps(std::abs(reading->milliamps))
                         : Info(kind).role == Role::Lamp ? Amps(int64_t{value} * 10)
                                                         : QString();
    const QString volts = reading ? Volts(std::abs(reading->centivolts)) : QString();
    switch (Info(kind).role) {
        case Role::Ammeter:
        case Role::Voltmeter:
            return Reading(kind, value);
        case Role::Fuse: {
            const QString rating = FuseRating(value);
            if (value < 0) {
                //: A fuse that has blown, its rating in amperes, as in "0.5 A, blown".
                return tr("%1 A, blown").arg(rating);
            }
            //: A fuse that is whole, its rating and the current through it, as in
            //: "0.5 A, intact, 0.136 A".
            if (reading) return tr("%1 A, intact, %2 A").arg(rating, amps);
            //: A fuse that is whole and its rating, as in "0.5 A, intact".
            return tr("%1 A, intact").arg(rating);
        }
        case Role::Source:
            if (reading) {
                //: A cell's voltage, the current through it and the voltage between its
                //: terminals, as in "1.5 volts, 0.13 A, 1.36 V across its terminals".
                return tr("%1 volts, %2 A, %3 V across its terminals")
                    .arg(QLocale().toString(kCellVolts), amps, volts);
            }
            //: A battery cell's voltage, as in "1.5 volts".
            return tr("%1 volts").arg(QLocale().toString(kCellVolts));
        case Role::Switch:
            if (reading) {
                //: A switch and the current through it, as in "closed, 0.13 A".
                return value == kSwitchClosed ? tr("closed, %1 A").arg(amps)
                                              : tr("open, %1 A").arg(amps);
            }
            return value == kSwitchClosed ? tr("closed") : tr("open");
        case Role::Resistance:
            if (reading) {
                //: A resistor, the current through it and the voltage across it, as in
                //: "10 ohms, 0.12 A, 1.22 V".
                return tr("%1 ohms, %2 A, %3 V").arg(QString::number(value), amps, volts);
            }
            return tr("%1 ohms").arg(value);
        case Role::Lamp:
            if (bulb == BulbState::Lit) {
                //: A lit bulb, its current and the voltage across it, as in "lit, 0.13 A, 1.36 V".
                if (reading) return tr("lit, %1 A, %2 V").arg(amps, volts);
                //: A lit bulb and its current in amperes, as in "lit, 0.13 A".
                return tr("lit, %1 A").arg(amps);
            }
            //: A dark bulb, why, and its current and voltage, as in
            //: "dark: too little current, 0.00 A, 0.04 V".
            if (reading) return tr("dark: %1, %2 A, %3 V").arg(DarkReason(bulb), amps, volts);
            //: A dark bulb and why, as in "dark: not in a closed loop".
            return tr("dark: %1").arg(DarkReason(bulb));
    }
    return {};
}

QString PartTexts::PaletteHint(Kind kind) {
    return tr("%1: drag it onto the board, or press Space to pick one up").arg(KindName(kind));
}

QString PartTexts::ToolName(int16_t tool) {
    switch (tool) {
        case kToolLine:
            return tr("Line tool");
        case kToolPencil:
            return tr("Pencil tool");
        default:
            return tr("Delete tool");
    }
}

QString PartTexts::ToolHint(int16_t tool, const QString& key) {
    switch (tool) {
        case kToolLine:
            //: %1 is the key that chooses the tool.
            return tr("Line tool (%1): drag from a terminal to another to draw a wire; click a "
                      "switch to open or close it, a resistor to change its value")
                .arg(key);
        case kToolPencil:
            return tr("Pencil tool (%1): write notes over the board; drag with the right button "
                      "to rub them out")
                .arg(key);
        default:
            return tr("Delete tool (%1): click a part or a wire to delete it").arg(key);
    }
}

QString PartTexts::BoardName() {
    return tr("Board");
}

QString PartTexts::BoardCursor(const Board& board, int x, int y) {
    const QString at = tr("cursor at %1, %2").arg(x).arg(y);
    const int16_t n = FindNodeAt(board, static_cast<int16_t>(x), static_cast<int16_t>(y));
    if (n < 0) return tr("%1, on a junction").arg(at);
    if (n == 0) return at;
    const int k = ComponentOfTerminal(n);
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board.PlacedCount(kind); ++i) {
            if (board.At(kind, i).Tag != k) continue;
            const QString part = PartName(kind, k);
            return IsSecondTerminal(n) ? tr("%1, on the second terminal of %2").arg(at, part)
                                       : tr("%1, on the first terminal of %2").arg(at, part);
        }
    }
    return at;
}

QTranslator* LoadTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale::system(), QStringLiteral("circuit-workbench"),
                         QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(translator);
        // Numbers and dates follow the language the texts are in ("0,13 A" beside "1,5
        // voltios"), whatever the locale's own formats.
        QLocale::setDefault(QLocale(translator->language()));
        return translator;
    }
    delete translator;
    // The texts stay English: so do the numbers.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return nullptr;
}

}  // namespace cw
