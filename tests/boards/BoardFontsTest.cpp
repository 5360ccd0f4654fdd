#include "boards/BoardGlyphs.h"
#include "boards/BoardText.h"
#include "boards/TBoardFonts.h"
#include "tests/boards/BoardTestKit.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

using namespace zw;
using boardtest::BlockFonts;
using boardtest::FromPicture;
using boardtest::Joined;
using boardtest::Picture;

TEST(BoardGlyphs, MapsTheBoardAlphabet) {
    struct Case { unsigned char c; int glyph; } cases[] = {
        {'1', 1}, {'9', 9}, {'0', 10}, {'a', 11}, {185, 12}, {'b', 13}, {'c', 14}, {230, 15},
        {'d', 16}, {'e', 17}, {234, 18}, {'l', 25}, {179, 26}, {'n', 28}, {241, 29}, {'o', 30},
        {243, 31}, {'p', 32}, {'r', 33}, {'s', 34}, {156, 35}, {'t', 36}, {'z', 42}, {191, 43},
        {159, 44}, {'-', 45}, {'.', 46}, {'"', 47},
        {'q', 0}, {'A', 0}, {' ', 0}, {',', 0}, {0, 0}, {255, 0}, {165, 0},
    };
    for (auto& c : cases) EXPECT_EQ(Znak(c.c), c.glyph) << int(c.c);
}

TEST(BoardGlyphs, DecodesLeastSignificantFirst) {
    EXPECT_EQ(Dekoduj(5), "101");
    EXPECT_EQ(Dekoduj(6), "011");
    EXPECT_EQ(Dekoduj(0), "0");
    EXPECT_EQ(Dekoduj(1), "1");
    EXPECT_EQ(Dekoduj(0x80000000u), std::string(31, '0') + "1");
    EXPECT_EQ(DigitCount(0), 1);
    EXPECT_EQ(DigitCount(16), 5);
}

TEST(BoardGlyphs, FontLettersAndLowerCase) {
    EXPECT_EQ(FontHeight('a'), 16);
    EXPECT_EQ(FontHeight('b'), 12);
    EXPECT_EQ(FontHeight('c'), 9);
    EXPECT_EQ(FontHeight('d'), 7);
    EXPECT_EQ(FontHeight('e'), 5);
    EXPECT_EQ(FontHeight('f'), 0);
    EXPECT_EQ(FontHeight('A'), 0);
    EXPECT_EQ(SmallerFont('d'), 'e');
    EXPECT_EQ(SmallerFont('e'), 'f');
    EXPECT_EQ(SmallerFont('x'), 'f');
    // "ŁÓDŹ ŚWIĘTY Ą Ć Ń Ż" in Windows-1250 lowers to the glyphs the fonts have.
    std::string upper = "\xA3\xD3" "D\x8F \x8CWI\xCATY \xA5 \xC6 \xD1 \xAF";
    std::string lower = "\xB3\xF3" "d\x9F \x9Cwi\xEAty \xB9 \xE6 \xF1 \xBF";
    EXPECT_EQ(LowerBoardText(upper), lower);
    for (unsigned char c : lower) EXPECT_TRUE(c == ' ' || Znak(c) > 0) << int(c);
}

TEST(BoardFonts, GlyphWidthsAndGaps) {
    TBoardFonts f = BlockFonts({{'c', 31}, {'d', 7}, {'e', 15}, {'a', 5}, {'b', 6}});
    EXPECT_EQ(f.Dlugosc('c', 'b', 'm'), 5);
    EXPECT_EQ(f.Dlugosc('d', 'b', 'm'), 3);
    EXPECT_EQ(f.Dlugosc('a', 'b', 'm'), 3); // pattern 5: columns 1 and 3
    EXPECT_EQ(f.Dlugosc('b', 'b', 'm'), 3); // pattern 6: columns 2 and 3
    EXPECT_EQ(f.Dlugosc('z', 'b', 'm'), 1); // all rows 0
    EXPECT_EQ(f.Dlugosc(' ', 'b', 'm'), 2);
    EXPECT_EQ(f.Dlugosc('q', 'b', 'm'), 2); // no glyph: as wide as a blank
    EXPECT_EQ(f.Odstep('a', 'm'), 2);
    for (char font : {'b', 'c', 'd', 'e'}) EXPECT_EQ(f.Odstep(font, 'm'), 1);
    // Three glyphs 5, 3 and 4 dots wide.
    EXPECT_EQ(f.TextWidth("cde", 'b', 'm'), 14);
    EXPECT_EQ(f.TextWidth("cde", 'a', 'm'), 16);
    EXPECT_EQ(f.TextWidth("c e", 'b', 'm'), 5 + 2 + 4 + 2);
}

TEST(BoardFonts, WidestRowCountsOnlyTheFontsRows) {
    TBoardFonts f;
    int g = Znak('x');
    f.Matryce[5][size_t(g)][1] = 1;
    f.Matryce[5][size_t(g)][6] = 255; // below font e's five rows
    EXPECT_EQ(f.Dlugosc('x', 'e', 'm'), 1);
    f.Matryce[4][size_t(g)][6] = 255;
    EXPECT_EQ(f.Dlugosc('x', 'd', 'm'), 8);
}

TEST(BoardFonts, PlywoodWidthsComeFromDykta) {
    TBoardFonts f;
    f.Dykta[2][size_t(Znak('a'))] = {10, 30};
    f.Dykta[2][48] = {0, 4};
    f.Dykta[2][49] = {0, 20};
    EXPECT_EQ(f.Dlugosc('a', 'b', 'p'), 30);
    EXPECT_EQ(f.Dlugosc(' ', 'b', 'p'), 20);
    EXPECT_EQ(f.Dlugosc('q', 'b', 'p'), 20);
    EXPECT_EQ(f.Odstep('b', 'p'), 4);
    EXPECT_EQ(f.TextWidth("a a", 'b', 'p'), 30 + 20 + 30 + 2 * 4);
}

TEST(BoardFonts, ZmiescMovesOnAtExactWidthExceptAtFontE) {
    TBoardFonts f = BlockFonts({{'c', 31}, {'d', 7}, {'e', 15}});
    struct Case { int width; char start; char want; } cases[] = {
        {17, 'a', 'a'}, // 16 < 17
        {16, 'a', 'b'}, // exactly as wide at a: the next font, where it is 14
        {14, 'a', 'e'}, // 14 at b, c and d moves on; e accepts 14
        {14, 'e', 'e'},
        {13, 'a', 'f'},
        {13, 'e', 'f'},
        {100, 'f', 'f'},
        {100, 'x', 'f'},
        {15, 'c', 'c'},
    };
    for (auto& c : cases) EXPECT_EQ(f.Zmiesc("cde", c.width, c.start, 'm'), c.want) << c.width << c.start;
}

TEST(BoardFonts, SrodekTruncatesTowardZero) {
    EXPECT_EQ(TBoardFonts::Srodek(16, 'd'), 5); // trunc(9 / 2) + 1
    EXPECT_EQ(TBoardFonts::Srodek(16, 'a'), 1);
    EXPECT_EQ(TBoardFonts::Srodek(8, 'd'), 1);
    EXPECT_EQ(TBoardFonts::Srodek(9, 'd'), 2);
    EXPECT_EQ(TBoardFonts::Srodek(4, 'd'), 0);  // trunc(-3 / 2) + 1
    EXPECT_EQ(TBoardFonts::Srodek(2, 'a'), -6); // trunc(-14 / 2) + 1
}

namespace {
struct Board {
    TBoardFonts fonts;
    TTabl m;
    BoardCanvas canvas{fonts, m, nullptr};
    Board(int w, int h, TBoardFonts f) : fonts(std::move(f)) { m.Resize(w, h); }
};
} // namespace

TEST(BoardText, DrawsDigitsAsLitAndUnlitAndLeavesTheRest) {
    TBoardFonts f;
    int g = Znak('a');
    f.Matryce[5][size_t(g)][1] = 5;
    f.Matryce[5][size_t(g)][2] = 6;
    Board b(5, 5, f);
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) b.m.Set(c, r, true);
    WstawZnak(b.canvas, 'a', 1, 1, 'e', 'm');
    EXPECT_EQ(Picture(b.m), Joined({"#.###", ".####", ".####", ".####", ".####"}));
}

TEST(BoardText, ClipsGlyphsAtTheEdgesAndSkipsUnknownCharacters) {
    Board b(4, 3, BlockFonts({{'c', 31}}));
    WstawZnak(b.canvas, 'c', 2, -1, 'e', 'm'); // five rows from row -1, five columns from 2
    WstawZnak(b.canvas, 'q', 1, 1, 'e', 'm');
    WstawZnak(b.canvas, 'c', 1, 1, 'f', 'm');
    EXPECT_EQ(Picture(b.m), Joined({".###", ".###", ".###"}));
    WstawZnak(b.canvas, 'c', 1000000, 1000000, 'a', 'm');
    WstawZnak(b.canvas, 'c', -1000000, 2, 'a', 'm');
    EXPECT_EQ(Picture(b.m), Joined({".###", ".###", ".###"}));
}

TEST(BoardText, CentresSevenRowsInSixteen) {
    Board b(10, 16, BlockFonts({{'a', 3}}));
    WstawTekstSrodek(b.canvas, "a", 1, 1, 16, 10, 'd', 'm');
    std::vector<std::string> want(16, "..........");
    for (int r = 5; r <= 11; ++r) want[size_t(r - 1)] = "....##....";
    EXPECT_EQ(Picture(b.m), Joined(want));
}

TEST(BoardText, CentredRefusesATextAsWideAsItsSpace) {
    // "cde" is 14 wide at font e.
    for (int width : {13, 14}) {
        Board b(16, 5, BlockFonts({{'c', 31}, {'d', 7}, {'e', 15}}));
        WstawTekstSrodek(b.canvas, "cde", 1, 1, 5, width, 'e', 'm');
        EXPECT_EQ(Picture(b.m), Joined(std::vector<std::string>(5, "................"))) << width;
    }
    Board b(16, 5, BlockFonts({{'c', 31}, {'d', 7}, {'e', 15}}));
    WstawTekstSrodek(b.canvas, "cde", 1, 1, 5, 15, 'e', 'm');
    EXPECT_EQ(Picture(b.m), Joined(std::vector<std::string>(5, "#####.###.####..")));
}

TEST(BoardText, ExactWidthAtFontADrawsAtFontB) {
    // 16 wide at a, 14 at b: drawn at b (12 rows), centred in 16 from row 3, x + (16 - 14) / 2.
    Board b(18, 16, BlockFonts({{'c', 31}, {'d', 7}, {'e', 15}}));
    WstawTekstSrodek(b.canvas, "cde", 1, 1, 16, 16, 'a', 'm');
    std::vector<std::string> want(16, "..................");
    for (int r = 3; r <= 14; ++r) want[size_t(r - 1)] = ".#####.###.####...";
    EXPECT_EQ(Picture(b.m), Joined(want));
}

TEST(BoardText, LeftReturnsOneGapBeyondAndStartWhenNothingFits) {
    Board b(12, 7, BlockFonts({{'a', 3}, {'b', 7}}));
    EXPECT_EQ(WstawTekstLewo(b.canvas, "ab", 1, 1, 7, 12, 'd', 'm'), 8);
    EXPECT_EQ(Picture(b.m), Joined(std::vector<std::string>(7, "##.###......")));
    Board none(12, 7, BlockFonts({{'a', 3}, {'b', 7}}));
    EXPECT_EQ(WstawTekstLewo(none.canvas, "ab", 3, 1, 7, 5, 'd', 'm'), 3); // 6 wide at e
    EXPECT_EQ(Picture(none.m), Joined(std::vector<std::string>(7, "............")));
}

TEST(BoardText, RightEndsOneGapShortOfRight) {
    Board b(20, 7, BlockFonts({{'a', 3}, {'b', 7}}));
    EXPECT_EQ(WstawTekstPrawo(b.canvas, "ab", 20, 1, 7, 20, 'd', 'm'), 13);
    EXPECT_EQ(Picture(b.m), Joined(std::vector<std::string>(7, ".............##.###.")));
}

TEST(BoardText, RightDrawsATextExactlyAsWideAsItsSpace) {
    Board b(8, 5, BlockFonts({{'a', 3}, {'b', 7}}));
    // 6 wide at e in a width of 6: accepted at e, drawn from 8 - 7 + 1.
    EXPECT_EQ(WstawTekstPrawo(b.canvas, "ab", 8, 1, 5, 6, 'e', 'm'), 1);
    EXPECT_EQ(Picture(b.m), Joined(std::vector<std::string>(5, ".##.###.")));
}

namespace {
struct Paste { char font; int srcX, width, left, top, height; };
struct Recorder : PlywoodTarget {
    std::vector<Paste> pastes;
    void PasteLetter(char font, int srcX, int width, int left, int top, int height) override {
        pastes.push_back({font, srcX, width, left, top, height});
    }
};
} // namespace

TEST(BoardText, PlywoodPastesStripRectangles) {
    TBoardFonts f;
    f.Dykta[3][size_t(Znak('a'))] = {0, 20};
    f.Dykta[3][size_t(Znak('b'))] = {20, 24};
    f.Dykta[3][48] = {0, 3};
    f.Dykta[3][49] = {0, 10};
    TTabl unused;
    Recorder rec;
    BoardCanvas canvas{f, unused, &rec};
    // "a b" is 20 + 10 + 24 + 2 * 3 = 60 pixels wide; font c covers 9 bands.
    int after = WstawTekstLewo(canvas, "a b", 5, 2, 12, 100, 'c', 'p');
    EXPECT_EQ(after, 5 + 60 + 3);
    ASSERT_EQ(rec.pastes.size(), 2u);
    int top = ((TBoardFonts::Srodek(11, 'c') + 2 - 1) - 1) * 8 + 1; // row 3 -> pixel 17
    EXPECT_EQ(top, 17);
    EXPECT_EQ(rec.pastes[0].srcX, 0);
    EXPECT_EQ(rec.pastes[0].width, 20);
    EXPECT_EQ(rec.pastes[0].left, 5);
    EXPECT_EQ(rec.pastes[0].top, top);
    EXPECT_EQ(rec.pastes[0].height, 72);
    EXPECT_EQ(rec.pastes[1].srcX, 20);
    EXPECT_EQ(rec.pastes[1].width, 24);
    EXPECT_EQ(rec.pastes[1].left, 5 + 20 + 3 + 10 + 3);
}
