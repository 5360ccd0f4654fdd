#include "ShellTestSupport.h"

#include "platform/format/IniFile.h"
#include "util/Errors.h"

using namespace zw;
using namespace zwtest;

TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCase) {
    IniFile ini = IniFile::FromText("; comment\r\n[Main]\r\nLanguage = Polski \r\n[game]\r\nseason=3\r\n"
                                    "[Game]\r\nSeason=9\r\n");
    EXPECT_EQ(ini.ReadString("MAIN", "language", "x"), "Polski");
    EXPECT_EQ(ini.ReadInteger("Game", "Season", 1), 3); // the first entry wins
    EXPECT_EQ(ini.ReadString("Main", "Missing", "def"), "def");
    EXPECT_EQ(ini.ReadString("Nope", "Language", "def"), "def");
    EXPECT_TRUE(ini.SectionExists("GAME"));
    EXPECT_TRUE(ini.ValueExists("main", "LANGUAGE"));
    EXPECT_FALSE(ini.ValueExists("main", "comment"));
}

TEST(IniFile, IntegersAcceptDecimalAndHexAndFallBackToTheDefault) {
    struct Case {
        const char* value;
        int want;
    } cases[] = {
        {"12", 12},          {"-7", -7},
        {" 42 ", 42},        {"+5", 5},
        {"0x10", 16},        {"0X1f", 31},
        {"0xFFFFFFFF", -1},  {"0x7FFFFFFF", 2147483647},
        {"abc", 99},         {"", 99},
        {"12abc", 99},       {"1.5", 99},
        {"0x", 99},          {"0xG", 99},
        {"99999999999", 99}, {"0x100000000", 99},
        {"--1", 99},         {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        IniFile ini = IniFile::FromText(std::string("[S]\nK=") + c.value + "\n");
        EXPECT_EQ(ini.ReadInteger("S", "K", 99), c.want) << c.value;
    }
    IniFile ini = IniFile::FromText("[S]\nOn=1\nOff=0\nOdd=-3\nBad=yes\n");
    EXPECT_TRUE(ini.ReadBool("S", "On", false));
    EXPECT_FALSE(ini.ReadBool("S", "Off", true));
    EXPECT_TRUE(ini.ReadBool("S", "Odd", false));
    EXPECT_TRUE(ini.ReadBool("S", "Bad", true));
    EXPECT_FALSE(ini.ReadBool("S", "Bad", false));
}

TEST(IniFile, WritesReplaceInPlaceOrAppendToTheSectionKeepingOtherLines) {
    const std::string before = "; my settings\r\n"
                               "[Main]\r\n"
                               "  language = Polski\t\r\n"
                               "Unknown=keep me\r\n"
                               "\r\n"
                               "[Other]\n"
                               "odd line without equals\n"
                               "x=1";
    IniFile ini = IniFile::FromText(before);
    ini.WriteString("MAIN", "Language", "English");
    ini.WriteString("Main", "Map", "a.ms1");
    ini.WriteString("Other", "y", "2");
    ini.WriteString("Network", "Nickname", "Bob");
    EXPECT_EQ(ini.Text(), "; my settings\r\n"
                          "[Main]\r\n"
                          "  language =English\r\n"
                          "Unknown=keep me\r\n"
                          "Map=a.ms1\r\n"
                          "\r\n"
                          "[Other]\n"
                          "odd line without equals\n"
                          "x=1\r\n"
                          "y=2\r\n"
                          "[Network]\r\n"
                          "Nickname=Bob\r\n");
}

TEST(IniFile, ValuesCannotSplitTheirLine) {
    IniFile ini = IniFile::FromText("[S]\r\nK=1\r\n");
    ini.WriteString("S", "K", "two\r\n[Evil]\nX=1");
    EXPECT_EQ(ini.Text(), "[S]\r\nK=two  [Evil] X=1\r\n");
    EXPECT_FALSE(ini.SectionExists("Evil"));
}

TEST(IniFile, EmptyStoresFindNothingAndNewFilesUseCrLf) {
    IniFile empty;
    EXPECT_EQ(empty.ReadString("A", "B", "d"), "d");
    empty.WriteInteger("A", "B", 3);
    EXPECT_EQ(empty.Text(), "[A]\r\nB=3\r\n");
}

using IniFileDisk = AppDirTest;

TEST_F(IniFileDisk, EachWriteReachesTheFileAndUpdatesCanBeBatched) {
    fs::path p = dir / "c.ini";
    IniFile ini(p.string());
    EXPECT_FALSE(fs::exists(p)); // opening a missing file creates nothing
    ini.WriteBool("S", "A", true);
    EXPECT_EQ(ReadText(p), "[S]\r\nA=1\r\n");
    ini.BeginUpdate();
    ini.WriteBool("S", "B", false);
    EXPECT_EQ(ReadText(p), "[S]\r\nA=1\r\n");
    ini.EndUpdate();
    EXPECT_EQ(ReadText(p), "[S]\r\nA=1\r\nB=0\r\n");
    EXPECT_FALSE(fs::exists(dir / "c.ini.tmp"));
    EXPECT_EQ(IniFile(p.string()).ReadBool("S", "A", false), true);
}

TEST_F(IniFileDisk, UnreadableAndUnwritableFilesRaiseInputOutputErrors) {
    fs::create_directory(dir / "folder.ini"); // exists, cannot be read as a file
    EXPECT_THROW(IniFile((dir / "folder.ini").string()), EInOutError);
    IniFile ini((dir / "missing" / "c.ini").string());
    EXPECT_THROW(ini.WriteString("S", "K", "v"), EInOutError);
}
