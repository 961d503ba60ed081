#include "analysis/certified_values.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "analysis/blocks.h"
#include "analysis/exact_currents.h"
#include "analysis/nodal_solve.h"
#include "analysis/series_parallel.h"
#include "model/board.h"
#include "model/numeric.h"
#include "model/part_kinds.h"

namespace cw {
namespace {

constexpr long double kUnit = LDBL_EPSILON / 2;

// How far the exact 100 x I of a part may lie from h = s (v_a - v_b), s = 100 / R worked out in
// long double, when no potential is more than `error` from its exact value: s 2 error for the
// potentials (the scale's and the product's roundings within the factor beside it), 3.01 u |h|
// for the three roundings that made h, and u (|h| + margin) for the rounding of h - margin or
// h + margin, so that the floors of those two rounded sums hold the exact value between them.
long double HundredthsMargin(long double scale, long double error, long double h) {
    return scale * (2 * error) * (1 + 8 * kUnit) + 8 * kUnit * std::fabs(h) + LDBL_MIN;
}

// Beyond any current a board can carry, well inside what a double holds whole.
constexpr long double kLargestHundredths = 1e15L;

// The floor of |v| < kLargestHundredths, without switching the rounding mode as the x87's own
// floor does (slow): a double's floor, put right by exact comparisons.
int64_t Floor(long double v) {
    auto k = static_cast<int64_t>(std::floor(static_cast<double>(v)));
    if (static_cast<long double>(k) > v) --k;
    if (static_cast<long double>(k + 1) <= v) ++k;
    return k;
}

// The blocks of a net list's graph, how many cells each holds and one of them. With
// carryingOnly, parts the pruning marked stand for no edge: no loop passes through a dead end, so
// the blocks of the others are the same.
struct Structure {
    GraphBlocks blocks;
    struct Cells {
        int count = 0;
        int some = -1;  // one of them
    };
    std::vector<Cells> cells;  // by block

    Structure(const NetList& net, int nodeCount, bool carryingOnly) {
        std::vector<std::pair<int, int>> edges;
        edges.reserve(net.parts.size());
        for (const Part& p : net.parts) {
            const bool skip = carryingOnly && p.pruned;  // as a loop of its own: in no block
            edges.emplace_back(p.terminal[0], skip ? p.terminal[0] : p.terminal[1]);
        }
        blocks = FindBlocks(nodeCount, edges);
        cells.assign(blocks.size.size(), Cells{});
        for (size_t i = 0; i < net.parts.size(); ++i) {
            const int block = blocks.blockOf[i];
            if (block < 0 || net.parts[i].role != Role::Source) continue;
            ++cells[block].count;
            cells[block].some = static_cast<int>(i);
        }
    }
    // No loop passes through the part: it carries nothing, whatever the cells do.
    bool NoLoop(size_t part) const { return blocks.blockOf[part] < 0 || blocks.Bridge(part); }
    bool Driven(size_t part) const {
        return !NoLoop(part) && cells[blocks.blockOf[part]].count > 0;
    }
};

// What is known of one bulb's 100 x I: its floor, and whether the current is exactly 0.
struct Settled {
    bool known = false;
    int64_t floor = 0;
    bool zero = false;
};

// Decides |floor(100 x I)| of the bulbs of a sound board, from the floating-point potentials
// where their error bound allows, from the circuit's structure where no cell can drive the bulb,
// and exactly, a block at a time, where neither settles it.
class BulbValues {
  public:
    explicit BulbValues(Solution& s) : s_(s) {}

    Settled Of(size_t part) {
        const Part& p = s_.net.parts[part];
        if (!p.Carries()) return {true, 0, true};
        long double h = 0, margin = 0;
        // The interval that holds the exact 100 x I; refined potentials narrow it where it
        // straddles a whole hundredth. Where only the current's sign is open, the structure may
        // tell it first.
        for (bool structureAsked = false;;) {
            const Potentials& potentials = s_.potentials();
            const std::vector<long double>& v = potentials.volts;
            const long double scale = 100.0L / p.ohms;
            h = scale * (v[p.terminal[0]] - v[p.terminal[1]]);
            margin = HundredthsMargin(scale, potentials.error, h);
            if (std::fabs(h) + margin < kLargestHundredths) {
                const int64_t below = Floor(h - margin), above = Floor(h + margin);
                if (below == above && (h - margin > 0 || h + margin < 0))
                    return {true, below, false};
            }
            if (!structureAsked && h - margin > -1 && h + margin < 1) {
                structureAsked = true;
                if (!Structural().Driven(part)) return {true, 0, true};
                if (const int sign = SignFromStructure(part))
                    return {true, sign > 0 ? 0 : -1, false};
            }
            if (!s_.nodal || !s_.nodal->Refine()) break;
            ++refinements;
        }
        if (!Structural().Driven(part)) return {true, 0, true};
        return Exactly(part, h);
    }

    const Structure& Structural() {
        if (!structure_) structure_.emplace(s_.net, s_.nodeCount, true);
        return *structure_;
    }
    int exactBlocks = 0;
    int unsettled = 0;
    int refinements = 0;

  private:
    // +1 or -1 when the part's block is fed by one cell and is series-parallel seen from it;
    // 0 when the structure does not tell.
    int SignFromStructure(size_t part) {
        const Structure& st = Structural();
        const int block = st.blocks.blockOf[part];
        if (st.cells[block].count != 1) return 0;
        if (directionsTried_.insert(block).second) {
            std::vector<size_t> members;
            const Part& cell = s_.net.parts[static_cast<size_t>(st.cells[block].some)];
            std::vector<int> local(static_cast<size_t>(s_.nodeCount), -1);
            int locals = 0;
            auto node = [&](int n) { return local[n] < 0 ? local[n] = locals++ : local[n]; };
            const int source = node(cell.terminal[0]), sink = node(cell.terminal[1]);
            std::vector<std::pair<int, int>> edges;
            for (size_t i = 0; i < s_.net.parts.size(); ++i) {
                if (st.blocks.blockOf[i] != block || s_.net.parts[i].role == Role::Source) continue;
                const int a = node(s_.net.parts[i].terminal[0]);
                edges.emplace_back(a, node(s_.net.parts[i].terminal[1]));
                members.push_back(i);
            }
            const auto found = SeriesParallelDirections(locals, edges, source, sink);
            if (found) {
                if (sign_.empty()) sign_.assign(s_.net.parts.size(), 0);
                for (size_t m = 0; m < found->size(); ++m) sign_[members[m]] = (*found)[m];
            }
        }
        return sign_.empty() ? 0 : sign_[part];
    }

    Settled Exactly(size_t part, long double estimate) {
        const int block = Structural().blocks.blockOf[part];
        auto [at, fresh] = exact_.try_emplace(block);
        if (fresh) at->second = SolveBlock(block);
        const auto found = at->second.find(part);
        if (found != at->second.end()) return found->second;
        // Beyond the exact path's work: the floating-point answer, whole when it is that close.
        ++unsettled;
        const long double nearest = std::nearbyint(estimate);
        const bool whole =
            std::fabs(estimate - nearest) <= 1e-9L * std::max(1.0L, std::fabs(estimate));
        return {true, static_cast<int64_t>(whole ? nearest : std::floor(estimate)),
                whole && nearest == 0};
    }

    std::unordered_map<size_t, Settled> SolveBlock(int block) {
        const GraphBlocks& blocks = Structural().blocks;
        std::unordered_map<int, int> local;
        std::vector<ExactPart> parts;
        std::vector<size_t> members;
        std::vector<int> asked;
        auto node = [&](int n) {
            return local.try_emplace(n, static_cast<int>(local.size())).first->second;
        };
        for (size_t i = 0; i < s_.net.parts.size(); ++i) {
            if (blocks.blockOf[i] != block) continue;
            const Part& p = s_.net.parts[i];
            if (p.role == Role::Lamp)
                asked.push_back(static_cast<int>(parts.size())), members.push_back(i);
            const int a = node(p.terminal[0]);
            parts.push_back({a, node(p.terminal[1]), p.ohms, p.role == Role::Source});
        }
        std::unordered_map<size_t, Settled> values;
        const auto exact = SolveExactly(static_cast<int>(local.size()), parts, asked);
        if (!exact) return values;
        ++exactBlocks;
        for (size_t i = 0; i < members.size(); ++i) {
            values[members[i]] = {true, (*exact)[i].floor, (*exact)[i].zero};
        }
        return values;
    }

    Solution& s_;
    std::optional<Structure> structure_;
    std::unordered_set<int> directionsTried_;
    // Each part's current direction where its block's structure decides it, else 0.
    std::vector<int8_t> sign_;
    std::unordered_map<int, std::unordered_map<size_t, Settled>> exact_;
};

// Why a bulb of the circuit's graph no loop passes through stays dark, from the graph with every
// switch closed (then also every blown fuse mended, then also every voltmeter a wire): the nodes
// as they are, further joined across each of those gaps.
enum class Closing { Switches, AndFuses, AndVoltmeters };
class ClosedSwitches {
  public:
    ClosedSwitches(const Solution& s, Closing closing) {
        std::vector<int> gaps = s.net.openSwitches;
        if (closing != Closing::Switches)
            gaps.insert(gaps.end(), s.net.blownFuses.begin(), s.net.blownFuses.end());
        if (closing == Closing::AndVoltmeters)
            gaps.insert(gaps.end(), s.net.voltmeters.begin(), s.net.voltmeters.end());
        // A switch terminal no part meets is a node of its own here.
        int nodeCount = s.nodeCount;
        std::vector<int> fresh;
        auto node = [&](int nodeId) {
            const int root = s.joined.points.Root(nodeId - 1);  // a terminal's point
            const int n = s.joined.nodeOfRoot[static_cast<size_t>(root)];
            if (n >= 0) return n;
            if (fresh.empty()) fresh.assign(s.joined.nodeOfRoot.size(), -1);
            int& f = fresh[static_cast<size_t>(root)];
            return f >= 0 ? f : f = nodeCount++;
        };
        for (const int k : gaps) node(FirstTerminal(k)), node(SecondTerminal(k));
        DisjointSets nodes(nodeCount);  // joined across each open switch
        for (const int k : gaps) nodes.Unite(node(FirstTerminal(k)), node(SecondTerminal(k)));
        net_.parts = s.net.parts;
        for (Part& p : net_.parts) {
            for (int& t : p.terminal) t = nodes.Find(t);
        }
        structure_.emplace(net_, nodeCount, false);
    }
    BulbState Reason(size_t part) const {
        if (net_.parts[part].Shorted() || structure_->NoLoop(part)) {
            return BulbState::NotInClosedLoop;
        }
        return structure_->Driven(part) ? BulbState::SwitchOpen : BulbState::NoCell;
    }

  private:
    NetList net_;
    std::optional<Structure> structure_;
};

int16_t Shown(int64_t floor) {
    return Saturate16(static_cast<double>(floor < 0 ? -floor : floor));
}

}  // namespace

void StoreBulbValues(Board& board, Solution& s, SolveResult& result) {
    const int bulbs = board.PlacedCount(LampKind());
    // The part of each bulb element; on a sound board each bulb's number names its own part.
    std::vector<int> partOf(static_cast<size_t>(board.LastValue()) + 1, -1);
    for (size_t i = 0; i < s.net.parts.size(); ++i)
        partOf[s.net.parts[i].number] = static_cast<int>(i);
    BulbValues values(s);
    std::optional<ClosedSwitches> closed, mended, closedAndMeters;
    for (int l = 1; l <= bulbs; ++l) {
        const int k = board.At(LampKind(), l).Tag;
        const int index = partOf[k];
        if (index < 0) continue;
        const size_t part = static_cast<size_t>(index);
        const Settled v = values.Of(part);
        board.ValueTable[k] = Shown(v.floor);
        BulbState& state = result.bulbs[l];
        if (board.ValueTable[k] > 0) {
            state = BulbState::Lit;
        } else if (s.net.parts[part].Shorted()) {
            state = BulbState::Shorted;
        } else if (s.net.parts[part].pruned || values.Structural().NoLoop(part)) {
            if (!closed) closed.emplace(s, Closing::Switches);
            state = closed->Reason(part);
            if (state != BulbState::SwitchOpen && !s.net.blownFuses.empty()) {
                if (!mended) mended.emplace(s, Closing::AndFuses);
                if (mended->Reason(part) == BulbState::SwitchOpen) state = BulbState::FuseBlown;
            }
            if (state != BulbState::SwitchOpen && state != BulbState::FuseBlown &&
                !s.net.voltmeters.empty()) {
                if (!closedAndMeters) closedAndMeters.emplace(s, Closing::AndVoltmeters);
                if (closedAndMeters->Reason(part) == BulbState::SwitchOpen)
                    state = BulbState::VoltmeterInLoop;
            }
        } else if (!values.Structural().Driven(part)) {
            state = BulbState::NoCell;
            // Bulbs in a loop of their own behind a blown fuse: the fuse is why.
            if (!s.net.blownFuses.empty()) {
                if (!mended) mended.emplace(s, Closing::AndFuses);
                if (mended->Reason(part) == BulbState::SwitchOpen) state = BulbState::FuseBlown;
            }
        } else {
            state = v.zero ? BulbState::CellsCancel : BulbState::TooLittleCurrent;
        }
    }
    result.exactBlocks = values.exactBlocks;
    result.unsettled = values.unsettled;
    result.refinements = values.refinements;
}

}  // namespace cw
