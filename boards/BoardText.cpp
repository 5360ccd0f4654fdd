#include "boards/BoardText.h"

namespace zw {
namespace {

// Beyond every board: characters past it are not drawn.
constexpr int FarRight = 1 << 26;

// Draws the characters from x on; blanks only move on.
int DrawRun(BoardCanvas& canvas, std::string_view text, int x, int row, char font, char t) {
    int gap = canvas.fonts.Odstep(font, t);
    for (char ch : text) {
        if (x > FarRight) break;
        unsigned char c = static_cast<unsigned char>(ch);
        if (c != ' ') WstawZnak(canvas, c, x, row, font, t);
        x += canvas.fonts.Dlugosc(c, font, t) + gap;
    }
    return x;
}

} // namespace

void WstawZnak(BoardCanvas& canvas, unsigned char c, int x, int row, char font, char t) {
    int f = FontIndex(font);
    int g = Znak(c);
    if (f == 0 || g == 0) return;
    int height = FontHeight(font);
    if (t == 'm') {
        const auto& glyph = canvas.fonts.Matryce[size_t(f)][size_t(g)];
        for (int r = 1; r <= height; ++r) {
            uint32_t bits = glyph[size_t(r)];
            int digits = DigitCount(bits);
            for (int k = 1; k <= digits; ++k)
                canvas.matrix.Set(x + k - 1, row + r - 1, ((bits >> (k - 1)) & 1u) != 0);
        }
        return;
    }
    if (!canvas.plywood) return;
    const TDyktaPole& p = canvas.fonts.Dykta[size_t(f)][size_t(g)];
    canvas.plywood->PasteLetter(font, p.x, p.w, x, (row - 1) * 8 + 1, height * 8);
}

int WstawTekstLewo(BoardCanvas& canvas, std::string_view text, int x, int top, int bottom, int width,
                   char font, char t) {
    font = canvas.fonts.Zmiesc(text, width, font, t);
    if (font == 'f') return x;
    int row = TBoardFonts::Srodek(bottom - top + 1, font) + top - 1;
    return DrawRun(canvas, text, x, row, font, t);
}

void WstawTekstSrodek(BoardCanvas& canvas, std::string_view text, int x, int top, int bottom, int width,
                      char font, char t) {
    font = canvas.fonts.Zmiesc(text, width, font, t);
    if (font == 'f') return;
    int textWidth = canvas.fonts.TextWidth(text, font, t);
    if (textWidth >= width) return;
    int row = TBoardFonts::Srodek(bottom - top + 1, font) + top - 1;
    DrawRun(canvas, text, x + (width - textWidth) / 2, row, font, t);
}

int WstawTekstPrawo(BoardCanvas& canvas, std::string_view text, int right, int top, int bottom, int width,
                    char font, char t) {
    font = canvas.fonts.Zmiesc(text, width, font, t);
    if (font == 'f') return right;
    int left = right - canvas.fonts.TextAdvance(text, font, t);
    int row = TBoardFonts::Srodek(bottom - top + 1, font) + top - 1;
    DrawRun(canvas, text, left + 1, row, font, t);
    return left;
}

} // namespace zw
