#pragma once
// Hand-drawn glyphs of the 7- and 5-dot board fonts, in board-glyph order.
namespace demogen {
extern const char* const kFont7[47];
extern const char* const kFont5[47];

struct HandGlyph {
    int glyph; // 1..47
    const char* art;
};
extern const HandGlyph kFont9Hand[9];
} // namespace demogen
