// The pictures of the destination boards: the plywood letter strips
// "tab\elementy\dykta<h>.bmp" with their table "tab\matryce\dykta.csv",
// the dot tiles, and the blank boards shown while the boards are off.
#include "platform/format/Bitmap8.h"
#include "tools/demogen/BoardGlyphRaster.h"
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Painter.h"

#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string>

namespace demogen {
namespace {

const zw::Rgba kPaint{238, 232, 212, 255}; // the letters' paint on the black board

void Save8(const std::string& gameDir, const std::string& rel, const zw::Image& img) {
    zw::WriteBmp8File(PrepareOutput(gameDir, rel), zw::Bitmap8::FromImage(img));
}

// One strip per font: the letters side by side, each its font's rows x 8
// pixels tall. Returns the (x, w) pairs of entries 1..49 for dykta.csv.
std::vector<std::pair<int, int>> WriteStrip(const std::string& gameDir, int rows) {
    int h = rows * 8;
    int pad = std::max(1, h / 32);
    auto glyphs = RasteriseBoardGlyphs(h - 2 * pad, false);
    int width = 0;
    for (auto& g : glyphs) width += g.width + 2 * pad;
    zw::Image strip(width, h, zw::Rgba{0, 0, 0, 255});
    std::vector<std::pair<int, int>> entries;
    int x = 0;
    for (auto& g : glyphs) {
        int w = g.width + 2 * pad;
        for (int r = 0; r < h - 2 * pad; ++r)
            for (int c = 0; c < g.width; ++c) {
                // 32 paint levels keep the strip's palette small.
                int level = (g.coverage[size_t(r) * size_t(g.width) + size_t(c)] + 4) / 8;
                double t = std::min(level, 32) / 32.0;
                strip.Set(x + pad + c, pad + r,
                          zw::Rgba{uint8_t(kPaint.r * t), uint8_t(kPaint.g * t), uint8_t(kPaint.b * t), 255});
            }
        entries.push_back({x, w});
        x += w;
    }
    entries.push_back({0, std::max(1, h / 16)}); // letter spacing
    entries.push_back({0, h * 3 / 10});         // blank
    Save8(gameDir, "tab\\elementy\\dykta" + std::to_string(rows) + ".bmp", strip);
    return entries;
}

void WriteDykta(const std::string& gameDir) {
    const int rows[5] = {5, 7, 9, 12, 16}; // the file lists fonts e, d, c, b, a
    std::vector<std::pair<int, int>> fonts[5];
    for (int k = 0; k < 5; ++k) fonts[k] = WriteStrip(gameDir, rows[k]);
    std::ofstream out(PrepareOutput(gameDir, "tab\\matryce\\dykta.csv"), std::ios::binary);
    for (int e = 0; e < 49; ++e) {
        for (int k = 0; k < 5; ++k)
            out << fonts[k][size_t(e)].first << ';' << fonts[k][size_t(e)].second << (k < 4 ? ";" : "");
        out << "\r\n";
    }
    if (!out) throw std::runtime_error("cannot write dykta.csv");
}

// An 8 x 8 dot: a round lamp on the black board, brighter in the middle.
zw::Image Dot(zw::Rgba rim, zw::Rgba centre) {
    zw::Image img(8, 8, zw::Rgba{0, 0, 0, 255});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            double d = std::hypot(x - 3.5, y - 3.5);
            if (d > 3.4) continue;
            double edge = std::min(1.0, (3.4 - d) / 0.9);
            double t = std::max(0.0, 1.0 - d / 3.4);
            auto mix = [&](uint8_t a, uint8_t b) { return uint8_t(std::lround((a + (b - a) * t) * edge)); };
            img.Set(x, y, zw::Rgba{mix(rim.r, centre.r), mix(rim.g, centre.g), mix(rim.b, centre.b), 255});
        }
    return img;
}

void WriteTiles(const std::string& gameDir) {
    // Lit tiles are named prefix + "off.bmp", unlit first letter + "cloff.bmp".
    Save8(gameDir, "tab\\elementy\\zolteoff.bmp", Dot({255, 150, 0, 255}, {255, 236, 150, 255}));
    Save8(gameDir, "tab\\elementy\\zcloff.bmp", Dot({34, 28, 20, 255}, {58, 50, 38, 255}));
    Save8(gameDir, "tab\\elementy\\bialeoff.bmp", Dot({210, 225, 235, 255}, {255, 255, 255, 255}));
    Save8(gameDir, "tab\\elementy\\bcloff.bmp", Dot({30, 32, 36, 255}, {54, 56, 62, 255}));
}

// The boards before a direction is chosen: every dot unlit.
void WriteBlank(const std::string& gameDir, const char* name, int columns, int rows) {
    zw::Image dot = Dot({34, 28, 20, 255}, {58, 50, 38, 255});
    zw::Image img(columns * 8, rows * 8, zw::Rgba{0, 0, 0, 255});
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) img.CopyRect(c * 8, r * 8, dot, 0, 0, 8, 8);
    Save8(gameDir, std::string("tab\\") + name, img);
}

void BoardPictures(const std::string& gameDir) {
    WriteDykta(gameDir);
    WriteTiles(gameDir);
    WriteBlank(gameDir, "blank_przod_myl.bmp", 160, 16);
    WriteBlank(gameDir, "blank_bok_myl.bmp", 128, 16);
    WriteBlank(gameDir, "blank_tyl_myl.bmp", 40, 16);
}

PartRegistrar reg("board-pictures", &BoardPictures);

} // namespace
} // namespace demogen
