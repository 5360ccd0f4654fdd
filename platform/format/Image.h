#pragma once
// True-colour pictures (RGBA, 8 bits a channel, rows top-down) and the image
// files the game reads and writes: BMP and JPEG in, BMP, JPEG and PNG out.
#include <cstdint>
#include <string>
#include <vector>

namespace zw {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba&) const = default;
};

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = Rgba{});

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    // Row 0 is the top row; 4 bytes a pixel in the order R, G, B, A.
    const uint8_t* Data() const { return pixels_.data(); }
    uint8_t* Data() { return pixels_.data(); }
    size_t ByteSize() const { return pixels_.size(); }

    Rgba At(int x, int y) const;
    void Set(int x, int y, Rgba c);
    // Copies the w x h rectangle at (sx, sy) of src to (dx, dy), clipped to both images.
    void CopyRect(int dx, int dy, const Image& src, int sx, int sy, int w, int h);

private:
    int width_ = 0, height_ = 0;
    std::vector<uint8_t> pixels_;
};

// Readers take the file's bytes and its name (for errors). Bad or truncated
// input raises EConvertError or EInOutError naming the file; a picture is
// never larger than its file's bytes can describe.
Image ReadBmp(const uint8_t* data, size_t size, const std::string& name);
Image ReadJpeg(const uint8_t* data, size_t size, const std::string& name);
Image ReadPng(const uint8_t* data, size_t size, const std::string& name);
// Picks the reader from the bytes ("BM", JPEG or PNG signature).
Image ReadImage(const uint8_t* data, size_t size, const std::string& name);
// Reads the file (path resolved as every data path) with ReadImage.
Image ReadImageFile(const std::string& path);

// Encoders return the file's bytes; the *File forms write them (EInOutError on failure).
std::vector<uint8_t> EncodeBmp24(const Image& img);
std::vector<uint8_t> EncodePng(const Image& img); // keeps alpha
std::vector<uint8_t> EncodeJpeg(const Image& img, int quality = 90);
void WriteBmp24File(const std::string& path, const Image& img);
void WritePngFile(const std::string& path, const Image& img);
void WriteJpegFile(const std::string& path, const Image& img, int quality = 90);

} // namespace zw
