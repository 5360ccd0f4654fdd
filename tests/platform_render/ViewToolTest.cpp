#include "platform/format/Image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using namespace zw;

namespace {
bool HasDisplay() { return std::getenv("DISPLAY") != nullptr; }
} // namespace

TEST(ZwtoolView, ScreenshotShowsTheModelInTheMiddle) {
    if (!HasDisplay()) GTEST_SKIP() << "no display";
    std::string out = std::string(ZW_BUILD_DIR) + "/view_kamienica.png";
    std::filesystem::remove(out);
    // The GL driver's own allocations are no leak of ours (see Main.cpp).
    std::string cmd = std::string("ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" \"") + ZW_GAME_DIR + "/zwtool\" view \"" + ZW_GAME_DIR +
                      "/scene/city/kamienica.3ds\" --screenshot \"" + out + "\" > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    Image img = ReadImageFile(out);
    ASSERT_EQ(img.Width(), 1024);
    ASSERT_EQ(img.Height(), 768);
    const Rgba background{89, 107, 133, 255};
    auto isBackground = [&](Rgba p) {
        return std::abs(p.r - background.r) < 4 && std::abs(p.g - background.g) < 4 && std::abs(p.b - background.b) < 4;
    };
    EXPECT_TRUE(isBackground(img.At(1000, 700))) << "the corner shows the background";
    EXPECT_FALSE(isBackground(img.At(512, 384))) << "the model stands in the middle";
    // Its pictures are drawn: many colours, not one flat shade.
    int distinct = 0;
    Rgba last{};
    for (int x = 300; x < 700; x += 4) {
        Rgba p = img.At(x, 420);
        if (!(p == last)) ++distinct;
        last = p;
    }
    EXPECT_GT(distinct, 20);
}

TEST(ZwtoolView, BadModelIsReportedNotShown) {
    std::string bad = std::string(ZW_BUILD_DIR) + "/not_a_model.3ds";
    FILE* f = std::fopen(bad.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("hello", f);
    std::fclose(f);
    std::string cmd = std::string("ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" \"") + ZW_GAME_DIR + "/zwtool\" view \"" + bad + "\" --screenshot x.png 2>/dev/null";
    int rc = std::system(cmd.c_str());
    EXPECT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == 1);
}
