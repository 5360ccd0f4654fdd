// What the frame loop asks of the sound system each frame: the engine's
// frequency, a few is-playing checks, and the message loop's update.
#include "platform/sound/NullSoundSystem.h"
#include "platform/sound/SoundBackendKind.h"
#include "tests/sound/TestWav.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void EngineFrame(benchmark::State& state, zw::SoundSystem& snd) {
    std::string dir = zwtest::TempFolder("bench_sound");
    snd.Init(44100);
    zw::SampleHandle engine = snd.SampleLoad(zwtest::WriteWav(dir + "/engine.wav", 1.0, 11025), 1, true, true);
    zw::SampleHandle bell = snd.SampleLoad(zwtest::WriteWav(dir + "/dzwonek.wav", 0.5, 22050), 1, false, true);
    zw::ChannelHandle channel = snd.PlaySample(engine);
    zw::ChannelHandle bellChannel = snd.PlaySample(bell);
    int rpm = 800;
    for (auto _ : state) {
        rpm = rpm > 2400 ? 800 : rpm + 7;
        snd.ChannelSetAttributes(channel, 5000 + rpm * 6, zw::kUnchanged, zw::kUnchanged);
        benchmark::DoNotOptimize(snd.ChannelIsActive(bellChannel));
        benchmark::DoNotOptimize(snd.SampleIsActive(bell));
        snd.Update(0.016);
    }
    snd.Free();
    std::filesystem::remove_all(dir);
}

void BM_EngineFrameNull(benchmark::State& state) {
    zw::NullSoundSystem snd;
    EngineFrame(state, snd);
}
BENCHMARK(BM_EngineFrameNull);

// OpenAL Soft mixing into its null output.
void BM_EngineFrameOpenAl(benchmark::State& state) {
    setenv("ALSOFT_DRIVERS", "null", 1);
    auto snd = zw::CreateSoundSystem(zw::SoundBackendKind::OpenAl);
    EngineFrame(state, *snd);
}
BENCHMARK(BM_EngineFrameOpenAl);

} // namespace
