// The OpenAL sound system, recorded through OpenAL Soft's wave-file driver:
// what a player would hear is in the file once the system is freed.
#include "platform/sound/NullSoundSystem.h"
#include "platform/sound/SoundBackendKind.h"
#include "platform/sound/openal/SndfileAudio.h"
#include "platform/sound/openal/WaveFileOutput.h"
#include "shell/ZwLog.h"
#include "tests/sound/TestWav.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>

using namespace zw;

namespace {

const std::string& RecordingPath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("zw_sound_out_" + std::to_string(getpid()) + ".wav")).string();
    return path;
}

// Before any OpenAL call: everything goes to the recording.
class WaveOutputEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!std::getenv("ZW_SOUND_CHILD")) {
            ASSERT_TRUE(UseWaveFileOutput(RecordingPath()));
        }
    }
    void TearDown() override {
        std::filesystem::remove(RecordingPath());
        std::filesystem::remove(RecordingPath() + ".alsoft.conf");
    }
};
const auto* g_env = ::testing::AddGlobalTestEnvironment(new WaveOutputEnvironment);

struct Recording {
    int rate = 0;
    std::vector<float> left, right;
};

Recording ReadRecording() {
    Recording r;
    SF_INFO info{};
    SNDFILE* f = sf_open(RecordingPath().c_str(), SFM_READ, &info);
    if (!f) return r;
    std::vector<float> frames(size_t(std::max<sf_count_t>(info.frames, 0)) * size_t(info.channels));
    sf_count_t got = sf_readf_float(f, frames.data(), info.frames);
    sf_close(f);
    r.rate = info.samplerate;
    for (sf_count_t i = 0; i < got; ++i) {
        r.left.push_back(frames[size_t(i * info.channels)]);
        r.right.push_back(frames[size_t(i * info.channels + (info.channels > 1 ? 1 : 0))]);
    }
    return r;
}

double Rms(const std::vector<float>& v) {
    double sum = 0;
    for (float x : v) sum += double(x) * x;
    return v.empty() ? 0.0 : std::sqrt(sum / double(v.size()));
}

double Peak(const std::vector<float>& v) {
    double peak = 0;
    for (float x : v) peak = std::max(peak, double(std::fabs(x)));
    return peak;
}

// The sounding part of a channel: from the first to the last loud value.
std::vector<float> Loud(const std::vector<float>& v, float threshold) {
    size_t first = v.size(), last = 0;
    for (size_t i = 0; i < v.size(); ++i)
        if (std::fabs(v[i]) > threshold) first = std::min(first, i), last = i;
    return first < last ? std::vector<float>(v.begin() + long(first), v.begin() + long(last) + 1) : std::vector<float>{};
}

double ZeroCrossingHz(const std::vector<float>& v, int rate) {
    int crossings = 0;
    for (size_t i = 1; i < v.size(); ++i)
        if ((v[i - 1] < 0) != (v[i] < 0)) ++crossings;
    return v.empty() ? 0.0 : crossings / 2.0 / (double(v.size()) / rate);
}

// Lets the device play for a while, with the message loop's updates.
void PlayFor(SoundSystem& snd, double seconds) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        snd.Update(0.01);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Float frames: Debian 12's libsndfile writes stereo MP3 from 16-bit frames
// wrongly (it reads back as noise).
void WriteMp3(const std::string& path, double seconds, int rate, int channels) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
    auto n = sf_count_t(std::llround(seconds * rate));
    std::vector<float> pcm(size_t(n) * size_t(channels));
    for (sf_count_t i = 0; i < n; ++i)
        for (int c = 0; c < channels; ++c)
            pcm[size_t(i * channels + c)] = 0.25f * float(std::sin(2 * M_PI * 330.0 * (c + 1) * double(i) / rate));
    sf_writef_float(f, pcm.data(), n);
    sf_close(f);
}

class OpenAlSound : public ::testing::Test {
protected:
    void SetUp() override {
        dir = zwtest::TempFolder("openal");
        snd = CreateSoundSystem(SoundBackendKind::OpenAl);
        ASSERT_STREQ(snd->BackendName(), "openal");
        ASSERT_TRUE(snd->Init(44100));
        ASSERT_TRUE(snd->Start());
    }
    void TearDown() override {
        snd->Free();
        std::filesystem::remove_all(dir);
    }
    std::string dir;
    std::unique_ptr<SoundSystem> snd;
};

TEST_F(OpenAlSound, SampleSoundsAtItsFrequencyAndPan) {
    // 441 Hz at 22050 Hz, played at 44100 Hz: 882 Hz for half its length.
    SampleHandle s = snd->SampleLoad(zwtest::WriteWav(dir + "/horn.wav", 0.8, 22050, 1, 441.0, 0.8), 1, false, true);
    ASSERT_TRUE(s);
    ChannelHandle c = snd->SampleGetChannel(s);
    ASSERT_TRUE(c);
    ASSERT_TRUE(snd->ChannelSetAttributes(c, 44100, 1.0f, -1.0f));
    ASSERT_TRUE(snd->ChannelPlay(c, true));
    EXPECT_EQ(snd->ChannelIsActive(c), ChannelState::Playing);
    PlayFor(*snd, 0.8);
    EXPECT_EQ(snd->ChannelIsActive(c), ChannelState::Stopped); // 0.4 s at twice the speed
    snd->Free();
    Recording r = ReadRecording();
    ASSERT_GT(r.rate, 0);
    std::vector<float> loud = Loud(r.left, 0.05f);
    ASSERT_FALSE(loud.empty()) << "the recording is silent";
    EXPECT_NEAR(double(loud.size()) / r.rate, 0.4, 0.06);
    EXPECT_NEAR(ZeroCrossingHz(loud, r.rate), 882.0, 882.0 * 0.05);
    EXPECT_GT(Rms(r.left), 3.0 * Rms(r.right)); // panned hard left
}

TEST_F(OpenAlSound, SilentWhenMutedOrEmpty) {
    SampleHandle s = snd->SampleLoad(zwtest::WriteWav(dir + "/engine.wav", 0.5, 22050, 1, 200.0, 0.8), 1, true, true);
    ChannelHandle c = snd->PlaySample(s);
    ASSERT_TRUE(c);
    snd->ChannelSetAttributes(c, kUnchanged, 0.0f, kUnchanged);
    SampleHandle none = snd->SampleLoad(dir + "/pff.wav", 1, false, true);
    EXPECT_FALSE(none);
    EXPECT_FALSE(snd->PlaySample(none));
    EXPECT_FALSE(snd->StreamCreateFile(dir + "/missing.mp3"));
    PlayFor(*snd, 0.4);
    EXPECT_EQ(snd->ChannelIsActive(c), ChannelState::Playing); // looping
    snd->Free();
    EXPECT_EQ(snd->ChannelIsActive(c), ChannelState::Stopped);
    Recording r = ReadRecording();
    ASSERT_GT(r.left.size(), size_t(r.rate / 10)) << "nothing recorded";
    EXPECT_LT(Peak(r.left), 1e-3);
    EXPECT_LT(Peak(r.right), 1e-3);
}

TEST_F(OpenAlSound, PausedEngineResumesWhereItWas) {
    SampleHandle s = snd->SampleLoad(zwtest::WriteWav(dir + "/engine.wav", 2.0, 11025, 1, 100.0, 0.8), 1, true, true);
    ChannelHandle c = snd->PlaySample(s);
    PlayFor(*snd, 0.3);
    ASSERT_TRUE(snd->ChannelPause(c));
    double at = snd->ChannelGetInfo(c).position;
    EXPECT_NEAR(at, 0.3, 0.15);
    PlayFor(*snd, 0.3);
    EXPECT_EQ(snd->ChannelIsActive(c), ChannelState::Paused);
    EXPECT_DOUBLE_EQ(snd->ChannelGetInfo(c).position, at);
    snd->ChannelPlay(c, false);
    PlayFor(*snd, 0.2);
    EXPECT_NEAR(snd->ChannelGetInfo(c).position, at + 0.2, 0.15);
}

TEST_F(OpenAlSound, Mp3StreamPlaysOnAsUpdatesRefillIt) {
    std::string path = dir + "/track.mp3";
    WriteMp3(path, 3.0, 44100, 2);
    ChannelHandle m = snd->StreamCreateFile(path);
    ASSERT_TRUE(m);
    EXPECT_NEAR(snd->ChannelBytes2Seconds(m, snd->ChannelGetLength(m)), 3.0, 1e-9);
    ASSERT_TRUE(snd->ChannelPlay(m, true));
    // Longer than the first queue of buffers holds.
    PlayFor(*snd, 1.6);
    EXPECT_EQ(snd->ChannelIsActive(m), ChannelState::Playing);
    EXPECT_NEAR(snd->ChannelGetInfo(m).position, 1.6, 0.3);
    EXPECT_TRUE(snd->StreamFree(m));
    EXPECT_EQ(snd->ChannelIsActive(m), ChannelState::Stopped);
    snd->Free();
    Recording r = ReadRecording();
    // Left 330 Hz, right 660 Hz: both channels of the track come through.
    std::vector<float> left = Loud(r.left, 0.05f), right = Loud(r.right, 0.05f);
    EXPECT_GT(double(left.size()) / r.rate, 1.2);
    EXPECT_NEAR(ZeroCrossingHz(left, r.rate), 330.0, 330.0 * 0.05);
    EXPECT_NEAR(ZeroCrossingHz(right, r.rate), 660.0, 660.0 * 0.05);
}

TEST_F(OpenAlSound, LongTrackLengthAgreesEverywhere) {
    std::string path = dir + "/long.mp3";
    WriteMp3(path, 245.0, 8000, 1);
    ChannelHandle m = snd->StreamCreateFile(path);
    ASSERT_TRUE(m);
    EXPECT_NEAR(snd->ChannelBytes2Seconds(m, snd->ChannelGetLength(m)), 245.0, 1e-6);
    // The null system, with either way of reading lengths.
    std::unique_ptr<SoundSystem> null = CreateSoundSystem(SoundBackendKind::Null);
    NullSoundSystem headers;
    for (SoundSystem* other : {null.get(), static_cast<SoundSystem*>(&headers)}) {
        ASSERT_TRUE(other->Init(44100));
        ChannelHandle n = other->StreamCreateFile(path);
        EXPECT_NEAR(other->ChannelBytes2Seconds(n, other->ChannelGetLength(n)), 245.0, 1e-6);
        other->Free();
    }
}

// In a child process without any output driver: the factory falls back.
TEST(SoundNoDevice, FallsBackToTheNullSystemWithOneLogLine) {
    if (std::getenv("ZW_SOUND_CHILD")) {
        struct CountingLog : ZwLog {
            void Add(const std::string& m) override { lines.push_back(m); }
            void AddParts(const std::vector<LogPart>&) override {}
            void AddException(const std::exception&, const std::string&,
                              const std::vector<std::pair<std::string, std::string>>&) override {}
            std::vector<std::string> lines;
        } log;
        SetEngineLog(&log);
        std::unique_ptr<SoundSystem> snd = CreateSoundSystem(SoundBackendKind::OpenAl);
        SetEngineLog(nullptr);
        EXPECT_STREQ(snd->BackendName(), "null");
        ASSERT_EQ(log.lines.size(), 1u);
        EXPECT_NE(log.lines[0].find("runs silent"), std::string::npos) << log.lines[0];
        EXPECT_TRUE(snd->Init(44100));
        return;
    }
    std::string cmd = "ZW_SOUND_CHILD=1 ALSOFT_DRIVERS=no-such-driver /proc/" + std::to_string(getpid()) +
                      "/exe --gtest_filter=SoundNoDevice.* >/dev/null 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}

} // namespace
