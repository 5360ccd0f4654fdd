#include "platform/render/FontAtlas.h"

#include "util/Cp1250.h"
#include "util/Errors.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <vector>

namespace zw {

FontAtlas::FontAtlas(const std::string& fontFile, int pixelSize) : pixelSize_(pixelSize) {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib)) throw ZwError("FreeType does not start");
    FT_Face face = nullptr;
    if (FT_New_Face(lib, fontFile.c_str(), 0, &face)) {
        FT_Done_FreeType(lib);
        throw EInOutError("font " + fontFile + " cannot be read");
    }
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelSize));
    ascender_ = int(face->size->metrics.ascender >> 6);
    lineHeight_ = int(face->size->metrics.height >> 6);

    const int size = 512;
    std::vector<uint8_t> atlas(size_t(size) * size, 0);
    int penX = 1, penY = 1, rowHeight = 0;
    for (int b = 32; b < 256; ++b) {
        char32_t cp = b < 128 ? char32_t(b) : Cp1250ToUnicode(uint8_t(b));
        if (!cp || FT_Load_Char(face, cp, FT_LOAD_RENDER)) continue;
        FT_GlyphSlot g = face->glyph;
        int w = int(g->bitmap.width), h = int(g->bitmap.rows);
        if (penX + w + 1 >= size) {
            penX = 1;
            penY += rowHeight + 1;
            rowHeight = 0;
        }
        if (penY + h + 1 >= size) break; // cannot happen at HUD sizes
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                atlas[size_t(penY + y) * size + size_t(penX + x)] = g->bitmap.buffer[y * g->bitmap.pitch + x];
        Glyph& gl = glyphs_[size_t(b)];
        gl.u0 = float(penX) / size;
        gl.v0 = float(penY) / size;
        gl.u1 = float(penX + w) / size;
        gl.v1 = float(penY + h) / size;
        gl.width = w;
        gl.height = h;
        gl.left = g->bitmap_left;
        gl.top = g->bitmap_top;
        gl.advance = int(g->advance.x >> 6);
        penX += w + 1;
        if (h > rowHeight) rowHeight = h;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    texture_.UploadAlpha(atlas.data(), size, size);
}

int FontAtlas::TextWidth(std::string_view text) const {
    int w = 0;
    for (unsigned char c : text) w += glyphs_[c].advance;
    return w;
}

} // namespace zw
