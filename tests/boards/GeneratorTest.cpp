#include "boards/TWyswietlacze.h"
#include "tests/boards/BoardTestKit.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

using namespace zw;
using namespace boardtest;

namespace {

// Block glyphs: "1" one dot wide, "a" two, "b" three.
TBoardFonts Fonts() { return BlockFonts({{'1', 1}, {'a', 3}, {'b', 7}}); }

struct Generator {
    AppFolder app;
    TWyswietlacze w;
    Generator() {
        WriteFontsAndTiles(app, Fonts());
        w.BusFolder = "Bus";
        w.TextureSet = "Set";
        w.Autobus.Diody = "t";
    }
    void Define(const std::string& name, const std::string& lines) { app.Write("tab/tablice/" + name + ".tab", lines); }
    void Direction(int d, const char* l1, const char* l2, uint8_t rodzaj) {
        w.Teksty.Kierunek(d).Linia1 = l1;
        w.Teksty.Kierunek(d).Linia2 = l2;
        w.Teksty.Kierunek(d).Rodzaj = rodzaj;
    }
    // Draws board name for direction d and returns the saved picture's dots.
    std::string Draw(const std::string& name, int d = 1) {
        w.NrKierunku = d;
        w.KreujTablice({name, "out"});
        return DotsOfBitmap(ReadBmp8File("tab/out" + std::to_string(d) + ".bmp"));
    }
};

} // namespace

TEST(Generator, FortyByEightDotsGiveA320By64Bitmap) {
    Generator g;
    g.Define("m40", "m\ng\n40\n8\nd\nd\nd\nd\nd\nd\n");
    g.w.Teksty.LineNumber = "1";
    g.w.NrKierunku = 3;
    g.w.KreujTablice({"m40", "przod"});
    EXPECT_EQ(g.w.Ostatnia.File, "tab\\przod3.bmp");
    Bitmap8 bmp = ReadBmp8File("tab\\przod3.bmp");
    EXPECT_EQ(bmp.Width(), 320);
    EXPECT_EQ(bmp.Height(), 64);
    // "1" centred: x = 1 + (40 - 1) / 2 = 20, rows Srodek(8, d) = 1 to 7.
    std::vector<std::string> want(8, std::string(40, '.'));
    for (int r = 0; r < 7; ++r) want[size_t(r)][19] = '#';
    EXPECT_EQ(DotsOfBitmap(bmp), Joined(want));
}

TEST(Generator, LayoutAWithTheSecondLineLarger) {
    Generator g;
    // Slots: number d, single c, (unused) c, larger c, equal d, smaller e.
    g.Define("a20", "m\na\n20\n16\nd\nc\nc\nc\nd\ne\n");
    g.w.Teksty.LineNumber = "1";
    g.Direction(1, "a", "b", RodzajSecondLarger);
    EXPECT_EQ(g.Draw("a20"), Joined({
        "..........##........", // first line: slot 6 (e) in rows 1..6
        "..........##........",
        "..........##........",
        "..........##........",
        "#.........##........", // the line number, font d centred in 16 rows
        "#...................",
        "#........###........", // second line: slot 4 (c) in rows 7..16
        "#........###........",
        "#........###........",
        "#........###........",
        "#........###........",
        ".........###........",
        ".........###........",
        ".........###........",
        ".........###........",
        "....................",
    }));
    EXPECT_EQ(g.w.Ostatnia.Placements.size(), 3u);
    EXPECT_EQ(g.w.Ostatnia.Placements[1].Font, 'e');
    EXPECT_EQ(g.w.Ostatnia.Placements[2].Font, 'c');
}

TEST(Generator, BothTwoLineFontsNoneFallsBackToOneLine) {
    Generator g;
    // No line number (layout d); slot 5 "f", so two equal lines have no font.
    g.Define("d14", "m\nd\n14\n8\nd\nd\nd\nf\nf\nf\n");
    g.Direction(1, "ab", "ba", RodzajTwoLines); // "ab ba" is 16 wide at e: too wide
    g.Direction(2, "a", "b", RodzajTwoLines);   // "a b" is 9 wide: both lines
    // Rows 1 to 9 with slot 2's font d: first row Srodek(9, d) = 2.
    std::vector<std::string> first(8, "..............");
    for (int r = 1; r < 8; ++r) first[size_t(r)] = "....##.###....";
    EXPECT_EQ(g.Draw("d14", 1), Joined(first));
    std::vector<std::string> both(8, "..............");
    for (int r = 1; r < 8; ++r) both[size_t(r)] = "..##....###...";
    EXPECT_EQ(g.Draw("d14", 2), Joined(both));
}

TEST(Generator, LayoutEJoinsBothLinesRightAlignedInTheLowerHalf) {
    Generator g;
    g.Define("e24", "m\ne\n24\n16\na\na\na\na\nd\na\n");
    g.w.Teksty.LineNumber = "1";
    g.Direction(1, "a", "b", RodzajTwoLines);
    std::vector<std::string> want(16, std::string(24, '.'));
    for (int r = 9; r <= 15; ++r) want[size_t(r - 1)] = "..............##....###.";
    EXPECT_EQ(g.Draw("e24"), Joined(want));
}

TEST(Generator, OneLineAndEmptyDirections) {
    Generator g;
    g.Define("a12", "m\na\n12\n7\ne\nd\nd\nd\nd\nd\n");
    g.w.Teksty.LineNumber = "1";
    g.Direction(1, "ab", "ignored", RodzajOneLine);
    // The number's slot is e: rows Srodek(7, e) = 2 to 6; then "ab" at d in columns 3 to 12.
    EXPECT_EQ(g.Draw("a12", 1), Joined({
        "....##.###..",
        "#...##.###..",
        "#...##.###..",
        "#...##.###..",
        "#...##.###..",
        "#...##.###..",
        "....##.###..",
    }));
    // A direction without texts shows only the line number.
    g.Direction(2, "", "", RodzajTwoLines);
    std::string two = g.Draw("a12", 2);
    EXPECT_EQ(two, Joined({"............", "#...........", "#...........", "#...........", "#...........",
                           "#...........", "............"}));
}

TEST(Generator, UpperCaseTextsAreLowered) {
    Generator g;
    g.Define("g8", "m\ng\n8\n5\ne\ne\ne\ne\ne\ne\n");
    g.w.Teksty.LineNumber = "AB";
    EXPECT_EQ(g.Draw("g8"), Joined(std::vector<std::string>(5, ".##.###.")));
}

TEST(Generator, PlywoodPastesLettersFromTheStrip) {
    Generator g;
    TBoardFonts f = Fonts();
    f.Dykta[5][size_t(Znak('1'))] = {3, 6};
    f.Dykta[5][48] = {0, 2};
    f.Dykta[5][49] = {0, 4};
    g.app.Write("tab/matryce/dykta.csv", DyktaCsv(f));
    Bitmap8 strip(16, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 16; ++x) strip.Set(x, y, strip.IndexOf(Rgba{uint8_t(x * 10), uint8_t(y * 5), 7, 255}));
    g.app.WriteBitmap("tab/elementy/dykta5.bmp", strip);
    g.Define("p", "p\ng\n4\n5\ne\ne\ne\ne\ne\ne\n");
    g.w.Teksty.LineNumber = "1";
    g.w.KreujTablice({"p", "tyl"});
    Bitmap8 bmp = ReadBmp8File("tab/tyl1.bmp");
    ASSERT_EQ(bmp.Width(), 32);
    ASSERT_EQ(bmp.Height(), 40);
    // Centred: x = 1 + (32 - 6) / 2 = 14; row 1 -> top pixel 1; 40 rows, the last clipped.
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 32; ++x) {
            bool pasted = x >= 14 && x < 20 && y >= 1;
            Rgba want = pasted ? strip.ColourAt(3 + x - 14, y - 1) : Rgba{0, 0, 0, 255};
            ASSERT_EQ(bmp.ColourAt(x, y), want) << x << "," << y;
            if (!pasted) {
                ASSERT_EQ(bmp.At(x, y), 0) << x << "," << y;
            }
        }
}

TEST(Generator, DrawsEveryBoardForFiveDirections) {
    Generator g;
    g.Define("g8", "m\ng\n8\n5\ne\ne\ne\ne\ne\ne\n");
    g.Define("a12", "m\na\n12\n7\ne\nd\nd\nd\nd\nd\n");
    WriteBus(g.app, {{"a12", "przod"}, {"g8", "tyl"}});
    g.w.Teksty.LineNumber = "1";
    auto written = g.w.DrawAllDirections();
    ASSERT_EQ(written.size(), 10u);
    EXPECT_EQ(written[0].File, "tab\\przod1.bmp");
    EXPECT_EQ(written[1].File, "tab\\tyl1.bmp");
    EXPECT_EQ(written[9].File, "tab\\tyl5.bmp");
    for (int d = 1; d <= 5; ++d) {
        EXPECT_TRUE(g.app.Exists("tab/przod" + std::to_string(d) + ".bmp"));
        EXPECT_TRUE(g.app.Exists("tab/tyl" + std::to_string(d) + ".bmp"));
    }
    EXPECT_EQ(g.w.NrKierunku, 5);
}

TEST(Generator, FailuresNameTheFileAndKeepEarlierBoards) {
    struct Case { const char* remove; const char* cls; const char* name; } cases[] = {
        {"tab/matryce/matryca9.csv", "EInOutError", "matryca9.csv"},
        {"tab/matryce/dykta.csv", "EInOutError", "dykta.csv"},
        {"tab/elementy/toff.bmp", "EInOutError", "toff.bmp"},
        {"tab/elementy/tcloff.bmp", "EInOutError", "tcloff.bmp"},
        {"tab/tablice/second.tab", "EInOutError", "second.tab"},
        {"model/Bus/Set/wysw.bus", "EInOutError", "wysw.bus"},
    };
    for (auto& c : cases) {
        Generator g;
        g.Define("first", "m\ng\n8\n5\ne\ne\ne\ne\ne\ne\n");
        g.Define("second", "m\ng\n8\n5\ne\ne\ne\ne\ne\ne\n");
        WriteBus(g.app, {{"first", "przod"}, {"second", "tyl"}});
        g.w.WczytajBusa();
        g.w.KreujTablice(g.w.Autobus.Tablice[0]);
        g.app.Remove(c.remove);
        try {
            g.w.DrawAllDirections();
            ADD_FAILURE() << "no error without " << c.remove;
        } catch (const ZwError& e) {
            EXPECT_STREQ(e.ClassName(), c.cls) << c.remove;
            EXPECT_NE(std::string(e.what()).find(c.name), std::string::npos) << e.what();
        }
        EXPECT_TRUE(g.app.Exists("tab/przod1.bmp")) << c.remove;
    }
}

TEST(Generator, ShortAndNonNumericFilesFailWithTheirNames) {
    struct Case { const char* file; const char* text; const char* part; } cases[] = {
        {"tab/matryce/matryca16.csv", "1;1\n", "matryca16.csv"},
        {"tab/matryce/matryca7.csv", "x;1;1;1;1;1;1\n", "matryca7.csv, line 1"},
        {"tab/matryce/dykta.csv", "1;1;1;1;1;1;1;1;1;1\n", "dykta.csv: the file ends after line 1"},
        {"tab/tablice/first.tab", "m\ng\n8\n", "first.tab: the file ends after line 3"},
        {"tab/tablice/first.tab", "m\ng\n8\nfive\n", "first.tab, line 4"},
        {"tab/elementy/toff.bmp", "BMjunk", "toff.bmp"},
    };
    for (auto& c : cases) {
        Generator g;
        g.Define("first", "m\ng\n8\n5\ne\ne\ne\ne\ne\ne\n");
        g.app.Write(c.file, c.text);
        try {
            g.w.KreujTablice({"first", "przod"});
            ADD_FAILURE() << "no error with " << c.file;
        } catch (const ZwError& e) {
            EXPECT_NE(std::string(e.what()).find(c.part), std::string::npos) << e.what();
        }
        EXPECT_FALSE(g.app.Exists("tab/przod1.bmp"));
    }
}
