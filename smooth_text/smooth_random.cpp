#include "smooth_random.h"

#include <random>

namespace {

std::mt19937& generator() {
    static std::mt19937 instance(20100913u);
    return instance;
}

}  // namespace

void SeedRandom(std::uint32_t seed) { generator().seed(seed); }

int Random(int n) {
    if (n <= 0) return 0;
    // Multiply-shift maps 32 random bits onto 0 .. n - 1 without a division.
    return static_cast<int>((static_cast<std::uint64_t>(generator()()) * static_cast<std::uint64_t>(n)) >> 32);
}
