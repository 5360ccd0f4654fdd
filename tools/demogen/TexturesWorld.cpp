// Pictures of the world around the city: the sky box by day and by night,
// the grass of the endless terrain per season and quality, the traffic
// signal aspects, the lamp and glow sprites and the light pools.
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Painter.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace demogen {
namespace {

struct Dir {
    double x, y, z; // y up
};

Dir Norm(Dir d) {
    double l = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    return {d.x / l, d.y / l, d.z / l};
}

double SmoothStep(double a, double b, double x) {
    double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// The view direction (scene axes, y up) of pixel (s, t) in 0..1 of a sky-box
// face, as the renderer lays them: front -Z, right +X, back +Z, left -X with
// the picture's top up; the top's and the bottom's lower edges meet the
// front's upper and the back's lower edge.
Dir FaceDir(const std::string& face, double s, double t) {
    double a = 2 * s - 1, b = 1 - 2 * t;
    if (face == "ft") return Norm({a, b, -1});
    if (face == "rt") return Norm({1, b, a});
    if (face == "bk") return Norm({-a, b, 1});
    if (face == "lt") return Norm({-1, b, -a});
    if (face == "up") return Norm({a, 1, b});
    return Norm({a, -1, -b}); // dn
}

double Azimuth(Dir d) {
    return std::atan2(d.x, -d.z);
}

// Height (as a sine of elevation) of the far hills and of the town's roofs,
// tabulated by azimuth once (every sky pixel asks for it).
struct SkylineTable {
    static constexpr int kBins = 4096;
    double height[kBins];
    bool town[kBins];
    SkylineTable() {
        for (int i = 0; i < kBins; ++i) {
            double u = (i + 0.5) / kBins * 720;
            double hills = 0.035 + 0.05 * TileFractal(u, 0, 90, 3, 720, 11);
            int block = int(u / 6);
            double roofs = Hash01(block, 0, 12) < 0.55 ? 0.02 + 0.05 * Hash01(block, 1, 12) : 0;
            roofs *= SmoothStep(0.45, 0.6, TileNoise(u, 0, 120, 720, 13));
            town[i] = roofs > hills;
            height[i] = std::max(hills, roofs);
        }
    }
};

double Skyline(double az, double& townMask) {
    static const SkylineTable table;
    int i = std::clamp(int((az + M_PI) / (2 * M_PI) * SkylineTable::kBins), 0, SkylineTable::kBins - 1);
    townMask = table.town[i] ? 1 : 0;
    return table.height[i];
}

Color DaySky(Dir d) {
    double e = d.y;
    double town;
    double ridge = Skyline(Azimuth(d), town);
    if (e < ridge && e > -0.02) {
        Color hill = town ? Color(120, 128, 140) : Color(96, 118, 112);
        return Mix(hill, Color(170, 190, 210), 0.35 + 0.3 * (ridge - e) / 0.08);
    }
    if (e <= -0.02) return Mix(Color(92, 104, 88), Color(70, 82, 66), std::min(1.0, -e * 3));
    Color sky = Mix(Color(206, 222, 240), Color(64, 122, 214), std::pow(SmoothStep(0, 1, e), 0.6));
    // Clouds on a plane above: thin near the horizon.
    double px = d.x / e * 300, pz = d.z / e * 300;
    double n = FractalNoise(px + 5000, pz + 5000, 260, 5, 21);
    double cover = SmoothStep(0.52, 0.72, n) * SmoothStep(0.03, 0.25, e);
    double shade = 0.82 + 0.18 * FractalNoise(px + 40, pz + 80, 90, 3, 22);
    return Mix(sky, Scale(Color(250, 250, 252), shade), cover);
}

Color NightSky(Dir d) {
    double e = d.y;
    double town;
    double ridge = Skyline(Azimuth(d), town);
    if (e < ridge && e > -0.02) {
        Color c(14, 16, 24);
        // A few lit windows in the town's silhouette.
        if (town) {
            double az = Azimuth(d);
            int wx = int((az + M_PI) * 900), wy = int(e * 900);
            if (Hash01(wx, wy, 31) < 0.06) c = Color(200, 170, 90);
        }
        return c;
    }
    if (e <= -0.02) return Color(10, 12, 14);
    Color sky = Mix(Color(48, 40, 46), Color(6, 9, 24), std::pow(SmoothStep(0, 0.6, e), 0.5));
    // Stars on a fine grid of directions.
    int sx = int(std::floor(d.x * 700)), sy = int(std::floor(d.y * 700)), sz = int(std::floor(d.z * 700));
    double h = Hash01(sx * 7 + sz, sy * 13 - sz, 41);
    if (h < 0.0025 && e > 0.08) {
        double b = 0.5 + 0.5 * Hash01(sx, sy + sz, 42);
        sky = Mix(sky, Color(255, 250, 235), b);
    }
    return sky;
}

void SkyBox(const std::string& dir, bool night) {
    const int size = 512;
    for (const char* face : {"dn", "up", "bk", "ft", "lt", "rt"}) {
        Painter p(size, size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                Dir d = FaceDir(face, (x + 0.5) / size, (y + 0.5) / size);
                p.Set(x, y, night ? NightSky(d) : DaySky(d));
            }
        std::string name = std::string("Textures\\Skybox\\") + (night ? "n_" : "") + face + ".jpg";
        p.SaveJpeg(dir, name, 88);
    }
}

struct Season {
    const char* folder;
    Color base, light, dark;
    Color dots[2];
    double dotShare;
};

void Grass(const std::string& dir, const Season& s, const char* file, int size, uint32_t seed) {
    Painter p(size, size);
    double k = size / 256.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double n = TileFractal(x, y, 64 * k, 4, size, seed);
            double m = TileFractal(x, y, 12 * k, 2, size, seed + 7);
            Color c = n < 0.5 ? Mix(s.dark, s.base, n * 2) : Mix(s.base, s.light, (n - 0.5) * 2);
            p.Set(x, y, Scale(c, 0.88 + 0.24 * m));
        }
    // Blades: short strokes, wrapped so the tile repeats without a seam.
    int blades = size * size / 10;
    for (int i = 0; i < blades; ++i) {
        double x = Hash01(i, 1, seed) * size, y = Hash01(i, 2, seed) * size;
        double a = (Hash01(i, 3, seed) - 0.5) * 1.2, len = (2 + 3 * Hash01(i, 4, seed)) * k;
        Color c = Hash01(i, 5, seed) < 0.5 ? s.light : s.dark;
        c.a = 110;
        for (int ox : {-size, 0, size})
            for (int oy : {-size, 0, size})
                if (x + ox > -8 && x + ox < size + 8 && y + oy > -8 && y + oy < size + 8)
                    p.Line(x + ox, y + oy, x + ox + std::sin(a) * len, y + oy - std::cos(a) * len, 0.8 * k,
                           c);
    }
    int dots = int(size * size * s.dotShare / 100);
    for (int i = 0; i < dots; ++i) {
        double x = Hash01(i, 6, seed) * (size - 4) + 2, y = Hash01(i, 7, seed) * (size - 4) + 2;
        p.FillCircle(x, y, (0.8 + Hash01(i, 8, seed)) * k, s.dots[i % 2]);
    }
    p.Grain(6, seed + 3);
    p.SaveJpeg(dir, std::string("Textures\\Environment\\") + s.folder + "\\" + file, 90);
}

void GrassAll(const std::string& dir) {
    const Season seasons[] = {
        {"Spring",
         Color(92, 150, 60),
         Color(140, 190, 80),
         Color(54, 104, 40),
         {Color(250, 240, 120), Color(250, 250, 250)},
         0.35},
        {"Summer",
         Color(86, 132, 48),
         Color(150, 170, 70),
         Color(50, 90, 32),
         {Color(200, 180, 90), Color(120, 150, 60)},
         0.15},
        {"Autumn",
         Color(122, 118, 58),
         Color(168, 140, 70),
         Color(78, 74, 40),
         {Color(210, 110, 40), Color(180, 60, 30)},
         0.6},
        {"Winter",
         Color(222, 228, 238),
         Color(248, 250, 255),
         Color(170, 182, 200),
         {Color(120, 130, 110), Color(255, 255, 255)},
         0.4},
    };
    uint32_t seed = 100;
    for (const Season& s : seasons) {
        Grass(dir, s, "grass_l.jpg", 128, seed++);
        Grass(dir, s, "grass_m.jpg", 256, seed++);
        Grass(dir, s, "grass_h.jpg", 512, seed++);
    }
}

// A signal head: red, amber, green from the top; `lit` bits 1 red, 2 amber, 4 green.
void Signal(const std::string& dir, const char* name, int lit) {
    Painter p(64, 192, Color(18, 18, 18));
    p.StrokeRect(0, 0, 64, 192, 3, Color(50, 50, 50));
    const Color on[3] = {Color(255, 40, 30), Color(255, 175, 20), Color(40, 255, 110)};
    for (int i = 0; i < 3; ++i) {
        double cy = 32 + 64 * i;
        p.FillCircle(32, cy, 26, Color(5, 5, 5));
        bool l = lit & (1 << i);
        Color c = l ? on[i] : Scale(on[i], 0.16);
        p.FillCircle(32, cy, 22, c);
        if (l) p.RadialGlow(28, cy - 5, 14, Color(255, 255, 230, 200), 1.6);
    }
    p.SaveBmp(dir, std::string("Textures\\") + name);
}

void Glow(const std::string& dir, const char* name, Color core, Color halo, double coreR, double falloff) {
    Painter p(128, 128, Color(0, 0, 0));
    p.RadialGlow(64, 64, 63, halo, falloff);
    p.RadialGlow(64, 64, coreR, core, 1.2);
    p.SaveBmp(dir, std::string("Textures\\") + name);
}

// A patch of headlight on the road: round and soft, so it looks right however
// the bus lays its pool plane; flat in the middle, fading to the rim.
void FrontPool(const std::string& dir) {
    Painter p(128, 128, Color(0, 0, 0));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            double r = std::hypot(x + 0.5 - 64, y + 0.5 - 64) / 64;
            double i = 1 - SmoothStep(0.35, 1.0, r);
            p.Set(x, y, Scale(Color(255, 244, 214), i * 0.8));
        }
    p.SaveBmp(dir, "Textures\\swiatlo.bmp");
}

void World(const std::string& dir) {
    SkyBox(dir, false);
    SkyBox(dir, true);
    GrassAll(dir);
    Signal(dir, "sem1.bmp", 1);
    Signal(dir, "sem2.bmp", 3);
    Signal(dir, "sem3.bmp", 4);
    Signal(dir, "sem4.bmp", 2);
    Glow(dir, "lamp1.bmp", Color(255, 220, 160), Color(255, 150, 60), 18, 2.2);
    Glow(dir, "lampa1.bmp", Color(255, 245, 210), Color(150, 130, 90), 10, 1.4);
    Glow(dir, "kierunek.bmp", Color(255, 200, 80), Color(255, 130, 0), 16, 2.0);
    Glow(dir, "stop.bmp", Color(255, 90, 70), Color(230, 0, 0), 16, 2.0);
    Glow(dir, "drog.bmp", Color(255, 255, 240), Color(200, 210, 255), 18, 2.0);
    FrontPool(dir);
    Glow(dir, "swiatlo2.bmp", Color(120, 10, 10), Color(90, 0, 0), 40, 1.5);
}

PartRegistrar reg("world-textures", &World);

} // namespace
} // namespace demogen
