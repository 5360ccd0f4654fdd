#include "ShellTestSupport.h"

#include "shell/TZwLanguages.h"

using namespace zw;
using namespace zwtest;

class LanguagesTest : public AppDirTest {
  protected:
    void SetUp() override {
        AppDirTest::SetUp();
        fs::copy(Fixture("lang"), dir, fs::copy_options::recursive);
        StartLog();
    }
};

TEST_F(LanguagesTest, LooksUpTheLanguageThenEnglishThenTheAddress) {
    TZwLanguages lang("Polski");
    EXPECT_EQ(lang.Language, "Polski");
    struct Case {
        const char* section;
        const char* key;
        const char* want;
    } cases[] = {
        {"Launcher", "Start", "Jed\xbc"}, // section and key in another letter case
        {"LAUNCHER", "exit",
         "Wyj\x9c"
         "cie"},
        {"Launcher", "OnlyEnglish", "Only in English"},
        {"Launcher", "EmptyInPolish", "English text"}, // empty in the language: English
        {"Summary", "Title", "Summary"},
        {"Launcher", "Nowhere", "Launcher.Nowhere"},
        {"NoSection", "Start", "NoSection.Start"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lang.GetText(c.section, c.key), c.want) << c.section << "." << c.key;
    auto log = LogLines();
    std::vector<std::string> want = {
        "  >>> Entering TZwLanguages.Create(",
        "              Language: Polski",
        "         )",
        "    > Opening language file(s)",
        "      [  OK  ]",
        "  >>> Exiting  TZwLanguages.Create",
    };
    EXPECT_EQ(log, want);
}

TEST_F(LanguagesTest, EnglishHasNoSeparateFallback) {
    TZwLanguages lang("English");
    EXPECT_EQ(lang.Language, "English");
    EXPECT_EQ(lang.GetText("Launcher", "Start"), "Start");
    EXPECT_EQ(lang.GetText("Launcher", "Nowhere"), "Launcher.Nowhere");
    EXPECT_FALSE(lang.EnglishFile.SectionExists("Launcher"));
}

TEST_F(LanguagesTest, ALanguageWithoutTextsFallsBackToEnglish) {
    TZwLanguages lang("Deutsch");
    EXPECT_EQ(lang.Language, "");
    EXPECT_EQ(lang.GetText("Launcher", "Start"), "Start");
    fs::remove_all(dir / "Languages/English");
    TZwLanguages none("Deutsch");
    EXPECT_EQ(none.GetText("Launcher", "Start"), "Launcher.Start");
}

TEST_F(LanguagesTest, TexturesPreferTheLanguageFolder) {
    TZwLanguages pl("Polski");
    EXPECT_EQ(pl.TexturePath("sterownik.bmp"), (dir / "Languages/Polski/Textures/sterownik.bmp").string());
    EXPECT_EQ(pl.TexturePath("other.bmp"), (dir / "Textures/other.bmp").string());
    TZwLanguages en("English");
    EXPECT_EQ(en.TexturePath("sterownik.bmp"), (dir / "Textures/sterownik.bmp").string());
    EXPECT_EQ(ReadText(pl.TexturePath("STEROWNIK.BMP")), "BM-polish"); // letter case of the name is free
}

TEST_F(LanguagesTest, ManualFallsBackToEnglishThenToANotice) {
    EXPECT_EQ(TZwLanguages("Polski").Manual(), (std::vector<std::string>{"Instrukcja", "Druga linia"}));
    EXPECT_EQ(TZwLanguages("Deutsch").Manual(), (std::vector<std::string>{"Manual", "Second line"}));
    fs::remove(dir / "Languages/English/Manual.txt");
    EXPECT_EQ(TZwLanguages("Deutsch").Manual(), (std::vector<std::string>{"Manual not found"}));
}

TEST_F(LanguagesTest, FreeClosesBothStoresAndLogs) {
    TZwLanguages lang("Polski");
    lang.Free();
    EXPECT_EQ(lang.GetText("Launcher", "Start"), "Launcher.Start");
    EXPECT_TRUE(Logged("  >>> Entering TZwLanguages.Free"));
    EXPECT_TRUE(Logged("  >>> Exiting  TZwLanguages.Free"));
}
