#include "app/GameRun.h"

#include "platform/render/SceneRenderer.h"
#include "platform/sound/SoundBackendKind.h"
#include "platform/window/WindowOptions.h"
#include "shell/TZwEngine.h"
#include "shell/ZwLog.h"
#include "util/NumText.h"
#include "util/Random.h"

#include <cstdio>

namespace zw {

namespace {

// Headless runs without --frames end after ten seconds of frames.
constexpr long long kDefaultHeadlessFrames = 600;

SoundBackendKind SoundKind(const CommandLine& o, bool soundGiven) {
    auto kind = ParseSoundBackendKind(o.sound);
    if (!kind) return SoundBackendKind::Null;
    if (o.headless && !soundGiven) return SoundBackendKind::Null;
    return *kind;
}

} // namespace

GameProgram::GameProgram(const CommandLine& o, bool soundGiven, MessageLoop& loop, RendererFactory renderer)
    : options_(o), loop_(loop) {
    sound_ = CreateSoundSystem(SoundKind(o, soundGiven));
    if (o.clock) clock_ = MakeSteppedClock(*o.clock, [&loop] { return loop.Now(); });
    else clock_ = MakeSystemClock();
    game_ = std::make_unique<TZwGameForm>(loop, std::move(renderer), *sound_, *clock_);
    game_->Statistics = &statistics_;
    boards_ = std::make_unique<TWyswietlacze>();
    game_->Wyswietlacze = boards_.get();
    if (o.seed) {
        uint64_t seed = *o.seed;
        game_->SeedRandom = [seed] { RandomSeed(seed); };
    }
    lastNow_ = loop.Now();
}

GameProgram::~GameProgram() {
    if (sound_) sound_->Free();
}

void GameProgram::StartFromConfiguration() {
    const TSettingsRec& s = Engine->Config->Settings;
    GameHandOver& h = game_->Launcher;
    h.MapFile = s.Main.Map;
    h.RouteFile = s.Main.Map;
    h.BusFolder = s.Main.Model;
    h.TextureSet = s.Main.Texture;
    h.MusicFolder = s.Sound.MP3Path;
    h.MojNumer = 1;
    h.TrafficOn = s.Game.Traffic;
    game_->GLScene1.fog.enabled = s.Graphics.Fog;
    try {
        ReadRouteBoardTextsFile("Maps\\" + h.RouteFile, boards_->Teksty);
    } catch (const std::exception& e) {
        EngineLog().AddException(e, "GameProgram.StartFromConfiguration");
    }
    game_->Startuj();
}

void GameProgram::AfterStep() {
    double now = loop_.Now();
    sound_->Update(now - lastNow_);
    lastNow_ = now;
    TZwGameForm& g = *game_;
    if (g.Ended || !g.GLCadencer1.Enabled()) return;
    long long frames = options_.frames ? *options_.frames : (options_.headless ? kDefaultHeadlessFrames : -1);
    if (options_.quit) frames = 0;
    if (frames < 0 || g.FrameCount < frames) return;
    if (!options_.screenshot.empty()) {
        try {
            g.GLFullScreenViewer1.SaveScreenshot(options_.screenshot);
        } catch (const std::exception& e) {
            EngineLog().AddException(e, "GameProgram.Screenshot");
            std::fprintf(stderr, "zwolta: %s\n", e.what());
        }
    }
    g.GLFullScreenViewer1Close();
}

int RunGameProgram(const CommandLine& o, bool soundGiven) {
    WindowOptions wo;
    wo.headless = o.headless;
    wo.windowed = o.windowed;
    wo.script = o.script;
    if (o.dt) wo.frameStep = *o.dt;
    std::unique_ptr<WindowSystem> system = o.headless ? CreateNullWindowSystem(wo) : CreateWindowSystem(wo);
    system->SetWindowed(o.windowed);
    MessageLoop loop(*system);
    GameProgram program(o, soundGiven, loop, o.headless ? RendererFactory{} : GlRendererFactory());
    program.StartFromConfiguration();
    while (!program.Ended() && loop.Step()) program.AfterStep();
    if (!program.Ended()) program.Game().zamykaj();
    for (const std::string& line : program.Statistics().lines) std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    return 0;
}

} // namespace zw
