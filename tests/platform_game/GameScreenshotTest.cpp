// The program in a real window (under Xvfb): the demo selection started at
// once, a few frames, the viewer's picture saved at the last one.
#include "platform/format/Image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class GameScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
        char tmpl[] = "/tmp/zwgameshot-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
        fs::copy(ZW_GAME_DIR, dir, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        for (const char* f : {"config.ini", "zwlog.txt", "MapLog.txt"}) fs::remove(dir / f);
    }
    void TearDown() override {
        std::error_code ec;
        if (!dir.empty()) fs::remove_all(dir, ec);
    }
    fs::path dir;
};

bool Near(zw::Rgba a, zw::Rgba b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

} // namespace

TEST_F(GameScreenshotTest, TheViewerShowsSkyGroundAndTheHudAt1024x768) {
    std::ofstream(dir / "config.ini", std::ios::binary)
        << "[Game]\r\nHUD=1\r\n[Graphics]\r\nResolution=1024x768\r\nDistanceOfView=10\r\nSkybox=1\r\n";
    std::string shot = (dir / "shot.png").string();
    // The GL driver keeps memory until exit; that is not ours to report.
    std::string cmd = "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" LIBGL_ALWAYS_SOFTWARE=1 " + (dir / "zwolta").string() +
                      " --autostart --windowed --sound null --frames 5 --dt 0.02 --clock 12:00:00 --seed 3"
                      " --screenshot " + shot + " > /dev/null 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    zw::Image img = zw::ReadImageFile(shot);
    ASSERT_EQ(img.Width(), 1024);
    ASSERT_EQ(img.Height(), 768);
    // Sky above, ground below: different colours, the sky bluish.
    zw::Rgba sky = img.At(900, 100), ground = img.At(900, 600);
    EXPECT_GT(sky.b, sky.r) << int(sky.r) << "," << int(sky.g) << "," << int(sky.b);
    EXPECT_FALSE(Near(sky, ground, 30));
    // The dial faces where the HUD puts them (centre 140, 655) differ from
    // the ground beside them.
    int differing = 0;
    for (int x = 20; x < 260; x += 8)
        if (!Near(img.At(x, 665), img.At(x + 600, 665), 40)) ++differing;
    EXPECT_GT(differing, 15);
    // The counters' strip along the bottom (centre 138, 755).
    EXPECT_FALSE(Near(img.At(138, 760), img.At(738, 760), 30));
}
