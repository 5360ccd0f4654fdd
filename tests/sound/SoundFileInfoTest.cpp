// Lengths of WAV and MP3 files read from their headers.
#include "platform/sound/SoundFileInfo.h"
#include "tests/sound/TestWav.h"
#include "util/Errors.h"
#include "util/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zw;

namespace {

std::vector<uint8_t> Fixture(const std::string& name) {
    return ReadFileBytes(std::string(ZW_TEST_DIR) + "/sound/fixtures/" + name);
}

void SetLe32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

TEST(WavInfo, ReadsLayoutAndFrames) {
    SoundFileInfo info = ParseWavInfo(zwtest::WavBytes(22050, 22050, 2), "a.wav");
    EXPECT_EQ(info.frames, 22050);
    EXPECT_EQ(info.sampleRate, 22050);
    EXPECT_EQ(info.channels, 2);
    EXPECT_DOUBLE_EQ(info.Seconds(), 1.0);
}

TEST(WavInfo, SkipsOtherChunksAndKeepsWhatACutFileHolds) {
    std::vector<uint8_t> b = zwtest::WavBytes(1000, 8000, 1);
    // A "LIST" chunk of odd size (padded) between the format and the data.
    std::vector<uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    b.insert(b.begin() + 36, list.begin(), list.end());
    EXPECT_EQ(ParseWavInfo(b, "list.wav").frames, 1000);
    b.resize(b.size() - 500); // cut short: 250 frames fewer
    EXPECT_EQ(ParseWavInfo(b, "cut.wav").frames, 750);
}

TEST(WavInfo, BadHeadersNameTheFileAndTheByte) {
    std::vector<uint8_t> good = zwtest::WavBytes(100, 8000, 1);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* expect;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}, "byte 0: expected a RIFF WAVE header"});
    auto notWave = good;
    notWave[8] = 'X';
    cases.push_back({"not WAVE", notWave, "byte 0"});
    auto zeroChannels = good;
    zeroChannels[22] = 0;
    cases.push_back({"zero channels", zeroChannels, "byte 20: expected non-zero"});
    auto compressed = good;
    compressed[20] = 0x55;
    cases.push_back({"MP3 in WAV", compressed, "unsupported sample format 85"});
    auto noData = std::vector<uint8_t>(good.begin(), good.begin() + 36);
    cases.push_back({"no data chunk", noData, "byte 36: expected a data chunk"});
    auto hugeChunk = good;
    SetLe32(hugeChunk, 16, 0xFFFFFFF0u);
    cases.push_back({"format chunk past the end", hugeChunk, "expected a data chunk"});
    auto dataFirst = good;
    dataFirst[12] = 'd', dataFirst[13] = 'a', dataFirst[14] = 't', dataFirst[15] = 'a';
    cases.push_back({"data before format", dataFirst, "byte 12: expected the format chunk"});
    for (const Case& c : cases) {
        try {
            ParseWavInfo(c.bytes, "bad.wav");
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EInOutError& e) {
            std::string msg = e.what();
            EXPECT_EQ(msg.rfind("bad.wav: ", 0), 0u) << c.what << ": " << msg;
            EXPECT_NE(msg.find(c.expect), std::string::npos) << c.what << ": " << msg;
        }
    }
}

TEST(Mp3Info, LengthMatchesTheDecoder) {
    // Made with libsndfile: 2 s of a tone at 22050 Hz mono.
    SoundFileInfo info = ParseMp3Info(Fixture("tone2s.mp3"), "tone2s.mp3");
    EXPECT_EQ(info.sampleRate, 22050);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.frames, 44100);
}

// MPEG-1 layer III, 128 kbit/s, 44100 Hz, stereo, no padding: 417 bytes, 1152 samples.
std::vector<uint8_t> Frames(int count) {
    std::vector<uint8_t> b;
    for (int i = 0; i < count; ++i) {
        std::vector<uint8_t> f(417, 0);
        f[0] = 0xFF, f[1] = 0xFB, f[2] = 0x90, f[3] = 0x00;
        b.insert(b.end(), f.begin(), f.end());
    }
    return b;
}

TEST(Mp3Info, CountsFramesBetweenTagsAndOverDamage) {
    std::vector<uint8_t> b = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 20};
    b.resize(30, 0);
    auto frames = Frames(100);
    b.insert(b.end(), frames.begin(), frames.end());
    std::vector<uint8_t> tag = {'T', 'A', 'G'};
    tag.resize(128, 0xFF);
    b.insert(b.end(), tag.begin(), tag.end());
    SoundFileInfo info = ParseMp3Info(b, "tagged.mp3");
    EXPECT_EQ(info.frames, 100 * 1152);
    EXPECT_EQ(info.sampleRate, 44100);
    EXPECT_EQ(info.channels, 2);
    // Junk in the middle is skipped; the frames after it still count.
    b.insert(b.begin() + 30 + 417 * 50, {0x12, 0x34, 0x56});
    EXPECT_EQ(ParseMp3Info(b, "damaged.mp3").frames, 100 * 1152);
    // A cut-off last frame is not counted.
    auto cut = Frames(10);
    cut.resize(cut.size() - 100);
    EXPECT_EQ(ParseMp3Info(cut, "cut.mp3").frames, 9 * 1152);
}

TEST(Mp3Info, ErrorsNameTheFile) {
    std::vector<uint8_t> text(500, 'x');
    EXPECT_THROW(ParseMp3Info(text, "notes.mp3"), EInOutError);
    std::vector<uint8_t> tagOnly = {'I', 'D', '3', 3, 0, 0, 0, 0, 0x7F, 0x7F};
    try {
        ParseMp3Info(tagOnly, "tag.mp3");
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_NE(std::string(e.what()).find("tag.mp3: byte 6: ID3 tag"), std::string::npos) << e.what();
    }
}

TEST(HeaderReader, TellsMissingFromUnreadable) {
    std::string dir = zwtest::TempFolder("inforeader");
    HeaderSoundFileInfoReader reader;
    SoundFileInfo info;
    std::string error = "stale";
    EXPECT_FALSE(reader.Read(dir + "/none.wav", info, error));
    EXPECT_EQ(error, "");
    zwtest::WriteBytes(dir + "/bad.mp3", std::vector<uint8_t>(64, 0));
    EXPECT_FALSE(reader.Read(dir + "/bad.mp3", info, error));
    EXPECT_NE(error.find("bad.mp3"), std::string::npos);
    zwtest::WriteWav(dir + "/ok.wav", 0.5, 8000);
    // Windows-style names from data files resolve.
    EXPECT_TRUE(reader.Read(dir + "\\OK.WAV", info, error));
    EXPECT_EQ(info.frames, 4000);
    std::filesystem::remove_all(dir);
}

} // namespace
