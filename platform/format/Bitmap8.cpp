#include "platform/format/Bitmap8.h"

#include "platform/format/BmpDecode.h"
#include "util/Errors.h"
#include "util/Paths.h"

#include <algorithm>

namespace zw {

Bitmap8::Bitmap8(int width, int height) {
    if (width < 0 || height < 0) throw ERangeError("bitmap size " + std::to_string(width) + "x" +
                                                   std::to_string(height) + " is negative");
    width_ = width;
    height_ = height;
    pixels_.assign(size_t(width) * size_t(height), 0);
    palette_.fill(Rgba{0, 0, 0, 255});
}

uint8_t Bitmap8::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[size_t(y) * size_t(width_) + size_t(x)];
}

void Bitmap8::Set(int x, int y, uint8_t index) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[size_t(y) * size_t(width_) + size_t(x)] = index;
}

void Bitmap8::SetPalette(const std::vector<Rgba>& colours) {
    palette_.fill(Rgba{0, 0, 0, 255});
    used_ = int(std::min<size_t>(colours.size(), 256));
    for (int i = 0; i < used_; ++i) palette_[size_t(i)] = colours[size_t(i)], palette_[size_t(i)].a = 255;
    if (used_ == 0) used_ = 1;
}

uint8_t Bitmap8::IndexOf(Rgba c) {
    c.a = 255;
    for (int i = 0; i < used_; ++i)
        if (palette_[size_t(i)] == c) return uint8_t(i);
    if (used_ < 256) {
        palette_[size_t(used_)] = c;
        return uint8_t(used_++);
    }
    int best = 0;
    long bestD = -1;
    for (int i = 0; i < 256; ++i) {
        const Rgba& p = palette_[size_t(i)];
        long dr = p.r - c.r, dg = p.g - c.g, db = p.b - c.b;
        long d = dr * dr + dg * dg + db * db;
        if (bestD < 0 || d < bestD) bestD = d, best = i;
    }
    return uint8_t(best);
}

void Bitmap8::CopyRect(int dx, int dy, const Bitmap8& src, int sx, int sy, int w, int h) {
    bool same = src.palette_ == palette_;
    std::array<int, 256> map;
    map.fill(-1);
    for (int y = 0; y < h; ++y) {
        int ty = dy + y, fy = sy + y;
        if (ty < 0 || ty >= height_ || fy < 0 || fy >= src.height_) continue;
        for (int x = 0; x < w; ++x) {
            int tx = dx + x, fx = sx + x;
            if (tx < 0 || tx >= width_ || fx < 0 || fx >= src.width_) continue;
            uint8_t i = src.pixels_[size_t(fy) * size_t(src.width_) + size_t(fx)];
            if (!same) {
                if (map[i] < 0) map[i] = IndexOf(src.palette_[i]);
                i = uint8_t(map[i]);
            }
            pixels_[size_t(ty) * size_t(width_) + size_t(tx)] = i;
        }
    }
}

void Bitmap8::CopyRect(int dx, int dy, const Image& src, int sx, int sy, int w, int h) {
    for (int y = 0; y < h; ++y) {
        int ty = dy + y, fy = sy + y;
        if (ty < 0 || ty >= height_ || fy < 0 || fy >= src.Height()) continue;
        for (int x = 0; x < w; ++x) {
            int tx = dx + x, fx = sx + x;
            if (tx < 0 || tx >= width_ || fx < 0 || fx >= src.Width()) continue;
            pixels_[size_t(ty) * size_t(width_) + size_t(tx)] = IndexOf(src.At(fx, fy));
        }
    }
}

Image Bitmap8::ToImage() const {
    Image img(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) img.Set(x, y, palette_[At(x, y)]);
    return img;
}

Bitmap8 Bitmap8::FromImage(const Image& img) {
    Bitmap8 b(img.Width(), img.Height());
    b.used_ = 0;
    b.CopyRect(0, 0, img, 0, 0, img.Width(), img.Height());
    if (b.used_ == 0) b.used_ = 1;
    return b;
}

Bitmap8 ReadBmp8(const uint8_t* data, size_t size, const std::string& name) {
    BmpDecoded d = DecodeBmp(data, size, name);
    if (d.bitsPerPixel > 8) return Bitmap8::FromImage(d.colour);
    Bitmap8 b(d.width, d.height);
    b.SetPalette(d.palette);
    for (int y = 0; y < d.height; ++y)
        for (int x = 0; x < d.width; ++x) b.Set(x, y, d.indices[size_t(y) * size_t(d.width) + size_t(x)]);
    return b;
}

Bitmap8 ReadBmp8File(const std::string& path) {
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    return ReadBmp8(bytes.data(), bytes.size(), path);
}

void WriteBmp8File(const std::string& path, const Bitmap8& bmp) {
    auto b = EncodeBmp8(bmp);
    WriteFileBytes(path, b.data(), b.size());
}

} // namespace zw
