#include "shell/LogMarkup.h"

#include <gtest/gtest.h>

using namespace zw;

namespace {
MarkupContext Ctx() {
    MarkupContext c{"2024-03-05", "07:08:09", "zwolta", {}};
    c.block = [](LogBlock b) -> std::vector<std::string> {
        switch (b) {
        case LogBlock::Cpu:
            return {"cpu1", "cpu2"};
        case LogBlock::Memory:
            return {"mem"};
        case LogBlock::Ram:
            return {"", "ram", ""};
        case LogBlock::Heap:
            return {"", "heap", ""};
        }
        return {};
    };
    return c;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string s;
    for (size_t i = 0; i < lines.size(); ++i)
        s += (i ? "|" : "") + lines[i];
    return s;
}
} // namespace

TEST(LogMarkup, RendersEveryTagAsTheLayoutSays) {
    struct Case {
        std::string message;
        std::string want; // lines joined with "|"
    } cases[] = {
        {"plain text", "plain text"},
        {"", ""},
        // Columns: blanks up to the column, one blank when the line is there already.
        {"{@3}>>> Entering{@16}TZwConfig.Create", "  >>> Entering TZwConfig.Create"},
        {"{@3}>>> I'm in{@16}TZwEngine.Create", "  >>> I'm in   TZwEngine.Create"},
        {"{@3}>>> Exiting{@16}X", "  >>> Exiting  X"},
        {"abcd{@5}e", "abcde"},
        {"abcde{@5}f", "abcde f"},
        {"{@1}a", "a"},
        {"{@7}[  OK  ]", "      [  OK  ]"},
        // Fills pad the piece before them; longer pieces stay.
        {"{@15}Viewer{*30.}: main", "              Viewer........................: main"},
        {"{*80*}", std::string(80, '*')},
        {"{@15}Language{*30}: English", "              Language: English"},
        {"ab{*30}", "ab0"},
        {"abcdefgh{*5-}!", "abcdefgh!"},
        {"x{*4 }|", "x   |"},
        // Right alignment; one blank when the piece does not fit.
        {"ab{10@}cd", "ab      cd"},
        {"abcdefgh{10@}cd", "abcdefghcd"},
        {"abcdefghi{10@}cd", "abcdefghi cd"},
        {"{80@}{&}{dte} {hms}{&}", std::string(61, ' ') + "2024-03-05 07:08:09"},
        // Without the group only the date is aligned; the time follows it.
        {"{25@}{dte} {hms}", "               2024-03-05 07:08:09"},
        {"{&}a{@20}b{&}c", "abc"},
        // Values.
        {"{dte}", "2024-03-05"},
        {"{hms}", "07:08:09"},
        {"run {App_name}!", "run zwolta!"},
        {">>>>> Start of ZwEngine in application{*36.} {App_name}",
         ">>>>> Start of ZwEngine in application zwolta"},
        // Line ends.
        {"a{/}b", "a|b"},
        {"a{/}", "a"},
        {"a{/}{/}", "a|"},
        {"{/}", ""},
        {"{/}{/}x", "||x"},
        {"{@3}>>> Entering{@16}R({/}{@15}Model{*30.}: m{/}{@10})",
         "  >>> Entering R(|              Model.........................: m|         )"},
        // Blocks.
        {"{CPUI}", "cpu1|cpu2"},
        {"{Mem}", "mem"},
        {"{RAM}", "|ram|"},
        {"{HEAP}", "|heap|"},
        // Unknown tags and stray braces.
        {"a{foo}b", "a#HLTag(foo)b"},
        {"{}", "#HLTag()"},
        {"{*}", "#HLTag(*)"},
        {"{@}", "#HLTag(@)"},
        {"{@x}", "#HLTag(@x)"},
        {"{*99999x}", "#HLTag(*99999x)"},
        {"{dte", "{dte"},
        {"a}b", "a}b"},
        {"{{dte}", "#HLTag({dte)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Joined(RenderMarkup(c.message, Ctx())), c.want) << c.message;
}

TEST(LogMarkup, TitleLinesEndAtColumnEighty) {
    auto lines =
        RenderMarkup(">>>>> Start of ZwEngine in application{*36.} {App_name}{80@}{&}{dte} {hms}{&}", Ctx());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 80u);
    EXPECT_EQ(lines[0].substr(61), "2024-03-05 07:08:09");
    lines = RenderMarkup("{/}{/}>>>>> ZwEngine succesfully stopped {80@}{&}{dte} {hms}{&}", Ctx());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2].size(), 80u);
    EXPECT_EQ(lines[2].rfind(">>>>> ZwEngine succesfully stopped ", 0), 0u);
}

TEST(LogMarkup, DateAndTimeHaveFixedWidths) {
    EXPECT_EQ(LogDateText(0).size(), 10u);
    EXPECT_EQ(LogTimeText(0).size(), 8u);
    EXPECT_EQ(LogDateText(0)[4], '-');
    EXPECT_EQ(LogTimeText(0)[2], ':');
}

TEST(LogException, EntryHasRowsCaptionRoutineAndArguments) {
    auto lines = ExceptionEntryLines("File not found", "EInOutError", "TZwConfig.ListOfTextures",
                                     {{"Model", "Orvena City"}});
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[4], "");
    std::string bullet = "\xE2\x80\xA2";
    EXPECT_EQ(lines[1].size(), 80 * bullet.size());
    EXPECT_EQ(lines[1], lines[3]);
    EXPECT_EQ(lines[2].rfind(bullet + bullet + bullet + "    E R R O R    " + bullet + bullet + bullet, 0),
              0u);
    EXPECT_NE(lines[2].find("\"File not found\""), std::string::npos);
    EXPECT_NE(lines[2].find("TZwConfig.ListOfTextures(Model: Orvena City)"), std::string::npos);
    EXPECT_NE(lines[2].find("EInOutError"), std::string::npos);

    auto bare = ExceptionEntryLines("oops", "Exception", "", {});
    EXPECT_EQ(bare[2].find(" in "), std::string::npos);
}

TEST(LogException, DataTextsBecomeUtf8OnlyOnce) {
    EXPECT_EQ(LogLineUtf8("plain"), "plain");
    EXPECT_EQ(LogLineUtf8("\xB3\xF3\xBF"), "\xC5\x82\xC3\xB3\xC5\xBC"); // "łóż" in Windows-1250
    EXPECT_EQ(LogLineUtf8("\xC5\x82"), "\xC5\x82");                     // already UTF-8
}
