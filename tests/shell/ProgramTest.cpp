// The program itself: its command line and what one run leaves in the game folder.
#include "ShellTestSupport.h"
#include "tests/support/RunCommand.h"


using namespace zwtest;

namespace {
using ProgramOutput = zwtest::CommandResult;

ProgramOutput Zwolta(const std::string& args) {
    return zwtest::RunCommand(std::string(ZW_GAME_DIR) + "/zwolta " + args + " 2>&1");
}
} // namespace

TEST(Program, VersionAndHelp) {
    ProgramOutput v = Zwolta("--version");
    EXPECT_EQ(v.code, 0);
    EXPECT_EQ(v.out, "Zwolta 0.0.0.16\n");
    ProgramOutput h = Zwolta("--help");
    EXPECT_EQ(h.code, 0);
    for (const char* opt : {"--help", "--version", "--headless", "--quit", "--autostart", "--frames N",
                            "--dt S", "--clock HH:MM:SS", "--seed N", "--script FILE", "--screenshot FILE",
                            "--windowed", "--sound openal|null", "--dump-ui FILE"})
        EXPECT_NE(h.out.find(opt), std::string::npos) << opt;
}

TEST(Program, BadValuesExitWithCodeTwoAndSayWhy) {
    struct Case {
        const char* args;
        const char* says;
    } cases[] = {
        {"--frames", "--frames needs a value"},
        {"--frames 0", "--frames"},
        {"--frames x12", "--frames"},
        {"--dt 0", "--dt"},
        {"--dt abc", "--dt"},
        {"--dt 2", "--dt"},
        {"--clock 25:00:00", "--clock"},
        {"--clock 7:00", "--clock"},
        {"--clock 07:00:00x", "--clock"},
        {"--seed -1", "--seed"},
        {"--sound alsa", "--sound"},
        {"--script", "--script needs a value"},
        {"--bogus", "unknown option \"--bogus\""},
    };
    for (const auto& c : cases) {
        ProgramOutput r = Zwolta(std::string("--version ") + c.args);
        EXPECT_EQ(r.code, 2) << c.args;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << ": " << r.out;
    }
    ProgramOutput good =
        Zwolta("--frames 10 --dt 0.02 --clock 06:58:00 --seed 7 --sound null --windowed --version");
    EXPECT_EQ(good.code, 0) << good.out;
}

using ProgramRun = AppDirTest;

// A copy of the program in a folder of its own: that folder is its
// application directory, wherever it is started from.
TEST_F(ProgramRun, FirstStartWritesTheLogAndTheConfiguration) {
    fs::create_directory(dir / "game");
    fs::copy_file(fs::path(ZW_GAME_DIR) / "zwolta", dir / "game" / "zwolta");
    fs::create_directory(dir / "elsewhere");
    ASSERT_EQ(::chdir((dir / "elsewhere").c_str()), 0);
    std::string cmd = (dir / "game" / "zwolta").string() + " --quit --headless";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    auto log = ReadCrLfLines(dir / "game" / "zwlog.txt");
    ASSERT_GT(log.size(), 30u);
    EXPECT_EQ(log[0], std::string(80, '*'));
    EXPECT_EQ(log[1].rfind(">>>>> Start of ZwEngine in application zwolta ", 0), 0u);
    EXPECT_EQ(log[4], "  >>> I'm in   TZwEngine.Create");
    EXPECT_EQ(log.back(), std::string(80, '*'));
    auto ini = ReadCrLfLines(dir / "game" / "config.ini");
    EXPECT_EQ(ini.size(), 45u); // 40 keys and 5 sections
    EXPECT_EQ(ini.front(), "[Main]");
    EXPECT_EQ(ini.back(), "Nickname=Player");
    EXPECT_FALSE(fs::exists(dir / "elsewhere" / "zwlog.txt"));
}

TEST_F(ProgramRun, WithoutADisplaySaysSoInsteadOfWaiting) {
    fs::copy_file(fs::path(ZW_GAME_DIR) / "zwolta", dir / "zwolta");
    ProgramOutput r = zwtest::RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 " + (dir / "zwolta").string() +
                                         " --sound null 2>&1");
    EXPECT_EQ(r.code, 1) << r.out;
    EXPECT_NE(r.out.find("needs a display"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("--headless"), std::string::npos) << r.out;
}
