#include "qt_text/round_half_even.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double x;
        int expected;
    };
    const Case cases[] = {
        {6.5, 6},   {7.5, 8},     {16.8, 17},  {0.5, 0},    {1.5, 2},   {-0.5, 0},
        {-1.5, -2}, {-2.5, -2},   {2.4999, 2}, {2.5001, 3}, {-16.8, -17}, {0.0, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {1e300, 1 << 24},       {-std::numeric_limits<double>::infinity(), -(1 << 24)},
    };
    for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.x), c.expected) << c.x;
}

}  // namespace
