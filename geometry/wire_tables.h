// Upkeep of WireTable and JunctionTable when wires and components come and go. Both tables
// grow and shrink only at their ends; junction numbers close up when one is removed, and every
// wire end that named a later junction is renumbered with it.
#pragma once

#include <cstdint>

namespace cw {

struct Board;

// How many wire ends equal NodeId n (a wire whose two ends are n counts twice).
int CountWireEnds(const Board& board, int16_t n);

// Every wire end equal to oldId becomes newId.
void RenameNode(Board& board, int16_t oldId, int16_t newId);

// Removes junction k (1..J, a row number, not a NodeId); later junctions move down by one and
// the wire ends that named them follow. Ends naming junction k itself are left as they are.
void RemoveJunction(Board& board, int k);

// Whether the tables can take one more junction / wire within the 16-bit row counters.
bool CanAddJunctions(const Board& board, int count);
bool CanAddWire(const Board& board);

// Appends a junction at (x, y) and returns its NodeId -J. Requires CanAddJunctions(board, 1).
int16_t AddJunction(Board& board, int16_t x, int16_t y);

// Appends the wire row (a, b) and removes the wire row l (1..W), closing the gap.
void AppendWireRow(Board& board, int16_t a, int16_t b);
void RemoveWireRow(Board& board, int l);

}  // namespace cw
