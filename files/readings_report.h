// A board's readings as text for scripts: one line per part on the board in number order,
// tab-separated: number, kind (its file name), state, the current from its first terminal to
// its second in amperes, the voltage of its first terminal less its second in volts, and a
// meter's display. The numbers are the program's own (milliamperes and hundredths of a volt,
// rounded as everywhere), written with C-locale decimals.
#pragma once

#include <QByteArray>

#include "files/board_document.h"
#include "model/board.h"

namespace cw {

// The board a document describes, as the model holds it (places as saved, nothing clamped).
Board BoardOf(const BoardDocument& document);

QByteArray ReadingsReport(const BoardDocument& document);

}  // namespace cw
