#include "app/GameRun.h"

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
    // The renderer frees its GL objects in the viewer's own context, whichever
    // window's context was current last.
    if (Window* w = game_->GLFullScreenViewer1.GetWindow()) w->MakeCurrent();
    game_.reset();
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

} // namespace zw
