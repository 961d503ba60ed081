// The circuit solver: after every edit that can change the circuit it recomputes the
// direct-current state of the board and stores, for every bulb, |floor(100 x current)| in its
// ValueTable entry. It reads the board as it stands and writes nothing but bulb entries; the
// working tables are built and dropped in each run.
//
// Electrical model: a cell is 1.5 in series with 1 (first terminal positive), a resistor its
// ValueTable entry, a bulb 10; wires and closed switches join nodes. A component whose two
// terminals fall on one node contributes cancelling coefficients, so a shorted bulb carries no
// current and a shorted cell drives its current through its own internal resistance.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace cw {

struct Board;

// Rows of node labels: the wires first, then switches, cells, resistors and bulbs. Row 0 is
// unused; a component row holding -1 twice has been pruned.
using NetTable = std::vector<std::array<int16_t, 2>>;

struct PruneResult {
    int largestLabel = -1;
    int survivors = 0;
    bool changed = false;
};

// How many cells of the component rows (firstComponentRow to the end, both columns, pruned rows
// included) equal label.
int CountNodeUses(const NetTable& net, int firstComponentRow, int16_t label);

// One pruning pass: every component row with a terminal on a node that no other component
// terminal meets is marked pruned. Gives the largest surviving label, the survivors and whether
// anything was pruned.
PruneResult PruneDeadEnds(NetTable& net, int firstComponentRow);

enum class EliminationKind { Sparse, Dense };

// Called once per placed bulb (its index in the bulb array) whenever the solver asks it to be
// repainted: after clearing the values and again after storing the results.
using BulbRefresh = std::function<void(int lightIndex)>;

// Solves the board. A board beyond the 16-bit limits of the working tables leaves every bulb at
// 0; a result beyond 16 bits saturates at 32767 and a non-finite one counts as 0.
void SolveCircuit(Board& board, const BulbRefresh& refreshBulb = {},
                  EliminationKind elimination = EliminationKind::Sparse);

}  // namespace cw
