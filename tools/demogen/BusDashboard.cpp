// The 3-D dashboard: console, instrument cluster with two dials and their
// needles, and every switch, lamp and button the game cuts out by name. Each
// named part has one material (the game gives the whole part its first
// one); parts of one element sit in the same place and differ in colour or
// travel.
#include "tools/demogen/BusModels.h"
#include "tools/demogen/Mesh.h"
#include "tools/demogen/Painter.h"

#include <cmath>
#include <string>

namespace demogen {
namespace {

struct Frame {
    Vec3 o, ex, ey, n;
    Vec3 P(float u, float v, float w) const { return o + ex * u + ey * v + n * w; }
};

void FrameBox(MeshObject& m, const Frame& f, float u0, float u1, float v0, float v1, float w0, float w1,
              const std::string& mat) {
    Vec3 c = f.P((u0 + u1) / 2, (v0 + v1) / 2, (w0 + w1) / 2);
    auto q = [&](Vec3 a, Vec3 b, Vec3 cc, Vec3 d) {
        Vec3 nn = Cross(b - a, d - a);
        if (Dot(nn, (a + cc) * 0.5f - c) < 0) m.Quad(d, cc, b, a, mat);
        else m.Quad(a, b, cc, d, mat);
    };
    Vec3 p[8];
    for (int i = 0; i < 8; ++i) p[i] = f.P(i & 1 ? u1 : u0, i & 2 ? v1 : v0, i & 4 ? w1 : w0);
    q(p[0], p[1], p[3], p[2]);
    q(p[4], p[5], p[7], p[6]);
    q(p[0], p[1], p[5], p[4]);
    q(p[2], p[3], p[7], p[6]);
    q(p[0], p[2], p[6], p[4]);
    q(p[1], p[3], p[7], p[5]);
}

// A lamp lens (flat) or a push button (taller; pressed ones sit lower).
void Lamp(MeshModel& m, const std::string& name, const Frame& f, float u, float v, const std::string& mat) {
    FrameBox(m.Object(name), f, u - 0.009f, u + 0.009f, v - 0.009f, v + 0.009f, 0.001f, 0.004f, mat);
}
void Button(MeshModel& m, const std::string& name, const Frame& f, float u, float v, bool pressed,
            const std::string& mat) {
    FrameBox(m.Object(name), f, u - 0.014f, u + 0.014f, v - 0.014f, v + 0.014f, 0.001f, pressed ? 0.005f : 0.013f, mat);
}

// A needle resting at `rest` degrees (clockwise from the dial's top) with an
// axle triangle along the dial's normal: that triangle holds the part's
// longest edge, about which the game turns the needle.
void Needle(MeshModel& m, const std::string& name, const Frame& f, float cu, float cv, float len, float rest) {
    MeshObject& o = m.Object(name);
    float a = rest * float(M_PI) / 180.0f;
    float du = std::sin(a), dv = std::cos(a);
    Vec3 c = f.P(cu, cv, 0.006f);
    int i0 = o.Vertex(c), i1 = o.Vertex(c - f.n * 0.08f), i2 = o.Vertex(c - f.n * 0.04f + f.ey * 0.003f);
    o.Triangle(i0, i1, i2, "igla");
    Vec3 side = f.ex * (dv * 0.0025f) - f.ey * (du * 0.0025f);
    Vec3 tip = c + f.ex * (du * len) + f.ey * (dv * len);
    Vec3 tail = c - f.ex * (du * 0.012f) - f.ey * (dv * 0.012f);
    int t0 = o.Vertex(tail + side), t1 = o.Vertex(tail - side), t2 = o.Vertex(tip);
    o.Triangle(t0, t2, t1, "igla");
    o.Triangle(t1, t2, t0, "igla");
}

constexpr float kRest = -125.0f; // both needles rest at about eight o'clock

void Dial(const std::string& gameDir, const std::string& rel, bool speed) {
    const int S = 256;
    Painter p(S, S, Color(10, 10, 12));
    double c = S / 2.0, r = S * 0.46;
    p.FillCircle(c, c, r, Color(24, 26, 30));
    p.Ring(c, c, r, 4, Color(150, 150, 155));
    auto mark = [&](double deg, double in, double width, Color col) {
        double a = deg * M_PI / 180;
        p.Line(c + std::sin(a) * r * in, c - std::cos(a) * r * in, c + std::sin(a) * r * 0.93,
               c - std::cos(a) * r * 0.93, width, col);
    };
    auto label = [&](double deg, const std::string& t) {
        double a = deg * M_PI / 180;
        p.Text(int(c + std::sin(a) * r * 0.66), int(c - std::cos(a) * r * 0.66 + 7), t, 19, Color(235, 235, 235),
               Font::SansBold, Align::Center);
    };
    if (speed) {
        // The needle stands at (v - 2.7 m/s) * 7.7 degrees from rest.
        for (int kmh = 10; kmh <= 120; kmh += 5) {
            double deg = kRest + (kmh / 3.6 - 2.7) * 7.7;
            bool major = kmh % 20 == 0;
            mark(deg, major ? 0.78 : 0.85, major ? 3.0 : 1.6, Color(235, 235, 235));
            if (major) label(deg, std::to_string(kmh));
        }
        p.Text(int(c), int(c + r * 0.45), "km/h", 16, Color(200, 200, 200), Font::Sans, Align::Center);
    } else {
        // 0.09 degrees per revolution a minute.
        for (int rpm = 0; rpm <= 2800; rpm += 100) {
            double deg = kRest + rpm * 0.09;
            bool major = rpm % 500 == 0;
            mark(deg, major ? 0.78 : 0.86, major ? 3.0 : 1.4, rpm >= 2300 ? Color(230, 40, 30) : Color(235, 235, 235));
            if (major) label(deg, std::to_string(rpm / 100));
        }
        p.Text(int(c), int(c + r * 0.45), "x100/min", 15, Color(200, 200, 200), Font::Sans, Align::Center);
    }
    p.FillCircle(c, c, 10, Color(60, 60, 64));
    p.SaveBmp(gameDir, rel);
}

void DialFace(MeshModel& m, const Frame& f, float cu, float cv, float r, const std::string& mat) {
    MeshObject& o = m.Object(mat);
    o.Quad(f.P(cu - r, cv - r, 0.002f), f.P(cu + r, cv - r, 0.002f), f.P(cu + r, cv + r, 0.002f),
           f.P(cu - r, cv + r, 0.002f), mat);
}

void Materials(MeshModel& m) {
    m.Material("pulpit", 0.16f, 0.17f, 0.19f);
    m.Material("oslona_zeg", 0.10f, 0.10f, 0.11f);
    m.Material("tarcza_v", 1, 1, 1, "zegar_v.bmp");
    m.Material("tarcza_n", 1, 1, 1, "zegar_n.bmp");
    m.Material("igla", 1.0f, 0.35f, 0.05f);
    m.Material("przycisk", 0.30f, 0.31f, 0.33f);
    m.Material("przycisk_w", 0.20f, 0.20f, 0.22f);
    m.Material("przycisk_z", 0.25f, 0.95f, 0.35f);
    m.Material("przycisk_cz", 1.0f, 0.20f, 0.15f);
    m.Material("przycisk_cz0", 0.45f, 0.08f, 0.07f);
    m.Material("dzwignia", 0.12f, 0.12f, 0.13f);
    const char* names[] = {"zielona", "czerwona", "zolta", "niebieska"};
    const float on[4][3] = {{0.2f, 1.0f, 0.3f}, {1.0f, 0.15f, 0.1f}, {1.0f, 0.75f, 0.1f}, {0.25f, 0.45f, 1.0f}};
    for (int i = 0; i < 4; ++i) {
        m.Material(std::string("lampka_") + names[i] + "_0", on[i][0] * 0.22f, on[i][1] * 0.22f, on[i][2] * 0.22f);
        m.Material(std::string("lampka_") + names[i] + "_1", on[i][0], on[i][1], on[i][2]);
    }
}

struct LampSpec {
    const char *off, *on, *colour;
};

void Build(MeshModel& m) {
    MeshObject& body = m.Object("pulpit");
    body.Box({-0.60f, 0.0f, -0.43f}, {0.60f, 0.40f, 0.30f}, "pulpit");
    // Instrument cluster, sloping up and away from the driver.
    Vec3 ey = Normalized({0, 0.45f, 0.9f});
    Frame cl{{0, 0.03f, 0.30f}, {1, 0, 0}, ey, Cross({1, 0, 0}, ey)};
    FrameBox(body, cl, -0.30f, 0.30f, 0.0f, 0.235f, -0.06f, 0.0f, "oslona_zeg");
    DialFace(m, cl, -0.13f, 0.105f, 0.092f, "tarcza_v");
    DialFace(m, cl, 0.13f, 0.105f, 0.092f, "tarcza_n");
    Needle(m, "wsk_0", cl, -0.13f, 0.105f, 0.072f, kRest);
    Needle(m, "wsk_1", cl, 0.13f, 0.105f, 0.072f, kRest);
    const LampSpec lamps[] = {{"kon1L_0", "kon1L_1", "zielona"}, {"kon1_0", "kon1_1", "zielona"},
                              {"kon1P_0", "kon1P_1", "zielona"}, {"konST_0", "konST_1", "czerwona"},
                              {"kon3_0", "kon3_1", "niebieska"}, {"n1", "n2", "zielona"},
                              {"ST_0", "ST_1", "czerwona"},       {"CG1", "CG2", "zolta"},
                              {"HP1", "HP2", "czerwona"},         {"L1", "L2", "zielona"},
                              {"H2", "H1", "czerwona"},           {"D2Z_0", "D2Z_1", "zolta"},
                              {"D3Z_0", "D3Z_1", "zolta"},        {"D4Z_0", "D4Z_1", "zolta"}};
    float u = -0.24f;
    for (const LampSpec& l : lamps) {
        Lamp(m, l.off, cl, u, 0.215f, std::string("lampka_") + l.colour + "_0");
        Lamp(m, l.on, cl, u, 0.215f, std::string("lampka_") + l.colour + "_1");
        u += 0.037f;
    }
    // Door panel on the right wing: a column per door.
    Frame right{{0.30f, 0.06f, 0.30f}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const char* big[] = {"A", "B", "C", "D"};
    const char* small[] = {"a", "b", "c", "d"};
    const char* led[] = {"aA", "bB", "cC", "dD"};
    for (int k = 0; k < 4; ++k) {
        float cu = 0.04f + 0.06f * k;
        std::string n = std::to_string(k + 1);
        Lamp(m, "K" + n + "_0", right, cu, 0.29f, "lampka_zielona_0");
        Lamp(m, "K" + n + "_1", right, cu, 0.29f, "lampka_zielona_1");
        Lamp(m, std::string(small[k]) + "1", right, cu, 0.23f, "lampka_zolta_1");
        Lamp(m, std::string(small[k]) + "2", right, cu, 0.23f, "lampka_zolta_0");
        Button(m, std::string(big[k]) + "1", right, cu, 0.15f, true, "przycisk_w");
        Button(m, std::string(big[k]) + "2", right, cu, 0.15f, false, "przycisk");
        Button(m, std::string(big[k]) + "3", right, cu, 0.15f, false, "przycisk_z");
        Lamp(m, std::string(led[k]) + "1", right, cu, 0.07f, "lampka_zolta_0");
        Lamp(m, std::string(led[k]) + "2", right, cu, 0.07f, "lampka_zolta_1");
        Lamp(m, std::string(led[k]) + "3", right, cu, 0.07f, "lampka_czerwona_1");
    }
    // Left wing: hazard switch, driver's door key and the gear buttons.
    Frame left{{-0.58f, 0.06f, 0.30f}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Button(m, "P1", left, 0.05f, 0.22f, true, "przycisk_cz");
    Button(m, "P2", left, 0.05f, 0.22f, false, "przycisk_cz0");
    Button(m, "DK0", left, 0.12f, 0.22f, false, "przycisk");
    Button(m, "DK1", left, 0.12f, 0.22f, true, "przycisk_z");
    const char* gears[] = {"saD", "saN", "saR"};
    for (int g = 0; g < 3; ++g) {
        Button(m, std::string(gears[g]) + "_1", left, 0.05f + 0.07f * g, 0.10f, false, "przycisk");
        Button(m, std::string(gears[g]) + "_2", left, 0.05f + 0.07f * g, 0.10f, true, "przycisk_z");
    }
    // Indicator stalk left of the column: down, centre, up.
    const char* stalk[] = {"dzw1_1", "dzw1_2", "dzw1_3"};
    for (int s = 0; s < 3; ++s) {
        float tilt = (s - 1) * 0.35f;
        Vec3 ex = Normalized({-1, 0, tilt});
        Frame st{{-0.05f, -0.08f, 0.24f}, ex, {0, 1, 0}, Cross(ex, {0, 1, 0})};
        FrameBox(m.Object(stalk[s]), st, 0, 0.15f, -0.008f, 0.008f, -0.008f, 0.008f, "dzwignia");
    }
    // Steering column shroud under the wheel.
    body.Box({-0.05f, -0.12f, -0.10f}, {0.05f, 0.02f, 0.24f}, "pulpit");
}

} // namespace

void WriteDashboard(const std::string& gameDir, const std::string& busRel) {
    MeshModel m;
    Materials(m);
    Build(m);
    m.Save(gameDir, busRel + "pulpit.3ds");
    Dial(gameDir, busRel + "zegar_v.bmp", true);
    Dial(gameDir, busRel + "zegar_n.bmp", false);
}

} // namespace demogen
