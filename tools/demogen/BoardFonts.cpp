// The dot-matrix board fonts "tab\matryce\matryca16.csv" ... "matryca5.csv":
// the three large ones rasterised from DejaVu Sans Bold, the 7- and 5-dot
// ones drawn by hand.
#include "tools/demogen/BoardFontsHand.h"
#include "tools/demogen/BoardGlyphRaster.h"
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Painter.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace demogen {
namespace {

using Rows = std::vector<uint32_t>; // one pattern per row, bit k = column k + 1

Rows FromArt(const char* art, int height) {
    Rows rows;
    uint32_t bits = 0;
    int col = 0;
    for (const char* p = art;; ++p) {
        if (*p == '/' || *p == 0) {
            rows.push_back(bits);
            bits = 0, col = 0;
            if (*p == 0) break;
            continue;
        }
        if (*p == '#') bits |= 1u << col;
        ++col;
    }
    if (int(rows.size()) != height) throw std::runtime_error(std::string("glyph art of wrong height: ") + art);
    return rows;
}

Rows FromRaster(const RasterGlyph& g, int height) {
    if (g.width > 31) throw std::runtime_error("rasterised glyph wider than 31 dots");
    Rows rows(size_t(height), 0);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < g.width; ++c)
            if (g.coverage[size_t(r) * size_t(g.width) + size_t(c)] >= 128) rows[size_t(r)] |= 1u << c;
    return rows;
}

void WriteFont(const std::string& gameDir, int height, const std::vector<Rows>& glyphs) {
    std::ofstream out(PrepareOutput(gameDir, "tab\\matryce\\matryca" + std::to_string(height) + ".csv"),
                      std::ios::binary);
    for (const Rows& g : glyphs) {
        for (uint32_t row : g) out << row << ';';
        out << "\r\n";
    }
    if (!out) throw std::runtime_error("cannot write matryca" + std::to_string(height) + ".csv");
}

void BoardFonts(const std::string& gameDir) {
    for (int height : {16, 12, 9}) {
        std::vector<Rows> glyphs;
        for (const RasterGlyph& g : RasteriseBoardGlyphs(height, true)) glyphs.push_back(FromRaster(g, height));
        if (height == 9)
            for (const HandGlyph& h : kFont9Hand) glyphs[size_t(h.glyph - 1)] = FromArt(h.art, 9);
        WriteFont(gameDir, height, glyphs);
    }
    std::vector<Rows> seven, five;
    for (int i = 0; i < 47; ++i) {
        seven.push_back(FromArt(kFont7[i], 7));
        five.push_back(FromArt(kFont5[i], 5));
    }
    WriteFont(gameDir, 7, seven);
    WriteFont(gameDir, 5, five);
}

PartRegistrar reg("board-fonts", &BoardFonts);

} // namespace
} // namespace demogen
