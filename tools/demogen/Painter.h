#pragma once
// An RGBA canvas for painting the demo world's textures procedurally: fills,
// gradients, deterministic noise, shapes, lines and FreeType text, saved as
// BMP, JPEG or PNG. Everything is deterministic: the same calls give the same
// bytes on every machine (no std distributions, no clock).
#include <cstdint>
#include <string>
#include <vector>

namespace demogen {

struct Color {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    constexpr Color() = default;
    constexpr Color(int red, int green, int blue, int alpha = 255)
        : r(uint8_t(red)), g(uint8_t(green)), b(uint8_t(blue)), a(uint8_t(alpha)) {}
    bool operator==(const Color&) const = default;
};

// Linear mix: t = 0 gives a, t = 1 gives b (t is clamped).
Color Mix(Color a, Color b, double t);
// Multiplies r, g, b by f (clamped to 0..255); alpha kept.
Color Scale(Color c, double f);

// Deterministic hash noise in [0, 1) for integer lattice points.
double Hash01(int x, int y, uint32_t seed);
// Smooth value noise in [0, 1), period-free; `cell` is the lattice size in pixels.
double ValueNoise(double x, double y, double cell, uint32_t seed);
// Sum of `octaves` value-noise layers (each half the cell, half the weight), in [0, 1).
double FractalNoise(double x, double y, double cell, int octaves, uint32_t seed);
// Tileable value noise: wraps every `period` pixels in x and y (period a multiple of cell).
double TileNoise(double x, double y, double cell, int period, uint32_t seed);
double TileFractal(double x, double y, double cell, int octaves, int period, uint32_t seed);

enum class Font { Sans, SansBold, Mono, MonoBold, Condensed, CondensedBold, Serif };
enum class Align { Left, Center, Right };

class Painter {
  public:
    Painter(int width, int height, Color fill = Color{0, 0, 0, 255});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Color At(int x, int y) const;
    void Set(int x, int y, Color c);   // replaces, clipped
    void Blend(int x, int y, Color c); // source-over with c.a, clipped
    void Blend(int x, int y, Color c, double coverage);
    // Row 0 is the top; 4 bytes a pixel, R G B A.
    const std::vector<uint8_t>& Pixels() const { return px_; }

    void Fill(Color c);
    void FillRect(int x, int y, int w, int h, Color c); // blended
    void StrokeRect(int x, int y, int w, int h, int thickness, Color c);
    void VerticalGradient(int x, int y, int w, int h, Color top, Color bottom);
    void HorizontalGradient(int x, int y, int w, int h, Color left, Color right);
    // Blends `inner` at the centre fading to fully transparent at radius r;
    // falloff > 1 makes the glow tighter.
    void RadialGlow(double cx, double cy, double r, Color inner, double falloff = 1.0);
    // Adds (Hash01 - 0.5) * 2 * amount to each channel: fine grain.
    void Grain(int amount, uint32_t seed);

    // Anti-aliased shapes (blended).
    void FillCircle(double cx, double cy, double r, Color c);
    void Ring(double cx, double cy, double r, double thickness, Color c);
    void Line(double x0, double y0, double x1, double y1, double width, Color c);
    // Even-odd filled polygon, points as x0, y0, x1, y1, ...; 4x vertical supersampling.
    void FillPolygon(const std::vector<double>& xy, Color c);
    // A rectangle of width w and length len centred on (cx, cy), rotated by `deg`
    // clockwise from pointing up (screen coordinates): dial needles, arrows.
    void RotatedRect(double cx, double cy, double w, double len, double deg, Color c);

    // Text: (x, y) is the left, centre or right end of the baseline; px is the
    // font's pixel height. Returns the advance width.
    int Text(int x, int y, const std::string& utf8, int px, Color c, Font f = Font::Sans,
             Align align = Align::Left);
    static int TextWidth(const std::string& utf8, int px, Font f = Font::Sans);

    // Copies the canvas into this one at (dx, dy), blended by the source alpha.
    void Draw(const Painter& src, int dx, int dy);
    // A new canvas scaled to w x h by box filtering (down) or bilinear (up).
    Painter Resized(int w, int h) const;
    // Flips rows (for textures whose v runs the other way).
    void FlipVertical();

    // Saves under the game folder, creating folders; `rel` may use backslashes.
    void SaveBmp(const std::string& gameDir, const std::string& rel) const;
    void SaveJpeg(const std::string& gameDir, const std::string& rel, int quality = 90) const;
    void SavePng(const std::string& path) const; // absolute path (screenshots, docs)

  private:
    int width_, height_;
    std::vector<uint8_t> px_;
};

// gameDir + "/" + rel with backslashes turned into slashes; creates the parent folders.
std::string PrepareOutput(const std::string& gameDir, const std::string& rel);

} // namespace demogen
