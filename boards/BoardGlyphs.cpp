#include "boards/BoardGlyphs.h"

namespace zw {

int FontIndex(char font) {
    return font >= 'a' && font <= 'e' ? font - 'a' + 1 : 0;
}

char FontLetter(int index) {
    return index >= 1 && index <= BoardFontCount ? char('a' + index - 1) : 'f';
}

int FontHeight(char font) {
    static const int heights[BoardFontCount + 1] = {0, 16, 12, 9, 7, 5};
    return heights[FontIndex(font)];
}

char SmallerFont(char font) {
    int i = FontIndex(font);
    return i == 0 ? 'f' : FontLetter(i + 1);
}

int Znak(unsigned char c) {
    if (c >= '1' && c <= '9') return c - '0';
    if (c == '0') return 10;
    // Glyphs 11 to 44: the Polish alphabet with v and x, without q.
    static const unsigned char letters[] = {
        'a', 185, 'b', 'c', 230, 'd', 'e', 234, 'f', 'g', 'h', 'i', 'j', 'k', 'l', 179, 'm',
        'n', 241, 'o', 243, 'p', 'r', 's', 156, 't', 'u', 'v', 'w', 'x', 'y', 'z', 191, 159};
    for (int i = 0; i < int(sizeof letters); ++i)
        if (letters[i] == c) return 11 + i;
    if (c == '-') return 45;
    if (c == '.') return 46;
    if (c == '"') return 47;
    return 0;
}

int DigitCount(uint32_t n) {
    int k = 1;
    while (n >>= 1) ++k;
    return k;
}

std::string Dekoduj(uint32_t n) {
    std::string digits;
    do {
        digits += char('0' + (n & 1u));
        n >>= 1;
    } while (n);
    return digits;
}

std::string LowerBoardText(std::string_view text) {
    std::string r(text);
    for (char& ch : r) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + 32);
        // Windows-1250 capitals and their small letters.
        else if (c == 138 || c == 140 || c == 141 || c == 142 || c == 143) c = static_cast<unsigned char>(c + 16);
        else if (c == 163) c = 179; // Ł
        else if (c == 165) c = 185; // Ą
        else if (c == 170) c = 186; // Ş
        else if (c == 175) c = 191; // Ż
        else if (c == 188) c = 190; // Ľ
        else if (c >= 192 && c <= 222 && c != 215) c = static_cast<unsigned char>(c + 32);
        ch = static_cast<char>(c);
    }
    return r;
}

} // namespace zw
