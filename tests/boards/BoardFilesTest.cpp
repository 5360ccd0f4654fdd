#include "boards/BoardSetFiles.h"
#include "boards/TBoardFonts.h"
#include "tests/boards/BoardTestKit.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

using namespace zw;

namespace {
std::string Repeat(const std::string& line, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += line;
    return s;
}

template <class E>
std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const E& e) {
        return e.what();
    } catch (const std::exception& e) {
        return std::string("wrong class: ") + ErrorClassName(e) + ": " + e.what();
    }
    return "no error";
}
} // namespace

TEST(MatrycaFile, ReadsHeightManyFieldsPerGlyph) {
    // Glyph 1: rows 1..5; a trailing ";" and fields beyond the height are allowed.
    std::string text = "1;2;3;4;5;\r\n" + Repeat("0;0;0;0;0;99;x\n", 45) + "7;7;7;7;7";
    TBoardFonts f;
    f.ReadMatryca(text, "m5.csv", 5, nullptr);
    EXPECT_EQ(f.Matryce[5][1][1], 1u);
    EXPECT_EQ(f.Matryce[5][1][5], 5u);
    EXPECT_EQ(f.Matryce[5][1][6], 0u);
    EXPECT_EQ(f.Matryce[5][2][1], 0u);
    EXPECT_EQ(f.Matryce[5][47][3], 7u);
}

TEST(MatrycaFile, LogsEveryLine) {
    std::vector<std::string> lines;
    BoardLineLog log = [&](const std::string& s) { lines.push_back(s); };
    TBoardFonts f;
    f.ReadMatryca(Repeat("1;1;1;1;1\r\n", 47), "m5.csv", 5, &log);
    ASSERT_EQ(lines.size(), 94u);
    EXPECT_EQ(lines[0], "[1]:1;1;1;1;1");
    EXPECT_EQ(lines[1], "..ok");
    EXPECT_EQ(lines[92], "[47]:1;1;1;1;1");
}

TEST(MatrycaFile, BadFilesNameFileAndLine) {
    TBoardFonts f;
    EXPECT_NE(ErrorOf<EInOutError>([&] { f.ReadMatryca(Repeat("1;1;1;1;1\n", 46), "m5.csv", 5); })
                  .find("m5.csv: the file ends after line 46"), std::string::npos);
    EXPECT_NE(ErrorOf<EConvertError>([&] {
                  f.ReadMatryca(Repeat("1;1;1;1;1\n", 3) + "1;1;x;1;1\n" + Repeat("1;1;1;1;1\n", 43), "m5.csv", 5);
              }).find("m5.csv, line 4: field 3 \"x\""), std::string::npos);
    EXPECT_NE(ErrorOf<EConvertError>([&] { f.ReadMatryca("1;1;1;1\n" + Repeat("1;1;1;1;1\n", 46), "m5.csv", 5); })
                  .find("m5.csv, line 1: expected 5 dot rows, found 4"), std::string::npos);
    EXPECT_NE(ErrorOf<EConvertError>([&] { f.ReadMatryca("\n" + Repeat("1;1;1;1;1\n", 46), "m5.csv", 5); })
                  .find("line 1: expected 5 dot rows, found 0"), std::string::npos);
    EXPECT_NE(ErrorOf<EConvertError>([&] { f.ReadMatryca(Repeat("1;;1;1;1\n", 47), "m5.csv", 5); })
                  .find("field 2"), std::string::npos);
    EXPECT_NE(ErrorOf<EConvertError>([&] { f.ReadMatryca(Repeat("1;99999999999;1;1;1\n", 47), "m5.csv", 5); })
                  .find("line 1"), std::string::npos);
}

TEST(DyktaFile, PairsComeSmallestFontFirst) {
    std::string text = "1;2;3;4;5;6;7;8;9;10\r\n" + Repeat("0;0;0;0;0;0;0;0;0;0\r\n", 46) + "0;3;0;3;0;3;0;4;0;5\r\n" +
                       "0;8;0;9;0;10;0;11;0;12";
    TBoardFonts f;
    f.ReadDykta(text, "dykta.csv");
    EXPECT_EQ(f.Dykta[5][1].x, 1); // font e first
    EXPECT_EQ(f.Dykta[5][1].w, 2);
    EXPECT_EQ(f.Dykta[1][1].x, 9); // font a last
    EXPECT_EQ(f.Dykta[1][1].w, 10);
    EXPECT_EQ(f.Odstep('a', 'p'), 5);
    EXPECT_EQ(f.Odstep('e', 'p'), 3);
    EXPECT_EQ(f.Dlugosc(' ', 'b', 'p'), 11);
    EXPECT_NE(ErrorOf<EInOutError>([&] { f.ReadDykta(Repeat("0;0;0;0;0;0;0;0;0;0\n", 48), "dykta.csv"); })
                  .find("dykta.csv"), std::string::npos);
    EXPECT_NE(ErrorOf<EConvertError>([&] { f.ReadDykta(Repeat("0;0;0;0;0;0;0;0;0\n", 49), "dykta.csv"); })
                  .find("dykta.csv, line 1: expected 10 fields, found 9"), std::string::npos);
    EXPECT_NE(ErrorOf<ERangeError>([&] { f.ReadDykta("0;-1;0;0;0;0;0;0;0;0\n" + Repeat("0;0;0;0;0;0;0;0;0;0\n", 48), "dykta.csv"); })
                  .find("dykta.csv, line 1: pixel position or width"), std::string::npos);
}

TEST(WyswBus, ReadsTheBoardList) {
    TAutobus bus;
    ReadWyswBus("Orvena boards\r\nz\r\n2\r\nfront_m\r\nprzod\r\nrear_g\r\ntyl\r\n", "wysw.bus", bus);
    EXPECT_EQ(bus.Opis, "Orvena boards");
    EXPECT_EQ(bus.Diody, "z");
    ASSERT_EQ(bus.Ile, 2);
    ASSERT_EQ(bus.Tablice.size(), 2u);
    EXPECT_EQ(bus.Tablice[0].Nazwa, "front_m");
    EXPECT_EQ(bus.Tablice[0].Plik, "przod");
    EXPECT_EQ(bus.Tablice[1].Plik, "tyl");
}

TEST(WyswBus, BadFilesKeepTheOldListAndNameTheFile) {
    TAutobus bus;
    ReadWyswBus("x\nz\n1\nb\nprzod\n", "wysw.bus", bus);
    struct Case { const char* text; const char* cls; const char* part; } cases[] = {
        {"x\nz\n", "EInOutError", "wysw.bus: the file ends after line 2"},
        {"x\nz\ntwo\n", "EConvertError", "wysw.bus, line 3: \"two\" is not an integer"},
        {"x\nz\n3\na\nb\n", "EInOutError", "3 boards need 6 more lines"},
        {"x\nz\n2000000000\n", "ERangeError", "line 3"},
        {"x\nz\n-1\n", "ERangeError", "line 3"},
    };
    for (auto& c : cases) {
        std::string got = ErrorOf<ZwError>([&] { ReadWyswBus(c.text, "wysw.bus", bus); });
        EXPECT_NE(got.find(c.part), std::string::npos) << got;
        try {
            ReadWyswBus(c.text, "wysw.bus", bus);
        } catch (const ZwError& e) {
            EXPECT_STREQ(e.ClassName(), c.cls) << c.text;
        }
        EXPECT_EQ(bus.Tablice.size(), 1u);
    }
}

TEST(BoardDefinition, ReadsFirstCharactersAndSizes) {
    TTablica t;
    ReadBoardDefinition("matrix\r\nalpha\r\n40\r\n8\r\na\r\nb\r\nc\r\nd\r\ne\r\nfff\r\n", "x.tab", t);
    EXPECT_EQ(t.Typ, 'm');
    EXPECT_EQ(t.Uklad, 'a');
    EXPECT_EQ(t.Szerokosc, 40);
    EXPECT_EQ(t.Wysokosc, 8);
    EXPECT_EQ(t.Czcionka(1), 'a');
    EXPECT_EQ(t.Czcionka(5), 'e');
    EXPECT_EQ(t.Czcionka(6), 'f');
    EXPECT_EQ(t.Czcionka(7), 'f');
    EXPECT_EQ(t.Matryca.Width(), 40);
    EXPECT_EQ(t.Matryca.Height(), 8);
}

TEST(BoardDefinition, BadDefinitionsNameFileAndLine) {
    struct Case { const char* text; const char* part; } cases[] = {
        {"m\n\n40\n8\na\nb\nc\nd\ne\nf\n", "x.tab, line 2: empty line, expected the layout letter"},
        {"m\na\nforty\n8\na\nb\nc\nd\ne\nf\n", "x.tab, line 3: \"forty\" is not an integer"},
        {"m\na\n40\n8\na\nb\nc\n", "x.tab: the file ends after line 7"},
        {"m\na\n40\n8\na\nb\n\nd\ne\nf\n", "x.tab, line 7: empty line"},
        {"m\na\n0\n8\na\nb\nc\nd\ne\nf\n", "x.tab, line 3: 0 is outside 1 to 1024"},
        {"m\na\n40\n100000\na\nb\nc\nd\ne\nf\n", "x.tab, line 4"},
        {"", "x.tab: the file ends after line 0"},
    };
    for (auto& c : cases) {
        TTablica t;
        std::string got = ErrorOf<ZwError>([&] { ReadBoardDefinition(c.text, "x.tab", t); });
        EXPECT_NE(got.find(c.part), std::string::npos) << got;
    }
}
