#include "analysis/wire_currents.h"

#include <Eigen/IterativeLinearSolvers>
#include <Eigen/SparseCholesky>
#include <algorithm>
#include <numeric>

namespace cw {

namespace {

// Loops of up to this many points are solved by elimination, exactly to rounding.
constexpr int kDirectLimit = 2000;

// Wires on no loop carry what Kirchhoff's current law alone gives them: a point with one wire
// left sends all it needs to send down that wire, and the far point takes it over. Peeling
// such points away until none is left leaves only the wires in loops for the Laplacian, which
// on a learner's board is most often none at all. need: what must leave each point by wires.
void PeelTrees(int pointCount, const std::vector<std::array<int, 2>>& edges,
               std::vector<double>& need, std::vector<double>& amps, std::vector<bool>& done) {
    std::vector<int> degree(static_cast<size_t>(pointCount), 0);
    std::vector<int> start(static_cast<size_t>(pointCount) + 1, 0);
    for (const auto& e : edges) {
        if (e[0] == e[1]) continue;
        ++degree[e[0]], ++degree[e[1]];
        ++start[e[0] + 1], ++start[e[1] + 1];
    }
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<int> incident(static_cast<size_t>(start.back()));
    std::vector<int> fill(start.begin(), start.end() - 1);
    for (size_t i = 0; i < edges.size(); ++i) {
        if (edges[i][0] == edges[i][1]) continue;
        incident[fill[edges[i][0]]++] = static_cast<int>(i);
        incident[fill[edges[i][1]]++] = static_cast<int>(i);
    }
    std::vector<int> leaves;
    for (int p = 0; p < pointCount; ++p) {
        if (degree[p] == 1) leaves.push_back(p);
    }
    while (!leaves.empty()) {
        const int p = leaves.back();
        leaves.pop_back();
        if (degree[p] != 1) continue;
        for (int k = start[p]; k < start[p + 1]; ++k) {
            const size_t i = static_cast<size_t>(incident[k]);
            if (done[i]) continue;
            done[i] = true;
            const bool first = edges[i][0] == p;
            const int q = first ? edges[i][1] : edges[i][0];
            amps[i] = first ? need[p] : -need[p];
            need[q] += need[p];
            need[p] = 0;
            --degree[p];
            if (--degree[q] == 1) leaves.push_back(q);
            break;
        }
    }
}

}  // namespace

std::vector<double> LeastEnergyFlow(int pointCount, const std::vector<std::array<int, 2>>& edges,
                                    const std::vector<double>& outflow) {
    std::vector<double> amps(edges.size(), 0.0);
    std::vector<double> need(static_cast<size_t>(pointCount));
    for (size_t p = 0; p < need.size(); ++p) need[p] = -outflow[p];
    std::vector<bool> done(edges.size(), false);
    PeelTrees(pointCount, edges, need, amps, done);

    // Each group of points still joined by loops keeps its first point at potential 0; the
    // others are unknowns.
    std::vector<int> root(static_cast<size_t>(pointCount));
    std::iota(root.begin(), root.end(), 0);
    auto find = [&root](int x) {
        while (root[x] != x) x = root[x] = root[root[x]];
        return x;
    };
    std::vector<bool> inLoop(static_cast<size_t>(pointCount), false);
    for (size_t i = 0; i < edges.size(); ++i) {
        const auto& e = edges[i];
        if (done[i] || e[0] == e[1]) continue;
        root[find(e[0])] = find(e[1]);
        inLoop[e[0]] = inLoop[e[1]] = true;
    }
    std::vector<int> unknown(static_cast<size_t>(pointCount), -1);
    std::vector<bool> grounded(static_cast<size_t>(pointCount), false);
    int count = 0;
    for (int p = 0; p < pointCount; ++p) {
        if (!inLoop[p]) continue;
        const int r = find(p);
        if (grounded[r]) {
            unknown[p] = count++;
        } else {
            grounded[r] = true;
        }
    }
    if (count == 0) return amps;
    // A wire from a to b carries x(a) - x(b); what leaves a point by wires is what it needs to.
    std::vector<Eigen::Triplet<double>> stamps;
    Eigen::VectorXd brought = Eigen::VectorXd::Zero(count);
    for (int p = 0; p < pointCount; ++p) {
        if (unknown[p] >= 0) brought[unknown[p]] = need[static_cast<size_t>(p)];
    }
    for (size_t i = 0; i < edges.size(); ++i) {
        const int a = unknown[edges[i][0]], b = unknown[edges[i][1]];
        if (done[i] || edges[i][0] == edges[i][1]) continue;
        if (a >= 0) stamps.emplace_back(a, a, 1.0);
        if (b >= 0) stamps.emplace_back(b, b, 1.0);
        if (a >= 0 && b >= 0) stamps.emplace_back(a, b, -1.0), stamps.emplace_back(b, a, -1.0);
    }
    Eigen::SparseMatrix<double> laplacian(count, count);
    laplacian.setFromTriplets(stamps.begin(), stamps.end());
    Eigen::VectorXd x;
    // Elimination fills in badly on big tangled meshes; conjugate gradients settle those in a
    // few dozen steps to far below a hundredth of a milliampere, and fall back to elimination
    // when they do not.
    bool settled = false;
    if (count > kDirectLimit) {
        Eigen::ConjugateGradient<Eigen::SparseMatrix<double>, Eigen::Lower | Eigen::Upper> cg;
        cg.setTolerance(1e-13);
        cg.setMaxIterations(std::max(200, count / 10));
        cg.compute(laplacian);
        x = cg.solve(brought);
        settled = cg.info() == Eigen::Success;
    }
    if (!settled) {
        const Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> factor(laplacian);
        if (factor.info() != Eigen::Success) return amps;
        x = factor.solve(brought);
    }
    auto at = [&](int p) { return unknown[p] >= 0 ? x[unknown[p]] : 0.0; };
    for (size_t i = 0; i < edges.size(); ++i) {
        if (!done[i]) amps[i] = at(edges[i][0]) - at(edges[i][1]);
    }
    return amps;
}

}  // namespace cw
