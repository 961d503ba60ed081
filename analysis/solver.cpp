#include "analysis/solver.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <vector>

#include "model/board.h"
#include "model/numeric.h"

namespace cw {
namespace {

constexpr double kCellVolts = 1.5;
constexpr double kCellOhms = 1.0;
constexpr double kBulbOhms = 10.0;

// How far a computed 100 x I may lie from a whole number and still count as that number. The
// refined potentials are good to about 1e-18 of their size, far inside this; a current whose
// exact 100 x I is not whole but this close to a whole number needs a network whose conductance
// determinant exceeds 10^9, which no board within reach of a learner comes near.
constexpr long double kWholeTolerance = 1e-9L;

// Rounds of iterative refinement: the residual is formed in long double and corrected with the
// double factorisation, so the potentials end up more exact than the factorisation itself.
constexpr int kRefinements = 2;

enum class PartKind : uint8_t { Cell, Resistor, Bulb };

// A placed cell, resistor or bulb. Its terminals hold NodeIds while the net list is built,
// point indices once it is built, and node indices once the points are joined.
struct Part {
    int number = 0;
    PartKind kind = PartKind::Cell;
    double ohms = 0;
    int terminal[2] = {0, 0};
    bool pruned = false;

    bool Shorted() const { return terminal[0] == terminal[1]; }
    bool Carries() const { return !pruned && !Shorted(); }
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
    bool sound = true;

    bool Owns(int k) const {
        return k >= 1 && k < static_cast<int>(carriers.size()) && carriers[k] == 1;
    }
};

Numbering ReadNumbers(const Board& board) {
    Numbering numbering;
    const int last = std::min(board.LastValue(), kMaxComponentNumber);
    numbering.carriers.assign(static_cast<size_t>(std::max(last, 0)) + 1, 0);
    for (Kind kind : kKinds) {
        for (int l = 1; l <= board.PlacedCount(kind); ++l) {
            const int k = board.At(kind, l).Tag;
            if (k < 1 || k > last) {
                numbering.sound = false;
            } else if (++numbering.carriers[k] > 1) {
                numbering.carriers[k] = 2;
                numbering.sound = false;
            }
        }
    }
    return numbering;
}

// Only entries that belong to a bulb alone are cleared, so bad Tags never reach another kind's
// entry nor the reserved entry 0.
void ClearBulbs(Board& board, const Numbering& numbering, const BulbRefresh& refreshBulb) {
    for (int l = 1; l <= board.PlacedCount(Kind::Light); ++l) {
        const int k = board.At(Kind::Light, l).Tag;
        if (numbering.Owns(k)) board.ValueTable[k] = 0;
        if (refreshBulb) refreshBulb(l);
    }
}

void RepaintBulbs(const Board& board, const BulbRefresh& refreshBulb) {
    if (!refreshBulb) return;
    for (int l = 1; l <= board.PlacedCount(Kind::Light); ++l) refreshBulb(l);
}

// Wires and closed switches become joins, cells, resistors and bulbs parts; every NodeId named
// becomes a point. Empty when a resistor's entry is negative: such a board has no sound answer.
// With closeSwitches, every switch counts as closed.
std::optional<NetList> BuildNetList(const Board& board, bool closeSwitches = false) {
    NetList net;
    for (int i = 1; i <= board.LastWire(); ++i) {
        const WireRow& w = board.WireTable[i];
        net.joins.push_back({{w.end[0], w.end[1]}});
    }
    for (int l = 1; l <= board.PlacedCount(Kind::Swit); ++l) {
        const int k = board.At(Kind::Swit, l).Tag;
        if (closeSwitches || board.ValueOf(k) == 0)
            net.joins.push_back({{FirstTerminal(k), SecondTerminal(k)}});
    }
    auto addParts = [&](Kind kind, PartKind partKind) {
        for (int l = 1; l <= board.PlacedCount(kind); ++l) {
            const int k = board.At(kind, l).Tag;
            double ohms = partKind == PartKind::Cell ? kCellOhms : kBulbOhms;
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

// Joins the points into nodes and renumbers every part's terminals by node, 0..count-1.
int JoinNodes(NetList& net) {
    DisjointSets points(net.pointCount);
    for (const Join& j : net.joins) points.Unite(j.point[0], j.point[1]);
    std::vector<int> nodeOfRoot(net.pointCount, -1);
    int nodes = 0;
    for (Part& p : net.parts) {
        for (int& t : p.terminal) {
            int& node = nodeOfRoot[static_cast<size_t>(points.Find(t))];
            if (node < 0) node = nodes++;
            t = node;
        }
    }
    return nodes;
}

// A node met by a single part terminal is a dead end: the part there cannot carry current and
// is pruned, which may leave its other node a dead end in turn. A part with both terminals on
// one node is never pruned. Gives the number of surviving parts.
int PruneDeadEnds(std::vector<Part>& parts, int nodeCount) {
    std::vector<int> uses(nodeCount, 0);
    for (const Part& p : parts) {
        for (int t : p.terminal) ++uses[t];
    }
    // The parts at each node, as one list cut by node.
    std::vector<int> first(nodeCount + 1, 0);
    for (int n = 0; n < nodeCount; ++n) first[n + 1] = first[n] + uses[n];
    std::vector<int> partsAt(static_cast<size_t>(first.back()));
    std::vector<int> fill(first.begin(), first.end() - 1);
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        for (int t : parts[i].terminal) partsAt[fill[t]++] = i;
    }

    std::vector<int> deadEnds;
    for (int n = 0; n < nodeCount; ++n) {
        if (uses[n] < 2) deadEnds.push_back(n);
    }
    int survivors = static_cast<int>(parts.size());
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
        if (!p.pruned) used[p.terminal[0]] = used[p.terminal[1]] = true;
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
    bool Driven(int node) { return driven[sets.Find(node)]; }

    DisjointSets sets;
    std::vector<bool> driven;
};

// The potential of every node: nodal analysis, one reference node at 0 in each connected piece
// that holds a cell. Pieces without a cell stay at 0 throughout. With every conductance
// positive, each piece's equations are symmetric positive definite. Empty when the
// factorisation fails or gives a value that is not finite.
std::optional<std::vector<long double>> SolvePotentials(const std::vector<Part>& parts,
                                                        int nodeCount) {
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
    std::vector<long double> potential(nodeCount, 0.0L);
    if (count == 0) return potential;

    // A part from a to b carries g (V(a) - V(b) - E): conductance stamps on the left, a cell's
    // g E driven into its positive terminal on the right.
    std::vector<Eigen::Triplet<double>> stamps;
    Eigen::VectorXd drive = Eigen::VectorXd::Zero(count);
    for (const Part& p : parts) {
        const int a = unknown[p.terminal[0]], b = unknown[p.terminal[1]];
        if (!p.Carries() || (a < 0 && b < 0)) continue;
        const double g = 1.0 / p.ohms;
        const double e = p.kind == PartKind::Cell ? kCellVolts : 0.0;
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
    for (int round = 0;; ++round) {
        for (int i = 0; i < count; ++i) x[i] += correction[i];
        if (round == kRefinements) break;
        // The residual drive - G x, part by part, in long double.
        std::vector<long double> r(drive.data(), drive.data() + count);
        for (const Part& p : parts) {
            const int a = unknown[p.terminal[0]], b = unknown[p.terminal[1]];
            if (!p.Carries() || (a < 0 && b < 0)) continue;
            const long double flow = ((a >= 0 ? x[a] : 0.0L) - (b >= 0 ? x[b] : 0.0L)) /
                                     static_cast<long double>(p.ohms);
            if (a >= 0) r[a] -= flow;
            if (b >= 0) r[b] += flow;
        }
        for (int i = 0; i < count; ++i) residual[i] = static_cast<double>(r[i]);
        correction = factor.solve(residual);
    }
    for (int n = 0; n < nodeCount; ++n) {
        if (unknown[n] < 0) continue;
        potential[n] = x[unknown[n]];
        if (!std::isfinite(potential[n])) return std::nullopt;
    }
    return potential;
}

// 100 x I, and whether it counts as a whole number: a value within the tolerance of a whole
// number is that number, so rounding neither lights a bulb that carries nothing nor takes one
// off a whole value.
struct Hundredths {
    long double value = 0;
    bool whole = false;

    explicit Hundredths(long double current) : value(100.0L * current) {
        if (!std::isfinite(value)) {
            value = 0;
            whole = true;
            return;
        }
        const long double nearest = std::nearbyint(value);
        whole = std::fabs(value - nearest) <= kWholeTolerance * std::max(1.0L, std::fabs(value));
        if (whole) value = nearest;
    }
    // |floor(100 x I)|, as the bulb shows it.
    int16_t Shown() const {
        return Saturate16(static_cast<double>(std::fabs(whole ? value : std::floor(value))));
    }
};

long double BulbCurrent(const Part& bulb, const std::vector<long double>& potential) {
    const long double drop = potential[bulb.terminal[0]] - potential[bulb.terminal[1]];
    return drop / static_cast<long double>(bulb.ohms);
}

// A solved sound board: its parts (dead ends and shorted ones marked) with node terminals, and
// the potential of every node.
struct Solution {
    NetList net;
    int nodeCount = 0;
    std::vector<long double> potential;
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
    Solution s{std::move(*net), 0, {}};
    s.nodeCount = JoinNodes(s.net);
    const int branches = PruneDeadEnds(s.net.parts, s.nodeCount);
    if (branches == 0) {  // nothing carries current: every potential is 0
        s.potential.assign(static_cast<size_t>(s.nodeCount), 0.0L);
        return s;
    }
    if (branches + SurvivingNodes(s.net.parts, s.nodeCount) + 2 > kInt16Max) return std::nullopt;
    std::optional<std::vector<long double>> potential = SolvePotentials(s.net.parts, s.nodeCount);
    if (!potential) return std::nullopt;
    s.potential = std::move(*potential);
    return s;
}

// Stores every bulb value of a sound board; a board that cannot be solved keeps its bulbs as
// cleared.
void SolveSoundBoard(Board& board) {
    const std::optional<Solution> s = Solve(board);
    if (!s) return;
    for (const Part& p : s->net.parts) {
        if (p.kind != PartKind::Bulb || !p.Carries()) continue;
        board.ValueTable[p.number] = Hundredths(BulbCurrent(p, s->potential)).Shown();
    }
}

// Whether each part would still be pruned as a dead end with every switch closed.
std::vector<bool> PrunedWithSwitchesClosed(const Board& board) {
    std::optional<NetList> net = BuildNetList(board, true);
    if (!net) return {};
    const int nodeCount = JoinNodes(*net);
    PruneDeadEnds(net->parts, nodeCount);
    std::vector<bool> pruned;
    for (const Part& p : net->parts) pruned.push_back(p.pruned);
    return pruned;
}

BulbState StateOf(const Part& bulb, size_t index, Pieces& pieces, const Solution& s,
                  std::optional<std::vector<bool>>& prunedClosed, const Board& board) {
    if (bulb.Shorted()) return BulbState::Shorted;
    if (bulb.pruned) {
        if (!prunedClosed) prunedClosed = PrunedWithSwitchesClosed(board);
        const bool stillPruned = index >= prunedClosed->size() || (*prunedClosed)[index];
        return stillPruned ? BulbState::NotInClosedLoop : BulbState::SwitchOpen;
    }
    if (!pieces.Driven(bulb.terminal[0])) return BulbState::NoCell;
    const Hundredths current(BulbCurrent(bulb, s.potential));
    if (current.whole && current.value == 0) return BulbState::CellsCancel;
    return current.Shown() == 0 ? BulbState::TooLittleCurrent : BulbState::Lit;
}

}  // namespace

void SolveCircuit(Board& board, const BulbRefresh& refreshBulb) {
    if (board.UBound(Kind::Light) <= 1) return;  // no bulb was ever placed
    const Numbering numbering = ReadNumbers(board);
    ClearBulbs(board, numbering, refreshBulb);
    if (numbering.sound) SolveSoundBoard(board);
    RepaintBulbs(board, refreshBulb);
}

std::vector<BulbState> ExplainBulbs(const Board& board) {
    const int bulbs = board.PlacedCount(Kind::Light);
    std::vector<BulbState> states(static_cast<size_t>(bulbs) + 1, BulbState::Unsolved);
    if (bulbs == 0 || !ReadNumbers(board).sound) return states;
    std::optional<Solution> s = Solve(board);
    if (!s) return states;
    // The part of each number; on a sound board each bulb's number names its own part.
    std::vector<int> partOf(static_cast<size_t>(board.LastValue()) + 1, -1);
    for (size_t i = 0; i < s->net.parts.size(); ++i)
        partOf[s->net.parts[i].number] = static_cast<int>(i);
    Pieces pieces(s->net.parts, s->nodeCount);
    std::optional<std::vector<bool>> prunedClosed;
    for (int l = 1; l <= bulbs; ++l) {
        const int part = partOf[board.At(Kind::Light, l).Tag];
        if (part < 0) continue;
        states[l] =
            StateOf(s->net.parts[part], static_cast<size_t>(part), pieces, *s, prunedClosed, board);
    }
    return states;
}

}  // namespace cw
