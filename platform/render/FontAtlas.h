#pragma once
// A bitmap font for the HUD: the 224 printable Windows-1250 characters of a
// system font rasterised once by FreeType into one texture. Texts stay the
// data files' Windows-1250 bytes; each byte indexes its glyph, which is how
// they are converted for display.
#include "platform/render/GlTexture.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace zw {

struct Glyph {
    float u0 = 0, v0 = 0, u1 = 0, v1 = 0; // in the atlas
    int width = 0, height = 0;            // bitmap size in pixels
    int left = 0, top = 0;                // bearing from the pen on the baseline
    int advance = 0;
};

class FontAtlas {
public:
    // Throws ZwError when the font file cannot be read.
    FontAtlas(const std::string& fontFile, int pixelSize);
    const Glyph& Of(unsigned char b) const { return glyphs_[b]; }
    int Ascender() const { return ascender_; }
    int LineHeight() const { return lineHeight_; }
    int PixelSize() const { return pixelSize_; }
    int TextWidth(std::string_view cp1250) const;
    const GlTexture& Texture() const { return texture_; }

private:
    std::array<Glyph, 256> glyphs_{};
    int ascender_ = 0, lineHeight_ = 0, pixelSize_ = 0;
    GlTexture texture_;
};

} // namespace zw
