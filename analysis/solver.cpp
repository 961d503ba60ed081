#include "analysis/solver.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "analysis/blocks.h"
#include "analysis/exact_currents.h"
#include "analysis/series_parallel.h"
#include "analysis/wire_currents.h"
#include "model/board.h"
#include "model/numeric.h"
#include "model/part_values.h"

namespace cw {
namespace {

// Rounds of iterative refinement: the residual is formed in long double and corrected with the
// double factorisation, so the potentials end up more exact than the factorisation itself.
constexpr int kRefinements = 1;

// Unit roundoff of long double arithmetic, and a generous allowance for the roundings of one
// sum of `terms` products or quotients: each adds at most one unit of the running magnitude.
constexpr long double kUnit = LDBL_EPSILON;
long double RoundingAllowance(int terms, long double magnitude) {
    return 4.0L * (terms + 2) * kUnit * magnitude;
}

enum class PartKind : uint8_t { Cell, Resistor, Bulb };

// A placed cell, resistor or bulb. Its terminals hold NodeIds while the net list is built,
// point indices once it is built, and node indices once the points are joined.
struct Part {
    int number = 0;
    PartKind kind = PartKind::Cell;
    int ohms = 0;
    int terminal[2] = {0, 0};
    bool pruned = false;

    bool Shorted() const { return terminal[0] == terminal[1]; }
    bool Carries() const { return !pruned && !Shorted(); }
    long double Emf() const { return kind == PartKind::Cell ? kCellVolts : 0.0L; }
};

// Two points joined into one node: a wire, a closed switch, or a resistor of 0 ohms.
struct Join {
    int point[2];
};

// The circuit the board describes: every NodeId it names is one point.
struct NetList {
    std::vector<Join> joins;
    std::vector<Part> parts;
    int pointCount = 0;
};

class DisjointSets {
  public:
    explicit DisjointSets(int n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), 0); }
    int Find(int x) {
        while (parent_[x] != x) x = parent_[x] = parent_[parent_[x]];
        return x;
    }
    void Unite(int a, int b) { parent_[Find(a)] = Find(b); }

  private:
    std::vector<int> parent_;
};

// How many placed components carry each number. On a sound board every placed component carries
// a number of its own in 1..16383 that ValueTable holds: a number then names one component's
// entry and its two terminals, and nothing else.
struct Numbering {
    std::vector<uint8_t> carriers;
    std::vector<bool> carriedByOtherThanBulb;
    bool sound = true;

    // The entry of k is a bulb's, however many bulbs carry it, and no other kind's.
    bool BulbEntry(int k) const {
        return k >= 1 && k < static_cast<int>(carriers.size()) && !carriedByOtherThanBulb[k];
    }
};

Numbering ReadNumbers(const Board& board) {
    Numbering numbering;
    const int last = std::min(board.LastValue(), kMaxComponentNumber);
    numbering.carriers.assign(static_cast<size_t>(std::max(last, 0)) + 1, 0);
    numbering.carriedByOtherThanBulb.assign(numbering.carriers.size(), false);
    for (Kind kind : kKinds) {
        for (int l = 1; l <= board.PlacedCount(kind); ++l) {
            const int k = board.At(kind, l).Tag;
            if (k < 1 || k > last) {
                numbering.sound = false;
                continue;
            }
            if (kind != Kind::Light) numbering.carriedByOtherThanBulb[k] = true;
            if (++numbering.carriers[k] > 1) {
                numbering.carriers[k] = 2;
                numbering.sound = false;
            }
        }
    }
    return numbering;
}

// Every bulb's entry is cleared, also where two bulbs carry one number; an entry another kind
// also carries is left alone, so bad Tags never reach a switch's or resistor's entry nor the
// reserved entry 0.
void ClearBulbs(Board& board, const Numbering& numbering, const BulbRefresh& refreshBulb) {
    for (int l = 1; l <= board.PlacedCount(Kind::Light); ++l) {
        const int k = board.At(Kind::Light, l).Tag;
        if (numbering.BulbEntry(k)) board.ValueTable[k] = 0;
        if (refreshBulb) refreshBulb(l);
    }
}

void RepaintBulbs(const Board& board, const BulbRefresh& refreshBulb) {
    if (!refreshBulb) return;
    for (int l = 1; l <= board.PlacedCount(Kind::Light); ++l) refreshBulb(l);
}

// Wires and closed switches become joins, cells, resistors and bulbs parts; every NodeId named
// becomes a point. Empty when a resistor's entry is negative: such a board has no sound answer.
// With closeSwitches, every switch counts as closed. The parts come in the same order either
// way: cells, resistors, bulbs, each by element index.
std::optional<NetList> BuildNetList(const Board& board, bool closeSwitches = false) {
    NetList net;
    net.joins.reserve(static_cast<size_t>(board.LastWire() + board.PlacedCount(Kind::Swit)));
    net.parts.reserve(static_cast<size_t>(board.LastValue()));
    for (int i = 1; i <= board.LastWire(); ++i) {
        const WireRow& w = board.WireTable[i];
        net.joins.push_back({{w.end[0], w.end[1]}});
    }
    for (int l = 1; l <= board.PlacedCount(Kind::Swit); ++l) {
        const int k = board.At(Kind::Swit, l).Tag;
        if (closeSwitches || board.ValueOf(k) == kSwitchClosed)
            net.joins.push_back({{FirstTerminal(k), SecondTerminal(k)}});
    }
    auto addParts = [&](Kind kind, PartKind partKind) {
        for (int l = 1; l <= board.PlacedCount(kind); ++l) {
            const int k = board.At(kind, l).Tag;
            int ohms = partKind == PartKind::Cell ? kCellOhms : kBulbOhms;
            if (partKind == PartKind::Resistor) ohms = board.ValueOf(k);
            if (ohms < 0) return false;
            if (ohms == 0) {
                net.joins.push_back({{FirstTerminal(k), SecondTerminal(k)}});
            } else {
                net.parts.push_back({k, partKind, ohms, {FirstTerminal(k), SecondTerminal(k)}});
            }
        }
        return true;
    };
    if (!addParts(Kind::Cell, PartKind::Cell) || !addParts(Kind::Resi, PartKind::Resistor) ||
        !addParts(Kind::Light, PartKind::Bulb)) {
        return std::nullopt;
    }

    // Terminals first, then junctions, then any other NodeId a wire names.
    const int terminals = 2 * board.LastValue(), junctions = board.LastJunction();
    std::unordered_map<int, int> others;
    auto point = [&](int& id) {
        if (id >= 1 && id <= terminals) {
            id = id - 1;
        } else if (id <= -1 && -id <= junctions) {
            id = terminals - id - 1;
        } else {
            id = others.try_emplace(id, terminals + junctions + static_cast<int>(others.size()))
                     .first->second;
        }
    };
    for (Join& j : net.joins) std::for_each(std::begin(j.point), std::end(j.point), point);
    for (Part& p : net.parts) std::for_each(std::begin(p.terminal), std::end(p.terminal), point);
    net.pointCount = terminals + junctions + static_cast<int>(others.size());
    return net;
}

// The points joined into nodes: each root point's node index, -1 for points no part touches.
struct Joined {
    int nodeCount = 0;
    DisjointSets points{0};
    std::vector<int> nodeOfRoot;
};

// Joins the points into nodes and renumbers every part's terminals by node, 0..count-1.
Joined JoinNodes(NetList& net) {
    Joined j{0, DisjointSets(net.pointCount), std::vector<int>(net.pointCount, -1)};
    for (const Join& join : net.joins) j.points.Unite(join.point[0], join.point[1]);
    for (Part& p : net.parts) {
        for (int& t : p.terminal) {
            int& node = j.nodeOfRoot[static_cast<size_t>(j.points.Find(t))];
            if (node < 0) node = j.nodeCount++;
            t = node;
        }
    }
    return j;
}

// A node met by a single terminal of a part between two nodes is a dead end: the part there
// cannot carry current and is pruned, which may leave its other node a dead end in turn. A
// shorted part (both terminals on one node) is never pruned and never keeps a node alive.
// Gives the number of surviving parts that join two nodes.
int PruneDeadEnds(std::vector<Part>& parts, int nodeCount) {
    std::vector<int> uses(nodeCount, 0);
    for (const Part& p : parts) {
        if (p.Shorted()) continue;
        for (int t : p.terminal) ++uses[t];
    }
    // The parts at each node, as one list cut by node.
    std::vector<int> first(nodeCount + 1, 0);
    for (int n = 0; n < nodeCount; ++n) first[n + 1] = first[n] + uses[n];
    std::vector<int> partsAt(static_cast<size_t>(first.back()));
    std::vector<int> fill(first.begin(), first.end() - 1);
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        if (parts[i].Shorted()) continue;
        for (int t : parts[i].terminal) partsAt[fill[t]++] = i;
    }

    std::vector<int> deadEnds;
    for (int n = 0; n < nodeCount; ++n) {
        if (uses[n] == 1) deadEnds.push_back(n);
    }
    int survivors = static_cast<int>(first.back()) / 2;
    while (!deadEnds.empty()) {
        const int n = deadEnds.back();
        deadEnds.pop_back();
        for (int s = first[n]; s < first[n + 1]; ++s) {
            Part& p = parts[partsAt[s]];
            if (p.pruned) continue;
            p.pruned = true;
            --survivors;
            for (int t : p.terminal) {
                if (--uses[t] == 1) deadEnds.push_back(t);
            }
        }
    }
    return survivors;
}

int SurvivingNodes(const std::vector<Part>& parts, int nodeCount) {
    std::vector<bool> used(nodeCount, false);
    for (const Part& p : parts) {
        if (p.Carries()) used[p.terminal[0]] = used[p.terminal[1]] = true;
    }
    return static_cast<int>(std::count(used.begin(), used.end(), true));
}

// The connected pieces of the parts that carry current, and which of them hold a cell.
struct Pieces {
    Pieces(const std::vector<Part>& parts, int nodeCount) : sets(nodeCount), driven(nodeCount) {
        for (const Part& p : parts) {
            if (p.Carries()) sets.Unite(p.terminal[0], p.terminal[1]);
        }
        for (const Part& p : parts) {
            if (p.Carries() && p.kind == PartKind::Cell) driven[sets.Find(p.terminal[0])] = true;
        }
    }

    DisjointSets sets;
    std::vector<bool> driven;
};

// The potential of every node, and a bound no potential's error exceeds.
struct Potentials {
    std::vector<long double> volts;
    long double error = 0;
};

// Sums, for every unknown, the current the parts draw out of it at the potentials x (the
// reference nodes at 0), less the drive when one is given, and bounds the rounding of each sum.
struct NodeSums {
    std::vector<long double> sum, allowance;
};
NodeSums SumCurrents(const std::vector<Part>& parts, const std::vector<int>& unknown,
                     const std::vector<long double>& x, bool withCells) {
    const size_t count = x.size();
    NodeSums s{std::vector<long double>(count, 0.0L), std::vector<long double>(count, 0.0L)};
    std::vector<long double> magnitude(count, 0.0L);
    std::vector<int> terms(count, 0);
    for (const Part& p : parts) {
        const int a = unknown[p.terminal[0]], b = unknown[p.terminal[1]];
        if (!p.Carries() || (a < 0 && b < 0)) continue;
        const long double drop =
            (a >= 0 ? x[a] : 0.0L) - (b >= 0 ? x[b] : 0.0L) - (withCells ? p.Emf() : 0.0L);
        const long double flow = drop / p.ohms;
        for (int at : {a, b}) {
            if (at < 0) continue;
            s.sum[at] += at == a ? flow : -flow;
            magnitude[at] += std::fabs(flow) + std::fabs(drop);
            terms[at] += 3;
        }
    }
    for (size_t i = 0; i < count; ++i) s.allowance[i] = RoundingAllowance(terms[i], magnitude[i]);
    return s;
}

// The potential of every node: nodal analysis, one reference node at 0 in each connected piece
// that holds a cell. Pieces without a cell stay at 0 throughout. With every conductance
// positive, each piece's equations form a symmetric M-matrix G, so G^-1 is non-negative and, for
// any u with G u >= c > 0, no row of G^-1 sums past max(u) / c: with u the computed solution of
// G u = 1, that bounds how far the residual of the potentials can move them. Empty when the
// factorisation fails or gives a value that is not finite.
std::optional<Potentials> SolvePotentials(const std::vector<Part>& parts, int nodeCount) {
    Pieces pieces(parts, nodeCount);
    // Unknown potentials are numbered 0..count-1; the reference node of a piece and the nodes
    // of undriven pieces keep -1.
    std::vector<int> unknown(nodeCount, -1);
    std::vector<bool> hasReference(nodeCount, false);
    int count = 0;
    for (int n = 0; n < nodeCount; ++n) {
        const int piece = pieces.sets.Find(n);
        if (!pieces.driven[piece]) continue;
        if (hasReference[piece]) {
            unknown[n] = count++;
        } else {
            hasReference[piece] = true;
        }
    }
    Potentials result{std::vector<long double>(nodeCount, 0.0L), 0.0L};
    if (count == 0) return result;

    // A part from a to b carries g (V(a) - V(b) - E): conductance stamps on the left, a cell's
    // g E driven into its positive terminal on the right.
    std::vector<Eigen::Triplet<double>> stamps;
    Eigen::VectorXd drive = Eigen::VectorXd::Zero(count);
    for (const Part& p : parts) {
        const int a = unknown[p.terminal[0]], b = unknown[p.terminal[1]];
        if (!p.Carries() || (a < 0 && b < 0)) continue;
        const double g = 1.0 / p.ohms;
        const double e = static_cast<double>(p.Emf());
        if (a >= 0) stamps.emplace_back(a, a, g), drive[a] += g * e;
        if (b >= 0) stamps.emplace_back(b, b, g), drive[b] -= g * e;
        if (a >= 0 && b >= 0) stamps.emplace_back(a, b, -g), stamps.emplace_back(b, a, -g);
    }
    Eigen::SparseMatrix<double> conductance(count, count);
    conductance.setFromTriplets(stamps.begin(), stamps.end());
    const Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> factor(conductance);
    if (factor.info() != Eigen::Success) return std::nullopt;

    Eigen::VectorXd correction = factor.solve(drive);
    std::vector<long double> x(count, 0.0L);
    Eigen::VectorXd residual(count);
    NodeSums drawn;
    for (int round = 0;; ++round) {
        for (int i = 0; i < count; ++i) x[i] += correction[i];
        // What the parts draw out of each node at x, cells included: 0 at the exact solution.
        drawn = SumCurrents(parts, unknown, x, true);
        if (round == kRefinements) break;
        for (int i = 0; i < count; ++i) residual[i] = static_cast<double>(-drawn.sum[i]);
        correction = factor.solve(residual);
    }

    // The bound: u solves G u = 1; G u computed back must stay above 0 everywhere.
    const Eigen::VectorXd ones = Eigen::VectorXd::Ones(count);
    const Eigen::VectorXd u = factor.solve(ones);
    const std::vector<long double> ul(u.data(), u.data() + count);
    const NodeSums gu = SumCurrents(parts, unknown, ul, false);
    long double lowest = std::numeric_limits<long double>::infinity(), largestU = 0,
                largestResidual = 0;
    for (int i = 0; i < count; ++i) {
        lowest = std::min(lowest, gu.sum[i] - gu.allowance[i]);
        largestU = std::max(largestU, std::fabs(ul[i]));
        largestResidual = std::max(largestResidual, std::fabs(drawn.sum[i]) + drawn.allowance[i]);
    }
    result.error = lowest > 0 ? largestU * (1 + 8 * kUnit) / lowest * largestResidual
                              : std::numeric_limits<long double>::infinity();
    for (int n = 0; n < nodeCount; ++n) {
        if (unknown[n] < 0) continue;
        result.volts[n] = x[unknown[n]];
        if (!std::isfinite(result.volts[n])) return std::nullopt;
    }
    if (std::isnan(result.error)) result.error = std::numeric_limits<long double>::infinity();
    return result;
}

// A solved sound board: its parts (dead ends and shorted ones marked) with node terminals, and
// the potential of every node.
struct Solution {
    NetList net;
    int nodeCount = 0;
    Potentials potentials;
    Joined joined;
};

// Empty when the board cannot be solved: a negative resistor, more rows or unknowns than the
// 16-bit working tables hold, or a factorisation that fails.
std::optional<Solution> Solve(const Board& board) {
    const int rows = board.LastWire() + board.PlacedCount(Kind::Swit) +
                     board.PlacedCount(Kind::Cell) + board.PlacedCount(Kind::Resi) +
                     board.PlacedCount(Kind::Light);
    if (rows > kInt16Max) return std::nullopt;
    std::optional<NetList> net = BuildNetList(board);
    if (!net) return std::nullopt;
    Solution s{std::move(*net), 0, {}, {}};
    s.joined = JoinNodes(s.net);
    s.nodeCount = s.joined.nodeCount;
    const int branches = PruneDeadEnds(s.net.parts, s.nodeCount);
    if (branches == 0) {  // nothing carries current: every potential is 0
        s.potentials.volts.assign(static_cast<size_t>(s.nodeCount), 0.0L);
        return s;
    }
    if (branches + SurvivingNodes(s.net.parts, s.nodeCount) + 2 > kInt16Max) return std::nullopt;
    std::optional<Potentials> potentials = SolvePotentials(s.net.parts, s.nodeCount);
    if (!potentials) return std::nullopt;
    s.potentials = std::move(*potentials);
    return s;
}

// The blocks of a net list's graph, how many cells each holds and one of them.
struct Structure {
    GraphBlocks blocks;
    std::vector<int> cells, someCell;

    Structure(const NetList& net, int nodeCount) {
        std::vector<std::pair<int, int>> edges;
        edges.reserve(net.parts.size());
        for (const Part& p : net.parts) edges.emplace_back(p.terminal[0], p.terminal[1]);
        blocks = FindBlocks(nodeCount, edges);
        cells.assign(blocks.size.size(), 0);
        someCell.assign(blocks.size.size(), -1);
        for (size_t i = 0; i < net.parts.size(); ++i) {
            const int block = blocks.blockOf[i];
            if (block < 0 || net.parts[i].kind != PartKind::Cell) continue;
            ++cells[block];
            someCell[block] = static_cast<int>(i);
        }
    }
    // No loop passes through the part: it carries nothing, whatever the cells do.
    bool NoLoop(size_t part) const { return blocks.blockOf[part] < 0 || blocks.Bridge(part); }
    bool Driven(size_t part) const { return !NoLoop(part) && cells[blocks.blockOf[part]] > 0; }
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
    explicit BulbValues(const Solution& s) : s_(s) {}

    Settled Of(size_t part) {
        const Part& p = s_.net.parts[part];
        if (!p.Carries()) return {true, 0, true};
        const std::vector<long double>& v = s_.potentials.volts;
        const long double scale = 100.0L / p.ohms;
        const long double h = scale * (v[p.terminal[0]] - v[p.terminal[1]]);
        const long double margin =
            scale * 2 * s_.potentials.error + RoundingAllowance(2, std::fabs(h)) + LDBL_MIN;
        const long double below = std::floor(h - margin), above = std::floor(h + margin);
        if (below == above && std::isfinite(h)) return {true, static_cast<int64_t>(below), false};
        if (!Structural().Driven(part)) return {true, 0, true};
        if (h - margin > -1 && h + margin < 1) {  // only the current's sign is open
            if (const int sign = SignFromStructure(part)) return {true, sign > 0 ? 0 : -1, false};
        }
        return Exactly(part, h);
    }

    const Structure& Structural() {
        if (!structure_) structure_.emplace(s_.net, s_.nodeCount);
        return *structure_;
    }
    int exactBlocks = 0;
    int unsettled = 0;

  private:
    // +1 or -1 when the part's block is fed by one cell and is series-parallel seen from it;
    // 0 when the structure does not tell.
    int SignFromStructure(size_t part) {
        const Structure& st = Structural();
        const int block = st.blocks.blockOf[part];
        if (st.cells[block] != 1) return 0;
        if (directionsTried_.insert(block).second) {
            std::vector<size_t> members;
            const Part& cell = s_.net.parts[static_cast<size_t>(st.someCell[block])];
            std::unordered_map<int, int> local;
            auto node = [&](int n) {
                return local.try_emplace(n, static_cast<int>(local.size())).first->second;
            };
            const int source = node(cell.terminal[0]), sink = node(cell.terminal[1]);
            std::vector<std::pair<int, int>> edges;
            for (size_t i = 0; i < s_.net.parts.size(); ++i) {
                if (st.blocks.blockOf[i] != block || s_.net.parts[i].kind == PartKind::Cell)
                    continue;
                const int a = node(s_.net.parts[i].terminal[0]);
                edges.emplace_back(a, node(s_.net.parts[i].terminal[1]));
                members.push_back(i);
            }
            const auto found =
                SeriesParallelDirections(static_cast<int>(local.size()), edges, source, sink);
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
            if (p.kind == PartKind::Bulb)
                asked.push_back(static_cast<int>(parts.size())), members.push_back(i);
            const int a = node(p.terminal[0]);
            parts.push_back({a, node(p.terminal[1]), p.ohms, p.kind == PartKind::Cell});
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

    const Solution& s_;
    std::optional<Structure> structure_;
    std::unordered_set<int> directionsTried_;
    // Each part's current direction where its block's structure decides it, else 0.
    std::vector<int8_t> sign_;
    std::unordered_map<int, std::unordered_map<size_t, Settled>> exact_;
};

// Why a bulb of the circuit's graph no loop passes through stays dark, from the graph with every
// switch closed: the nodes as they are, further joined across each open switch.
class ClosedSwitches {
  public:
    ClosedSwitches(const Board& board, const Solution& s) {
        Joined joined = s.joined;  // the solution's own stays as it is
        std::vector<int> nodeOfPoint;
        auto node = [&](int nodeId) {
            const int root = joined.points.Find(nodeId - 1);  // a terminal's point
            int& n = joined.nodeOfRoot[static_cast<size_t>(root)];
            if (n < 0) n = joined.nodeCount++;
            return n;
        };
        std::vector<std::pair<int, int>> across;
        for (int l = 1; l <= board.PlacedCount(Kind::Swit); ++l) {
            const int k = board.At(Kind::Swit, l).Tag;
            if (board.ValueOf(k) != kSwitchClosed) {
                const int a = node(FirstTerminal(k));
                across.emplace_back(a, node(SecondTerminal(k)));
            }
        }
        DisjointSets nodes(joined.nodeCount);
        for (const auto& [a, b] : across) nodes.Unite(a, b);
        net_.parts = s.net.parts;
        for (Part& p : net_.parts) {
            for (int& t : p.terminal) t = nodes.Find(t);
        }
        structure_.emplace(net_, joined.nodeCount);
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

// The readings of every part and the currents in the wires, from the solved potentials. Nodes
// the solve left out (dead ends, pieces without a cell) carry no current, so their potentials
// follow from a solved neighbour through each part that joins them: equal across a resistor or
// bulb, a cell's voltage across a cell; a piece reached from nowhere starts at 0.
void StoreReadings(const Board& board, Solution& s, CircuitReadings& result) {
    const std::vector<Part>& parts = s.net.parts;
    std::vector<long double> v = s.potentials.volts;
    std::vector<bool> known(static_cast<size_t>(s.nodeCount), false);
    std::vector<std::vector<int>> partsAt(static_cast<size_t>(s.nodeCount));
    for (size_t i = 0; i < parts.size(); ++i) {
        const Part& p = parts[i];
        if (p.Carries()) known[p.terminal[0]] = known[p.terminal[1]] = true;
        if (!p.Shorted()) {
            partsAt[p.terminal[0]].push_back(static_cast<int>(i));
            partsAt[p.terminal[1]].push_back(static_cast<int>(i));
        }
    }
    std::vector<int> queue;
    auto spread = [&] {
        while (!queue.empty()) {
            const int n = queue.back();
            queue.pop_back();
            for (int i : partsAt[n]) {
                const Part& p = parts[static_cast<size_t>(i)];
                const int other = p.terminal[0] == n ? p.terminal[1] : p.terminal[0];
                if (known[other]) continue;
                const long double rise = p.terminal[0] == n ? -p.Emf() : p.Emf();
                v[other] = v[n] + rise;
                known[other] = true;
                queue.push_back(other);
            }
        }
    };
    for (int n = 0; n < s.nodeCount; ++n) {
        if (known[n]) queue.push_back(n);
    }
    spread();
    for (int n = 0; n < s.nodeCount; ++n) {
        if (known[n] || partsAt[n].empty()) continue;
        v[n] = 0;
        known[n] = true;
        queue.push_back(n);
        spread();
    }

    result.parts.assign(static_cast<size_t>(board.LastValue()) + 1, PartReading{});
    std::vector<double> outflow(static_cast<size_t>(s.net.pointCount), 0.0);
    for (const Part& p : parts) {
        PartReading& r = result.parts[static_cast<size_t>(p.number)];
        r.volts = static_cast<double>(v[p.terminal[0]] - v[p.terminal[1]]);
        if (!p.Carries()) continue;
        r.amps = static_cast<double>((v[p.terminal[0]] - v[p.terminal[1]] - p.Emf()) / p.ohms);
        outflow[static_cast<size_t>(FirstTerminal(p.number) - 1)] += r.amps;
        outflow[static_cast<size_t>(SecondTerminal(p.number) - 1)] -= r.amps;
    }
    std::vector<std::array<int, 2>> edges;
    edges.reserve(s.net.joins.size());
    for (const Join& j : s.net.joins) edges.push_back({j.point[0], j.point[1]});
    const std::vector<double> amps = LeastEnergyFlow(s.net.pointCount, edges, outflow);
    result.wireAmps.assign(static_cast<size_t>(board.LastWire()) + 1, 0.0);
    for (int l = 1; l <= board.LastWire(); ++l)
        result.wireAmps[l] = amps[static_cast<size_t>(l - 1)];

    // Switches: closed, a join of their own; open, the voltage of the gap. A resistor of 0 ohms
    // is a join too, after the switches, as the net list made them.
    auto nodeOf = [&s](int point) {
        return s.joined.nodeOfRoot[static_cast<size_t>(s.joined.points.Find(point))];
    };
    size_t join = static_cast<size_t>(board.LastWire());
    for (int l = 1; l <= board.PlacedCount(Kind::Swit); ++l) {
        const int k = board.At(Kind::Swit, l).Tag;
        PartReading& r = result.parts[static_cast<size_t>(k)];
        if (board.ValueOf(k) == kSwitchClosed) {
            r.amps = amps[join++];
            continue;
        }
        const int a = nodeOf(FirstTerminal(k) - 1), b = nodeOf(SecondTerminal(k) - 1);
        if (a >= 0 && b >= 0 && known[a] && known[b]) r.volts = static_cast<double>(v[a] - v[b]);
    }
    for (int l = 1; l <= board.PlacedCount(Kind::Resi); ++l) {
        const int k = board.At(Kind::Resi, l).Tag;
        if (board.ValueOf(k) == 0) result.parts[static_cast<size_t>(k)].amps = amps[join++];
    }
}

int16_t Shown(int64_t floor) {
    return Saturate16(static_cast<double>(floor < 0 ? -floor : floor));
}

}  // namespace

SolveResult SolveCircuit(Board& board, const BulbRefresh& refreshBulb) {
    SolveResult result;
    const int bulbs = board.PlacedCount(Kind::Light);
    result.bulbs.assign(static_cast<size_t>(bulbs) + 1, BulbState::Unsolved);
    if (board.UBound(Kind::Light) <= 1) return result;  // no bulb was ever placed
    const Numbering numbering = ReadNumbers(board);
    ClearBulbs(board, numbering, refreshBulb);
    std::optional<Solution> s;
    if (numbering.sound) s = Solve(board);
    if (s) {
        // The part of each bulb element; on a sound board each bulb's number names its own part.
        std::vector<int> partOf(static_cast<size_t>(board.LastValue()) + 1, -1);
        for (size_t i = 0; i < s->net.parts.size(); ++i)
            partOf[s->net.parts[i].number] = static_cast<int>(i);
        BulbValues values(*s);
        std::optional<ClosedSwitches> closed;
        for (int l = 1; l <= bulbs; ++l) {
            const int k = board.At(Kind::Light, l).Tag;
            const int index = partOf[k];
            if (index < 0) continue;
            const size_t part = static_cast<size_t>(index);
            const Settled v = values.Of(part);
            board.ValueTable[k] = Shown(v.floor);
            BulbState& state = result.bulbs[l];
            if (board.ValueTable[k] > 0) {
                state = BulbState::Lit;
            } else if (s->net.parts[part].Shorted()) {
                state = BulbState::Shorted;
            } else if (values.Structural().NoLoop(part)) {
                if (!closed) closed.emplace(board, *s);
                state = closed->Reason(part);
            } else if (!values.Structural().Driven(part)) {
                state = BulbState::NoCell;
            } else {
                state = v.zero ? BulbState::CellsCancel : BulbState::TooLittleCurrent;
            }
        }
        result.exactBlocks = values.exactBlocks;
        result.unsettled = values.unsettled;
    }
    RepaintBulbs(board, refreshBulb);
    return result;
}

CircuitReadings ReadCircuit(const Board& board) {
    CircuitReadings readings;
    if (!ReadNumbers(board).sound) return readings;
    std::optional<Solution> s = Solve(board);
    if (s) StoreReadings(board, *s, readings);
    return readings;
}

}  // namespace cw
