#pragma once
// Board glyphs rasterised from DejaVu Sans Bold with FreeType: capitals,
// digits and marks in board-glyph order, sized so that every accent and
// ogonek fits the given height.
#include <cstdint>
#include <vector>

namespace demogen {

struct RasterGlyph {
    int width = 0;                 // ink columns
    std::vector<uint8_t> coverage; // height x width, 0..255, rows from the top
};

// 47 glyphs, each exactly `height` rows tall. mono: hinted 1-bit rendering
// (coverage 0 or 255); otherwise anti-aliased.
std::vector<RasterGlyph> RasteriseBoardGlyphs(int height, bool mono);

} // namespace demogen
