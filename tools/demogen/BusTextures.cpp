// The demo buses' pictures: liveries of the two texture sets, tyres, rims,
// number plates, printed glass, interior, and the flat steering wheel.
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Painter.h"

#include <cmath>
#include <string>

namespace demogen {
namespace {

constexpr double kBottom = 0.28, kEaves = 2.80; // height the pictures span

struct Livery {
    Color base, lower, stripe, stripe2, text;
    const char* name;   // painted on the sides
    const char* plate;  // number plate
    const char* fleet;  // fleet number
    Color rim, seat1, seat2, door;
};

struct Section {
    double yRear, yFront;
    bool nose, tail;
    double nameRight, nameLeft; // where the operator's name fits between doors and arches
};

struct BusPics {
    const char* folder;
    const char* model; // on the rear
    Section front;     // the body (front section of the articulated bus)
    bool articulated;
    Section rear;      // the articulated bus's rear section
    Livery sets[2];
};

const BusPics kBuses[] = {
    {"Orvena City", "CITY", {-3.40, 8.60, true, true, 1.55, 2.95}, false, {0, 0, false, false, 0, 0},
     {{Color(242, 242, 238), Color(28, 52, 110), Color(238, 122, 24), Color(250, 190, 40), Color(28, 52, 110),
       "PLOFMAR", "ZT 4127A", "412", Color(200, 202, 206), Color(30, 45, 100), Color(220, 70, 40), Color(236, 236, 232)},
      {Color(250, 204, 20), Color(200, 30, 36), Color(200, 30, 36), Color(255, 255, 255), Color(120, 12, 16),
       "MZK TRALNIK", "ZT 8803C", "803", Color(205, 40, 40), Color(40, 90, 60), Color(200, 200, 190), Color(250, 204, 20)}}},
    {"Orvena Duo", "DUO", {-1.15, 7.90, true, false, 3.95, 2.60}, true, {-2.70, 5.35, false, true, 1.90, 2.90},
     {{Color(242, 242, 238), Color(28, 52, 110), Color(238, 122, 24), Color(250, 190, 40), Color(28, 52, 110),
       "PLOFMAR", "ZT 5610D", "561", Color(200, 202, 206), Color(30, 45, 100), Color(220, 70, 40), Color(236, 236, 232)},
      {Color(250, 204, 20), Color(200, 30, 36), Color(200, 30, 36), Color(255, 255, 255), Color(120, 12, 16),
       "MZK TRALNIK", "ZT 7752E", "775", Color(205, 40, 40), Color(40, 90, 60), Color(200, 200, 190), Color(250, 204, 20)}}},
};

const char* const kSetNames[] = {"Plofmar", "Miejski"};

int PixZ(double z, int h) { return int(std::lround((1.0 - (z - kBottom) / (kEaves - kBottom)) * h)); }

// A side of one section; sx +1 is the kerb side (front at the picture's right).
Painter Side(const Livery& l, const Section& s, int sx, uint32_t seed) {
    const int W = 1024, H = 256;
    Painter p(W, H, l.base);
    double len = s.yFront - s.yRear;
    auto X = [&](double y) {
        double u = (y - s.yRear) / len;
        return (sx > 0 ? u : 1.0 - u) * W;
    };
    // Skirt and the sweeping stripe that rises towards the front.
    p.FillRect(0, PixZ(0.58, H), W, H, l.lower);
    std::vector<double> sweep;
    double yA = s.yRear, yB = s.yFront;
    sweep = {X(yA), double(PixZ(0.62, H)), X(yB), double(PixZ(1.02, H)), X(yB), double(PixZ(0.90, H)),
             X(yA), double(PixZ(0.52, H))};
    p.FillPolygon(sweep, l.stripe);
    std::vector<double> thin{X(yA), double(PixZ(0.70, H)), X(yB), double(PixZ(1.08, H)), X(yB),
                             double(PixZ(1.05, H)), X(yA), double(PixZ(0.67, H))};
    p.FillPolygon(thin, l.stripe2);
    // Glazing band: black behind the tinted glass, a bright line under it.
    p.FillRect(0, PixZ(2.55, H), W, PixZ(1.10, H) - PixZ(2.55, H), Color(14, 15, 17));
    p.FillRect(0, PixZ(1.13, H), W, 3, Scale(l.lower, 0.8));
    p.FillRect(0, PixZ(2.80, H), W, 3, Color(190, 190, 190));
    // Operator's name mid-length on the lower panel, fleet number at the front.
    double mid = X(sx > 0 ? s.nameRight : s.nameLeft);
    p.Text(int(mid), PixZ(0.68, H), l.name, 28, l.text, Font::SansBold, Align::Center);
    if (s.nose) {
        double fx = X(s.yFront - 0.9);
        p.Text(int(fx), PixZ(2.60, H) + 8, l.fleet, 22, Color(20, 20, 20), Font::SansBold, Align::Center);
    }
    if (s.tail) {
        double rx = X(s.yRear + 0.6);
        p.FillRect(int(rx) - 40, PixZ(1.02, H), 80, 40, Color(40, 40, 42)); // engine-bay louvres
        for (int i = 0; i < 5; ++i) p.FillRect(int(rx) - 36, PixZ(1.0, H) + 4 + i * 7, 72, 3, Color(12, 12, 12));
    }
    p.Grain(4, seed);
    return p;
}

// End wall: the picture's left is the viewer's left looking at that end.
Painter End(const Livery& l, bool front, const char* model, uint32_t seed) {
    const int S = 512;
    Painter p(S, S, l.base);
    const double w = 1.175; // half width between the corner bevels
    auto X = [&](double x) { return (x + w) / (2 * w) * S; };
    p.FillRect(0, PixZ(0.58, S), S, S, l.lower);
    p.FillRect(0, PixZ(0.94, S), S, 8, l.stripe);
    if (front) {
        p.FillRect(0, PixZ(2.80, S), S, PixZ(0.95, S) - PixZ(2.80, S), Color(14, 15, 17));
        for (double x : {-0.88, 0.88}) {
            int cx = int(X(x));
            p.FillRect(cx - 50, PixZ(0.74, S), 100, PixZ(0.50, S) - PixZ(0.74, S), Color(20, 20, 22));
        }
        p.FillRect(int(X(-0.45)), PixZ(0.46, S), int(X(0.45) - X(-0.45)), 20, Color(30, 30, 32)); // grille
        p.Text(S / 2, PixZ(0.80, S) + 8, "ORVENA", 30, l.lower, Font::SansBold, Align::Center);
    } else {
        p.FillRect(0, PixZ(2.80, S), S, PixZ(1.55, S) - PixZ(2.80, S), Color(14, 15, 17));
        int gx0 = int(X(-0.62)), gx1 = int(X(0.62));
        p.FillRect(gx0, PixZ(1.40, S), gx1 - gx0, PixZ(0.62, S) - PixZ(1.40, S), Color(36, 36, 38));
        for (int y = PixZ(1.36, S); y < PixZ(0.66, S); y += 9) p.FillRect(gx0 + 6, y, gx1 - gx0 - 12, 4, Color(10, 10, 10));
        for (double x : {-1.0, 1.0}) {
            int cx = int(X(x));
            p.FillRect(cx - 34, PixZ(1.17, S), 68, PixZ(0.78, S) - PixZ(1.17, S), Color(22, 22, 24));
        }
        p.Text(S / 2, PixZ(1.45, S) + 6, std::string("ORVENA ") + model, 26, Color(240, 240, 240), Font::SansBold,
               Align::Center);
    }
    p.Grain(4, seed);
    return p;
}

Painter Tread() {
    Painter p(256, 64, Color(34, 34, 36));
    // Sidewalls at both edges of the picture, tread blocks in the middle.
    int t0 = int(64 * (1 - 4.0 / 7)), t1 = int(64 * (1 - 3.0 / 7));
    p.FillRect(0, t0, 256, t1 - t0, Color(44, 44, 46));
    for (int x = 0; x < 256; x += 16) {
        p.FillRect(x, t0, 3, t1 - t0, Color(14, 14, 14));
        p.Line(x + 8, t0, x + 12, t1, 2, Color(18, 18, 18));
    }
    p.FillRect(0, (t0 + t1) / 2 - 1, 256, 2, Color(14, 14, 14));
    p.FillRect(0, 14, 256, 2, Color(52, 52, 54));
    p.FillRect(0, 48, 256, 2, Color(52, 52, 54));
    p.Grain(5, 11);
    return p;
}

Painter Rim(Color metal, bool twin) {
    const int S = 256;
    Painter p(S, S, Color(30, 30, 30));
    double c = S / 2.0, r = S / 2.0;
    p.FillCircle(c, c, r * 0.98, Color(24, 24, 26));
    p.FillCircle(c, c, r * 0.92, Scale(metal, 0.85));
    p.FillCircle(c, c, r * 0.84, metal);
    if (twin) p.FillCircle(c, c, r * 0.70, Scale(metal, 0.7)); // the dish
    for (int i = 0; i < 10; ++i) {
        double a = 2 * M_PI * i / 10 + M_PI / 10;
        p.FillCircle(c + std::cos(a) * r * 0.60, c + std::sin(a) * r * 0.60, r * 0.09, Color(18, 18, 20));
    }
    p.FillCircle(c, c, r * 0.36, Scale(metal, 0.75));
    p.Ring(c, c, r * 0.36, 3, Color(60, 60, 60));
    for (int i = 0; i < 10; ++i) {
        double a = 2 * M_PI * i / 10;
        p.FillCircle(c + std::cos(a) * r * 0.27, c + std::sin(a) * r * 0.27, r * 0.035, Color(70, 70, 72));
    }
    p.FillCircle(c, c, r * 0.15, Color(40, 40, 42));
    return p;
}

Painter Plate(const std::string& number) {
    Painter p(512, 128, Color(248, 248, 246));
    p.StrokeRect(2, 2, 508, 124, 5, Color(20, 20, 20));
    p.FillRect(7, 7, 52, 114, Color(30, 60, 160));
    p.Text(33, 108, "TR", 30, Color(250, 250, 250), Font::SansBold, Align::Center);
    p.Text(288, 104, number, 92, Color(16, 16, 16), Font::CondensedBold, Align::Center);
    return p;
}

// Printed rear glass: black (the top-left pixel) is see-through; the print
// is a lighter black so that it stays.
Painter PrintedGlass() {
    Painter p(256, 128, Color(0, 0, 0));
    p.StrokeRect(1, 1, 254, 126, 10, Color(10, 10, 10));
    for (int x = 14; x < 242; x += 6)
        for (int y : {13, 114}) p.FillCircle(x, y, 2.2, Color(10, 10, 10));
    for (int y = 14; y < 114; y += 6)
        for (int x : {13, 242}) p.FillCircle(x, y, 2.2, Color(10, 10, 10));
    p.Set(0, 0, Color(0, 0, 0));
    return p;
}

Painter Fabric(Color a, Color b, uint32_t seed) {
    Painter p(128, 128, a);
    for (int y = 0; y < 128; y += 16)
        for (int x = 0; x < 128; x += 16) {
            double h = Hash01(x, y, seed);
            if (h < 0.5) p.FillRect(x + 3, y + 3, 7, 3, b);
            else p.FillCircle(x + 8, y + 9, 2.5, Mix(b, Color(240, 220, 80), 0.5));
        }
    p.Grain(8, seed);
    return p;
}

Painter Flat(Color c, int grain, uint32_t seed, int size = 128) {
    Painter p(size, size, c);
    p.Grain(grain, seed);
    return p;
}

Painter Floor() {
    Painter p(256, 256, Color(96, 98, 100));
    for (int i = 0; i < 900; ++i) {
        int x = int(Hash01(i, 1, 77) * 256), y = int(Hash01(i, 2, 77) * 256);
        p.FillCircle(x, y, 1.2, Hash01(i, 3, 77) < 0.5 ? Color(70, 72, 74) : Color(130, 132, 134));
    }
    return p;
}

Painter Ceiling() {
    Painter p(128, 128, Color(232, 232, 228));
    p.FillRect(0, 56, 128, 16, Color(250, 250, 240)); // a strip light every metre
    p.Grain(3, 5);
    return p;
}

Painter AdPicture() {
    Painter p(512, 128, Color(30, 40, 120));
    p.HorizontalGradient(0, 0, 512, 128, Color(20, 30, 110), Color(110, 30, 140));
    p.Text(256, 70, "RADIO TRALNIK", 54, Color(255, 230, 60), Font::SansBold, Align::Center);
    p.Text(256, 112, "101.3 FM  -  music all day", 26, Color(255, 255, 255), Font::Sans, Align::Center);
    return p;
}

// The flat steering-wheel picture; black (top-left) is see-through.
Painter FlatWheel() {
    const int S = 256;
    Painter p(S, S, Color(0, 0, 0));
    double c = S / 2.0;
    p.Ring(c, c, S * 0.44, S * 0.07, Color(18, 18, 20));
    for (double deg : {90.0, 210.0, 330.0}) {
        double a = deg * M_PI / 180;
        p.Line(c, c, c + std::cos(a) * S * 0.42, c + std::sin(a) * S * 0.42, S * 0.06, Color(28, 28, 30));
    }
    p.FillCircle(c, c, S * 0.12, Color(45, 45, 50));
    p.Text(int(c), int(c + 7), "O", 22, Color(200, 200, 200), Font::SansBold, Align::Center);
    p.Set(0, 0, Color(0, 0, 0));
    return p;
}

void WriteSet(const std::string& gameDir, const BusPics& bus, int set) {
    const Livery& l = bus.sets[set];
    std::string dir = std::string("model\\") + bus.folder + "\\" + kSetNames[set] + "\\";
    uint32_t seed = uint32_t(set * 31 + (bus.articulated ? 7 : 3));
    Side(l, bus.front, 1, seed).SaveBmp(gameDir, dir + "bok_p.bmp");
    Side(l, bus.front, -1, seed + 1).SaveBmp(gameDir, dir + "bok_l.bmp");
    if (bus.articulated) {
        Side(l, bus.rear, 1, seed + 2).SaveBmp(gameDir, dir + "tbok_p.bmp");
        Side(l, bus.rear, -1, seed + 3).SaveBmp(gameDir, dir + "tbok_l.bmp");
    }
    End(l, true, bus.model, seed + 4).SaveBmp(gameDir, dir + "przod.bmp");
    End(l, false, bus.model, seed + 5).SaveBmp(gameDir, dir + "tyl.bmp");
    Flat(Color(214, 216, 218), 6, seed + 6, 256).SaveBmp(gameDir, dir + "dach.bmp");
    Flat(l.door, 4, seed + 7).SaveBmp(gameDir, dir + "drzwi.bmp");
    Flat(Color(208, 210, 206), 3, seed + 8).SaveBmp(gameDir, dir + "wnetrze.bmp");
    Ceiling().SaveBmp(gameDir, dir + "sufit.bmp");
    Floor().SaveBmp(gameDir, dir + "podloga.bmp");
    Fabric(l.seat1, l.seat2, seed + 9).SaveBmp(gameDir, dir + "siedzenie.bmp");
    PrintedGlass().SaveBmp(gameDir, dir + "szyba.bmp");
    Tread().SaveBmp(gameDir, dir + "bi.bmp");
    Rim(l.rim, false).SaveBmp(gameDir, dir + "wh01.bmp");
    Rim(Scale(l.rim, 0.9), true).SaveBmp(gameDir, dir + "wh02.bmp");
    Plate(l.plate).SaveBmp(gameDir, dir + "rejp.bmp");
    Plate(l.plate).SaveBmp(gameDir, dir + "rejt.bmp");
    if (set == 1) AdPicture().SaveBmp(gameDir, dir + "reklama.bmp");
}

void WriteBusTextures(const std::string& gameDir) {
    for (const BusPics& bus : kBuses) {
        for (int set = 0; set < 2; ++set) WriteSet(gameDir, bus, set);
        FlatWheel().SaveBmp(gameDir, std::string("model\\") + bus.folder + "\\kierownica.bmp");
    }
}

PartRegistrar reg("bus-textures", &WriteBusTextures);

} // namespace
} // namespace demogen
