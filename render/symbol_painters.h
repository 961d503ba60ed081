// The component symbols, each scaled to its element's own surface: the battery cell (no
// state), the switch (open or closed), the bulb (its glass shows the solver's value) and the
// resistor (its value in four colour bands). They read the board at paint time and write
// nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/board.h"
#include "render/surface.h"

namespace cw {

struct Board;

// The ValueTable entry a painter shows for an element carrying tag: an element whose tag is not
// a placed number inside ValueTable draws as an unplaced one, with value 0.
int16_t PaintedValue(const Board& board, int32_t tag);

// Glass colour of a bulb whose ValueTable entry is v: grey at 0, pale yellow at 20, full yellow
// from 40; values beyond the curve's range are full yellow.
Rgb BulbGlassColour(int v);

// A bulb's glass while predictions are asked for, and what it says: "?", or the prediction
// (words set for the learner's language: "?", "dark", "dim", "bright").
inline constexpr Rgb kVeiledGlass{255, 255, 255};
void SetGuessWords(const std::array<std::string, 4>& words);
const std::string& GuessWord(Guess g);
// The element carrying tag shows no result: predictions are asked for.
bool Veiled(const Board& board, int32_t tag);

void Cell_Paint(Surface& s);
void Swit_Paint(Surface& s, const Board& board, int32_t tag);
void Light_Paint(Surface& s, const Board& board, int32_t tag);
void Resi_Paint(Surface& s, const Board& board, int32_t tag);

// An ammeter or a voltmeter with the reading stored for it; the face writes decimals with the
// separator set (the learner's language's).
void Meter_Paint(Surface& s, const Board& board, Kind kind, int32_t tag);
void SetMeterDecimalSeparator(char separator);
char MeterDecimalSeparator();
// A fuse: its rating, and its wire whole or broken.
void Fuse_Paint(Surface& s, const Board& board, int32_t tag);

// A "?" centred on (x, y), where a hidden value would show.
void HiddenValue_Paint(Surface& s, double x, double y, double size);
// How many more of its kind a task lets the learner add, in a strip copy's corner.
void PartsLeft_Paint(Surface& s, int left);
// A small padlock whose top-right corner is at (right, top): a part a task locked.
void Padlock_Paint(Surface& s, double right, double top, double size);

// Draws an element of the kind carrying tag with the kind's own painter, with a task's padlock
// and hidden value.
void PaintPart(Surface& s, const Board& board, Kind kind, int32_t tag);

}  // namespace cw
