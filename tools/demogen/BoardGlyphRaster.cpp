#include "tools/demogen/BoardGlyphRaster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <stdexcept>
#include <string>

namespace demogen {
namespace {

// The capitals drawn for the board glyphs 1..47.
const char32_t kShapes[47] = {
    U'1', U'2', U'3', U'4', U'5', U'6', U'7', U'8', U'9', U'0',
    U'A', U'\u0104', U'B', U'C', U'\u0106', U'D', U'E', U'\u0118', U'F', U'G', U'H', U'I',
    U'J', U'K', U'L', U'\u0141', U'M', U'N', U'\u0143', U'O', U'\u00D3', U'P', U'R', U'S',
    U'\u015A', U'T', U'U', U'V', U'W', U'X', U'Y', U'Z', U'\u017B', U'\u0179',
    U'-', U'.', U'"',
};

struct Face {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    Face() {
        if (FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType cannot start");
        const char* path = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
        if (FT_New_Face(lib, path, 0, &face))
            throw std::runtime_error(std::string("cannot open ") + path + " (package fonts-dejavu-core)");
    }
    ~Face() {
        FT_Done_Face(face);
        FT_Done_FreeType(lib);
    }
    FT_GlyphSlot Load(char32_t cp, bool mono) {
        FT_Int32 flags = FT_LOAD_RENDER | (mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
        if (FT_Load_Char(face, cp, flags)) throw std::runtime_error("glyph missing from DejaVu Sans Bold");
        return face->glyph;
    }
};

uint8_t CoverageAt(const FT_Bitmap& b, int x, int y) {
    const unsigned char* row = b.buffer + y * b.pitch;
    if (b.pixel_mode == FT_PIXEL_MODE_MONO) return (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
    return row[x];
}

} // namespace

std::vector<RasterGlyph> RasteriseBoardGlyphs(int height, bool mono) {
    Face f;
    // Rows kept below the baseline for the ogoneks; the capitals fill the rest.
    const int below = height < 10 ? 1 : int(height * 0.19 + 0.5);
    const int above = height - below;
    // Letters with a mark above or below; only the ogonek (and DejaVu's J)
    // may go below the baseline.
    auto marked = [](char32_t cp) { return (cp > 0x7F && cp != U'\u0141') || cp == U'J'; };
    auto ogonek = [](char32_t cp) { return cp == U'\u0104' || cp == U'\u0118' || cp == U'J'; };
    const int overshoot = std::max(1, height / 12);
    auto fits = [&](char32_t cp, int px) {
        FT_Set_Pixel_Sizes(f.face, 0, FT_UInt(px));
        FT_GlyphSlot g = f.Load(cp, mono);
        int bottom = g->bitmap_top - int(g->bitmap.rows);
        return g->bitmap_top <= above && bottom >= (ogonek(cp) ? -below : -overshoot);
    };
    // The size at which every letter without a mark fits.
    int base = height * 2;
    for (; base > 4; --base) {
        bool all = true;
        for (char32_t cp : kShapes)
            if (!marked(cp) && !fits(cp, base)) { all = false; break; }
        if (all) break;
    }
    std::vector<RasterGlyph> out;
    for (char32_t cp : kShapes) {
        // Letters with accents are drawn smaller, so the accent stays inside the rows.
        int px = base;
        while (px > 4 && !fits(cp, px)) --px;
        FT_Set_Pixel_Sizes(f.face, 0, FT_UInt(px));
        FT_GlyphSlot g = f.Load(cp, mono);
        const FT_Bitmap& b = g->bitmap;
        int left = int(b.width), right = -1;
        for (int y = 0; y < int(b.rows); ++y)
            for (int x = 0; x < int(b.width); ++x)
                if (CoverageAt(b, x, y) > 0) left = std::min(left, x), right = std::max(right, x);
        RasterGlyph r;
        r.width = right >= left ? right - left + 1 : 1;
        r.coverage.assign(size_t(height) * size_t(r.width), 0);
        for (int y = 0; y < int(b.rows); ++y) {
            int row = above - g->bitmap_top + y;
            if (row < 0 || row >= height) continue;
            for (int x = left; x <= right; ++x)
                r.coverage[size_t(row) * size_t(r.width) + size_t(x - left)] = CoverageAt(b, x, y);
        }
        out.push_back(std::move(r));
    }
    return out;
}

} // namespace demogen
