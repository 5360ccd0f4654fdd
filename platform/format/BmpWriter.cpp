// BMP writing: 24-bit true colour and 8-bit with a colour table.
#include "platform/format/Bitmap8.h"
#include "platform/format/Image.h"
#include "util/Errors.h"

namespace zw {
namespace {

void Put16(std::vector<uint8_t>& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}

std::vector<uint8_t> Headers(int w, int h, int bpp, uint32_t paletteBytes) {
    uint32_t stride = ((uint32_t(w) * uint32_t(bpp) + 31) / 32) * 4;
    uint32_t off = 14 + 40 + paletteBytes;
    std::vector<uint8_t> b;
    b.reserve(off + size_t(stride) * size_t(h));
    b.push_back('B');
    b.push_back('M');
    Put32(b, off + stride * uint32_t(h));
    Put32(b, 0);
    Put32(b, off);
    Put32(b, 40);
    Put32(b, uint32_t(w));
    Put32(b, uint32_t(h));
    Put16(b, 1);
    Put16(b, uint16_t(bpp));
    Put32(b, 0);
    Put32(b, stride * uint32_t(h));
    Put32(b, 2835); // 72 dpi
    Put32(b, 2835);
    Put32(b, bpp == 8 ? 256 : 0);
    Put32(b, 0);
    return b;
}

} // namespace

std::vector<uint8_t> EncodeBmp24(const Image& img) {
    if (img.Empty()) throw EInOutError("cannot write an empty picture as BMP");
    std::vector<uint8_t> b = Headers(img.Width(), img.Height(), 24, 0);
    size_t pad = (4 - (size_t(img.Width()) * 3) % 4) % 4;
    for (int y = img.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < img.Width(); ++x) {
            Rgba c = img.At(x, y);
            b.push_back(c.b);
            b.push_back(c.g);
            b.push_back(c.r);
        }
        b.insert(b.end(), pad, 0);
    }
    return b;
}

std::vector<uint8_t> EncodeBmp8(const Bitmap8& bmp) {
    if (bmp.Width() == 0 || bmp.Height() == 0) throw EInOutError("cannot write an empty bitmap as BMP");
    std::vector<uint8_t> b = Headers(bmp.Width(), bmp.Height(), 8, 256 * 4);
    for (const Rgba& c : bmp.Palette()) {
        b.push_back(c.b);
        b.push_back(c.g);
        b.push_back(c.r);
        b.push_back(0);
    }
    size_t pad = (4 - size_t(bmp.Width()) % 4) % 4;
    for (int y = bmp.Height() - 1; y >= 0; --y) {
        const uint8_t* row = bmp.Data() + size_t(y) * size_t(bmp.Width());
        b.insert(b.end(), row, row + bmp.Width());
        b.insert(b.end(), pad, 0);
    }
    return b;
}

} // namespace zw
