#include "analysis/nodal_solve.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <limits>

#include "model/board.h"
#include "model/numeric.h"

namespace cw {
namespace {

// Rounding (IEEE arithmetic, round to nearest): every operation's result is the exact one
// times (1 + d) with |d| <= Unit<Real>, plus at most Tiny<Real> where it falls below the normal
// range. The first bound is taken in double; refinement works in long double.
template <typename Real>
constexpr Real kUnit = std::numeric_limits<Real>::epsilon() / 2;
template <typename Real>
constexpr Real kTiny = std::numeric_limits<Real>::min();

// Rounds of refinement a board may ask for: each gains about as many digits as the
// factorisation holds, so two reach the limit of extended precision.
constexpr int kMostRefinements = 2;

constexpr long double kInfinity = std::numeric_limits<long double>::infinity();

// A part that carries current, between unknowns a and b (-1 for a reference node).
struct Branch {
    int a, b;
    int ohms;
    bool cell;
};

// What the branches draw out of every unknown at the potentials x, less the cells' drive when
// withCells, and a bound on how far rounding took each computed sum from its exact value, all
// worked out in Real (x must hold values Real holds exactly).
//
// One branch's term is ((x_a - x_b) - E) g, g = 1 / R rounded once, in four roundings. With
// M = |x_a| + |x_b| + E, the first subtraction errs by at most u M, the second by u (1 + u) M,
// the rounded g and the product by 2.01 u times the term; all told under 4.03 u M / R. Summing
// n terms errs by at most 1.01 n u times the sum of their magnitudes. The allowance takes
// 5 u M g and 2 (n + 1) u sum |term|, which also covers the roundings of working it out
// (relative (1 + u)^(n + 4), n being far below 1 / u), and 8 (n + 1) tiny for results below the
// normal range. The cells' voltage is in M: when a cell carries almost nothing, x_a - x_b is near
// E and its rounding is not small beside the drop that is left.
struct NodeSum {
    long double sum = 0, allowance = 0;
};
using NodeSums = std::vector<NodeSum>;
template <typename Real, typename Volts>
NodeSums SumCurrents(const std::vector<Branch>& branches, const std::vector<Volts>& x,
                     bool withCells) {
    // Each unknown's sum of terms, the allowance for their own roundings, the sum of their
    // magnitudes and their count.
    struct Node {
        Real sum = 0, spread = 0, magnitude = 0;
        int terms = 0;
    };
    std::vector<Node> at(x.size());
    constexpr Real u = kUnit<Real>;
    for (const Branch& br : branches) {
        const Real xa = br.a >= 0 ? static_cast<Real>(x[br.a]) : 0;
        const Real xb = br.b >= 0 ? static_cast<Real>(x[br.b]) : 0;
        const Real emf = withCells && br.cell ? static_cast<Real>(kCellVolts) : 0;
        const Real g = 1 / static_cast<Real>(br.ohms);
        const Real flow = ((xa - xb) - emf) * g;
        const Real spread = 5 * u * ((std::fabs(xa) + std::fabs(xb) + emf) * g);
        for (const int end : {br.a, br.b}) {
            if (end < 0) continue;
            Node& n = at[static_cast<size_t>(end)];
            n.sum += end == br.a ? flow : -flow;
            n.spread += spread, n.magnitude += std::fabs(flow), ++n.terms;
        }
    }
    NodeSums s(x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        const Node& n = at[i];
        const Real n1 = static_cast<Real>(n.terms + 1);
        s[i] = {n.sum, n.spread + 2 * n1 * u * n.magnitude + 8 * n1 * kTiny<Real>};
    }
    return s;
}

// A bound worked out in `rounds` long double roundings, stepped up past all of them and its own.
long double Up(long double bound, int rounds) {
    return bound * (1 + 2 * (rounds + 1) * kUnit<long double>);
}

// The unknowns up to which a factorisation in dense working storage beats a sparse one: a
// class's boards have a few dozen, where a sparse factorisation's ordering and bookkeeping cost
// more than the arithmetic.
constexpr int kLargestDense = 128;

// LDL^T of a conductance matrix of at most kLargestDense unknowns, in dense working storage
// with the unknowns in their own order. Entries that stay 0 are passed over, so a chain costs
// no more than its length; L is kept by column, its non-zero entries only.
class SmallLdlt {
  public:
    // False when a pivot is not positive and finite.
    bool Factor(int n, const std::vector<Branch>& branches) {
        n_ = n;
        std::vector<double> a(static_cast<size_t>(n) * n, 0.0);  // the lower triangle, by row
        auto at = [&a, n](int i, int j) -> double& { return a[static_cast<size_t>(i) * n + j]; };
        for (const Branch& br : branches) {
            const double g = 1.0 / br.ohms;
            if (br.a >= 0) at(br.a, br.a) += g;
            if (br.b >= 0) at(br.b, br.b) += g;
            if (br.a >= 0 && br.b >= 0) at(std::max(br.a, br.b), std::min(br.a, br.b)) -= g;
        }
        const size_t first = static_cast<size_t>(n) + 1;
        index_.assign(first, 0);
        index_.reserve(first + 2 * branches.size());
        values_.assign(static_cast<size_t>(n), 0.0);
        values_.reserve(static_cast<size_t>(n) + 2 * branches.size());
        std::array<int, kLargestDense> below;  // the rows below the pivot with an entry
        for (int k = 0; k < n; ++k) {
            const double pivot = at(k, k);
            if (!(pivot > 0) || !std::isfinite(pivot)) return false;
            values_[k] = pivot;
            size_t entries = 0;
            for (int i = k + 1; i < n; ++i) {
                if (at(i, k) != 0) below[entries++] = i;
            }
            const size_t column = values_.size();
            for (size_t p = 0; p < entries; ++p)
                index_.push_back(below[p]), values_.push_back(at(below[p], k) / pivot);
            for (size_t p = 0; p < entries; ++p) {
                const double scaled = values_[column + p] * pivot;
                for (size_t q = 0; q <= p; ++q)
                    at(below[p], below[q]) -= scaled * values_[column + q];
            }
            index_[k + 1] = static_cast<int>(values_.size()) - n;
        }
        return true;
    }

    void Solve(std::vector<double>& x) const {
        const int* const start = index_.data();
        const int* const row = start + n_ + 1;
        const double* const l = values_.data() + n_;
        for (int k = 0; k < n_; ++k) {
            for (int p = start[k]; p < start[k + 1]; ++p) x[row[p]] -= l[p] * x[k];
        }
        for (int k = 0; k < n_; ++k) x[k] /= values_[k];
        for (int k = n_ - 1; k >= 0; --k) {
            for (int p = start[k]; p < start[k + 1]; ++p) x[k] -= l[p] * x[row[p]];
        }
    }

  private:
    int n_ = 0;
    // L by column, its entries below the diagonal only: where each column starts (n + 1), then
    // each entry's row; D's diagonal (n), then each entry's value.
    std::vector<int> index_;
    std::vector<double> values_;
};

}  // namespace

struct NodalSolve::Equations {
    std::vector<int> unknown;  // per node: its unknown, or -1
    std::vector<Branch> branches;
    int count = 0;
    SmallLdlt small;
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> sparse;
    std::vector<long double> x;  // the unknown potentials
    NodeSums drawn;              // the residual at x
    // A proved upper bound on the largest row sum of the inverse of the conductance matrix G:
    // its infinity norm, since G^-1 has no negative entry.
    long double inverseNorm = kInfinity;

    bool Factor() {
        if (count <= kLargestDense) return small.Factor(count, branches);
        std::vector<Eigen::Triplet<double>> stamps;
        stamps.reserve(4 * branches.size());
        for (const Branch& br : branches) {
            const double g = 1.0 / br.ohms;
            if (br.a >= 0) stamps.emplace_back(br.a, br.a, g);
            if (br.b >= 0) stamps.emplace_back(br.b, br.b, g);
            if (br.a >= 0 && br.b >= 0)
                stamps.emplace_back(br.a, br.b, -g), stamps.emplace_back(br.b, br.a, -g);
        }
        Eigen::SparseMatrix<double> conductance(count, count);
        conductance.setFromTriplets(stamps.begin(), stamps.end());
        sparse.compute(conductance);
        return sparse.info() == Eigen::Success;
    }
    // Solves G x = b in place.
    void Solve(std::vector<double>& b) const {
        if (count <= kLargestDense) return small.Solve(b);
        Eigen::Map<Eigen::VectorXd> v(b.data(), count);
        v = sparse.solve(v).eval();
    }
};

NodalSolve::~NodalSolve() = default;
NodalSolve::NodalSolve(NodalSolve&&) noexcept = default;
NodalSolve& NodalSolve::operator=(NodalSolve&&) noexcept = default;

NodalSolve::NodalSolve(const std::vector<Part>& parts, int nodeCount)
    : equations_(std::make_unique<Equations>()) {
    Equations& eq = *equations_;
    // The connected pieces of the parts that carry current, and which of them hold a cell (its
    // root's flag) and have a reference node already.
    DisjointSets pieces(nodeCount);
    for (const Part& p : parts) {
        if (p.Carries()) pieces.Unite(p.terminal[0], p.terminal[1]);
    }
    enum : uint8_t { kDriven = 1, kHasReference = 2 };
    std::vector<uint8_t> piece(static_cast<size_t>(nodeCount), 0);
    for (const Part& p : parts) {
        if (p.Carries() && p.role == Role::Source) piece[pieces.Find(p.terminal[0])] = kDriven;
    }
    // Unknowns are numbered 0..count-1; the reference node of a piece and the nodes of pieces
    // without a cell keep -1.
    eq.unknown.assign(static_cast<size_t>(nodeCount), -1);
    int count = 0;
    for (int n = 0; n < nodeCount; ++n) {
        uint8_t& flags = piece[pieces.Find(n)];
        if (!(flags & kDriven)) continue;
        if (flags & kHasReference) {
            eq.unknown[n] = count++;
        } else {
            flags |= kHasReference;
        }
    }
    potentials_.volts.assign(static_cast<size_t>(nodeCount), 0.0L);
    ok_ = true;
    if (count == 0) return;

    // A part from a to b carries g (V(a) - V(b) - E): conductances in G, a cell's g E driven
    // into its positive terminal.
    eq.branches.reserve(parts.size());
    for (const Part& p : parts) {
        const int a = eq.unknown[p.terminal[0]], b = eq.unknown[p.terminal[1]];
        if (!p.Carries() || (a < 0 && b < 0)) continue;
        eq.branches.push_back({a, b, p.ohms, p.role == Role::Source});
    }
    eq.count = count;
    if (!eq.Factor()) {
        ok_ = false;
        return;
    }

    // The norm of G^-1. G is a symmetric M-matrix (positive conductances, each piece grounded),
    // so G^-1 >= 0 entry by entry. For any w whose G w is at least c > 0 in every row,
    // w = G^-1 (G w) >= c G^-1 1, so no row of G^-1 sums past max(w) / c. w is the computed
    // solution of G w = 1, and G w is worked out again with its rounding bounded.
    std::vector<double> w(static_cast<size_t>(count), 1.0);
    eq.Solve(w);
    const NodeSums gw = SumCurrents<double>(eq.branches, w, false);
    long double lowest = kInfinity, largest = 0;
    for (int i = 0; i < count; ++i) {
        lowest = std::min(lowest, gw[i].sum - gw[i].allowance);
        largest = std::max(largest, static_cast<long double>(w[i]));
    }
    // The subtraction above may round up: step the lowest down past it.
    lowest *= 1 - 4 * kUnit<long double>;
    if (lowest > 0 && std::isfinite(largest)) eq.inverseNorm = Up(largest / lowest, 2);

    std::vector<double>& drive = w;  // w's room is not needed again
    std::fill(drive.begin(), drive.end(), 0.0);
    for (const Branch& br : eq.branches) {
        if (!br.cell) continue;
        const double ge = kCellVolts / br.ohms;
        if (br.a >= 0) drive[br.a] += ge;
        if (br.b >= 0) drive[br.b] -= ge;
    }
    eq.Solve(drive);
    eq.x.assign(drive.begin(), drive.end());
    for (const long double v : eq.x) {
        if (!std::isfinite(v)) {
            ok_ = false;
            return;
        }
    }
    eq.drawn = SumCurrents<double>(eq.branches, eq.x, true);
    Bound();
}

void NodalSolve::Bound() {
    Equations& eq = *equations_;
    // x - x* = G^-1 r, with r the exact residual at x: within the computed one and its
    // allowance.
    long double residual = 0;
    for (size_t i = 0; i < eq.x.size(); ++i)
        residual = std::max(residual, Up(std::fabs(eq.drawn[i].sum) + eq.drawn[i].allowance, 1));
    potentials_.error = Up(eq.inverseNorm * residual, 1) + kTiny<long double>;
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
    // The first bound took its residual in double, too coarse to correct with.
    if (refinements_ == 0) eq.drawn = SumCurrents<long double>(eq.branches, eq.x, true);
    std::vector<double> correction(eq.x.size());
    for (size_t i = 0; i < eq.x.size(); ++i) correction[i] = static_cast<double>(-eq.drawn[i].sum);
    eq.Solve(correction);
    for (size_t i = 0; i < eq.x.size(); ++i) {
        const long double next = eq.x[i] + correction[i];
        if (!std::isfinite(next)) return false;
        eq.x[i] = next;
    }
    ++refinements_;
    eq.drawn = SumCurrents<long double>(eq.branches, eq.x, true);
    Bound();
    return true;
}

std::optional<Solution> Solve(const Board& board) {
    int rows = board.LastWire();
    for (const Kind kind : kKinds) rows += board.PlacedCount(kind);
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
