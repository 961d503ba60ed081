#include "analysis/solver.h"

#include <optional>

#include "analysis/certified_values.h"
#include "analysis/nodal_solve.h"
#include "model/board.h"
#include "model/part_kinds.h"

namespace cw {
namespace {

// Every bulb's entry is cleared, also where two bulbs carry one number; an entry another kind
// also carries is left alone, so bad Tags never reach a switch's or resistor's entry nor the
// reserved entry 0.
void ClearBulbs(Board& board, const Numbering& numbering, const BulbRefresh& refreshBulb) {
    for (int l = 1; l <= board.PlacedCount(LampKind()); ++l) {
        const int k = board.At(LampKind(), l).Tag;
        if (numbering.BulbEntry(k)) board.ValueTable[k] = 0;
        if (refreshBulb) refreshBulb(l);
    }
}

void RepaintBulbs(const Board& board, const BulbRefresh& refreshBulb) {
    if (!refreshBulb) return;
    for (int l = 1; l <= board.PlacedCount(LampKind()); ++l) refreshBulb(l);
}

}  // namespace

SolveResult SolveCircuit(Board& board, const BulbRefresh& refreshBulb) {
    SolveResult result;
    const int bulbs = board.PlacedCount(LampKind());
    result.bulbs.assign(static_cast<size_t>(bulbs) + 1, BulbState::Unsolved);
    if (board.UBound(LampKind()) <= 1) return result;  // no bulb was ever placed
    const Numbering numbering = ReadNumbers(board);
    ClearBulbs(board, numbering, refreshBulb);
    std::optional<Solution> s;
    if (numbering.sound) s = Solve(board);
    if (s) {
        StoreBulbValues(board, *s, result);
        result.solution = std::make_shared<const Solution>(std::move(*s));
    }
    RepaintBulbs(board, refreshBulb);
    return result;
}

}  // namespace cw
