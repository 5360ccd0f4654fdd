#include "platform/format/TextFile.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace zw;

TEST(TextFile, SplitsAtEveryLineEnd) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r\n\nc", {"a", "b", "", "c"}},
        {"\r\n", {""}},
        {"x\n\n", {"x", ""}},
    };
    for (auto& c : cases) EXPECT_EQ(SplitTextLines(c.text), c.lines) << testing::PrintToString(c.text);
}

TEST(TextFile, KeepsWindows1250BytesAndCountsLines) {
    auto path = std::filesystem::temp_directory_path() / "zw_text_test.txt";
    {
        std::ofstream f(path, std::ios::binary);
        f << "\xa3\xf3\x64\xbc\r\nPrzystanek \x9c\x77.\r\nend";
    }
    TextFileReader r(path.string());
    EXPECT_FALSE(r.Eof());
    EXPECT_EQ(r.ReadLine(), "\xa3\xf3\x64\xbc");
    EXPECT_EQ(r.LineNumber(), 1u);
    EXPECT_EQ(r.ReadLine(), "Przystanek \x9c\x77.");
    EXPECT_EQ(r.ReadLine(), "end");
    EXPECT_EQ(r.LineNumber(), 3u);
    EXPECT_TRUE(r.Eof());
    EXPECT_EQ(r.ReadLine(), "");
    EXPECT_EQ(ReadTextLines(path.string()).size(), 3u);
    std::filesystem::remove(path);
    EXPECT_THROW(TextFileReader("/nonexistent/zw/file.txt"), EInOutError);
}
