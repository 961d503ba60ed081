#include "analysis/wire_currents.h"

#include <Eigen/SparseCholesky>
#include <numeric>

namespace cw {

std::vector<double> LeastEnergyFlow(int pointCount, const std::vector<std::array<int, 2>>& edges,
                                    const std::vector<double>& outflow) {
    std::vector<double> amps(edges.size(), 0.0);
    // Each group of joined points keeps its first point at potential 0; the others are unknowns.
    std::vector<int> root(static_cast<size_t>(pointCount));
    std::iota(root.begin(), root.end(), 0);
    auto find = [&root](int x) {
        while (root[x] != x) x = root[x] = root[root[x]];
        return x;
    };
    for (const auto& e : edges) {
        if (e[0] != e[1]) root[find(e[0])] = find(e[1]);
    }
    std::vector<int> unknown(static_cast<size_t>(pointCount), -1);
    std::vector<bool> grounded(static_cast<size_t>(pointCount), false);
    int count = 0;
    for (int p = 0; p < pointCount; ++p) {
        const int r = find(p);
        if (grounded[r]) {
            unknown[p] = count++;
        } else {
            grounded[r] = true;
        }
    }
    if (count == 0) return amps;
    // A wire from a to b carries x(a) - x(b); what leaves a point by wires is what the parts
    // bring into it.
    std::vector<Eigen::Triplet<double>> stamps;
    Eigen::VectorXd brought = Eigen::VectorXd::Zero(count);
    for (int p = 0; p < pointCount; ++p) {
        if (unknown[p] >= 0) brought[unknown[p]] = -outflow[static_cast<size_t>(p)];
    }
    for (const auto& e : edges) {
        const int a = unknown[e[0]], b = unknown[e[1]];
        if (e[0] == e[1]) continue;
        if (a >= 0) stamps.emplace_back(a, a, 1.0);
        if (b >= 0) stamps.emplace_back(b, b, 1.0);
        if (a >= 0 && b >= 0) stamps.emplace_back(a, b, -1.0), stamps.emplace_back(b, a, -1.0);
    }
    Eigen::SparseMatrix<double> laplacian(count, count);
    laplacian.setFromTriplets(stamps.begin(), stamps.end());
    const Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> factor(laplacian);
    if (factor.info() != Eigen::Success) return amps;
    const Eigen::VectorXd x = factor.solve(brought);
    auto at = [&](int p) { return unknown[p] >= 0 ? x[unknown[p]] : 0.0; };
    for (size_t i = 0; i < edges.size(); ++i) amps[i] = at(edges[i][0]) - at(edges[i][1]);
    return amps;
}

}  // namespace cw
