#include "platform/format/Image.h"

#include "util/Errors.h"
#include "util/Paths.h"

#include <algorithm>
#include <cstring>

namespace zw {

Image::Image(int width, int height, Rgba fill) {
    if (width < 0 || height < 0) throw ERangeError("image size " + std::to_string(width) + "x" +
                                                   std::to_string(height) + " is negative");
    width_ = width;
    height_ = height;
    pixels_.resize(size_t(width) * size_t(height) * 4);
    for (size_t i = 0; i < pixels_.size(); i += 4) {
        pixels_[i] = fill.r;
        pixels_[i + 1] = fill.g;
        pixels_[i + 2] = fill.b;
        pixels_[i + 3] = fill.a;
    }
}

Rgba Image::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return Rgba{0, 0, 0, 0};
    const uint8_t* p = &pixels_[(size_t(y) * size_t(width_) + size_t(x)) * 4];
    return Rgba{p[0], p[1], p[2], p[3]};
}

void Image::Set(int x, int y, Rgba c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* p = &pixels_[(size_t(y) * size_t(width_) + size_t(x)) * 4];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
}

void Image::CopyRect(int dx, int dy, const Image& src, int sx, int sy, int w, int h) {
    for (int y = 0; y < h; ++y) {
        int ty = dy + y, fy = sy + y;
        if (ty < 0 || ty >= height_ || fy < 0 || fy >= src.height_) continue;
        for (int x = 0; x < w; ++x) {
            int tx = dx + x, fx = sx + x;
            if (tx < 0 || tx >= width_ || fx < 0 || fx >= src.width_) continue;
            std::memcpy(&pixels_[(size_t(ty) * size_t(width_) + size_t(tx)) * 4],
                        &src.pixels_[(size_t(fy) * size_t(src.width_) + size_t(fx)) * 4], 4);
        }
    }
}

Image ReadImage(const uint8_t* data, size_t size, const std::string& name) {
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return ReadBmp(data, size, name);
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return ReadJpeg(data, size, name);
    if (size >= 8 && std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) == 0) return ReadPng(data, size, name);
    throw EConvertError(name + ": not a BMP, JPEG or PNG image");
}

Image ReadImageFile(const std::string& path) {
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    return ReadImage(bytes.data(), bytes.size(), path);
}

void WriteBmp24File(const std::string& path, const Image& img) {
    auto b = EncodeBmp24(img);
    WriteFileBytes(path, b.data(), b.size());
}
void WritePngFile(const std::string& path, const Image& img) {
    auto b = EncodePng(img);
    WriteFileBytes(path, b.data(), b.size());
}
void WriteJpegFile(const std::string& path, const Image& img, int quality) {
    auto b = EncodeJpeg(img, quality);
    WriteFileBytes(path, b.data(), b.size());
}

} // namespace zw
