// Generating every board of the demo buses for the five directions, as the
// game does once per start: fonts, tiles and definitions reread per board.
#include "boards/TWyswietlacze.h"
#include "util/Cp1250.h"
#include "util/Paths.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

void DrawAll(benchmark::State& state, const char* bus, const char* set) {
    zw::SetAppDir(ZW_GAME_DIR);
    if (::chdir(ZW_GAME_DIR) != 0) {
        state.SkipWithError("no game folder");
        return;
    }
    auto out = std::filesystem::temp_directory_path() / "zw_bench_boards";
    std::filesystem::create_directories(out);
    zw::TWyswietlacze w;
    w.BusFolder = bus;
    w.TextureSet = set;
    w.OutputDir = out.string() + "/";
    w.Teksty.LineNumber = "101";
    const char* first[5] = {"Dworzec Główny", "Osiedle Słoneczne", "Zajezdnia", "Plac Źródlany", "Pętla"};
    for (int d = 1; d <= 5; ++d) {
        w.Teksty.Kierunek(d).Linia1 = zw::Utf8ToCp1250(first[d - 1]);
        w.Teksty.Kierunek(d).Linia2 = "przez Rynek";
        w.Teksty.Kierunek(d).Rodzaj = uint8_t(d % 4 + 1);
    }
    size_t boards = 0;
    for (auto _ : state) boards += w.DrawAllDirections().size();
    state.counters["boards"] = benchmark::Counter(double(boards), benchmark::Counter::kAvgIterations);
}

void BM_BoardsCityLed(benchmark::State& s) { DrawAll(s, "Orvena City", "Plofmar"); }
void BM_BoardsCityPlywood(benchmark::State& s) { DrawAll(s, "Orvena City", "Miejski"); }
void BM_BoardsDuoLed(benchmark::State& s) { DrawAll(s, "Orvena Duo", "Plofmar"); }

BENCHMARK(BM_BoardsCityLed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoardsCityPlywood)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoardsDuoLed)->Unit(benchmark::kMillisecond);

} // namespace
