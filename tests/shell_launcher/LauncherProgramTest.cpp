// The program itself with the launcher as its main window, run headless.
#include "LauncherTestSupport.h"

#include <cstdlib>

using namespace zwtest;

namespace {
class LauncherProgram : public LauncherTest {
protected:
    int Run(const std::string& args) {
        fs::copy_file(fs::path(ZW_GAME_DIR) / "zwolta", dir / "zwolta", fs::copy_options::overwrite_existing);
        WriteAll(dir / "config.ini", CrLf(kBaseConfig));
        fs::create_directories(dir / "elsewhere");
        std::string cmd = "cd " + (dir / "elsewhere").string() + " && " + (dir / "zwolta").string() + " --headless " + args + " >/dev/null 2>&1";
        return std::system(cmd.c_str());
    }
    std::vector<std::string> DumpLines() { return Lines(ReadAll(dir / "elsewhere" / "ui.txt")); }
    size_t Count(const std::string& prefix) {
        size_t n = 0;
        for (const auto& l : DumpLines())
            if (l.rfind(prefix, 0) == 0) ++n;
        return n;
    }
};
} // namespace

TEST_F(LauncherProgram, QuitDumpsAfterCreateAndAtCloseAndSaves) {
    ASSERT_EQ(Run("--quit --dump-ui ui.txt"), 0); // relative to where it was started
    EXPECT_EQ(Count("TZwLauncherForm\tform\t"), 2u); // after FormCreate, and at close
    bool found = false;
    for (const auto& l : DumpLines())
        if (l == "cbxBusList\tcombo\t1\t1\t\tSolin 12\tKruk 18|Solin 12") found = true;
    EXPECT_TRUE(found);
    std::string ini = Ini();
    EXPECT_NE(ini.find("SteeringWheelSens=20\r\n"), std::string::npos); // saved at close, clamped
    std::string log = ReadAll(dir / "zwlog.txt");
    EXPECT_NE(log.find("TZwLauncherForm.FormCreate("), std::string::npos);
    EXPECT_NE(log.find("ZwLauncherForm.FormDestroy("), std::string::npos);
    EXPECT_EQ(log.find("Map details:"), std::string::npos);
}

TEST_F(LauncherProgram, AutostartPressesStartAfterCreate) {
    ASSERT_EQ(Run("--autostart --dump-ui " + (dir / "elsewhere" / "ui.txt").string()), 0);
    EXPECT_EQ(Count("TZwLauncherForm\tform\t"), 3u); // create, Start, close
    std::string log = ReadAll(dir / "zwlog.txt");
    EXPECT_NE(log.find("Map details:"), std::string::npos);
    EXPECT_NE(log.find("Filename - Lipowo_1-1.ms1"), std::string::npos);
    EXPECT_LT(log.find("Map details:"), log.find("ZwLauncherForm.FormDestroy("));
}

// Headless, a script's keys reach the launcher as a person's would: Tab to
// Exit and Enter ends the program; Tab to Start and Enter starts.
TEST_F(LauncherProgram, ScriptedKeysDriveTheLauncherHeadless) {
    WriteAll(dir / "keys.txt", "0.1 press TAB\n0.3 press TAB\n0.5 press RETURN\n");
    ASSERT_EQ(Run("--script " + (dir / "keys.txt").string()), 0);
    std::string log = ReadAll(dir / "zwlog.txt");
    // The focus was on Exit when Enter came: the program ends without a Start.
    EXPECT_EQ(log.find("Map details:"), std::string::npos);
    EXPECT_NE(log.find("ZwLauncherForm.FormDestroy("), std::string::npos);
    WriteAll(dir / "keys.txt", "0.1 press TAB\n0.5 press RETURN\n");
    ASSERT_EQ(Run("--script " + (dir / "keys.txt").string()), 0);
    log = ReadAll(dir / "zwlog.txt");
    EXPECT_NE(log.find("Map details:"), std::string::npos);
}
