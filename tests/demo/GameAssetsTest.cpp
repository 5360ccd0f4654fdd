// The game's own pictures (HUD, sky, grass, console, progress bar, bus lamp
// and light-pool pictures), the key table and the music folder.
#include "DemoTestSupport.h"

#if __has_include("platform/sound/SoundFileInfo.h")
#include "platform/sound/SoundFileInfo.h"
#define ZW_HAVE_SOUND_INFO 1
#endif

#include <cstdlib>
#include <set>

namespace zw::demotest {
namespace {

TEST(GameAssets, HudAndConsolePictures) {
    for (const char* t :
         {"zegary", "sk", "d_op", "d_cl", "sk3_y", "sk3_g", "ki_0", "ki_1", "mi_0", "mi_1", "p_0", "p_1",
          "en1", "en2", "palskala", "palwskaz", "podklad_napisy", "wlacz", "sterownik"})
        CheckImage(std::string("Textures\\") + t + ".bmp");
    Image progress = CheckImage("Textures\\UI\\Progress.bmp");
    EXPECT_GE(progress.Width(), 64);
    // Additive pictures are drawn on black: a black corner adds nothing.
    for (const char* t : {"zegary", "sk", "d_op", "sk3_g", "ki_1"}) {
        Image img = CheckImage(std::string("Textures\\") + t + ".bmp");
        if (!img.Empty()) {
            EXPECT_EQ(img.At(0, 0), (Rgba{0, 0, 0, 255})) << t;
        }
    }
}

TEST(GameAssets, SkyBoxGrassAndLightPictures) {
    for (const char* prefix : {"", "n_"})
        for (const char* face : {"dn", "up", "bk", "ft", "lt", "rt"}) {
            Image img = CheckImage(std::string("Textures\\Skybox\\") + prefix + face + ".jpg");
            EXPECT_EQ(img.Width(), img.Height()) << face;
        }
    for (const char* season : {"Spring", "Summer", "Autumn", "Winter"})
        for (const char* q : {"grass_l.jpg", "grass_m.jpg", "grass_h.jpg"})
            CheckImage(std::string("Textures\\Environment\\") + season + "\\" + q);
    for (const char* t : {"lampa1", "lamp1", "kierunek", "stop", "drog", "swiatlo", "swiatlo2"})
        CheckImage(std::string("Textures\\") + t + ".bmp");
}

TEST(GameAssets, KeyTableBindsEveryAction) {
    std::vector<std::string> lines = ReadTextLines(Game("joyst.bu"));
    ASSERT_EQ(lines.size(), 70u) << "six joystick lines and 64 actions";
    auto code = [&](size_t line) { return int(ParseFloatPrefix(lines[line - 1])); };
    for (size_t i = 1; i <= 4; ++i) {
        EXPECT_GE(code(i), 1);
        EXPECT_LE(code(i), 4);
    }
    // Arrow keys drive.
    EXPECT_EQ(code(7), 38);
    EXPECT_EQ(code(8), 40);
    EXPECT_EQ(code(9), 37);
    EXPECT_EQ(code(10), 39);
    const std::set<int> unused = {9, 10, 26, 27, 33, 54};
    std::set<int> codes;
    for (int action = 1; action <= 64; ++action) {
        int c = code(size_t(action) + 6);
        if (unused.count(action)) {
            EXPECT_EQ(c, 0) << action;
            continue;
        }
        EXPECT_GT(c, 0) << "action " << action << " has no key";
        EXPECT_TRUE(codes.insert(c).second) << "key " << c << " bound twice (action " << action << ")";
    }
}

TEST(GameAssets, RadioHoldsShortTracks) {
    std::vector<std::string> tracks = ListDirectory(Game("radio"), false, true, ".mp3");
    ASSERT_GE(tracks.size(), 3u);
    for (const std::string& t : tracks) {
        std::vector<uint8_t> bytes = ReadFileBytes(Game("radio\\" + t));
        ASSERT_GT(bytes.size(), 1000u) << t;
        // An ID3 tag or an MPEG frame sync opens the file.
        bool id3 = bytes[0] == 'I' && bytes[1] == 'D' && bytes[2] == '3';
        bool sync = bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0;
        EXPECT_TRUE(id3 || sync) << t;
#ifdef ZW_HAVE_SOUND_INFO
        SoundFileInfo info = ParseSoundFileInfo(bytes, t);
        EXPECT_GT(info.Seconds(), 3.0) << t;
        EXPECT_LT(info.Seconds(), 40.0) << t;
#endif
    }
}

} // namespace
} // namespace zw::demotest

namespace zw::demotest {
namespace {

// Files under dir, relative, sorted.
void ListFiles(const std::string& dir, const std::string& rel, std::vector<std::string>& out) {
    for (const std::string& f : ListDirectory(JoinPath(dir, rel), false, true))
        out.push_back(rel.empty() ? f : rel + "/" + f);
    for (const std::string& d : ListDirectory(JoinPath(dir, rel), true, false))
        ListFiles(dir, rel.empty() ? d : rel + "/" + d, out);
}

// The generator gives the same bytes every time: a fresh run of the city's
// parts matches what the build wrote into the game folder.
TEST(DemoGenerator, CityPartsAreDeterministic) {
    std::string tmp = std::string(ZW_BUILD_DIR) + "/demogen_check";
    std::string cmd =
        "rm -rf '" + tmp + "' && '" + std::string(ZW_BUILD_DIR) + "/tools/zwdemogen' '" + tmp +
        "' city-ground city-models city-textures hud-textures traffic-cars world-textures radio-music"
        " > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::vector<std::string> files;
    ListFiles(tmp, "", files);
    ASSERT_GT(files.size(), 100u);
    for (const std::string& f : files)
        EXPECT_TRUE(ReadFileBytes(JoinPath(tmp, f)) == ReadFileBytes(Game(f)))
            << f << " differs from the build's";
    std::system(("rm -rf '" + tmp + "'").c_str());
}

} // namespace
} // namespace zw::demotest
