#include "analysis/nodal_solve.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "model/board.h"
#include "model/numeric.h"

namespace cw {
namespace {

// Rounding of long double arithmetic (IEEE extended or better, round to nearest): every
// operation's result is the exact one times (1 + d) with |d| <= kUnit, plus at most kTiny where
// it falls below the normal range.
constexpr long double kUnit = LDBL_EPSILON / 2;
constexpr long double kTiny = LDBL_MIN;

// Rounds of refinement a board may ask for: each gains about as many digits as the
// factorisation holds, so two reach the limit of extended precision.
constexpr int kMostRefinements = 2;

constexpr long double kInfinity = std::numeric_limits<long double>::infinity();

// A part that carries current, between unknowns a and b (-1 for a reference node).
struct Branch {
    int a, b;
    long double ohms, emf;
};

// What the branches draw out of every unknown at the potentials x, less the cells' drive when
// withCells, and a bound on how far rounding took each computed sum from its exact value.
//
// One branch's term is ((x_a - x_b) - E) / R in three roundings. With M = |x_a| + |x_b| + E,
// the first subtraction errs by at most u M, the second by u (1 + u) M, the division by u times
// the term; all told under 3.01 u M / R. Summing n terms errs by at most 1.01 n u times the sum
// of their magnitudes. The allowance takes 4 u M / R and 2 (n + 1) u sum |term|, which also
// covers the roundings of working it out (relative (1 + u)^(n + 3), n being far below 1 / u),
// and 8 (n + 1) kTiny for results below the normal range. The cells' voltage is in M: when a
// cell carries almost nothing, x_a - x_b is near E and its rounding is not small beside the
// drop that is left.
struct NodeSums {
    std::vector<long double> sum, allowance;
};
NodeSums SumCurrents(const std::vector<Branch>& branches, const std::vector<long double>& x,
                     bool withCells) {
    const size_t count = x.size();
    NodeSums s{std::vector<long double>(count, 0.0L), std::vector<long double>(count, 0.0L)};
    std::vector<long double> magnitude(count, 0.0L);  // sum of |term|, per unknown
    std::vector<int> terms(count, 0);
    for (const Branch& br : branches) {
        const long double xa = br.a >= 0 ? x[br.a] : 0.0L, xb = br.b >= 0 ? x[br.b] : 0.0L;
        const long double emf = withCells ? br.emf : 0.0L;
        const long double flow = ((xa - xb) - emf) / br.ohms;
        const long double spread = 4 * kUnit * ((std::fabs(xa) + std::fabs(xb) + emf) / br.ohms);
        if (br.a >= 0) {
            s.sum[br.a] += flow, s.allowance[br.a] += spread;
            magnitude[br.a] += std::fabs(flow), ++terms[br.a];
        }
        if (br.b >= 0) {
            s.sum[br.b] -= flow, s.allowance[br.b] += spread;
            magnitude[br.b] += std::fabs(flow), ++terms[br.b];
        }
    }
    for (size_t i = 0; i < count; ++i) {
        const long double n1 = terms[i] + 1;
        s.allowance[i] += 2 * n1 * kUnit * magnitude[i] + 8 * n1 * kTiny;
    }
    return s;
}

// A bound worked out in `rounds` roundings, stepped up past all of them and its own.
long double Up(long double bound, int rounds) {
    return bound * (1 + 2 * (rounds + 1) * kUnit);
}

}  // namespace

struct NodalSolve::Equations {
    std::vector<int> unknown;  // per node: its unknown, or -1
    std::vector<Branch> branches;
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> factor;
    std::vector<long double> x;  // the unknown potentials
    NodeSums drawn;              // the residual at x
    // A proved upper bound on the largest row sum of the inverse of the conductance matrix G:
    // its infinity norm, since G^-1 has no negative entry.
    long double inverseNorm = kInfinity;
};

NodalSolve::~NodalSolve() = default;
NodalSolve::NodalSolve(NodalSolve&&) noexcept = default;
NodalSolve& NodalSolve::operator=(NodalSolve&&) noexcept = default;

NodalSolve::NodalSolve(const std::vector<Part>& parts, int nodeCount)
    : equations_(std::make_unique<Equations>()) {
    Equations& eq = *equations_;
    // The connected pieces of the parts that carry current, and which of them hold a cell.
    DisjointSets pieces(nodeCount);
    for (const Part& p : parts) {
        if (p.Carries()) pieces.Unite(p.terminal[0], p.terminal[1]);
    }
    std::vector<bool> driven(static_cast<size_t>(nodeCount), false);
    for (const Part& p : parts) {
        if (p.Carries() && p.kind == PartKind::Cell) driven[pieces.Find(p.terminal[0])] = true;
    }
    // Unknowns are numbered 0..count-1; the reference node of a piece and the nodes of pieces
    // without a cell keep -1.
    eq.unknown.assign(static_cast<size_t>(nodeCount), -1);
    std::vector<bool> hasReference(static_cast<size_t>(nodeCount), false);
    int count = 0;
    for (int n = 0; n < nodeCount; ++n) {
        const int piece = pieces.Find(n);
        if (!driven[piece]) continue;
        if (hasReference[piece]) {
            eq.unknown[n] = count++;
        } else {
            hasReference[piece] = true;
        }
    }
    potentials_.volts.assign(static_cast<size_t>(nodeCount), 0.0L);
    ok_ = true;
    if (count == 0) return;

    // A part from a to b carries g (V(a) - V(b) - E): conductance stamps on the left, a cell's
    // g E driven into its positive terminal on the right.
    std::vector<Eigen::Triplet<double>> stamps;
    stamps.reserve(4 * parts.size());
    Eigen::VectorXd drive = Eigen::VectorXd::Zero(count);
    for (const Part& p : parts) {
        const int a = eq.unknown[p.terminal[0]], b = eq.unknown[p.terminal[1]];
        if (!p.Carries() || (a < 0 && b < 0)) continue;
        eq.branches.push_back({a, b, static_cast<long double>(p.ohms), p.Emf()});
        const double g = 1.0 / p.ohms;
        const double e = static_cast<double>(p.Emf());
        if (a >= 0) stamps.emplace_back(a, a, g), drive[a] += g * e;
        if (b >= 0) stamps.emplace_back(b, b, g), drive[b] -= g * e;
        if (a >= 0 && b >= 0) stamps.emplace_back(a, b, -g), stamps.emplace_back(b, a, -g);
    }
    Eigen::SparseMatrix<double> conductance(count, count);
    conductance.setFromTriplets(stamps.begin(), stamps.end());
    eq.factor.compute(conductance);
    if (eq.factor.info() != Eigen::Success) {
        ok_ = false;
        return;
    }

    // The norm of G^-1. G is a symmetric M-matrix (positive conductances, each piece grounded),
    // so G^-1 >= 0 entry by entry. For any w whose G w is at least c > 0 in every row,
    // w = G^-1 (G w) >= c G^-1 1, so no row of G^-1 sums past max(w) / c. w is the computed
    // solution of G w = 1, and G w is worked out again with its rounding bounded.
    const Eigen::VectorXd w = eq.factor.solve(Eigen::VectorXd::Ones(count));
    const std::vector<long double> wl(w.data(), w.data() + count);
    const NodeSums gw = SumCurrents(eq.branches, wl, false);
    long double lowest = kInfinity, largest = 0;
    for (int i = 0; i < count; ++i) {
        lowest = std::min(lowest, gw.sum[i] - gw.allowance[i]);
        largest = std::max(largest, wl[i]);
    }
    // The subtraction above may round up: step the lowest down past it.
    lowest *= 1 - 4 * kUnit;
    if (lowest > 0 && std::isfinite(largest)) eq.inverseNorm = Up(largest / lowest, 2);

    const Eigen::VectorXd x = eq.factor.solve(drive);
    eq.x.assign(x.data(), x.data() + count);
    for (const long double v : eq.x) {
        if (!std::isfinite(v)) {
            ok_ = false;
            return;
        }
    }
    eq.drawn = SumCurrents(eq.branches, eq.x, true);
    Bound();
}

void NodalSolve::Bound() {
    Equations& eq = *equations_;
    // x - x* = G^-1 r, with r the exact residual at x: within the computed one and its
    // allowance.
    long double residual = 0;
    for (size_t i = 0; i < eq.x.size(); ++i)
        residual = std::max(residual, Up(std::fabs(eq.drawn.sum[i]) + eq.drawn.allowance[i], 1));
    potentials_.error = Up(eq.inverseNorm * residual, 1) + kTiny;
    if (std::isnan(potentials_.error)) potentials_.error = kInfinity;
    for (size_t n = 0; n < eq.unknown.size(); ++n) {
        if (eq.unknown[n] >= 0) potentials_.volts[n] = eq.x[static_cast<size_t>(eq.unknown[n])];
    }
}

bool NodalSolve::CanRefine() const {
    return ok_ && equations_ && !equations_->x.empty() && refinements_ < kMostRefinements &&
           std::isfinite(equations_->inverseNorm);
}

bool NodalSolve::Refine() {
    if (!CanRefine()) return false;
    Equations& eq = *equations_;
    const int count = static_cast<int>(eq.x.size());
    Eigen::VectorXd residual(count);
    for (int i = 0; i < count; ++i) residual[i] = static_cast<double>(-eq.drawn.sum[i]);
    const Eigen::VectorXd correction = eq.factor.solve(residual);
    for (int i = 0; i < count; ++i) {
        const long double next = eq.x[i] + correction[i];
        if (!std::isfinite(next)) return false;
        eq.x[i] = next;
    }
    ++refinements_;
    eq.drawn = SumCurrents(eq.branches, eq.x, true);
    Bound();
    return true;
}

std::optional<Solution> Solve(const Board& board) {
    const int rows = board.LastWire() + board.PlacedCount(Kind::Swit) +
                     board.PlacedCount(Kind::Cell) + board.PlacedCount(Kind::Resi) +
                     board.PlacedCount(Kind::Light);
    if (rows > kInt16Max) return std::nullopt;
    std::optional<NetList> net = BuildNetList(board);
    if (!net) return std::nullopt;
    std::optional<Solution> s(Solution{std::move(*net), 0, {}, std::nullopt, {}});
    s->joined = JoinNodes(s->net);
    s->nodeCount = s->joined.nodeCount;
    s->still.volts.assign(static_cast<size_t>(s->nodeCount), 0.0L);
    const int branches = PruneDeadEnds(s->net.parts, s->nodeCount);
    if (branches == 0) return s;  // nothing carries current: every potential is 0
    if (branches + SurvivingNodes(s->net.parts, s->nodeCount) + 2 > kInt16Max) return std::nullopt;
    s->nodal.emplace(s->net.parts, s->nodeCount);
    if (!s->nodal->ok()) return std::nullopt;
    return s;
}

}  // namespace cw
