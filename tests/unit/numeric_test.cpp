#include "model/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace cw {
namespace {

TEST(Numeric, NearestRoundsHalvesToEven) {
    EXPECT_EQ(Nearest16(274.5), 274);
    EXPECT_EQ(Nearest16(275.5), 276);
    EXPECT_EQ(Nearest16(-43.5), -44);
    EXPECT_EQ(Nearest16(-42.5), -42);
    EXPECT_EQ(Nearest16(156.5), 156);
    EXPECT_EQ(Nearest16(0.49999), 0);
    EXPECT_EQ(Nearest32(100000.5), 100000);
}

TEST(Numeric, FloorGoesDown) {
    EXPECT_EQ(Floor16(13.99), 13);
    EXPECT_EQ(Floor16(-13.01), -14);
    EXPECT_EQ(Floor16(-0.0), 0);
}

TEST(Numeric, OutOfRangeSaturatesAndNaNIsZero) {
    EXPECT_EQ(Nearest16(1e9), kInt16Max);
    EXPECT_EQ(Nearest16(-1e9), kInt16Min);
    EXPECT_EQ(Floor16(32767.9), kInt16Max);
    EXPECT_EQ(Floor16(-32768.5), kInt16Min);
    EXPECT_EQ(Nearest16(std::numeric_limits<double>::infinity()), kInt16Max);
    EXPECT_EQ(Nearest16(std::nan("")), 0);
    EXPECT_EQ(Saturate16(std::nan("")), 0);
    EXPECT_EQ(Saturate16(-40000), kInt16Min);
}

TEST(Numeric, MinMaxInt) {
    EXPECT_EQ(MaxInt(0, MinInt(320, -44)), 0);
    EXPECT_EQ(MaxInt(0, MinInt(320, 156)), 156);
    EXPECT_EQ(MinInt(-1, -2), -2);
}

}  // namespace
}  // namespace cw
