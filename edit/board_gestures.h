// Gestures on the board itself: drawing a wire with the line tool (a rubber band drawn in XOR
// between press and release) and deleting the nearest wire with the delete tool. The circuit is
// solved after every change of the wire table.
#pragma once

#include <cstdint>

#include "edit/gesture_rules.h"
#include "model/board.h"

namespace cw {

class EditHost;
class Surface;

void MainPicture_MouseDown(Board& board, EditHost& host, int button, int shift, float x, float y);
void MainPicture_MouseMove(Board& board, EditHost& host, int button, int shift, float x, float y);
void MainPicture_MouseUp(Board& board, EditHost& host, int button, int shift, float x, float y);

// The band of a wire being drawn with the line tool, from its anchor to its free end, in XOR:
// drawn twice it is gone. Nothing while no band is being drawn. The board's picture carries it
// whenever it is painted during the gesture, so the band's XOR strokes stay true across a
// repaint of the whole board (a resize, a window shown again).
void PaintBand(Surface& s, const Board& board);

// Appends a wire whose ends join the terminal or junction found at each point (within reach), or
// new junctions there. Returns false, changing neither table, when the 16-bit row counters have
// no room for the row and the junctions it needs.
bool AddWire(Board& board, int16_t ax, int16_t ay, int16_t bx, int16_t by,
             int16_t reach = kSnapReach);

// The row of the wire nearest to (px, py) if it lies within reach (7 for the mouse), else 0.
// Among wires at equal distance the lowest row wins.
int NearestWire(const Board& board, int16_t px, int16_t py, const Reach& reach = kMouseReach);

// Removes the wire NearestWire finds, with every junction only it used.
void DeleteNearestWire(Board& board, int16_t px, int16_t py, const Reach& reach = kMouseReach);

}  // namespace cw
