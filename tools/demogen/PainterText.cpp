// Text on the canvas through FreeType with the DejaVu fonts of the system.
#include "tools/demogen/Painter.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <stdexcept>

namespace demogen {

namespace {
const char* FontFile(Font f) {
    switch (f) {
    case Font::Sans:
        return "DejaVuSans.ttf";
    case Font::SansBold:
        return "DejaVuSans-Bold.ttf";
    case Font::Mono:
        return "DejaVuSansMono.ttf";
    case Font::MonoBold:
        return "DejaVuSansMono-Bold.ttf";
    case Font::Condensed:
        return "DejaVuSansCondensed.ttf";
    case Font::CondensedBold:
        return "DejaVuSansCondensed-Bold.ttf";
    case Font::Serif:
        return "DejaVuSerif.ttf";
    }
    return "DejaVuSans.ttf";
}

class Fonts {
  public:
    ~Fonts() {
        for (auto& [k, face] : faces_)
            FT_Done_Face(face);
        if (lib_) FT_Done_FreeType(lib_);
    }
    FT_Face Get(Font f, int px) {
        if (!lib_ && FT_Init_FreeType(&lib_)) throw std::runtime_error("FreeType cannot start");
        auto it = faces_.find(f);
        if (it == faces_.end()) {
            std::string path = std::string("/usr/share/fonts/truetype/dejavu/") + FontFile(f);
            FT_Face face = nullptr;
            if (FT_New_Face(lib_, path.c_str(), 0, &face))
                throw std::runtime_error("Cannot open font " + path + " (package fonts-dejavu-core)");
            it = faces_.emplace(f, face).first;
        }
        FT_Set_Pixel_Sizes(it->second, 0, FT_UInt(px));
        return it->second;
    }

  private:
    FT_Library lib_ = nullptr;
    std::map<Font, FT_Face> faces_;
};

Fonts& TheFonts() {
    static Fonts fonts;
    return fonts;
}

std::u32string Decode(const std::string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp = c;
        int extra = 0;
        if (c >= 0xF0) {
            cp = c & 0x07;
            extra = 3;
        } else if (c >= 0xE0) {
            cp = c & 0x0F;
            extra = 2;
        } else if (c >= 0xC0) {
            cp = c & 0x1F;
            extra = 1;
        }
        ++i;
        for (int k = 0; k < extra && i < s.size(); ++k, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        out.push_back(cp);
    }
    return out;
}

int Advance(FT_Face face, const std::u32string& text) {
    int w = 0;
    for (char32_t cp : text) {
        if (FT_Load_Char(face, cp, FT_LOAD_DEFAULT)) continue;
        w += int(face->glyph->advance.x >> 6);
    }
    return w;
}
} // namespace

int Painter::TextWidth(const std::string& utf8, int px, Font f) {
    return Advance(TheFonts().Get(f, px), Decode(utf8));
}

int Painter::Text(int x, int y, const std::string& utf8, int px, Color c, Font f, Align align) {
    FT_Face face = TheFonts().Get(f, px);
    std::u32string text = Decode(utf8);
    int width = Advance(face, text);
    int pen = x - (align == Align::Center ? width / 2 : align == Align::Right ? width : 0);
    for (char32_t cp : text) {
        if (FT_Load_Char(face, cp, FT_LOAD_RENDER)) continue;
        FT_GlyphSlot g = face->glyph;
        const FT_Bitmap& bm = g->bitmap;
        for (unsigned row = 0; row < bm.rows; ++row)
            for (unsigned col = 0; col < bm.width; ++col) {
                unsigned char v = bm.buffer[row * unsigned(bm.pitch) + col];
                if (v) Blend(pen + g->bitmap_left + int(col), y - g->bitmap_top + int(row), c, v / 255.0);
            }
        pen += int(g->advance.x >> 6);
    }
    return width;
}

} // namespace demogen
