#include "bus/tnaped.h"

#include <benchmark/benchmark.h>

// One drive-train step runs once per frame per bus.
static void BM_Krok(benchmark::State& state) {
    zw::tnaped n;
    n.EngineOn = true;
    n.Gear = 1;
    n.Throttle = 0.8f;
    n.AutoShift = true;
    for (auto _ : state) {
        n.Krok(0.016f);
        if (n.Speed > 20) n.Speed = 0;
        benchmark::DoNotOptimize(n.Speed);
    }
}
BENCHMARK(BM_Krok);
