#include "analysis/exact_currents.h"

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <functional>
#include <queue>
#include <unordered_map>
#include <utility>

#include "model/part_values.h"

namespace cw {
namespace {

using Integer = boost::multiprecision::cpp_int;

// Fill-in updates, weighed by the 64-bit words of the numbers they touch, that the elimination
// may make before it gives up: far more than any loop, ladder or bridge a learner builds needs
// (a 60-part ladder takes a few thousand), far less than a dense mesh of thousands of nodes or
// a ladder of thousands of rungs (numbers of thousands of digits) would. About a tenth of a
// second at most.
constexpr long long kWorkBudget = 2'000'000;

int64_t Floor(const Rational& q) {
    const Integer n = boost::multiprecision::numerator(q);
    const Integer d = boost::multiprecision::denominator(q);  // always positive
    Integer f = n / d;
    if (n < 0 && f * d != n) --f;
    const Integer limit = INT32_MAX;
    if (f > limit) return INT32_MAX;
    if (f < -limit - 1) return INT32_MIN;
    return static_cast<int64_t>(f);
}

}  // namespace

std::optional<std::vector<Rational>> ExactPotentials(int nodeCount,
                                                     const std::vector<ExactPart>& parts,
                                                     const std::vector<Rational>& inject,
                                                     const std::vector<bool>& reference) {
    // Reference nodes are held at 0 and leave the equations; the others are unknowns.
    const size_t n = static_cast<size_t>(std::max(nodeCount, 1));
    std::vector<Rational> diagonal(n), drive(n);
    for (size_t i = 0; i < inject.size() && i < n; ++i) drive[i] = inject[i];
    auto fixed = [&](int node) {
        return node < static_cast<int>(reference.size()) && reference[node];
    };
    std::vector<std::unordered_map<int, Rational>> off(n);
    const Rational cellVolts(kCellVolts);  // a binary fraction, taken exactly
    for (const ExactPart& p : parts) {
        if (p.a == p.b) continue;
        const Rational g(1, p.ohms);
        for (int side = 0; side < 2; ++side) {
            const int at = side == 0 ? p.a : p.b, other = side == 0 ? p.b : p.a;
            if (fixed(at)) continue;
            diagonal[at] += g;
            if (!fixed(other)) off[at][other] -= g;
            if (p.cell) {
                const Rational into = g * cellVolts;  // the positive terminal drives it in
                if (side == 0) {
                    drive[at] += into;
                } else {
                    drive[at] -= into;
                }
            }
        }
    }

    // Elimination, fewest neighbours first (a heap with stale entries skipped).
    using Entry = std::pair<size_t, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> next;
    for (int i = 0; i < nodeCount; ++i) {
        if (!fixed(i)) next.emplace(off[i].size(), i);
    }
    std::vector<bool> gone(n, false);
    std::vector<int> order;
    long long work = 0;
    while (!next.empty()) {
        const auto [degree, k] = next.top();
        next.pop();
        if (gone[k] || degree != off[k].size()) continue;
        const long long words =
            1 +
            static_cast<long long>(
                boost::multiprecision::msb(boost::multiprecision::denominator(diagonal[k])) / 64);
        work += static_cast<long long>(degree * degree + 1) * words;
        if (work > kWorkBudget) return std::nullopt;
        gone[k] = true;
        order.push_back(k);
        for (const auto& [i, aik] : off[k]) {
            const Rational f = aik / diagonal[k];
            diagonal[i] -= f * aik;
            drive[i] -= f * drive[k];
            off[i].erase(k);
            for (const auto& [j, akj] : off[k]) {
                if (j != i) off[i][j] -= f * akj;
            }
            next.emplace(off[i].size(), i);
        }
    }
    std::vector<Rational> potential(n);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Rational sum = drive[*it];
        for (const auto& [j, akj] : off[*it]) sum -= akj * potential[j];
        potential[*it] = sum / diagonal[*it];
    }
    return potential;
}

std::optional<std::vector<ExactHundredths>> SolveExactly(int nodeCount,
                                                         const std::vector<ExactPart>& parts,
                                                         const std::vector<int>& asked) {
    // Node 0 is the reference.
    const std::optional<std::vector<Rational>> solved =
        ExactPotentials(nodeCount, parts, {}, std::vector<bool>{true});
    if (!solved) return std::nullopt;
    const std::vector<Rational>& potential = *solved;
    const Rational cellVolts(kCellVolts);
    std::vector<ExactHundredths> values;
    for (int index : asked) {
        const ExactPart& p = parts[index];
        Rational drop = potential[p.a] - potential[p.b];
        if (p.cell) drop -= cellVolts;
        const Rational hundredths = drop * 100 / p.ohms;
        values.push_back({Floor(hundredths), hundredths == 0});
    }
    return values;
}

}  // namespace cw
