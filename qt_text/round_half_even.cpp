#include "round_half_even.h"

#include <algorithm>
#include <cmath>

int RoundHalfEven(double x) {
    constexpr double kLargestRounded = 16777216.0;  // 2^24
    if (std::isnan(x)) return 0;
    x = std::clamp(x, -kLargestRounded, kLargestRounded);
    const double below = std::floor(x);
    const double fraction = x - below;
    double result = below;
    if (fraction > 0.5) {
        result = below + 1;
    } else if (fraction == 0.5) {
        result = std::fmod(below, 2.0) == 0.0 ? below : below + 1;
    }
    return static_cast<int>(result);
}
