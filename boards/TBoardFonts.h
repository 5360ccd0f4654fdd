#pragma once
// The tables of the board fonts and the measuring of texts with them: glyph
// widths, gaps, the largest font that fits and vertical centring.
#include "boards/BoardGlyphs.h"
#include "boards/BoardLines.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zw {

// One plywood letter in its font strip: left pixel and width.
struct TDyktaPole {
    int x = 0;
    int w = 0;
};

constexpr int DyktaEntries = 49; // 47 glyphs, the letter spacing, the blank
// Far wider than any letter strip; keeps text arithmetic within range.
constexpr int MaxStripPixels = 100000;

class TBoardFonts {
public:
    // Matryce[font 1..5][glyph 1..47][row 1..16]: the dot pattern of a glyph row.
    std::array<std::array<std::array<uint32_t, BoardMaxRows + 1>, BoardGlyphCount + 1>,
               BoardFontCount + 1> Matryce{};
    // Dykta[font 1..5][entry 1..49].
    std::array<std::array<TDyktaPole, DyktaEntries + 1>, BoardFontCount + 1> Dykta{};

    // A dot-matrix font file for font index 1..5 (its height many fields per line).
    void ReadMatryca(std::string_view bytes, const std::string& name, int font,
                     const BoardLineLog* log = nullptr);
    // The plywood table "dykta.csv".
    void ReadDykta(std::string_view bytes, const std::string& name, const BoardLineLog* log = nullptr);

    // Width of one character; t is the board technology ("m" dot matrix).
    // A character without a glyph is as wide as a blank.
    int Dlugosc(unsigned char c, char font, char t) const;
    // The gap between two characters.
    int Odstep(char font, char t) const;
    // Character widths plus the gap times (characters - 1).
    int TextWidth(std::string_view text, char font, char t) const;
    // Character widths plus the gap times the characters (one gap more).
    int TextAdvance(std::string_view text, char font, char t) const;
    // The font to use for text in width, starting at font; "f" when none fits.
    char Zmiesc(std::string_view text, int width, char font, char t) const;
    // The first of rows rows that centres the font vertically.
    static int Srodek(int rows, char font);
};

} // namespace zw
