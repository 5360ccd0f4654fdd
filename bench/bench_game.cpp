// The game window's start-up for the demo selection (Start to the first
// frame) and one frame step without rendering, on the null window and sound
// systems in the demo game folder.
#include "boards/TWyswietlacze.h"
#include "game/TZwGameForm.h"
#include "platform/sound/NullSoundSystem.h"
#include "platform/window/null/NullWindowSystem.h"
#include "shell/TZwEngine.h"
#include "util/Paths.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

// The demo game folder as the application folder, with its engine.
struct DemoFolder {
    DemoFolder() {
        zw::SetAppDir(ZW_GAME_DIR);
        if (::chdir(ZW_GAME_DIR) != 0) std::abort();
        if (!zw::Engine) zw::Engine = new zw::TZwEngine();
    }
};

struct DemoGame {
    DemoFolder folder;
    zw::NullWindowSystem system{1.0 / 60};
    zw::MessageLoop loop{system};
    zw::NullSoundSystem sound;
    std::unique_ptr<zw::GameClockService> clock = zw::MakeSteppedClock(7.0 / 24, [this] { return loop.Now(); });
    zw::TWyswietlacze boards;
    zw::TZwGameForm game{loop, zw::RendererFactory{}, sound, *clock};

    DemoGame() {
        const zw::TSettingsRec& s = zw::Engine->Config->Settings;
        game.Launcher.MapFile = game.Launcher.RouteFile = s.Main.Map;
        game.Launcher.BusFolder = s.Main.Model;
        game.Launcher.TextureSet = s.Main.Texture;
        game.Launcher.MojNumer = 1;
        game.Wyswietlacze = &boards;
        game.EngineStart = [](zw::FullScreenViewer& v, zw::Scene&) { v.SetActive(true); };
    }
};

void BM_StartToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        DemoGame demo;
        demo.game.Startuj();
        while (demo.game.FrameCount == 0 && demo.loop.Step()) {
        }
        benchmark::DoNotOptimize(demo.game.FrameCount);
    }
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);

void BM_FrameStep(benchmark::State& state) {
    DemoGame demo;
    demo.game.Startuj();
    double t = 0;
    for (auto _ : state) {
        t += 1.0 / 60;
        demo.game.GLCadencer1Progress(1.0 / 60, t);
    }
    benchmark::DoNotOptimize(demo.game.GameTime);
}
BENCHMARK(BM_FrameStep);

} // namespace
