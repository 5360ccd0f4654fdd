// JPEG and PNG through stb_image and stb_image_write, compiled here with
// internal linkage so that no other user of stb collides with us.
#include "platform/format/Image.h"
#include "platform/format/ImageCheck.h"
#include "util/Errors.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wtype-limits"
#pragma GCC diagnostic ignored "-Wmisleading-indentation"
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_HDR
#define STBI_NO_LINEAR
#define STBI_MAX_DIMENSIONS 32768
#include <stb_image.h>
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>
#pragma GCC diagnostic pop

#include <cstring>
#include <memory>

namespace zw {
namespace {

// A compressed picture may describe far more pixels than it has bytes, but
// not without limit: this bounds what a tiny or damaged file can make us allocate.
constexpr uint64_t kMaxPixels = uint64_t(1) << 26;
constexpr uint64_t kPixelsPerByte = 4096;

Image Decode(const uint8_t* data, size_t size, const std::string& name, const char* kind) {
    if (size > size_t(INT32_MAX)) throw EInOutError(name + ": " + kind + " file is too large");
    int w = 0, h = 0, comp = 0;
    if (!stbi_info_from_memory(data, int(size), &w, &h, &comp))
        throw EConvertError(name + ": not a valid " + kind + " image (" + stbi_failure_reason() + ")");
    uint64_t pixels = uint64_t(w) * uint64_t(h);
    if (w <= 0 || h <= 0 || pixels > kMaxPixels || pixels > kPixelsPerByte * size + 65536)
        throw EConvertError(name + ": " + kind + " size " + std::to_string(w) + "x" + std::to_string(h) +
                            " is more than the file's " + std::to_string(size) + " bytes can hold");
    std::unique_ptr<stbi_uc, void (*)(void*)> px(stbi_load_from_memory(data, int(size), &w, &h, &comp, 4),
                                                 stbi_image_free);
    if (!px) throw EConvertError(name + ": " + kind + " image cannot be decoded (" + stbi_failure_reason() + ")");
    Image img(w, h);
    std::memcpy(img.Data(), px.get(), img.ByteSize());
    return img;
}

void Append(void* ctx, void* data, int size) {
    auto* out = static_cast<std::vector<uint8_t>*>(ctx);
    auto* p = static_cast<uint8_t*>(data);
    out->insert(out->end(), p, p + size);
}

void CheckEncodable(const Image& img, const char* kind) {
    if (img.Empty()) throw EInOutError(std::string("cannot write an empty picture as ") + kind);
}

} // namespace

Image ReadJpeg(const uint8_t* data, size_t size, const std::string& name) {
    if (size < 3 || data[0] != 0xFF || data[1] != 0xD8) throw EConvertError(name + ": not a JPEG file");
    CheckJpegSegments(data, size, name);
    return Decode(data, size, name, "JPEG");
}

Image ReadPng(const uint8_t* data, size_t size, const std::string& name) {
    if (size < 8 || std::memcmp(data, "\x89PNG", 4) != 0) throw EConvertError(name + ": not a PNG file");
    CheckPngChunks(data, size, name);
    return Decode(data, size, name, "PNG");
}

std::vector<uint8_t> EncodePng(const Image& img) {
    CheckEncodable(img, "PNG");
    std::vector<uint8_t> out;
    if (!stbi_write_png_to_func(Append, &out, img.Width(), img.Height(), 4, img.Data(), img.Width() * 4))
        throw EInOutError("PNG encoding failed");
    return out;
}

std::vector<uint8_t> EncodeJpeg(const Image& img, int quality) {
    CheckEncodable(img, "JPEG");
    std::vector<uint8_t> out;
    if (!stbi_write_jpg_to_func(Append, &out, img.Width(), img.Height(), 4, img.Data(), quality))
        throw EInOutError("JPEG encoding failed");
    return out;
}

} // namespace zw
