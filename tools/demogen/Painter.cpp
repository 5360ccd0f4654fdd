#include "tools/demogen/Painter.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace demogen {

namespace {
uint8_t Clamp8(double v) {
    return uint8_t(std::clamp(std::lround(v), 0L, 255L));
}

double Smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}
} // namespace

Color Mix(Color a, Color b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return Color(Clamp8(Lerp(a.r, b.r, t)), Clamp8(Lerp(a.g, b.g, t)), Clamp8(Lerp(a.b, b.b, t)),
                 Clamp8(Lerp(a.a, b.a, t)));
}

Color Scale(Color c, double f) {
    return Color(Clamp8(c.r * f), Clamp8(c.g * f), Clamp8(c.b * f), c.a);
}

double Hash01(int x, int y, uint32_t seed) {
    uint32_t h = uint32_t(x) * 0x8da6b343u ^ uint32_t(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    h *= 0x27d4eb2du;
    h ^= h >> 16;
    return double(h & 0xffffff) / double(0x1000000);
}

static double LatticeNoise(double x, double y, double cell, int period, uint32_t seed) {
    double fx = x / cell, fy = y / cell;
    int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    double tx = Smooth(fx - ix), ty = Smooth(fy - iy);
    auto at = [&](int i, int j) {
        if (period > 0) {
            i = ((i % period) + period) % period;
            j = ((j % period) + period) % period;
        }
        return Hash01(i, j, seed);
    };
    double a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
    return Lerp(Lerp(a, b, tx), Lerp(c, d, tx), ty);
}

double ValueNoise(double x, double y, double cell, uint32_t seed) {
    return LatticeNoise(x, y, cell, 0, seed);
}

double FractalNoise(double x, double y, double cell, int octaves, uint32_t seed) {
    double sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * ValueNoise(x, y, cell, seed + uint32_t(o) * 101u);
        total += weight;
        weight *= 0.5;
        cell = std::max(1.0, cell * 0.5);
    }
    return sum / total;
}

double TileNoise(double x, double y, double cell, int period, uint32_t seed) {
    int cells = std::max(1, int(std::lround(period / cell)));
    return LatticeNoise(x, y, double(period) / cells, cells, seed);
}

double TileFractal(double x, double y, double cell, int octaves, int period, uint32_t seed) {
    double sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * TileNoise(x, y, cell, period, seed + uint32_t(o) * 101u);
        total += weight;
        weight *= 0.5;
        cell = std::max(1.0, cell * 0.5);
    }
    return sum / total;
}

Painter::Painter(int width, int height, Color fill) : width_(width), height_(height) {
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192)
        throw std::invalid_argument("Painter: bad size " + std::to_string(width) + "x" +
                                    std::to_string(height));
    px_.resize(size_t(width) * size_t(height) * 4);
    Fill(fill);
}

Color Painter::At(int x, int y) const {
    x = std::clamp(x, 0, width_ - 1);
    y = std::clamp(y, 0, height_ - 1);
    const uint8_t* p = &px_[(size_t(y) * width_ + x) * 4];
    return Color(p[0], p[1], p[2], p[3]);
}

void Painter::Set(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* p = &px_[(size_t(y) * width_ + x) * 4];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
}

void Painter::Blend(int x, int y, Color c) {
    Blend(x, y, c, 1.0);
}

void Painter::Blend(int x, int y, Color c, double coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    double a = std::clamp(coverage, 0.0, 1.0) * c.a / 255.0;
    if (a <= 0) return;
    uint8_t* p = &px_[(size_t(y) * width_ + x) * 4];
    p[0] = Clamp8(Lerp(p[0], c.r, a));
    p[1] = Clamp8(Lerp(p[1], c.g, a));
    p[2] = Clamp8(Lerp(p[2], c.b, a));
    p[3] = Clamp8(p[3] + (255 - p[3]) * a);
}

void Painter::Fill(Color c) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            Set(x, y, c);
}

void Painter::FillRect(int x, int y, int w, int h, Color c) {
    int x0 = std::max(0, x), y0 = std::max(0, y);
    int x1 = std::min(width_, x + w), y1 = std::min(height_, y + h);
    for (int j = y0; j < y1; ++j)
        for (int i = x0; i < x1; ++i)
            Blend(i, j, c);
}

void Painter::StrokeRect(int x, int y, int w, int h, int t, Color c) {
    FillRect(x, y, w, t, c);
    FillRect(x, y + h - t, w, t, c);
    FillRect(x, y + t, t, h - 2 * t, c);
    FillRect(x + w - t, y + t, t, h - 2 * t, c);
}

void Painter::VerticalGradient(int x, int y, int w, int h, Color top, Color bottom) {
    for (int j = 0; j < h; ++j) {
        Color c = Mix(top, bottom, h > 1 ? double(j) / (h - 1) : 0.0);
        for (int i = 0; i < w; ++i)
            Blend(x + i, y + j, c);
    }
}

void Painter::HorizontalGradient(int x, int y, int w, int h, Color left, Color right) {
    for (int i = 0; i < w; ++i) {
        Color c = Mix(left, right, w > 1 ? double(i) / (w - 1) : 0.0);
        for (int j = 0; j < h; ++j)
            Blend(x + i, y + j, c);
    }
}

void Painter::RadialGlow(double cx, double cy, double r, Color inner, double falloff) {
    int x0 = std::max(0, int(cx - r) - 1), x1 = std::min(width_ - 1, int(cx + r) + 1);
    int y0 = std::max(0, int(cy - r) - 1), y1 = std::min(height_ - 1, int(cy + r) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / r;
            if (d >= 1) continue;
            Blend(x, y, inner, std::pow(1.0 - d, falloff));
        }
}

void Painter::Grain(int amount, uint32_t seed) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            double n = (Hash01(x, y, seed) - 0.5) * 2.0 * amount;
            uint8_t* p = &px_[(size_t(y) * width_ + x) * 4];
            for (int k = 0; k < 3; ++k)
                p[k] = Clamp8(p[k] + n);
        }
}

void Painter::FillCircle(double cx, double cy, double r, Color c) {
    int x0 = std::max(0, int(cx - r) - 1), x1 = std::min(width_ - 1, int(cx + r) + 1);
    int y0 = std::max(0, int(cy - r) - 1), y1 = std::min(height_ - 1, int(cy + r) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            Blend(x, y, c, r + 0.5 - d);
        }
}

void Painter::Ring(double cx, double cy, double r, double t, Color c) {
    double ro = r + t / 2, ri = r - t / 2;
    int x0 = std::max(0, int(cx - ro) - 1), x1 = std::min(width_ - 1, int(cx + ro) + 1);
    int y0 = std::max(0, int(cy - ro) - 1), y1 = std::min(height_ - 1, int(cy + ro) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            double cov = std::min(ro + 0.5 - d, d - ri + 0.5);
            Blend(x, y, c, cov);
        }
}

void Painter::Line(double x0, double y0, double x1, double y1, double w, Color c) {
    double dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    int bx0 = std::max(0, int(std::min(x0, x1) - w) - 1),
        bx1 = std::min(width_ - 1, int(std::max(x0, x1) + w) + 1);
    int by0 = std::max(0, int(std::min(y0, y1) - w) - 1),
        by1 = std::min(height_ - 1, int(std::max(y0, y1) + w) + 1);
    for (int y = by0; y <= by1; ++y)
        for (int x = bx0; x <= bx1; ++x) {
            double px = x + 0.5, py = y + 0.5;
            double t = len2 > 0 ? std::clamp(((px - x0) * dx + (py - y0) * dy) / len2, 0.0, 1.0) : 0.0;
            double d = std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
            Blend(x, y, c, w / 2 + 0.5 - d);
        }
}

void Painter::FillPolygon(const std::vector<double>& xy, Color c) {
    size_t n = xy.size() / 2;
    if (n < 3) return;
    double ymin = xy[1], ymax = xy[1];
    for (size_t i = 0; i < n; ++i) {
        ymin = std::min(ymin, xy[2 * i + 1]);
        ymax = std::max(ymax, xy[2 * i + 1]);
    }
    constexpr int kSub = 4;
    std::vector<double> cover(static_cast<size_t>(width_));
    std::vector<double> xs;
    for (int y = std::max(0, int(ymin)); y <= std::min(height_ - 1, int(ymax)); ++y) {
        std::fill(cover.begin(), cover.end(), 0.0);
        for (int s = 0; s < kSub; ++s) {
            double sy = y + (s + 0.5) / kSub;
            xs.clear();
            for (size_t i = 0; i < n; ++i) {
                double ax = xy[2 * i], ay = xy[2 * i + 1];
                double bx = xy[2 * ((i + 1) % n)], by = xy[2 * ((i + 1) % n) + 1];
                if ((ay <= sy) != (by <= sy)) xs.push_back(ax + (sy - ay) * (bx - ax) / (by - ay));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t k = 0; k + 1 < xs.size(); k += 2) {
                double a = std::max(0.0, xs[k]), b = std::min(double(width_), xs[k + 1]);
                for (int x = int(a); x < width_ && x < b; ++x) {
                    double l = std::max(a, double(x)), r = std::min(b, double(x + 1));
                    if (r > l) cover[size_t(x)] += (r - l) / kSub;
                }
            }
        }
        for (int x = 0; x < width_; ++x)
            if (cover[size_t(x)] > 0) Blend(x, y, c, cover[size_t(x)]);
    }
}

void Painter::RotatedRect(double cx, double cy, double w, double len, double deg, Color c) {
    double a = deg * M_PI / 180.0;
    double ux = std::sin(a), uy = -std::cos(a); // along the length
    double vx = -uy, vy = ux;                   // across
    double hl = len / 2, hw = w / 2;
    FillPolygon({cx - ux * hl - vx * hw, cy - uy * hl - vy * hw, cx + ux * hl - vx * hw,
                 cy + uy * hl - vy * hw, cx + ux * hl + vx * hw, cy + uy * hl + vy * hw,
                 cx - ux * hl + vx * hw, cy - uy * hl + vy * hw},
                c);
}

void Painter::Draw(const Painter& src, int dx, int dy) {
    for (int y = 0; y < src.height_; ++y)
        for (int x = 0; x < src.width_; ++x)
            Blend(dx + x, dy + y, src.At(x, y));
}

Painter Painter::Resized(int w, int h) const {
    Painter out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double sx0 = double(x) * width_ / w, sx1 = double(x + 1) * width_ / w;
            double sy0 = double(y) * height_ / h, sy1 = double(y + 1) * height_ / h;
            double acc[4] = {0, 0, 0, 0}, total = 0;
            if (sx1 - sx0 <= 1.0 && sy1 - sy0 <= 1.0) {
                // Upscaling: bilinear.
                double fx = (x + 0.5) * width_ / w - 0.5, fy = (y + 0.5) * height_ / h - 0.5;
                int ix = int(std::floor(fx)), iy = int(std::floor(fy));
                double tx = fx - ix, ty = fy - iy;
                Color c00 = At(ix, iy), c10 = At(ix + 1, iy), c01 = At(ix, iy + 1), c11 = At(ix + 1, iy + 1);
                out.Set(x, y, Mix(Mix(c00, c10, tx), Mix(c01, c11, tx), ty));
                continue;
            }
            for (int j = int(sy0); j < int(std::ceil(sy1)) && j < height_; ++j)
                for (int i = int(sx0); i < int(std::ceil(sx1)) && i < width_; ++i) {
                    Color c = At(i, j);
                    acc[0] += c.r;
                    acc[1] += c.g;
                    acc[2] += c.b;
                    acc[3] += c.a;
                    total += 1;
                }
            out.Set(x, y,
                    Color(Clamp8(acc[0] / total), Clamp8(acc[1] / total), Clamp8(acc[2] / total),
                          Clamp8(acc[3] / total)));
        }
    return out;
}

void Painter::FlipVertical() {
    size_t row = size_t(width_) * 4;
    for (int y = 0; y < height_ / 2; ++y)
        std::swap_ranges(px_.begin() + long(y * row), px_.begin() + long((y + 1) * row),
                         px_.begin() + long((height_ - 1 - y) * row));
}

} // namespace demogen
