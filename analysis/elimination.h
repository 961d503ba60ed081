// Gauss-Jordan elimination with partial pivoting over the circuit's node and branch equations,
// in 32-bit floats. Every update is formed in double and stored as float once; every division
// is stored as float. There is no tolerance: a column whose candidates are all exactly zero is
// skipped, any other candidate can be a pivot.
#pragma once

#include <cstddef>
#include <vector>

namespace cw {

// A dense (n + 1) x (n + 2) float matrix; row 0 and column 0 are never used, column n + 1 is the
// right-hand side.
class SystemMatrix {
  public:
    explicit SystemMatrix(int n)
        : n_(n), cols_(n + 2), data_(static_cast<size_t>(n + 1) * cols_, 0.0f) {}
    int Size() const { return n_; }
    float& At(int row, int col) { return data_[static_cast<size_t>(row) * cols_ + col]; }
    float At(int row, int col) const { return data_[static_cast<size_t>(row) * cols_ + col]; }
    float* Row(int row) { return &data_[static_cast<size_t>(row) * cols_]; }

  private:
    int n_;
    size_t cols_;
    std::vector<float> data_;
};

// The elimination exactly as its steps read: every element of every row is updated.
void EliminateDense(SystemMatrix& m);

// The same elimination, updating only where the pivot row holds a non-zero entry. Skipping an
// exact zero changes no value (x - f * 0 is x), so the results equal EliminateDense's.
void EliminateSparse(SystemMatrix& m);

}  // namespace cw
