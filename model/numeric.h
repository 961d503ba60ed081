// Whole-number helpers of the board: every coordinate, NodeId, table index and value is a
// 16-bit signed integer. The rounding rules live here, and so does the one decision about what
// happens to a value outside the 16-bit range: it saturates at the nearest limit, and a value
// that is not a number becomes 0. Nothing else in the program decides that again.
#pragma once

#include <cstdint>

namespace cw {

inline constexpr int kInt16Min = -32768;
inline constexpr int kInt16Max = 32767;

// The smaller and the larger of two 16-bit values; all clamping on the board uses these.
constexpr int16_t MinInt(int16_t a, int16_t b) {
    return a < b ? a : b;
}
constexpr int16_t MaxInt(int16_t a, int16_t b) {
    return a > b ? a : b;
}

// Brings a whole value (already rounded) into 16 bits: saturates, NaN gives 0.
int16_t Saturate16(double whole);

// v rounded to the nearest whole number, an exact half going to the even neighbour.
int16_t Nearest16(double v);
// The same in 32 bits (for rectangles handed to the platform calls).
int32_t Nearest32(double v);
// The largest whole number not above v, in 16 bits.
int16_t Floor16(double v);

}  // namespace cw
