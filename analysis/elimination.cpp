#include "analysis/elimination.h"

#include <cmath>
#include <utility>

namespace cw {
namespace {

// Pivot search, row swap and pivot-row division shared by both forms. Returns the pivot row, or
// 0 when the column has no non-zero candidate at or below row r.
int PreparePivot(SystemMatrix& m, int c, int r) {
    const int n = m.Size();
    float best = 0.0f;
    int p = 0;
    for (int l = r; l <= n; ++l) {
        const float v = std::fabs(m.At(l, c));
        if (v > best) {
            best = v;
            p = l;
        }
    }
    if (!(best > 0.0f)) return 0;
    if (p != r) {
        float* a = m.Row(r);
        float* b = m.Row(p);
        for (int j = 1; j <= n + 1; ++j) std::swap(a[j], b[j]);
    }
    float* row = m.Row(r);
    const float piv = row[c];
    if (piv != 1.0f) {
        for (int j = c; j <= n + 1; ++j) row[j] = row[j] / piv;
    }
    return r;
}

inline float Update(float target, float f, float pivotValue) {
    return static_cast<float>(static_cast<double>(target) -
                              static_cast<double>(f) * static_cast<double>(pivotValue));
}

}  // namespace

void EliminateDense(SystemMatrix& m) {
    const int n = m.Size();
    int r = 1;
    for (int c = 1; c <= n; ++c) {
        if (PreparePivot(m, c, r) == 0) continue;
        const float* prow = m.Row(r);
        for (int row = 1; row <= n; ++row) {
            if (row == r) continue;
            float* mrow = m.Row(row);
            const float f = mrow[c];
            if (f == 0.0f) continue;
            for (int j = c; j <= n + 1; ++j) mrow[j] = Update(mrow[j], f, prow[j]);
        }
        ++r;
    }
}

void EliminateSparse(SystemMatrix& m) {
    const int n = m.Size();
    std::vector<int> nonZero;
    nonZero.reserve(static_cast<size_t>(n) + 2);
    int r = 1;
    for (int c = 1; c <= n; ++c) {
        if (PreparePivot(m, c, r) == 0) continue;
        const float* prow = m.Row(r);
        nonZero.clear();
        for (int j = c; j <= n + 1; ++j) {
            if (prow[j] != 0.0f) nonZero.push_back(j);
        }
        for (int row = 1; row <= n; ++row) {
            if (row == r) continue;
            float* mrow = m.Row(row);
            const float f = mrow[c];
            if (f == 0.0f) continue;
            for (int j : nonZero) mrow[j] = Update(mrow[j], f, prow[j]);
        }
        ++r;
    }
}

}  // namespace cw
