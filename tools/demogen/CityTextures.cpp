// Pictures of the city's models, ground, planes and mesh scripts: facades
// with windows, brick, plaster, roofs, asphalt with markings, paving, trees,
// fences. Textures beside the models are named in their 3DS materials.
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Painter.h"

#include <algorithm>

#include <cmath>

namespace demogen {

namespace {
const Color kKey{255, 0, 255}; // transparent planes: the top-left texel's colour

// Smoothed edges mix with the key colour; the game makes only the exact key
// transparent, so every texel becomes either the key or opaque leaf.
void SnapKey(Painter& p) {
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            Color c = p.At(x, y);
            if (c == kKey) continue;
            int pink = std::min(c.r, c.b) - c.g;
            if (pink > 40)
                p.Set(x, y, kKey);
            else if (c.r > 200 && c.b > 200)
                p.Set(x, y, Color(200, 60, 200));
        }
}

// Noise-tinted fill: base colour varied by fractal noise and grain.
void Surface(Painter& p, Color base, double amount, double cell, uint32_t seed, bool tile = true) {
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            double n = tile ? TileFractal(x, y, cell, 4, p.Width(), seed) : FractalNoise(x, y, cell, 4, seed);
            p.Set(x, y, Scale(base, 1 + (n - 0.5) * amount));
        }
    p.Grain(5, seed + 1);
}

// A window: frame, glass with a sky reflection gradient, mullions; lit windows glow warm.
void Window(Painter& p, int x, int y, int w, int h, Color frame, bool lit, int mullions, uint32_t seed) {
    p.FillRect(x - 2, y - 2, w + 4, h + 4, frame);
    Color top = lit ? Color(255, 226, 150) : Color(120, 150, 180);
    Color bottom = lit ? Color(230, 170, 90) : Color(40, 54, 70);
    p.VerticalGradient(x, y, w, h, top, bottom);
    // A diagonal highlight.
    if (!lit)
        p.FillPolygon({double(x), double(y + h * 0.6), double(x + w * 0.5), double(y), double(x + w * 0.7),
                       double(y), double(x), double(y + h * 0.9)},
                      Color(255, 255, 255, 40));
    // Curtains in some windows.
    if (Hash01(x, y, seed) < 0.35) p.FillRect(x, y, w / 4, h, Color(230, 220, 200, 150));
    for (int i = 1; i <= mullions; ++i)
        p.FillRect(x + w * i / (mullions + 1) - 1, y, 3, h, frame);
    p.FillRect(x, y + h / 3, w, 3, frame);
    p.FillRect(x - 3, y + h + 2, w + 6, 4, Scale(frame, 0.8)); // sill
}

void Brick(Painter& p, Color brick, Color mortar, int bw, int bh, uint32_t seed) {
    p.Fill(mortar);
    for (int row = 0; row * bh < p.Height(); ++row) {
        int off = (row % 2) * bw / 2;
        for (int col = -1; col * bw < p.Width(); ++col) {
            double t = Hash01(row, col, seed);
            Color c = Scale(brick, 0.8 + 0.35 * t);
            int x0 = col * bw + off;
            p.FillRect(x0 + 1, row * bh + 1, bw - 2, bh - 2, c);
        }
    }
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            double n = TileFractal(x, y, 32, 3, p.Width(), seed + 5);
            p.Set(x, y, Scale(p.At(x, y), 0.85 + 0.3 * n));
        }
    p.Grain(8, seed + 9);
}
Painter PanelBlockFacade() {
    // Two bays by two floors of a prefabricated block (6.8 m x 5.6 m).
    Painter p(256, 212);
    Surface(p, Color(200, 196, 184), 0.18, 48, 301);
    for (int fl = 0; fl < 2; ++fl) {
        int y0 = fl * 106;
        p.FillRect(0, y0 + 102, 256, 4, Color(150, 146, 138)); // panel joint
        for (int bay = 0; bay < 2; ++bay) {
            int x0 = bay * 128;
            p.FillRect(x0 + 126, y0, 2, 106, Color(160, 156, 148));
            // Balcony in the left bay, plain window in the right.
            if (bay == 0) {
                Window(p, x0 + 18, y0 + 14, 40, 70, Color(235, 235, 230), false, 1, 302 + fl);
                Window(p, x0 + 68, y0 + 26, 44, 44, Color(235, 235, 230), false, 1, 303 + fl);
                p.FillRect(x0 + 10, y0 + 64, 108, 36, Color(120, 140, 160));
                p.FillRect(x0 + 10, y0 + 64, 108, 4, Color(90, 100, 110));
                for (int i = 0; i < 12; ++i)
                    p.FillRect(x0 + 14 + i * 9, y0 + 68, 2, 32, Color(100, 115, 130));
            } else {
                Window(p, x0 + 24, y0 + 22, 80, 52, Color(235, 235, 230), false, 2, 304 + fl);
            }
        }
    }
    return p;
}

Painter TenementFacade(Color plaster) {
    // Two bays of one floor (5.5 m x 3.5 m): tall framed windows, a cornice band.
    Painter p(256, 163);
    Surface(p, plaster, 0.22, 40, 311);
    for (int bay = 0; bay < 2; ++bay) {
        int x0 = bay * 128 + 36;
        p.FillRect(x0 - 8, 10, 72, 10, Scale(plaster, 1.12)); // lintel
        p.FillRect(x0 - 8, 8, 72, 3, Scale(plaster, 0.8));
        Window(p, x0, 24, 56, 104, Color(90, 60, 40), false, 1, 312 + bay);
        p.FillRect(x0 - 6, 134, 68, 6, Scale(plaster, 1.15));
    }
    p.FillRect(0, 152, 256, 11, Scale(plaster, 1.1)); // string course
    p.FillRect(0, 150, 256, 2, Scale(plaster, 0.75));
    return p;
}

Painter ShopFront(const std::string& sign, Color signColor) {
    // One shop of a ground floor: sign band, two large panes and a door (5.5 m x 4 m).
    Painter p(256, 186);
    Surface(p, Color(90, 88, 86), 0.2, 32, 321);
    p.FillRect(0, 0, 256, 40, signColor);
    p.Text(128, 30, sign, 24, Color(255, 255, 255), Font::CondensedBold, Align::Center);
    p.FillRect(12, 52, 96, 120, Color(60, 60, 62));
    p.VerticalGradient(16, 56, 88, 112, Color(170, 190, 200), Color(60, 70, 80));
    p.FillRect(118, 52, 40, 134, Color(60, 60, 62));
    p.VerticalGradient(122, 56, 32, 130, Color(120, 130, 140), Color(50, 55, 60));
    p.FillRect(168, 52, 80, 120, Color(60, 60, 62));
    p.VerticalGradient(172, 56, 72, 112, Color(170, 190, 200), Color(60, 70, 80));
    // Goods behind the glass.
    for (int i = 0; i < 6; ++i) {
        Color c(uint8_t(120 + 100 * Hash01(i, 0, 322)), uint8_t(80 + 120 * Hash01(i, 1, 322)), 60);
        p.FillRect(22 + i * 13, 130, 10, 36, c);
        p.FillRect(178 + i * 11, 128, 8, 38, Scale(c, 0.8));
    }
    return p;
}

Painter OfficeGlass(bool night) {
    // Curtain wall: one module of 3 m x 3.6 m per 128 x 154 px; 2 x 2 modules.
    Painter p(256, 308);
    for (int my = 0; my < 2; ++my)
        for (int mx = 0; mx < 2; ++mx) {
            int x0 = mx * 128, y0 = my * 154;
            bool lit = night && Hash01(mx, my, 331) < 0.6;
            Color top = lit ? Color(250, 220, 150) : Color(140, 180, 215);
            Color bottom = lit ? Color(200, 160, 90) : Color(40, 70, 110);
            p.VerticalGradient(x0, y0, 128, 154, top, bottom);
            p.FillRect(x0, y0 + 118, 128, 36, Color(60, 66, 74)); // spandrel
        }
    for (int x = 0; x < 256; x += 64)
        p.FillRect(x, 0, 5, 308, Color(170, 176, 184));
    for (int y = 0; y < 308; y += 154)
        p.FillRect(0, y + 116, 256, 4, Color(170, 176, 184));
    return p;
}

Painter Corrugated(Color c) {
    Painter p(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            double s = 0.82 + 0.18 * std::sin(x * 2 * M_PI / 16);
            double n = TileFractal(x, y, 64, 3, 256, 341);
            p.Set(x, y, Scale(c, s * (0.9 + 0.2 * n)));
        }
    p.Grain(4, 342);
    return p;
}

Painter RoofTar() {
    Painter p(256, 256);
    Surface(p, Color(70, 70, 72), 0.35, 24, 351);
    for (int y = 0; y < 256; y += 64)
        p.FillRect(0, y, 256, 2, Color(50, 50, 52));
    return p;
}

Painter RoofTiles() {
    Painter p(256, 256, Color(120, 40, 30));
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < 8; ++col) {
            int x0 = col * 32 + (row % 2) * 16, y0 = row * 16;
            Color c = Scale(Color(170, 70, 45), 0.8 + 0.3 * Hash01(row, col, 361));
            for (int ox : {0, -256}) {
                p.VerticalGradient(x0 + ox + 1, y0, 30, 15, Scale(c, 1.1), Scale(c, 0.7));
                p.FillRect(x0 + ox + 1, y0 + 14, 30, 2, Color(80, 30, 20));
            }
        }
    p.Grain(6, 362);
    return p;
}

Painter Plaster(Color c, uint32_t seed) {
    Painter p(256, 256);
    Surface(p, c, 0.2, 48, seed);
    return p;
}

Painter BrickWall() {
    Painter p(256, 256);
    Brick(p, Color(150, 70, 50), Color(180, 170, 160), 32, 12, 371);
    return p;
}

Painter HouseWall() {
    // One bay of a house (5 m x 3 m): plaster, a window with shutters.
    Painter p(256, 154);
    Surface(p, Color(226, 214, 180), 0.2, 40, 381);
    Window(p, 96, 34, 64, 72, Color(250, 250, 250), false, 1, 382);
    p.FillRect(74, 32, 18, 76, Color(70, 110, 70));
    p.FillRect(164, 32, 18, 76, Color(70, 110, 70));
    return p;
}

Painter DoorPicture(Color door) {
    Painter p(128, 192);
    Surface(p, Color(170, 166, 160), 0.15, 24, 391);
    p.FillRect(24, 30, 80, 162, Color(60, 60, 60));
    p.FillRect(28, 34, 72, 158, door);
    p.VerticalGradient(36, 44, 24, 90, Color(150, 170, 190), Color(60, 70, 80));
    p.VerticalGradient(68, 44, 24, 90, Color(150, 170, 190), Color(60, 70, 80));
    p.FillRect(40, 150, 48, 4, Color(200, 200, 200));
    p.Text(64, 22, "12", 18, Color(30, 30, 80), Font::SansBold, Align::Center);
    return p;
}

Painter Asphalt(uint32_t seed) {
    Painter p(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            double n = TileFractal(x, y, 48, 4, 256, seed);
            double speck = Hash01(x, y, seed + 1);
            Color c = Scale(Color(78, 78, 82), 0.85 + 0.3 * n);
            if (speck > 0.97) c = Scale(c, 1.3);
            if (speck < 0.03) c = Scale(c, 0.7);
            p.Set(x, y, c);
        }
    return p;
}

Painter RoadSection() {
    // 12 m across (u) by 6 m along (v): edge lines and a dashed centre line.
    Painter p = Asphalt(401);
    const double perM = 256.0 / 12.0;
    Color paint(235, 235, 225);
    auto stripe = [&](double m0, double m1, int y0, int y1) {
        p.FillRect(int(m0 * perM), y0, std::max(2, int((m1 - m0) * perM)), y1 - y0, paint);
    };
    stripe(0.35, 0.5, 0, 256);
    stripe(11.5, 11.65, 0, 256);
    stripe(5.92, 6.08, 0, 128); // a 3 m dash in every 6 m
    // Tyre wear in the two lanes.
    for (double lane : {3.0, 9.0})
        for (double w : {-0.9, 0.9}) {
            int x = int((lane + w) * perM);
            p.FillRect(x - 8, 0, 16, 256, Color(50, 50, 54, 40));
        }
    return p;
}

Painter Paving() {
    // 2 m square: 4 x 4 slabs of 50 cm.
    Painter p(256, 256, Color(120, 118, 114));
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            Color c = Scale(Color(176, 172, 164), 0.9 + 0.15 * Hash01(i, j, 411));
            p.FillRect(i * 64 + 1, j * 64 + 1, 62, 62, c);
        }
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            p.Set(x, y, Scale(p.At(x, y), 0.9 + 0.2 * TileFractal(x, y, 32, 3, 256, 412)));
    return p;
}

Painter Kerb() {
    Painter p(128, 32);
    Surface(p, Color(190, 188, 180), 0.2, 16, 421);
    for (int x = 0; x < 128; x += 64)
        p.FillRect(x, 0, 2, 32, Color(110, 108, 104));
    return p;
}

Painter Lawn() {
    Painter p(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            double n = TileFractal(x, y, 64, 4, 256, 431), m = TileFractal(x, y, 8, 2, 256, 432);
            p.Set(x, y, Scale(Mix(Color(60, 100, 40), Color(110, 150, 60), n), 0.85 + 0.3 * m));
        }
    return p;
}

Painter Tree(uint32_t seed, bool conifer) {
    Painter p(256, 384, kKey);
    // Trunk.
    p.FillPolygon({118, 384, 138, 384, 134, 230, 122, 230}, Color(90, 64, 40));
    // Crown: many overlapping leaf blobs, darker below and inside.
    int blobs = 260;
    for (int i = 0; i < blobs; ++i) {
        double a = Hash01(i, 1, seed) * 2 * M_PI, r = std::sqrt(Hash01(i, 2, seed));
        double cx, cy, size;
        if (conifer) {
            double t = Hash01(i, 3, seed); // 0 top .. 1 bottom
            cy = 20 + t * 280;
            cx = 128 + (Hash01(i, 4, seed) - 0.5) * 2 * (10 + t * 100);
            size = 8 + 8 * Hash01(i, 5, seed);
        } else {
            cx = 128 + std::cos(a) * r * 105;
            cy = 150 + std::sin(a) * r * 120;
            size = 10 + 14 * Hash01(i, 5, seed);
        }
        double shade = 0.6 + 0.5 * (1 - (cy - 30) / 300) + 0.2 * Hash01(i, 6, seed);
        Color leaf = conifer ? Color(40, 90, 50) : Color(70, 120, 45);
        p.FillCircle(cx, cy, size, Scale(leaf, shade));
    }
    SnapKey(p);
    return p;
}

Painter Hedge() {
    Painter p(512, 32, kKey);
    for (int i = 0; i < 400; ++i) {
        double x = Hash01(i, 1, 451) * 512, y = 8 + Hash01(i, 2, 451) * 24;
        p.FillCircle(x, y, 4 + 4 * Hash01(i, 3, 451),
                     Scale(Color(50, 100, 40), 0.7 + 0.5 * Hash01(i, 4, 451)));
    }
    SnapKey(p);
    return p;
}

Painter Crossing() {
    // 12 m across by 4 m: white bars of 50 cm with 50 cm gaps; the gaps are transparent.
    Painter p(384, 128, kKey);
    for (int i = 0; i < 12; ++i)
        p.FillRect(i * 32 + 8, 0, 16, 128, Color(236, 236, 228));
    return p;
}

Painter WoodFence() {
    Painter p(512, 64, Color(110, 80, 50));
    for (int i = 0; i < 32; ++i) {
        Color c = Scale(Color(150, 110, 70), 0.8 + 0.3 * Hash01(i, 0, 461));
        p.FillRect(i * 16 + 1, 0, 14, 64, c);
        for (int y = 0; y < 64; y += 7)
            p.FillRect(i * 16 + 3 + (y % 3), y, 8, 1, Scale(c, 0.85));
    }
    p.FillRect(0, 12, 512, 5, Color(90, 64, 40));
    p.FillRect(0, 48, 512, 5, Color(90, 64, 40));
    return p;
}

Painter Billboard() {
    Painter p(256, 128);
    p.VerticalGradient(0, 0, 256, 128, Color(30, 120, 200), Color(10, 50, 110));
    p.StrokeRect(0, 0, 256, 128, 6, Color(230, 230, 230));
    p.Text(128, 58, "TRALNIK", 40, Color(255, 255, 255), Font::SansBold, Align::Center);
    p.Text(128, 96, "miasto z charakterem", 18, Color(255, 220, 80), Font::Sans, Align::Center);
    return p;
}

Painter SquarePaving() {
    // Herringbone-ish squares with a darker border, one picture for the whole square.
    Painter p(512, 512, Color(140, 130, 120));
    for (int j = 0; j < 32; ++j)
        for (int i = 0; i < 32; ++i) {
            Color c = Scale((i + j) % 2 ? Color(190, 170, 150) : Color(170, 160, 150),
                            0.9 + 0.15 * Hash01(i, j, 471));
            p.FillRect(i * 16 + 1, j * 16 + 1, 14, 14, c);
        }
    p.StrokeRect(0, 0, 512, 512, 20, Color(110, 100, 95));
    p.Ring(256, 256, 80, 14, Color(120, 110, 100));
    p.FillCircle(256, 256, 40, Color(90, 120, 160)); // a fountain
    p.FillCircle(256, 256, 30, Color(120, 160, 200));
    return p;
}

Painter CarPark() {
    Painter p = Asphalt(481).Resized(512, 290);
    for (int i = 0; i <= 20; ++i) {
        int x = 8 + i * 24;
        p.FillRect(x, 4, 3, 90, Color(230, 230, 220));
        p.FillRect(x, 196, 3, 90, Color(230, 230, 220));
    }
    p.Text(256, 160, "P", 60, Color(230, 230, 220), Font::SansBold, Align::Center);
    return p;
}

Painter Wood() {
    Painter p(128, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 128; ++x) {
            double grain = std::sin(x * 0.15 + 6 * ValueNoise(x, y, 12, 491)) * 0.5 + 0.5;
            p.Set(x, y, Scale(Color(160, 110, 60), 0.75 + 0.3 * grain));
        }
    for (int y = 0; y < 32; y += 16)
        p.FillRect(0, y, 128, 2, Color(80, 50, 30));
    return p;
}

Painter StopSign() {
    Painter p(128, 128, Color(250, 210, 0));
    p.StrokeRect(0, 0, 128, 128, 8, Color(20, 120, 60));
    p.FillCircle(64, 56, 36, Color(20, 120, 60));
    p.Text(64, 74, "A", 48, Color(250, 210, 0), Font::SansBold, Align::Center);
    p.Text(64, 118, "PRZYSTANEK", 14, Color(20, 60, 30), Font::CondensedBold, Align::Center);
    return p;
}

void CityPictures(const std::string& dir) {
    const std::string c = "scene\\city\\";
    PanelBlockFacade().SaveBmp(dir, c + "blok.bmp");
    TenementFacade(Color(214, 180, 120)).SaveBmp(dir, c + "kamienica.bmp");
    TenementFacade(Color(170, 196, 160)).SaveBmp(dir, c + "kamienica2.bmp");
    ShopFront("SPOŻYWCZY", Color(180, 40, 40)).SaveBmp(dir, c + "parter.bmp");
    ShopFront("SKLEP", Color(30, 90, 160)).SaveBmp(dir, c + "sklep.bmp");
    OfficeGlass(false).SaveBmp(dir, c + "biuro.bmp");
    OfficeGlass(true).SaveBmp(dir, c + "biuro_noc.bmp");
    Corrugated(Color(150, 160, 170)).SaveBmp(dir, c + "blacha.bmp");
    RoofTar().SaveBmp(dir, c + "papa.bmp");
    RoofTiles().SaveBmp(dir, c + "dachowka.bmp");
    Plaster(Color(205, 200, 190), 501).SaveBmp(dir, c + "tynk.bmp");
    BrickWall().SaveBmp(dir, c + "cegla.bmp");
    HouseWall().SaveBmp(dir, c + "dom.bmp");
    DoorPicture(Color(120, 70, 40)).SaveBmp(dir, c + "drzwi.bmp");
    RoadSection().SaveBmp(dir, c + "jezdnia.bmp");
    Asphalt(402).SaveBmp(dir, c + "asfalt.bmp");
    Paving().SaveBmp(dir, c + "chodnik.bmp");
    Kerb().SaveBmp(dir, c + "kraweznik.bmp");
    Lawn().SaveBmp(dir, c + "trawnik.bmp");
    const std::string t = "scene\\tex\\";
    Tree(511, false).SaveBmp(dir, t + "drzewo1.bmp");
    Tree(512, true).SaveBmp(dir, t + "drzewo2.bmp");
    Hedge().SaveBmp(dir, t + "zywoplot.bmp");
    Crossing().SaveBmp(dir, t + "pasy.bmp");
    WoodFence().SaveBmp(dir, t + "plot.bmp");
    Billboard().SaveBmp(dir, t + "reklama.bmp");
    SquarePaving().SaveBmp(dir, t + "plac.bmp");
    CarPark().SaveBmp(dir, t + "parking.bmp");
    Wood().SaveBmp(dir, "scene\\skrypty\\drewno.bmp");
    StopSign().SaveBmp(dir, "scene\\skrypty\\przystanek.bmp");
}

PartRegistrar reg("city-textures", &CityPictures);
} // namespace

} // namespace demogen
