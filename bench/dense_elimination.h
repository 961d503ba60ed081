// The plain way to solve a board, kept beside the solver's benchmarks as the yardstick: every
// part's branch equation and every node's current sum in one dense matrix, solved by Gaussian
// elimination with partial pivoting in double precision (rows whose entry is already 0 skipped)
// and back substitution, each bulb |floor(100 x I)|. No error bound, no reasons, no exact fallback:
// what the certified solve has to be measured against.
#pragma once

#include <cmath>
#include <numeric>
#include <vector>

#include "model/board.h"
#include "model/part_values.h"

namespace cw::bench {

inline void DenseElimination(Board& b) {
    const int terminals = 2 * b.LastValue();
    const int points = terminals + b.LastJunction() + 1;
    auto index = [&](int n) { return n > 0 ? n - 1 : terminals - n - 1; };
    std::vector<int> parent(static_cast<size_t>(points));
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](int x) {
        while (parent[x] != x) x = parent[x] = parent[parent[x]];
        return x;
    };
    auto join = [&](int a, int c) { parent[find(index(a))] = find(index(c)); };
    for (int i = 1; i <= b.LastWire(); ++i) join(b.WireTable[i].end[0], b.WireTable[i].end[1]);
    struct Branch {
        int k, a, c;
        double ohms, volts;
        bool bulb;
    };
    std::vector<Branch> branches;
    for (Kind kind : kKinds) {
        for (int l = 1; l <= b.PlacedCount(kind); ++l) {
            const int k = b.At(kind, l).Tag;
            if (kind == Kind::Swit) {
                if (b.ValueOf(k) == kSwitchClosed) join(FirstTerminal(k), SecondTerminal(k));
                continue;
            }
            if (kind == Kind::Light) b.ValueTable[k] = 0;
            const double ohms = kind == Kind::Cell    ? kCellOhms
                                : kind == Kind::Light ? kBulbOhms
                                                      : b.ValueOf(k);
            branches.push_back({k, FirstTerminal(k), SecondTerminal(k), ohms,
                                kind == Kind::Cell ? kCellVolts : 0.0, kind == Kind::Light});
        }
    }
    // Dead ends carry nothing: drop parts with a node no other part meets, until none is left.
    std::vector<int> uses(static_cast<size_t>(points), 0), node(static_cast<size_t>(points), -1);
    for (Branch& br : branches) {
        br.a = find(index(br.a)), br.c = find(index(br.c));
        ++uses[br.a], ++uses[br.c];
    }
    for (bool changed = true; changed;) {
        changed = false;
        std::erase_if(branches, [&](const Branch& br) {
            if (uses[br.a] >= 2 && uses[br.c] >= 2) return false;
            --uses[br.a], --uses[br.c];
            return changed = true;
        });
    }
    int nodes = 0;
    for (Branch& br : branches) {
        for (int* end : {&br.a, &br.c}) {
            if (node[*end] < 0) node[*end] = nodes++;
            *end = node[*end];
        }
    }
    const int count = static_cast<int>(branches.size()) + nodes, width = count + 1;
    std::vector<double> m(static_cast<size_t>(count) * width, 0.0);
    auto at = [&](int r, int c) -> double& { return m[static_cast<size_t>(r) * width + c]; };
    const int first = static_cast<int>(branches.size());
    for (int i = 0; i < first; ++i) {
        const Branch& br = branches[i];
        at(i, first + br.a) += 1, at(i, first + br.c) -= 1;
        at(i, i) = -br.ohms, at(i, count) = br.volts;
        at(first + br.a, i) -= 1, at(first + br.c, i) += 1;
    }
    // Forward elimination; a column with no pivot left (a piece of circuit with no fixed
    // potential) is passed over, and its unknown stays 0.
    std::vector<int> pivotColumn;
    for (int c = 0, r = 0; c < count && r < count; ++c) {
        int p = -1;
        double best = 0;
        for (int l = r; l < count; ++l) {
            if (std::fabs(at(l, c)) > best) best = std::fabs(at(l, c)), p = l;
        }
        if (p < 0) continue;
        if (p != r) {
            for (int j = c; j < width; ++j) std::swap(at(r, j), at(p, j));
        }
        for (int row = r + 1; row < count; ++row) {
            const double f = at(row, c) / at(r, c);
            if (f == 0) continue;
            for (int j = c; j < width; ++j) at(row, j) -= f * at(r, j);
        }
        pivotColumn.push_back(c);
        ++r;
    }
    std::vector<double> x(static_cast<size_t>(count), 0.0);
    for (int r = static_cast<int>(pivotColumn.size()) - 1; r >= 0; --r) {
        const int c = pivotColumn[r];
        double sum = at(r, count);
        for (int j = c + 1; j < count; ++j) sum -= at(r, j) * x[j];
        x[c] = sum / at(r, c);
    }
    for (int i = 0; i < first; ++i) {
        if (branches[i].bulb)
            b.ValueTable[branches[i].k] = static_cast<int16_t>(std::fabs(std::floor(100 * x[i])));
    }
}

}  // namespace cw::bench
