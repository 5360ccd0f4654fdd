// The whole program headless: the demo selection started at once, a few
// frames, the end of the game as if the viewer were closed.
#include "tests/support/RunCommand.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
    }
    return out;
}

class ProgramRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/zwgamerun-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
        fs::copy(ZW_GAME_DIR, dir, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        for (const char* f : {"config.ini", "zwlog.txt", "MapLog.txt"}) fs::remove(dir / f);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    int Run(const std::string& args, std::string& out) {
        zwtest::CommandResult r = zwtest::RunCommand((dir / "zwolta").string() + " " + args + " 2>/dev/null");
        out = r.out;
        return r.code;
    }
    size_t Find(const std::vector<std::string>& lines, const std::string& line, size_t from = 0) {
        for (size_t i = from; i < lines.size(); ++i)
            if (lines[i] == line) return i;
        return lines.size();
    }
    fs::path dir;
};

} // namespace

TEST_F(ProgramRunTest, HeadlessAutostartRunsTheWholeLifeOfTheProgram) {
    std::string out;
    ASSERT_EQ(Run("--headless --autostart --frames 5 --dt 0.02 --clock 06:58:00 --seed 7", out), 0);
    auto log = Lines(dir / "zwlog.txt");
    size_t start = Find(log, "  >>> Entering TZwGameForm.Startuj");
    ASSERT_LT(start, log.size());
    size_t at = start;
    for (const char* phase : {"Loading HUD", "Configuring scene", "Sound initialization", "Loading scenery",
                              "Loading display boards", "Loading vehicles", "Configuring controls",
                              "Preparing materials", "Loading sounds", "Searching music"}) {
        at = Find(log, std::string("    > ") + phase, at);
        ASSERT_LT(at, log.size()) << phase;
    }
    size_t exit = Find(log, "  >>> Exiting  TZwGameForm.Startuj", at);
    ASSERT_LT(exit, log.size());
    // The demo selection loads its controls and boards.
    size_t controls = Find(log, "    > Configuring controls", start);
    EXPECT_EQ(log[controls + 1], "      [  OK  ]");
    EXPECT_TRUE(fs::exists(dir / "tab" / "przod1.bmp") || fs::exists(dir / "tab" / "bok1.bmp"));
    // The engine's closing lines come after the game.
    EXPECT_LT(Find(log, "  >>> Entering TZwEngine.Free", exit), log.size());
    auto mapLog = Lines(dir / "MapLog.txt");
    ASSERT_FALSE(mapLog.empty());
}

TEST_F(ProgramRunTest, WithoutAutostartNoGameStarts) {
    std::string out;
    ASSERT_EQ(Run("--headless --quit", out), 0);
    auto log = Lines(dir / "zwlog.txt");
    EXPECT_EQ(Find(log, "  >>> Entering TZwGameForm.Startuj"), log.size());
}
