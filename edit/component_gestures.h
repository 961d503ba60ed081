// Picking up, dragging and releasing components. One implementation serves the four arrays;
// only the initial ValueTable entry and the line tool's click action differ by kind.
#pragma once

#include "model/board.h"

namespace cw {

class EditHost;

void ComponentMouseDown(Board& board, EditHost& host, Kind kind, int index, int button, int shift,
                        float x, float y);
void ComponentMouseMove(Board& board, EditHost& host, Kind kind, int index, int button, int shift,
                        float x, float y);
void ComponentMouseUp(Board& board, EditHost& host, Kind kind, int index, int button, int shift,
                      float x, float y);
// Calls off the running drag of the component, as if it never began: a new part goes back to
// its palette slot, a placed one back where it was picked up. Nothing else changes.
void ComponentCancel(Board& board, EditHost& host, Kind kind, int index);

// Deletes the placed component: its wired terminals become junctions where they were, the
// element is hidden (its number is never handed out again) and the circuit is solved. Returns
// false, changing nothing, when the junctions it would need exceed the 16-bit row counter.
bool DeleteComponent(Board& board, EditHost& host, Kind kind, int index);

// Solves the circuit and repaints the bulbs through the host.
void SolveAndRepaint(Board& board, EditHost& host);
// Repaints each meter or fuse whose entry differs from `before` (a reading, a fuse blown).
void RepaintChangedMeters(const Board& board, EditHost& host, const std::vector<int16_t>& before);

}  // namespace cw
