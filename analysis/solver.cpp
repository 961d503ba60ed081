#include "analysis/solver.h"

#include <algorithm>
#include <optional>

#include "analysis/certified_values.h"
#include "analysis/nodal_solve.h"
#include "analysis/readings.h"
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

bool AnyPlaced(const Board& board, bool (*which)(Kind)) {
    for (Kind kind : kKinds) {
        if (which(kind) && board.PlacedCount(kind) > 0) return true;
    }
    return false;
}
bool IsFuse(Kind kind) {
    return Info(kind).role == Role::Fuse;
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
    const bool meters = AnyPlaced(board, &IsMeter), fuses = AnyPlaced(board, &IsFuse);
    if (board.UBound(LampKind()) <= 1 && !meters && !fuses) return result;  // nothing to show
    const Numbering numbering = ReadNumbers(board);
    ClearBulbs(board, numbering, refreshBulb);
    // Each fuse that blows opens the circuit it protected: solved again, until none is over. A
    // fuse blows at most once, so this ends.
    for (;;) {
        std::optional<Solution> s;
        if (numbering.sound) s = Solve(board);
        if (!s) break;
        StoreBulbValues(board, *s, result);
        result.solution = std::make_shared<const Solution>(std::move(*s));
        // Meters show their readings from this very solve, and fuses are judged on them.
        if (!meters && !fuses) break;
        auto readings = std::make_shared<const CircuitReadings>(ReadSolution(*result.solution));
        result.readings = readings;
        const std::optional<SolveResult::BlownFuse> blows =
            fuses ? FuseToBlow(board, *result.solution, *readings) : std::nullopt;
        if (!blows) break;
        board.ValueTable[static_cast<size_t>(blows->number)] = static_cast<int16_t>(-blows->rating);
        result.blown.push_back(*blows);
    }
    if (meters) StoreMeterReadings(board, numbering, result.readings.get());
    RepaintBulbs(board, refreshBulb);
    return result;
}

}  // namespace cw
