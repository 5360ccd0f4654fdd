#include "ShellTestSupport.h"

#include "shell/TZwEngine.h"

#include <regex>

using namespace zw;
using namespace zwtest;

using EngineTest = AppDirTest;

namespace {
size_t IndexOf(const std::vector<std::string>& v, const std::string& s, size_t from = 0) {
    for (size_t i = from; i < v.size(); ++i)
        if (v[i] == s) return i;
    return std::string::npos;
}
} // namespace

TEST_F(EngineTest, CreateAndFreeWriteTheStartAndClosingLines) {
    fs::copy(Fixture("lang"), dir, fs::copy_options::recursive);
    WriteText(dir / "zwlog.txt", "the previous run\r\n");
    {
        TZwEngine engine;
        EXPECT_EQ(engine.Version, "0.0.0.16");
        ASSERT_TRUE(engine.Config);
        ASSERT_TRUE(engine.Languages);
        EXPECT_EQ(engine.Languages->Language, "English");
        EXPECT_EQ(&EngineLog(), static_cast<ZwLog*>(&engine.Log()));
    }
    EXPECT_NE(&EngineLog(), nullptr);
    auto lines = ReadCrLfLines(dir / "zwlog.txt");
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines[0], std::string(80, '*'));
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(">>>>> Start of ZwEngine in application test_shell +"
                                                      "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d")))
        << lines[1];
    EXPECT_EQ(lines[1].size(), 80u);
    EXPECT_EQ(lines[2], "      ZwEngine version: 0.0.0.16");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "  >>> I'm in   TZwEngine.Create");
    EXPECT_EQ(lines[5], "  >>> Entering TZwConfig.Create");
    size_t lang = IndexOf(lines, "  >>> Entering TZwLanguages.Create(");
    size_t exitConfig = IndexOf(lines, "  >>> Exiting  TZwConfig.Create");
    ASSERT_NE(lang, std::string::npos);
    EXPECT_LT(exitConfig, lang);
    EXPECT_EQ(lines[lang + 1], "              Language: English");
    size_t exitCreate = IndexOf(lines, "  >>> Exiting  TZwEngine.Create");
    ASSERT_NE(exitCreate, std::string::npos);
    EXPECT_EQ(
        IndexOf(lines, "==================================  CPU info  ====================================="),
        std::string::npos);
    size_t n = lines.size();
    EXPECT_EQ(lines[n - 5], "  >>> Entering TZwEngine.Free");
    EXPECT_EQ(lines[n - 4], "");
    EXPECT_EQ(lines[n - 3], "");
    EXPECT_TRUE(std::regex_match(lines[n - 2], std::regex(">>>>> ZwEngine succesfully stopped +"
                                                          "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d")));
    EXPECT_EQ(lines[n - 2].size(), 80u);
    EXPECT_EQ(lines[n - 1], std::string(80, '*'));
    EXPECT_EQ(IndexOf(lines, "the previous run"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "config.ini"));
}

TEST_F(EngineTest, LogSysConfigAddsTheSystemBlocks) {
    WriteText(dir / "config.ini", "[Game]\r\nLogSysConfig=1\r\n");
    { TZwEngine engine; }
    auto lines = ReadCrLfLines(dir / "zwlog.txt");
    size_t sys = IndexOf(lines, "  >>> System configuration");
    ASSERT_NE(sys, std::string::npos);
    EXPECT_EQ(lines[sys + 1],
              "==================================  CPU info  =====================================");
    size_t mem = IndexOf(
        lines, "=================================  Memory status  =================================", sys);
    EXPECT_NE(mem, std::string::npos);
    EXPECT_LT(mem, IndexOf(lines, "  >>> Exiting  TZwEngine.Create"));
}

TEST_F(EngineTest, SetLanguageReplacesTheTexts) {
    fs::copy(Fixture("lang"), dir, fs::copy_options::recursive);
    TZwEngine engine;
    EXPECT_EQ(engine.Languages->GetText("Launcher", "Start"), "Start");
    engine.SetLanguage("Polski");
    EXPECT_EQ(engine.Languages->Language, "Polski");
    EXPECT_EQ(engine.Languages->GetText("Launcher", "Start"), "Jed\xbc");
    engine.Log().Flush();
    auto lines = ReadCrLfLines(dir / "zwlog.txt");
    size_t at = IndexOf(lines, "  >>> Entering TZwEngine.SetLanguage(");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(lines[at + 1], "              Language: Polski");
    EXPECT_EQ(lines[at + 2], "         )");
    EXPECT_EQ(lines[at + 3], "  >>> Entering TZwLanguages.Free");
    EXPECT_NE(IndexOf(lines, "  >>> Exiting  TZwEngine.SetLanguage", at), std::string::npos);
}

TEST_F(EngineTest, AnUnwritableLogLeavesTheEngineRunning) {
    fs::create_directory(dir / "zwlog.txt"); // the log file cannot be created
    TZwEngine engine;
    EXPECT_FALSE(engine.Log().IsOpen());
    EXPECT_EQ(engine.Config->Settings.Main.Language, "English");
    EXPECT_TRUE(fs::exists(dir / "config.ini"));
}
