// BMP reading: 1, 4 and 8 bits with a colour table, 16, 24 and 32 bits,
// plain rows or bit-field masks, bottom-up or top-down.
#include "platform/format/BmpDecode.h"
#include "platform/format/ByteReader.h"
#include "util/Errors.h"

#include <algorithm>

namespace zw {
namespace {

constexpr int kMaxSide = 32768;

struct Header {
    int width = 0, height = 0;
    bool topDown = false;
    int bpp = 0;
    uint32_t compression = 0;
    uint32_t colours = 0;
    uint32_t masks[4] = {0, 0, 0, 0};
    bool core = false; // 12-byte header: 3-byte palette entries
};

[[noreturn]] void Bad(const std::string& name, const std::string& what) {
    throw EConvertError(name + ": " + what);
}

Header ReadHeader(ByteReader& in) {
    Header h;
    size_t start = in.Pos();
    uint32_t hsize = in.U32("BMP info header size");
    if (hsize == 12) {
        h.core = true;
        h.width = in.U16("BMP width");
        h.height = in.U16("BMP height");
        in.U16("BMP planes");
        h.bpp = in.U16("BMP bits per pixel");
        return h;
    }
    if (hsize < 40 || hsize > 1024) Bad(in.Name(), "BMP info header size " + std::to_string(hsize) + " is not valid");
    in.Need(hsize - 4, "BMP info header");
    int32_t w = in.I32("BMP width"), ht = in.I32("BMP height");
    in.U16("BMP planes");
    h.bpp = in.U16("BMP bits per pixel");
    h.compression = in.U32("BMP compression");
    in.Skip(12, "BMP info header");
    h.colours = in.U32("BMP colours used");
    in.U32("BMP important colours");
    if (ht == INT32_MIN) Bad(in.Name(), "BMP height is not valid");
    h.topDown = ht < 0;
    h.width = w;
    h.height = ht < 0 ? -ht : ht;
    bool fields = h.compression == 3 || h.compression == 6;
    if (hsize >= 52 || fields) {
        int n = hsize >= 56 || h.compression == 6 ? 4 : 3;
        for (int i = 0; i < n; ++i) h.masks[i] = in.U32("BMP colour masks");
    }
    in.Seek(std::max(in.Pos(), start + hsize), "BMP info header");
    return h;
}

void CheckHeader(const Header& h, const std::string& name) {
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxSide || h.height > kMaxSide)
        Bad(name, "BMP size " + std::to_string(h.width) + "x" + std::to_string(h.height) + " is not valid");
    bool known = h.bpp == 1 || h.bpp == 4 || h.bpp == 8 || h.bpp == 16 || h.bpp == 24 || h.bpp == 32;
    if (!known) Bad(name, "BMP with " + std::to_string(h.bpp) + " bits per pixel is not supported");
    bool fields = h.compression == 3 || h.compression == 6;
    bool rle = (h.compression == 1 && h.bpp == 8) || (h.compression == 2 && h.bpp == 4);
    if (rle && h.topDown) Bad(name, "a run-length coded BMP cannot be top-down");
    if (h.compression != 0 && !rle && !(fields && (h.bpp == 16 || h.bpp == 32)))
        Bad(name, "BMP compression " + std::to_string(h.compression) + " is not supported");
}

// One colour channel from a bit-field mask, scaled to 0..255.
uint8_t Channel(uint32_t v, uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1u)) ++shift;
    uint32_t m = mask >> shift;
    uint32_t c = (v >> shift) & m;
    return uint8_t((c * 255u + m / 2) / m);
}

void DecodeColour(const Header& h, const uint8_t* rows, size_t stride, BmpDecoded& out) {
    out.colour = Image(h.width, h.height);
    uint32_t masks[4] = {h.masks[0], h.masks[1], h.masks[2], h.masks[3]};
    bool fields = h.compression == 3 || h.compression == 6;
    if (!fields && h.bpp == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F, masks[3] = 0;
    bool anyAlpha = false;
    for (int y = 0; y < h.height; ++y) {
        const uint8_t* row = rows + stride * size_t(h.topDown ? y : h.height - 1 - y);
        for (int x = 0; x < h.width; ++x) {
            Rgba c;
            if (h.bpp == 24) {
                c = Rgba{row[x * 3 + 2], row[x * 3 + 1], row[x * 3], 255};
            } else if (h.bpp == 32 && !fields) {
                const uint8_t* p = row + x * 4;
                c = Rgba{p[2], p[1], p[0], p[3]};
                anyAlpha |= p[3] != 0;
            } else {
                uint32_t v = h.bpp == 16 ? uint32_t(row[x * 2] | (row[x * 2 + 1] << 8))
                                         : uint32_t(row[x * 4]) | (uint32_t(row[x * 4 + 1]) << 8) |
                                               (uint32_t(row[x * 4 + 2]) << 16) | (uint32_t(row[x * 4 + 3]) << 24);
                c = Rgba{Channel(v, masks[0]), Channel(v, masks[1]), Channel(v, masks[2]),
                         masks[3] ? Channel(v, masks[3]) : uint8_t(255)};
            }
            out.colour.Set(x, y, c);
        }
    }
    // Plain 32-bit rows usually leave the fourth byte 0: then the picture is opaque.
    if (h.bpp == 32 && !fields && !anyAlpha) {
        uint8_t* p = out.colour.Data();
        for (size_t i = 3; i < out.colour.ByteSize(); i += 4) p[i] = 255;
    }
}

void DecodeIndexed(const Header& h, const uint8_t* rows, size_t stride, BmpDecoded& out) {
    out.indices.resize(size_t(h.width) * size_t(h.height));
    int perByte = 8 / h.bpp;
    uint8_t mask = uint8_t((1u << h.bpp) - 1);
    for (int y = 0; y < h.height; ++y) {
        const uint8_t* row = rows + stride * size_t(h.topDown ? y : h.height - 1 - y);
        uint8_t* dst = &out.indices[size_t(y) * size_t(h.width)];
        for (int x = 0; x < h.width; ++x) {
            uint8_t byte = row[x / perByte];
            int shift = 8 - h.bpp * (x % perByte + 1);
            dst[x] = uint8_t((byte >> shift) & mask);
        }
    }
}

// Run-length coded 8- and 4-bit rows (bottom-up). Pixels the codes skip stay
// index 0; codes that would write outside the picture are clipped.
void DecodeRle(const Header& h, const uint8_t* p, size_t n, BmpDecoded& out) {
    out.indices.assign(size_t(h.width) * size_t(h.height), 0);
    long x = 0, y = h.height - 1;
    auto put = [&](uint8_t v) {
        if (x >= 0 && x < h.width && y >= 0) out.indices[size_t(y) * size_t(h.width) + size_t(x)] = v;
        ++x;
    };
    size_t i = 0;
    while (i + 1 < n && y >= 0) {
        uint8_t count = p[i], code = p[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                put(h.bpp == 8 ? code : uint8_t(k % 2 ? code & 0x0F : code >> 4));
        } else if (code == 0) {
            x = 0, --y;
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            if (i + 1 >= n) break;
            x += p[i], y -= p[i + 1];
            i += 2;
        } else {
            size_t bytes = h.bpp == 8 ? code : (size_t(code) + 1) / 2;
            if (i + bytes > n) break;
            for (int k = 0; k < code; ++k)
                put(h.bpp == 8 ? p[i + size_t(k)] : uint8_t(k % 2 ? p[i + size_t(k / 2)] & 0x0F : p[i + size_t(k / 2)] >> 4));
            i += (bytes + 1) & ~size_t(1);
        }
    }
}

} // namespace

BmpDecoded DecodeBmp(const uint8_t* data, size_t size, const std::string& name) {
    ByteReader in(data, size, name);
    if (size < 2 || data[0] != 'B' || data[1] != 'M') Bad(name, "not a BMP file (no \"BM\" signature)");
    in.Skip(10, "BMP file header");
    uint32_t offBits = in.U32("BMP pixel offset");
    Header h = ReadHeader(in);
    CheckHeader(h, name);

    BmpDecoded out;
    out.width = h.width;
    out.height = h.height;
    out.bitsPerPixel = h.bpp;
    if (h.bpp <= 8) {
        uint32_t n = h.colours ? h.colours : (1u << h.bpp);
        if (n > 256) Bad(name, "BMP colour table of " + std::to_string(n) + " entries");
        size_t entry = h.core ? 3 : 4;
        in.Need(n * entry, "BMP colour table");
        out.palette.assign(256, Rgba{0, 0, 0, 255});
        for (uint32_t i = 0; i < n; ++i) {
            const uint8_t* p = data + in.Pos() + i * entry;
            out.palette[i] = Rgba{p[2], p[1], p[0], 255};
        }
    }
    if (h.compression == 1 || h.compression == 2) {
        if (offBits > size) in.Fail("BMP pixels", offBits - in.Pos());
        // Runs of up to 255 pixels per 2 bytes: a bound on what the file can describe.
        if (uint64_t(h.width) * uint64_t(h.height) > 256 * uint64_t(size - offBits) + 65536)
            Bad(name, "BMP size " + std::to_string(h.width) + "x" + std::to_string(h.height) +
                          " is more than its run-length codes can hold");
        DecodeRle(h, data + offBits, size - offBits, out);
        return out;
    }
    size_t stride = ((size_t(h.width) * size_t(h.bpp) + 31) / 32) * 4;
    size_t need = stride * size_t(h.height);
    if (offBits > size || need > size - offBits) {
        in.Seek(std::min<size_t>(offBits, size), "BMP pixels");
        in.Fail("BMP pixels (" + std::to_string(h.width) + "x" + std::to_string(h.height) + ", " +
                    std::to_string(h.bpp) + " bits)", need);
    }
    const uint8_t* rows = data + offBits;
    if (h.bpp <= 8) DecodeIndexed(h, rows, stride, out);
    else DecodeColour(h, rows, stride, out);
    return out;
}

Image ReadBmp(const uint8_t* data, size_t size, const std::string& name) {
    BmpDecoded d = DecodeBmp(data, size, name);
    if (d.bitsPerPixel > 8) return std::move(d.colour);
    Image img(d.width, d.height);
    uint8_t* p = img.Data();
    for (size_t i = 0; i < d.indices.size(); ++i) {
        Rgba c = d.palette[d.indices[i]];
        p[i * 4] = c.r;
        p[i * 4 + 1] = c.g;
        p[i * 4 + 2] = c.b;
        p[i * 4 + 3] = 255;
    }
    return img;
}

} // namespace zw
