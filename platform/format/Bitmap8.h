#pragma once
// An 8-bit palette bitmap: what the board generator draws into and saves.
// Pixels are palette indices, rows top-down; a new bitmap is all index 0.
#include "platform/format/Image.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zw {

class Bitmap8 {
public:
    Bitmap8() = default;
    // Palette: entry 0 black, the rest unused until colours are copied in.
    Bitmap8(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const uint8_t* Data() const { return pixels_.data(); }
    uint8_t At(int x, int y) const; // 0 outside
    void Set(int x, int y, uint8_t index);
    Rgba ColourAt(int x, int y) const { return palette_[At(x, y)]; }

    const std::array<Rgba, 256>& Palette() const { return palette_; }
    int PaletteUsed() const { return used_; }
    void SetPalette(const std::vector<Rgba>& colours); // up to 256 entries
    // The palette index of c: an exact entry, else a new entry while there is
    // room, else the nearest colour.
    uint8_t IndexOf(Rgba c);

    // Copies the w x h rectangle at (sx, sy) of src to (dx, dy), clipped to
    // both bitmaps. From an 8-bit bitmap the colours are carried over through
    // this palette (indices are kept when both palettes agree).
    void CopyRect(int dx, int dy, const Bitmap8& src, int sx, int sy, int w, int h);
    void CopyRect(int dx, int dy, const Image& src, int sx, int sy, int w, int h);

    Image ToImage() const;
    static Bitmap8 FromImage(const Image& img);

private:
    int width_ = 0, height_ = 0;
    std::vector<uint8_t> pixels_;
    std::array<Rgba, 256> palette_{};
    int used_ = 1;
};

// Reads a BMP keeping its palette indices (1, 4, 8 bits); deeper files are
// mapped to a palette of their colours.
Bitmap8 ReadBmp8(const uint8_t* data, size_t size, const std::string& name);
Bitmap8 ReadBmp8File(const std::string& path);
// An 8-bit BMP with a 256-entry colour table, rows bottom-up as usual.
std::vector<uint8_t> EncodeBmp8(const Bitmap8& bmp);
void WriteBmp8File(const std::string& path, const Bitmap8& bmp);

} // namespace zw
