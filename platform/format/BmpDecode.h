#pragma once
// The BMP decoder shared by the true-colour and the 8-bit palette readers.
#include "platform/format/Image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zw {

struct BmpDecoded {
    int width = 0, height = 0;
    int bitsPerPixel = 0;
    std::vector<Rgba> palette;     // 1, 4 and 8 bits: the colour table (256 entries, unused ones black)
    std::vector<uint8_t> indices;  // 1, 4 and 8 bits: one index a pixel, rows top-down
    Image colour;                  // 16, 24 and 32 bits
};

BmpDecoded DecodeBmp(const uint8_t* data, size_t size, const std::string& name);

} // namespace zw
