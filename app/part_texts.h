// The words the window uses for its controls and parts: names, descriptions and hints, one text
// each for the screen reader, the tooltips and the help, translated into the learner's language.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

class QTranslator;

#include "analysis/solver.h"
#include "model/board.h"

namespace cw {

class PartTexts {
    Q_DECLARE_TR_FUNCTIONS(PartTexts)

  public:
    static QString KindName(Kind kind);  // "Battery cell", "Switch", "Resistor", "Bulb"
    // "Battery cell 1": the kind and the part's number; the kind alone before it has one.
    static QString PartName(Kind kind, int number);
    // A switch open or closed, a resistor's ohms, a cell's volts, a bulb lit with its current
    // (value: the bulb's hundredths of an ampere) or dark and why; with the part's reading from
    // the last solve, when there is one, its current and the voltage across it.
    // A value a task hides is "?", and so are the part's own current and voltage.
    static QString Description(Kind kind, int16_t value, BulbState bulb,
                               const PartReading* reading = nullptr, bool hidden = false);
    // While predictions are asked for: a bulb's prediction ("not shown yet; your prediction:
    // dim"), a meter "not shown yet", the others as set, without readings.
    static QString Veiled(Kind kind, int16_t value, Guess guess, bool hidden);
    // A prediction's word: "dark", "dim", "bright"; "?" for none.
    static QString GuessWord(Guess guess);
    // Sets the words the veiled bulbs show, in the learner's language.
    static void SetPaintedGuessWords();
    // What a task's rules add to it: "locked".
    static QString Locked(const QString& description);
    // Why a bulb is dark: "a switch in its loop is open".
    static QString DarkReason(BulbState state);
    // A meter's face in words (value: its stored reading), as in "0.136 A".
    static QString Reading(Kind kind, int16_t value);
    // Currents to the milliampere and voltages to the hundredth, in the language's numbers.
    static QString Amps(int64_t milliamps);
    static QString Volts(int64_t centivolts);
    // A fuse's rating in amperes, from its entry (blown or not): "0.25", "0.5", "1".
    static QString FuseRating(int16_t value);
    // "Fuse 4 blew: 1.500 A through a 0.5 A fuse".
    static QString FuseBlew(int number, int64_t milliamps, int16_t rating);
    static QString PaletteHint(Kind kind);
    static QString ToolName(int16_t tool);  // "Line tool", "Pencil tool", "Delete tool"
    // What the tool does, with the key that chooses it.
    static QString ToolHint(int16_t tool, const QString& key);
    static QString BoardName();
    // Where the board's keyboard cursor is and what lies there, for the screen reader.
    static QString BoardCursor(const Board& board, int x, int y);
};

// Loads and installs the translation for the system's languages (LANGUAGE, then the locale), if
// one is shipped, and gives it (owned by the application); null when English stays.
QTranslator* LoadTranslations(QCoreApplication& application);

}  // namespace cw
