#include "analysis/solver.h"

#include <algorithm>
#include <optional>

#include "analysis/certified_values.h"
#include "analysis/nodal_solve.h"
#include "model/board.h"
#include "model/part_kinds.h"
#include "model/part_values.h"

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

bool AnyMeterPlaced(const Board& board) {
    for (Kind kind : kKinds) {
        if (IsMeter(kind) && board.PlacedCount(kind) > 0) return true;
    }
    return false;
}

int16_t Face(int64_t reading) {
    return static_cast<int16_t>(std::clamp<int64_t>(reading, -32767, 32767));
}

// Each meter's entry is what its face shows: the readings of this solve, or none.
void StoreMeterReadings(Board& board, const Numbering& numbering, const CircuitReadings* r) {
    for (Kind kind : kKinds) {
        if (!IsMeter(kind)) continue;
        for (int l = 1; l <= board.PlacedCount(kind); ++l) {
            const int k = board.At(kind, l).Tag;
            if (k < 1 || k >= static_cast<int>(numbering.carriers.size()) ||
                (numbering.carriers[k] & Numbering::kCount) != 1)
                continue;  // an entry another part shares is not the meter's to write
            const PartReading* p = r && k < static_cast<int>(r->parts.size())
                                       ? &r->parts[static_cast<size_t>(k)]
                                       : nullptr;
            if (!p) {
                board.ValueTable[k] = kNoReading;
            } else if (Info(kind).role == Role::Ammeter) {
                board.ValueTable[k] = Face(p->milliamps);
            } else {
                board.ValueTable[k] = p->voltsKnown ? Face(p->centivolts) : kNoReading;
            }
        }
    }
}

}  // namespace

SolveResult SolveCircuit(Board& board, const BulbRefresh& refreshBulb) {
    SolveResult result;
    const int bulbs = board.PlacedCount(LampKind());
    result.bulbs.assign(static_cast<size_t>(bulbs) + 1, BulbState::Unsolved);
    const bool meters = AnyMeterPlaced(board);
    if (board.UBound(LampKind()) <= 1 && !meters) return result;  // no bulb was ever placed
    const Numbering numbering = ReadNumbers(board);
    ClearBulbs(board, numbering, refreshBulb);
    std::optional<Solution> s;
    if (numbering.sound) s = Solve(board);
    if (s) {
        StoreBulbValues(board, *s, result);
        result.solution = std::make_shared<const Solution>(std::move(*s));
        // Meters show their readings from this very solve.
        if (meters)
            result.readings = std::make_shared<const CircuitReadings>(ReadCircuit(board, result));
    }
    if (meters) StoreMeterReadings(board, numbering, result.readings.get());
    RepaintBulbs(board, refreshBulb);
    return result;
}

}  // namespace cw
