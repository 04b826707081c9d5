// The program's one pseudo-random generator. The renderer's spray and noise
// draw from it; tests seed it to get the same pictures every run.
#pragma once

#include <cstdint>

void SeedRandom(std::uint32_t seed);

// A uniform integer in 0 .. n - 1; 0 when n is 0 or less.
int Random(int n);
