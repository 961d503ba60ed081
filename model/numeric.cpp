#include "model/numeric.h"

#include <cmath>
#include <limits>

namespace cw {

int16_t Saturate16(double whole) {
    if (std::isnan(whole)) return 0;
    if (whole >= kInt16Max) return kInt16Max;
    if (whole <= kInt16Min) return kInt16Min;
    return static_cast<int16_t>(whole);
}

int16_t Nearest16(double v) {
    return Saturate16(std::nearbyint(v));
}

int32_t Nearest32(double v) {
    const double r = std::nearbyint(v);
    if (std::isnan(r)) return 0;
    if (r >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (r <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

int16_t Floor16(double v) {
    return Saturate16(std::floor(v));
}

}  // namespace cw
