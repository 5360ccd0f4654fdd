#pragma once
// The board alphabet: which Windows-1250 characters the board fonts draw,
// and the five font letters with their heights.
#include <cstdint>
#include <string>
#include <string_view>

namespace zw {

constexpr int BoardFontCount = 5;   // fonts a to e
constexpr int BoardGlyphCount = 47; // glyphs 1 to 47
constexpr int BoardMaxRows = 16;    // rows a dot-matrix glyph may have

// Font letter to its index: "a" 1 ... "e" 5; "f" and every other letter 0 (no font).
int FontIndex(char font);
// Index 1..5 to its letter; anything else gives "f".
char FontLetter(int index);
// Rows of a font: 16, 12, 9, 7, 5 for a to e; 0 for no font.
int FontHeight(char font);
// The next smaller font: a -> b -> ... -> e -> f; f stays f.
char SmallerFont(char font);

// The glyph of a lower-case character, 1 to 47; 0 when the fonts have none.
int Znak(unsigned char c);
// The binary digits of n, least significant first ("0" for 0).
std::string Dekoduj(uint32_t n);
// Number of digits Dekoduj gives (the dot width of one glyph row).
int DigitCount(uint32_t n);

// Lower case for board texts: ASCII and the Windows-1250 letters with a
// lower-case partner (the Polish capitals among them).
std::string LowerBoardText(std::string_view text);

} // namespace zw
