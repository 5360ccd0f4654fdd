#pragma once
// The one random generator of the program. Seeded from the clock once at game
// start; --seed fixes it so that a replay is exact.
#include <cstdint>

namespace zw {

void RandomSeed(uint64_t seed);
void RandomizeFromClock();
// Uniform integer 0 .. k-1 (0 when k <= 0).
int Random(int k);
// Uniform real in [0, 1).
double RandomFloat();

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
long long RoundHalfEven(double v);

} // namespace zw
