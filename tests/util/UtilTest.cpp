#include "util/Cp1250.h"
#include "util/Errors.h"
#include "util/Fields.h"
#include "util/NumText.h"
#include "util/Paths.h"
#include "util/Random.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace zw;

TEST(CommaField, PicksFieldsUntrimmedAndFallsBackToLast) {
    struct Case { const char* line; int n; const char* want; } cases[] = {
        {"a,b,c", 0, "a"}, {"a,b,c", 1, "b"}, {"a,b,c", 2, "c"},
        {"a,b,c", 3, "c"}, {"a,b,c", 255, "c"}, {" a , b", 1, " b"},
        {"", 0, ""}, {"x,,y", 1, ""}, {"x,", 1, ""}, {"x,", 5, ""}, {"single", 4, "single"},
    };
    for (auto& c : cases) EXPECT_EQ(CommaField(c.line, c.n), c.want) << c.line << " #" << c.n;
}

TEST(NumText, ParsesWithDotWhateverTheText) {
    EXPECT_DOUBLE_EQ(ParseFloat(" 2.5 "), 2.5);
    EXPECT_DOUBLE_EQ(ParseFloat("-0.25"), -0.25);
    EXPECT_DOUBLE_EQ(ParseFloatPrefix("  4.7 rest of line"), 4.7);
    EXPECT_THROW(ParseFloat("2,5"), EConvertError);
    EXPECT_THROW(ParseFloat(""), EConvertError);
    EXPECT_THROW(ParseFloatPrefix("abc"), EConvertError);
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_THROW(ParseInt("4x"), EConvertError);
    EXPECT_EQ(ParseIntOr("zz", 7), 7);
    EXPECT_EQ(FloatText(2.5), "2.5");
    EXPECT_EQ(FloatText(100), "100");
    EXPECT_EQ(FixedText(3.14159, 2), "3.14");
}

TEST(NumText, TimesAreDayFractions) {
    EXPECT_DOUBLE_EQ(ParseTime("12:00"), 0.5);
    EXPECT_EQ(TimeText(0.5), "12:00:00");
    EXPECT_EQ(TimeText(ParseTime("06:58:30")), "06:58:30");
    EXPECT_EQ(TimeText(1.25), "06:00:00");
    EXPECT_EQ(TimeText(-0.25), "18:00:00");
    EXPECT_THROW(ParseTime("25:00"), EConvertError);
    EXPECT_THROW(ParseTime("7"), EConvertError);
    EXPECT_THROW(ParseTime("1:2:3:4"), EConvertError);
}

TEST(Cp1250, PolishLettersRoundTrip) {
    std::string cp = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
    std::string utf = Cp1250ToUtf8(cp);
    EXPECT_EQ(utf, "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    EXPECT_EQ(Utf8ToCp1250(utf), cp);
    EXPECT_EQ(Utf8ToCp1250("日"), "?");
    EXPECT_EQ(Cp1250ToUtf8("\x81"), "?");
}

TEST(Random, SeededSequenceRepeatsAndStaysInRange) {
    RandomSeed(7);
    std::vector<int> a;
    for (int i = 0; i < 100; ++i) a.push_back(Random(10));
    RandomSeed(7);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(Random(10), a[size_t(i)]);
    for (int v : a) EXPECT_TRUE(v >= 0 && v < 10);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
}

TEST(Paths, ResolvesBackslashesAndLetterCase) {
    namespace fs = std::filesystem;
    fs::path root = fs::temp_directory_path() / "zw_paths_test";
    fs::remove_all(root);
    fs::create_directories(root / "Maps" / "Sub");
    { std::ofstream(root / "Maps" / "Sub" / "City.ms1") << "x"; }
    SetAppDir(root.string() + "/");
    EXPECT_EQ(AppDir(), root.string());
    EXPECT_EQ(AppDirSlash(), root.string() + "/");
    EXPECT_EQ(AppPath("maps\\sub\\CITY.MS1"), (root / "Maps" / "Sub" / "City.ms1").string());
    EXPECT_EQ(AppPath("\\Maps\\Sub"), (root / "Maps" / "Sub").string());
    EXPECT_TRUE(FileExists(AppPath("MAPS\\SUB\\city.ms1")));
    EXPECT_FALSE(FileExists(AppPath("Maps\\none.ms1")));
    EXPECT_THROW(ReadFileBytes(AppPath("Maps\\none.ms1")), EInOutError);
    auto names = ListDirectory(root / "Maps" / "Sub", false, true, ".MS1");
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], "City.ms1");
    EXPECT_EQ(JoinPath("a/", "\\b"), "a/b");
    EXPECT_EQ(StemOf("x/y/Name.ms1"), "Name");
    fs::remove_all(root);
}
