#include "util/Random.h"

#include <chrono>
#include <cmath>

namespace zw {

namespace {
uint64_t g_state = 0x9E3779B97F4A7C15ull;

uint64_t Next() {
    // splitmix64: small, fast, and the same sequence on every machine.
    uint64_t z = (g_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

void RandomSeed(uint64_t seed) { g_state = seed; }

void RandomizeFromClock() {
    RandomSeed(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
               static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

int Random(int k) {
    if (k <= 0) return 0;
    return static_cast<int>(Next() % static_cast<uint64_t>(k));
}

double RandomFloat() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

long long RoundHalfEven(double v) {
    double f = std::floor(v);
    double diff = v - f;
    long long n = static_cast<long long>(f);
    if (diff > 0.5) return n + 1;
    if (diff < 0.5) return n;
    return (n % 2 == 0) ? n : n + 1;
}

} // namespace zw
