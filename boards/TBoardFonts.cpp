#include "boards/TBoardFonts.h"

#include "util/Errors.h"
#include "util/NumText.h"

#include <algorithm>

namespace zw {
namespace {

// The ";"-separated fields of a line; a ";" after the last field is allowed.
int SplitFields(std::string_view line, std::string_view* fields, int maxFields) {
    int n = 0;
    size_t start = 0;
    while (n < maxFields) {
        size_t semi = line.find(';', start);
        if (semi == std::string_view::npos) {
            if (start < line.size()) fields[n++] = line.substr(start);
            break;
        }
        fields[n++] = line.substr(start, semi - start);
        start = semi + 1;
        if (start >= line.size()) break;
    }
    return n;
}

int FieldInt(const BoardLineReader& in, std::string_view field, int index) {
    try {
        return ParseInt(field);
    } catch (const EConvertError&) {
        throw EConvertError(in.Where() + "field " + std::to_string(index) + " \"" + std::string(field) +
                            "\" is not an integer");
    }
}

} // namespace

void TBoardFonts::ReadMatryca(std::string_view bytes, const std::string& name, int font,
                              const BoardLineLog* log) {
    if (font < 1 || font > BoardFontCount) throw ERangeError(name + ": no font " + std::to_string(font));
    int height = FontHeight(FontLetter(font));
    BoardLineReader in(bytes, name, log);
    auto& table = Matryce[size_t(font)];
    for (int g = 1; g <= BoardGlyphCount; ++g) {
        std::string_view line = in.Next("47 glyph lines");
        std::string_view fields[BoardMaxRows];
        int n = SplitFields(line, fields, height);
        if (n < height)
            throw EConvertError(in.Where() + "expected " + std::to_string(height) + " dot rows, found " +
                                std::to_string(n));
        auto& glyph = table[size_t(g)];
        glyph = {};
        for (int r = 1; r <= height; ++r)
            glyph[size_t(r)] = static_cast<uint32_t>(FieldInt(in, fields[r - 1], r));
        in.Ok();
    }
}

void TBoardFonts::ReadDykta(std::string_view bytes, const std::string& name, const BoardLineLog* log) {
    BoardLineReader in(bytes, name, log);
    for (int e = 1; e <= DyktaEntries; ++e) {
        std::string_view line = in.Next("49 letter lines");
        std::string_view fields[10];
        int n = SplitFields(line, fields, 10);
        if (n < 10) throw EConvertError(in.Where() + "expected 10 fields, found " + std::to_string(n));
        // The pairs come smallest font first: e, d, c, b, a.
        for (int k = 0; k < BoardFontCount; ++k) {
            TDyktaPole& p = Dykta[size_t(BoardFontCount - k)][size_t(e)];
            p.x = FieldInt(in, fields[2 * k], 2 * k + 1);
            p.w = FieldInt(in, fields[2 * k + 1], 2 * k + 2);
            if (p.x < 0 || p.x > MaxStripPixels || p.w < 0 || p.w > MaxStripPixels)
                throw ERangeError(in.Where() + "pixel position or width outside 0 to " +
                                  std::to_string(MaxStripPixels));
        }
        in.Ok();
    }
}

int TBoardFonts::Dlugosc(unsigned char c, char font, char t) const {
    int f = FontIndex(font);
    if (f == 0) return 0;
    int g = Znak(c);
    if (t == 'm') {
        if (g == 0) return 2;
        int widest = 0;
        for (int r = 1; r <= FontHeight(font); ++r)
            widest = std::max(widest, DigitCount(Matryce[size_t(f)][size_t(g)][size_t(r)]));
        return widest;
    }
    return Dykta[size_t(f)][size_t(g == 0 ? 49 : g)].w;
}

int TBoardFonts::Odstep(char font, char t) const {
    int f = FontIndex(font);
    if (f == 0) return 0;
    if (t == 'm') return f == 1 ? 2 : 1;
    return Dykta[size_t(f)][48].w;
}

int TBoardFonts::TextAdvance(std::string_view text, char font, char t) const {
    int gap = Odstep(font, t);
    long long sum = 0;
    for (char c : text) sum += Dlugosc(static_cast<unsigned char>(c), font, t) + gap;
    // Texts are short; the clamp keeps absurd table values from overflowing.
    if (sum > 1000000000LL) sum = 1000000000LL;
    if (sum < -1000000000LL) sum = -1000000000LL;
    return int(sum);
}

int TBoardFonts::TextWidth(std::string_view text, char font, char t) const {
    return TextAdvance(text, font, t) - Odstep(font, t);
}

char TBoardFonts::Zmiesc(std::string_view text, int width, char font, char t) const {
    if (FontIndex(font) == 0) return 'f';
    int w = TextWidth(text, font, t);
    while (w >= width && font != 'e') {
        font = SmallerFont(font);
        w = TextWidth(text, font, t);
    }
    return w > width ? 'f' : font;
}

int TBoardFonts::Srodek(int rows, char font) {
    return (rows - FontHeight(font)) / 2 + 1;
}

} // namespace zw
