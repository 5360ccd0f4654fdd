// The engine log on the caller's side: a queued message must cost the frame
// loop far less than a disk write. Layout is measured separately.
#include "shell/LogMarkup.h"
#include "shell/LogWriter.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

void BM_LogAdd(benchmark::State& state) {
    std::string path = "/tmp/zw-bench-log-" + std::to_string(::getpid()) + ".txt";
    {
        zw::LogWriter log(path, "bench");
        for (auto _ : state)
            log.Add("{@5}> Frame step failed{@7}[ FAIL ]");
    }
    ::unlink(path.c_str());
}
BENCHMARK(BM_LogAdd);

void BM_RenderMarkup(benchmark::State& state) {
    zw::MarkupContext ctx{"2024-01-01", "12:00:00", "zwolta", {}};
    for (auto _ : state) {
        auto lines = zw::RenderMarkup("{@3}>>> Entering{@16}TZwConfig.ListOfTextures({/}{@15}Model{*30.}: "
                                      "Orvena City{/}{@10})",
                                      ctx);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_RenderMarkup);

} // namespace
