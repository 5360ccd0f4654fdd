// Passenger figures scene\m1_p1.3ds ... scene\m4_p2.3ds: four people, each
// standing ("_p1", waiting at stops) and seated ("_p2", on the bus's seats).
// Authored z up, facing +x, feet at the origin (seated: the floor under
// the hips, the seat top 0.47 m up).
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Mesh.h"

#include <cmath>
#include <string>

namespace demogen {
namespace {

struct Person {
    float height;       // standing height, m
    float r, g, b;      // coat
    float lr, lg, lb;   // legs
    float hr, hg, hb;   // hair or hat
    bool skirt, hat;
};

const Person kPeople[] = {
    {1.78f, 0.70f, 0.12f, 0.10f, 0.15f, 0.22f, 0.45f, 0.25f, 0.16f, 0.08f, false, false}, // red jacket, jeans
    {1.68f, 0.18f, 0.45f, 0.28f, 0.12f, 0.12f, 0.14f, 0.55f, 0.38f, 0.15f, true, false},  // green coat, skirt
    {1.74f, 0.42f, 0.43f, 0.46f, 0.22f, 0.22f, 0.25f, 0.20f, 0.18f, 0.16f, false, true},  // grey coat and hat
    {1.50f, 0.95f, 0.80f, 0.10f, 0.18f, 0.20f, 0.32f, 0.12f, 0.10f, 0.08f, false, false}, // yellow raincoat
};

void Head(MeshObject& o, Vec3 c, float r, const std::string& m) {
    const int seg = 10, rings = 6;
    auto P = [&](int i, int j) {
        double lon = 2 * M_PI * i / seg, lat = M_PI * j / rings - M_PI / 2;
        return c + Vec3{float(std::cos(lat) * std::cos(lon)) * r, float(std::cos(lat) * std::sin(lon)) * r,
                        float(std::sin(lat)) * r * 1.15f};
    };
    for (int i = 0; i < seg; ++i)
        for (int j = 0; j < rings; ++j) o.Quad(P(i, j), P(i + 1, j), P(i + 1, j + 1), P(i, j + 1), m);
}

void Materials(MeshModel& m, const Person& p) {
    m.Material("plaszcz", p.r, p.g, p.b);
    m.Material("nogi", p.lr, p.lg, p.lb);
    m.Material("wlosy", p.hr, p.hg, p.hb);
    m.Material("skora", 0.87f, 0.68f, 0.55f);
    m.Material("buty", 0.10f, 0.08f, 0.07f);
}

// Torso, arms and head above the hips at height hip (s scales the person).
void Upper(MeshObject& o, const Person& p, float s, float hip, float lean) {
    float top = hip + 0.60f * s;
    o.Box({-0.11f * s + lean, -0.20f * s, hip}, {0.11f * s + lean, 0.20f * s, top}, "plaszcz");
    o.Box({-0.09f * s + lean, -0.24f * s, top - 0.07f * s}, {0.09f * s + lean, 0.24f * s, top}, "plaszcz");
    for (float side : {-1.0f, 1.0f}) {
        float y0 = side * 0.21f * s, y1 = side * 0.28f * s;
        o.Box({-0.05f * s + lean, std::min(y0, y1), top - 0.58f * s}, {0.05f * s + lean, std::max(y0, y1), top - 0.02f * s},
              "plaszcz");
        o.Box({-0.04f * s + lean, std::min(y0, y1), top - 0.66f * s}, {0.04f * s + lean, std::max(y0, y1), top - 0.58f * s},
              "skora");
    }
    o.Box({-0.04f * s + lean, -0.05f * s, top}, {0.04f * s + lean, 0.05f * s, top + 0.06f * s}, "skora");
    Vec3 hc{0.01f * s + lean, 0, top + 0.17f * s};
    Head(o, hc, 0.10f * s, "skora");
    if (p.hat) {
        o.Cylinder(hc + Vec3{0, 0, 0.06f * s}, {0, 0, 1}, 0.15f * s, 0.015f * s, 14, "wlosy", "wlosy");
        o.Cylinder(hc + Vec3{0, 0, 0.07f * s}, {0, 0, 1}, 0.10f * s, 0.09f * s, 14, "wlosy", "wlosy");
    } else {
        // Hair: a cap over the back and top of the head (longer with a skirt).
        float low = p.skirt ? 0.20f : 0.05f;
        o.Box({-0.11f * s + lean, -0.105f * s, hc.z - low * s}, {0.0f + lean, 0.105f * s, hc.z + 0.10f * s}, "wlosy");
        o.Box({-0.09f * s + lean, -0.10f * s, hc.z + 0.07f * s}, {0.08f * s + lean, 0.10f * s, hc.z + 0.125f * s}, "wlosy");
    }
}

void Standing(const std::string& gameDir, const std::string& rel, const Person& p) {
    MeshModel m;
    Materials(m, p);
    MeshObject& o = m.Object("czlowiek");
    float s = p.height / 1.75f, hip = 0.86f * s;
    if (p.skirt) o.Box({-0.13f * s, -0.19f * s, hip - 0.30f * s}, {0.13f * s, 0.19f * s, hip + 0.02f}, "plaszcz");
    for (float side : {-1.0f, 1.0f}) {
        float y0 = side * 0.02f * s, y1 = side * 0.17f * s;
        o.Box({-0.07f * s, std::min(y0, y1), 0.07f * s}, {0.07f * s, std::max(y0, y1), hip}, p.skirt ? "skora" : "nogi");
        o.Box({-0.08f * s, std::min(y0, y1), 0}, {0.17f * s, std::max(y0, y1), 0.07f * s}, "buty");
    }
    Upper(o, p, s, hip, 0);
    m.Save(gameDir, rel);
}

void Seated(const std::string& gameDir, const std::string& rel, const Person& p) {
    MeshModel m;
    Materials(m, p);
    MeshObject& o = m.Object("czlowiek");
    float s = p.height / 1.75f, hip = 0.47f;
    for (float side : {-1.0f, 1.0f}) {
        float y0 = side * 0.02f * s, y1 = side * 0.17f * s;
        float ya = std::min(y0, y1), yb = std::max(y0, y1);
        o.Box({-0.08f, ya, hip}, {0.40f * s, yb, hip + 0.14f}, p.skirt ? "plaszcz" : "nogi");
        o.Box({0.33f * s, ya, 0.07f}, {0.45f * s, yb, hip + 0.02f}, p.skirt ? "skora" : "nogi");
        o.Box({0.32f * s, ya, 0}, {0.56f * s, yb, 0.07f}, "buty");
    }
    Upper(o, p, s, hip + 0.04f, -0.03f);
    m.Save(gameDir, rel);
}

void WritePassengers(const std::string& gameDir) {
    for (int i = 0; i < 4; ++i) {
        std::string base = "scene\\m" + std::to_string(i + 1);
        Standing(gameDir, base + "_p1.3ds", kPeople[i]);
        Seated(gameDir, base + "_p2.3ds", kPeople[i]);
    }
}

PartRegistrar reg("passengers", &WritePassengers);

} // namespace
} // namespace demogen
