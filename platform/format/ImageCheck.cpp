// Walks over JPEG segments and PNG chunks before the decoder sees them:
// Huffman tables whose code counts add up to more than 256 symbols overrun
// the decoder's tables, and an empty PNG data chunk makes it copy from nowhere.
#include "platform/format/ImageCheck.h"

#include "util/Errors.h"

namespace zw {
namespace {

[[noreturn]] void Bad(const std::string& name, size_t at, const std::string& what) {
    throw EConvertError(name + ": JPEG " + what + " at byte offset " + std::to_string(at));
}

void CheckHuffmanTables(const uint8_t* seg, size_t len, size_t at, const std::string& name) {
    size_t p = 0;
    while (p < len) {
        if (len - p < 17) Bad(name, at + p, "Huffman table is cut short");
        size_t n = 0;
        for (size_t i = 1; i <= 16; ++i) n += seg[p + i];
        if (n > 256) Bad(name, at + p, "Huffman table with " + std::to_string(n) + " codes (at most 256)");
        if (len - p - 17 < n) Bad(name, at + p, "Huffman table is cut short");
        p += 17 + n;
    }
}

} // namespace

void CheckJpegSegments(const uint8_t* d, size_t size, const std::string& name) {
    size_t p = 2; // after SOI
    while (p + 4 <= size) {
        if (d[p] != 0xFF) {
            ++p; // entropy-coded data or fill: look for the next marker
            continue;
        }
        uint8_t m = d[p + 1];
        if (m == 0xFF) {
            ++p;
            continue;
        }
        if (m == 0x00 || (m >= 0xD0 && m <= 0xD7) || m == 0x01) {
            p += 2; // stuffed byte or restart marker inside scan data
            continue;
        }
        if (m == 0xD9) return; // end of image
        size_t len = size_t(d[p + 2]) << 8 | d[p + 3];
        if (len < 2 || len > size - p - 2)
            Bad(name, p, "segment of " + std::to_string(len) + " bytes runs past the end of the file");
        if (m == 0xC4) CheckHuffmanTables(d + p + 4, len - 2, p + 4, name);
        p += 2 + len;
    }
}

void CheckPngChunks(const uint8_t* d, size_t size, const std::string& name) {
    size_t p = 8; // after the signature
    while (p + 12 <= size) {
        size_t len = size_t(d[p]) << 24 | size_t(d[p + 1]) << 16 | size_t(d[p + 2]) << 8 | d[p + 3];
        if (len > size - p - 12)
            throw EConvertError(name + ": PNG chunk of " + std::to_string(len) + " bytes at byte offset " +
                                std::to_string(p) + " runs past the end of the file");
        if (len == 0 && d[p + 4] == 'I' && d[p + 5] == 'D' && d[p + 6] == 'A' && d[p + 7] == 'T')
            throw EConvertError(name + ": empty PNG image data chunk at byte offset " + std::to_string(p));
        if (d[p + 4] == 'I' && d[p + 5] == 'E' && d[p + 6] == 'N' && d[p + 7] == 'D') return;
        p += 12 + len;
    }
}

} // namespace zw
