// The sound system's state machine, on the null backend with its own clock.
#include "platform/sound/NullSoundSystem.h"
#include "shell/ZwLog.h"
#include "tests/sound/TestWav.h"
#include "util/Paths.h"
#include "util/Random.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zw;

namespace {

class RecordingLog : public ZwLog {
public:
    void Add(const std::string& m) override { lines.push_back(m); }
    void AddParts(const std::vector<LogPart>&) override {}
    void AddException(const std::exception& e, const std::string&,
                      const std::vector<std::pair<std::string, std::string>>&) override {
        lines.push_back(e.what());
    }
    std::vector<std::string> lines;
};

class NullSound : public ::testing::Test {
protected:
    void SetUp() override {
        dir = zwtest::TempFolder("nullsound");
        ASSERT_TRUE(snd.Init(44100));
        ASSERT_TRUE(snd.Start());
    }
    void TearDown() override {
        snd.Free();
        std::filesystem::remove_all(dir);
    }
    std::string Wav(const std::string& name, double seconds, int rate = 11025) {
        return zwtest::WriteWav(dir + "/" + name, seconds, rate);
    }
    double Position(ChannelHandle c) { return snd.ChannelGetInfo(c).position; }

    std::string dir;
    NullSoundSystem snd;
};

TEST_F(NullSound, PlaySampleStartsFromTheBeginningAndEnds) {
    SampleHandle s = snd.SampleLoad(Wav("start.wav", 1.0), 1, false, true);
    ASSERT_TRUE(s);
    ChannelHandle c = snd.PlaySample(s);
    ASSERT_TRUE(c);
    snd.Update(0.4);
    EXPECT_NEAR(Position(c), 0.4, 1e-6);
    EXPECT_EQ(snd.PlaySample(s), c); // the one channel, recycled and restarted
    EXPECT_NEAR(Position(c), 0.0, 1e-6);
    snd.Update(0.99);
    EXPECT_EQ(snd.ChannelIsActive(c), ChannelState::Playing);
    snd.Update(0.02);
    EXPECT_EQ(snd.ChannelIsActive(c), ChannelState::Stopped);
    EXPECT_EQ(snd.SampleIsActive(s), ChannelState::Stopped);
    ChannelInfo info = snd.ChannelGetInfo(c);
    EXPECT_EQ(info.sample, s);
    EXPECT_FALSE(info.isStream);
    EXPECT_NEAR(info.length, 1.0, 1e-4);
    EXPECT_EQ(info.frequency, 11025);
}

TEST_F(NullSound, BusySampleOverridesTheLongestPlayingChannel) {
    SampleHandle s = snd.SampleLoad(Wav("dopen.wav", 2.0), 4, false, true);
    std::vector<ChannelHandle> ch;
    for (int i = 0; i < 4; ++i) {
        ch.push_back(snd.PlaySample(s));
        snd.Update(0.1);
    }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < i; ++j) EXPECT_NE(ch[size_t(i)], ch[size_t(j)]);
    // Restarting the first makes the second the longest-playing one.
    snd.ChannelPlay(ch[0], true);
    ChannelHandle fifth = snd.PlaySample(s);
    EXPECT_EQ(fifth, ch[1]);
    EXPECT_NEAR(Position(fifth), 0.0, 1e-6);
    EXPECT_NEAR(Position(ch[2]), 0.2, 1e-6); // the others play on untouched
    EXPECT_NEAR(Position(ch[3]), 0.1, 1e-6);
    EXPECT_EQ(snd.Channels().size(), 4u);
    // A stopped channel is taken before a playing one.
    snd.ChannelStop(ch[3]);
    EXPECT_EQ(snd.PlaySample(s), ch[3]);
}

TEST_F(NullSound, BusySampleWithoutOverrideGivesNoChannel) {
    SampleHandle s = snd.SampleLoad(Wav("kier.wav", 2.0), 2, false, false);
    ChannelHandle a = snd.PlaySample(s), b = snd.PlaySample(s);
    ASSERT_TRUE(a && b);
    EXPECT_FALSE(snd.PlaySample(s));
    EXPECT_NEAR(Position(a), 0.0, 1e-6);
    snd.Update(2.5);
    EXPECT_TRUE(snd.PlaySample(s));
}

TEST_F(NullSound, LoopingSampleWrapsAndNeverStops) {
    SampleHandle s = snd.SampleLoad(Wav("engine.wav", 1.0), 1, true, true);
    ChannelHandle c = snd.PlaySample(s);
    for (int i = 0; i < 25; ++i) snd.Update(0.1);
    EXPECT_EQ(snd.ChannelIsActive(c), ChannelState::Playing);
    EXPECT_NEAR(Position(c), 0.5, 1e-6);
    EXPECT_TRUE(snd.ChannelGetInfo(c).loop);
    SampleHandle once = snd.SampleLoad(Wav("stop.wav", 1.0), 1, false, true);
    EXPECT_FALSE(snd.ChannelGetInfo(snd.PlaySample(once)).loop);
}

TEST_F(NullSound, PauseKeepsThePlaceAndResumeGoesOnFromIt) {
    SampleHandle s = snd.SampleLoad(Wav("engine.wav", 1.0), 1, true, true);
    ChannelHandle c = snd.PlaySample(s);
    EXPECT_TRUE(snd.ChannelPause(c)); // the engine sound waits, paused at once
    EXPECT_EQ(snd.ChannelIsActive(c), ChannelState::Paused);
    EXPECT_EQ(snd.SampleIsActive(s), ChannelState::Paused);
    snd.ChannelPlay(c, false);
    snd.Update(0.3);
    EXPECT_TRUE(snd.ChannelPause(c));
    EXPECT_FALSE(snd.ChannelPause(c)); // already paused
    snd.Update(5.0);
    EXPECT_NEAR(Position(c), 0.3, 1e-6);
    EXPECT_TRUE(snd.ChannelPlay(c, false));
    EXPECT_EQ(snd.ChannelIsActive(c), ChannelState::Playing);
    snd.Update(0.2);
    EXPECT_NEAR(Position(c), 0.5, 1e-6);
    snd.ChannelPlay(c, false); // playing already: no restart
    EXPECT_NEAR(Position(c), 0.5, 1e-6);
    snd.ChannelPlay(c, true);
    EXPECT_NEAR(Position(c), 0.0, 1e-6);
    snd.ChannelStop(c);
    EXPECT_EQ(snd.ChannelIsActive(c), ChannelState::Stopped);
    EXPECT_FALSE(snd.ChannelPause(c));
}

TEST_F(NullSound, FrequencyChangesKeepVolumeAndPan) {
    SampleHandle s = snd.SampleLoad(Wav("engine.wav", 4.0), 1, true, true);
    ChannelHandle c = snd.PlaySample(s);
    EXPECT_TRUE(snd.ChannelSetAttributes(c, kUnchanged, 0.5f, -0.25f));
    // The engine's frequency, as the game computes it each frame.
    for (int rpm : {0, 800, 2400}) {
        int m = 5000 + rpm * 6 + 2000 * 1;
        EXPECT_TRUE(snd.ChannelSetAttributes(c, m, kUnchanged, kUnchanged));
        ChannelInfo info = snd.ChannelGetInfo(c);
        EXPECT_EQ(info.frequency, m);
        EXPECT_FLOAT_EQ(info.volume, 0.5f);
        EXPECT_FLOAT_EQ(info.pan, -0.25f);
    }
    // Twice the own rate plays the sound twice as fast.
    snd.ChannelPlay(c, true);
    snd.ChannelSetAttributes(c, 22050, kUnchanged, kUnchanged);
    snd.Update(0.5);
    EXPECT_NEAR(Position(c), 1.0, 1e-6);
    // Volume alone (the mute case) keeps the frequency.
    snd.ChannelSetAttributes(c, kUnchanged, 0.0f, kUnchanged);
    EXPECT_EQ(snd.ChannelGetInfo(c).frequency, 22050);
    EXPECT_FLOAT_EQ(snd.ChannelGetInfo(c).pan, -0.25f);
}

TEST_F(NullSound, AttributesAreClampedAndBadValuesIgnored) {
    ChannelHandle c = snd.PlaySample(snd.SampleLoad(Wav("a.wav", 1.0), 1, false, true));
    struct Case {
        std::optional<int> freq;
        std::optional<float> vol, pan;
        bool ok;
        int wantFreq;
        float wantVol, wantPan;
    } cases[] = {
        {0, 0.7f, 0.1f, true, 11025, 0.7f, 0.1f},
        {10, 2.0f, -3.0f, true, kMinFrequency, 1.0f, -1.0f},
        {9999999, -1.0f, 3.0f, true, kMaxFrequency, 0.0f, 1.0f},
        {-5, kUnchanged, kUnchanged, false, kMaxFrequency, 0.0f, 1.0f},
        {kUnchanged, NAN, INFINITY, false, kMaxFrequency, 0.0f, 1.0f},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(snd.ChannelSetAttributes(c, k.freq, k.vol, k.pan), k.ok);
        ChannelInfo info = snd.ChannelGetInfo(c);
        EXPECT_EQ(info.frequency, k.wantFreq);
        EXPECT_FLOAT_EQ(info.volume, k.wantVol);
        EXPECT_FLOAT_EQ(info.pan, k.wantPan);
    }
}

TEST_F(NullSound, StreamLengthInBytesAndSeconds) {
    // 245 s at 8 kHz mono: the music player shows it as 4:05.
    std::string path = zwtest::WriteWav(dir + "/long.wav", 245.0, 8000);
    ChannelHandle m = snd.StreamCreateFile(path);
    ASSERT_TRUE(m);
    EXPECT_EQ(snd.ChannelIsActive(m), ChannelState::Stopped);
    int64_t bytes = snd.ChannelGetLength(m);
    EXPECT_EQ(bytes, 245 * 8000 * 2);
    long long l = RoundHalfEven(snd.ChannelBytes2Seconds(m, bytes));
    EXPECT_EQ(l, 245);
    EXPECT_EQ(l / 60, 4);
    EXPECT_EQ(l % 60, 5);
    snd.ChannelPlay(m, true);
    snd.Update(100);
    EXPECT_NEAR(Position(m), 100.0, 1e-6);
    snd.Update(146);
    EXPECT_EQ(snd.ChannelIsActive(m), ChannelState::Stopped); // no next track by itself
    EXPECT_TRUE(snd.StreamFree(m));
    EXPECT_FALSE(snd.StreamFree(m));
    EXPECT_EQ(snd.ChannelGetLength(m), 0);
}

TEST_F(NullSound, Mp3StreamLengthFromItsFrames) {
    ChannelHandle m = snd.StreamCreateFile(std::string(ZW_TEST_DIR) + "/sound/fixtures/tone2s.mp3");
    ASSERT_TRUE(m);
    EXPECT_NEAR(snd.ChannelBytes2Seconds(m, snd.ChannelGetLength(m)), 2.0, 1e-9);
    EXPECT_EQ(snd.ChannelGetInfo(m).frequency, 22050);
    EXPECT_TRUE(snd.ChannelGetInfo(m).isStream);
}

TEST_F(NullSound, FreedStreamHandleNeverReachesANewStream) {
    std::string path = Wav("t.wav", 1.0);
    ChannelHandle first = snd.StreamCreateFile(path);
    snd.StreamFree(first);
    ChannelHandle second = snd.StreamCreateFile(path);
    ASSERT_TRUE(second);
    EXPECT_NE(first, second);
    EXPECT_FALSE(snd.ChannelPlay(first, true));
    EXPECT_EQ(snd.ChannelIsActive(second), ChannelState::Stopped);
    // A sample channel is not a stream.
    ChannelHandle c = snd.PlaySample(snd.SampleLoad(path, 1, false, true));
    EXPECT_FALSE(snd.StreamFree(c));
    EXPECT_EQ(snd.ChannelIsActive(c), ChannelState::Playing);
}

TEST_F(NullSound, MissingOrUnreadableFilesGiveEmptySounds) {
    RecordingLog log;
    SetEngineLog(&log);
    std::string garbage = dir + "/pff.wav";
    zwtest::WriteBytes(garbage, {'R', 'I', 'F', 'F', 1, 2, 3});
    for (const std::string& path : {dir + "/missing.wav", garbage}) {
        SampleHandle s = snd.SampleLoad(path, 1, false, true);
        EXPECT_FALSE(s) << path;
        EXPECT_FALSE(snd.SampleGetChannel(s));
        ChannelHandle c = snd.PlaySample(s);
        EXPECT_FALSE(c);
        EXPECT_FALSE(snd.ChannelPlay(c, true));
        EXPECT_EQ(snd.ChannelIsActive(c), ChannelState::Stopped);
        EXPECT_FALSE(snd.SampleStop(s));
        ChannelHandle m = snd.StreamCreateFile(path);
        EXPECT_FALSE(m);
        EXPECT_EQ(snd.ChannelGetLength(m), 0);
        EXPECT_EQ(snd.ChannelBytes2Seconds(m, snd.ChannelGetLength(m)), 0.0);
        EXPECT_FALSE(snd.ChannelSetAttributes(m, 8000, kUnchanged, kUnchanged));
    }
    SetEngineLog(nullptr);
    EXPECT_TRUE(snd.Channels().empty());
    // The missing file is ordinary; the broken one is named with the reason.
    ASSERT_EQ(log.lines.size(), 2u); // sample and stream
    EXPECT_NE(log.lines[0].find("pff.wav"), std::string::npos);
    EXPECT_NE(log.lines[0].find("RIFF"), std::string::npos);
}

TEST_F(NullSound, SampleStopStopsEveryChannelOfIt) {
    SampleHandle s = snd.SampleLoad(Wav("dzwonek.wav", 3.0), 4, false, true);
    SampleHandle other = snd.SampleLoad(Wav("klakson.wav", 3.0), 1, false, true);
    ChannelHandle a = snd.PlaySample(s), b = snd.PlaySample(s), h = snd.PlaySample(other);
    snd.ChannelPause(b);
    EXPECT_EQ(snd.SampleIsActive(s), ChannelState::Playing);
    EXPECT_TRUE(snd.SampleStop(s));
    EXPECT_EQ(snd.ChannelIsActive(a), ChannelState::Stopped);
    EXPECT_EQ(snd.ChannelIsActive(b), ChannelState::Stopped);
    EXPECT_EQ(snd.SampleIsActive(s), ChannelState::Stopped);
    EXPECT_EQ(snd.ChannelIsActive(h), ChannelState::Playing);
}

TEST_F(NullSound, FreeStopsEverythingAndIsHarmlessTwice) {
    std::string path = Wav("engine.wav", 1.0);
    SampleHandle s = snd.SampleLoad(path, 1, true, true);
    ChannelHandle c = snd.PlaySample(s);
    ChannelHandle m = snd.StreamCreateFile(path);
    snd.ChannelPlay(m, true);
    snd.Free();
    EXPECT_FALSE(snd.IsInitialized());
    EXPECT_EQ(snd.ChannelIsActive(c), ChannelState::Stopped);
    EXPECT_EQ(snd.ChannelIsActive(m), ChannelState::Stopped);
    EXPECT_EQ(snd.SampleIsActive(s), ChannelState::Stopped);
    EXPECT_TRUE(snd.Channels().empty());
    snd.Free();
    EXPECT_FALSE(snd.SampleLoad(path, 1, true, true)); // not initialised
    ASSERT_TRUE(snd.Init(44100));
    SampleHandle again = snd.SampleLoad(path, 1, true, true);
    ASSERT_TRUE(again);
    EXPECT_NE(again, s);
    EXPECT_FALSE(snd.PlaySample(s));
}

TEST_F(NullSound, AudibleListsWhatAPlayerHears) {
    SampleHandle engine = snd.SampleLoad(Wav("engine.wav", 1.0), 1, true, true);
    SampleHandle horn = snd.SampleLoad(Wav("klakson.wav", 0.5), 1, false, true);
    SampleHandle bell = snd.SampleLoad(Wav("dzwonek.wav", 0.5), 1, false, true);
    ChannelHandle e = snd.PlaySample(engine);
    snd.ChannelSetAttributes(e, kUnchanged, 0.0f, kUnchanged); // muted
    snd.PlaySample(horn);
    snd.ChannelPause(snd.PlaySample(bell));
    std::vector<ChannelInfo> heard = snd.Audible();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(FileNameOf(heard[0].path), "klakson.wav");
    snd.Update(0.6);
    EXPECT_TRUE(snd.Audible().empty());
}

TEST(NullSoundBeforeInit, LoadsNothing) {
    NullSoundSystem snd;
    std::string dir = zwtest::TempFolder("noinit");
    std::string path = zwtest::WriteWav(dir + "/a.wav", 0.5, 8000);
    EXPECT_FALSE(snd.SampleLoad(path, 1, false, true));
    EXPECT_FALSE(snd.StreamCreateFile(path));
    snd.Update(1.0);
    EXPECT_STREQ(snd.BackendName(), "null");
    std::filesystem::remove_all(dir);
}

} // namespace
