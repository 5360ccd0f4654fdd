// The two demo buses' 3DS models: bodies, wheels, steering wheel, bellows and
// the texture sets' extra meshes. Seats follow the "PA" lines of each bus's
// desc.bs1, which the build copies into the game folder first.
#include "tools/demogen/BusBody.h"
#include "tools/demogen/BusModels.h"
#include "tools/demogen/DemoPart.h"

#include <cmath>

namespace demogen {
namespace {

const char* const kSets[] = {"Plofmar", "Miejski"};

SectionSpec CityBody(const std::string& desc) {
    SectionSpec s;
    s.yRear = -3.40f;
    s.yFront = 8.60f;
    s.axles = {0.0f, 5.90f};
    s.rightWindows = {{8.12f, 8.46f}, {5.30f, 6.75f}, {3.85f, 5.20f}, {1.05f, 2.45f}, {-0.55f, 0.95f}, {-3.22f, -1.95f}};
    s.leftWindows = {{8.12f, 8.46f}, {5.85f, 7.25f}, {4.40f, 5.75f}, {2.95f, 4.30f}, {1.50f, 2.85f},
                     {0.05f, 1.40f}, {-1.40f, -0.05f}, {-3.22f, -1.50f}};
    s.doors = {{0, {7.35f, 8.05f}, false, false},
               {1, {6.85f, 8.05f}, true, true},
               {2, {2.55f, 3.75f}, true, true},
               {3, {-1.85f, -0.65f}, true, true}};
    s.platformBehind = -1.95f;
    s.driverY = 7.75f;
    s.seats = ReadSeats(desc, 1);
    return s;
}

SectionSpec DuoFront(const std::string& desc) {
    SectionSpec s;
    s.yRear = -1.15f;
    s.yFront = 7.90f;
    s.axles = {0.0f, 5.25f};
    s.rear = SectionEnd::Joint;
    s.rightWindows = {{7.38f, 7.76f}, {4.70f, 6.00f}, {3.30f, 4.60f}, {0.60f, 1.90f}, {-1.02f, 0.50f}};
    s.leftWindows = {{7.38f, 7.76f}, {5.20f, 6.50f}, {3.80f, 5.10f}, {2.40f, 3.70f}, {1.00f, 2.30f}, {-1.02f, 0.90f}};
    s.doors = {{0, {6.60f, 7.30f}, false, false}, {1, {6.10f, 7.30f}, true, true}, {2, {2.00f, 3.20f}, true, true}};
    s.driverY = 7.05f;
    s.seats = ReadSeats(desc, 1);
    return s;
}

SectionSpec DuoRear(const std::string& desc) {
    SectionSpec s;
    s.yRear = -2.70f;
    s.yFront = 5.35f;
    s.axles = {0.0f};
    s.front = SectionEnd::Joint;
    s.rightWindows = {{4.58f, 5.22f}, {1.90f, 3.20f}, {0.65f, 1.80f}, {-0.55f, 0.55f}, {-2.55f, -1.95f}};
    s.leftWindows = {{4.00f, 5.22f}, {2.60f, 3.90f}, {1.20f, 2.50f}, {-0.20f, 1.10f}, {-1.60f, -0.30f}, {-2.55f, -1.70f}};
    s.doors = {{3, {3.30f, 4.50f}, true, true}, {4, {-1.85f, -0.65f}, true, true}};
    s.platformBehind = -1.95f;
    s.sidePrefix = "t";
    s.seats = ReadSeats(desc, 2);
    return s;
}

// Outward-facing quad: flipped when its normal points towards `inside`.
void QuadOut(MeshObject& o, Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 inside, const std::string& m, UV ta, UV tb,
             UV tc, UV td) {
    Vec3 n = Cross(b - a, d - a);
    Vec3 mid = (a + c) * 0.5f;
    if (Dot(n, mid - inside) < 0) o.Quad(d, c, b, a, m, td, tc, tb, ta);
    else o.Quad(a, b, c, d, m, ta, tb, tc, td);
}

// A tyre revolved about the x axis from its (x, radius) profile; the outer
// face is at -x (the game turns the mesh so -x faces away from the bus).
void Tyre(MeshObject& o, float x0, const std::string& tread) {
    const UV profile[] = {{-0.13f, 0.34f}, {-0.15f, 0.40f}, {-0.14f, 0.455f}, {-0.11f, 0.48f},
                          {0.11f, 0.48f},  {0.14f, 0.455f}, {0.15f, 0.40f},   {0.13f, 0.34f}};
    const int seg = 28;
    for (int j = 0; j < seg; ++j) {
        double a0 = 2 * M_PI * j / seg, a1 = 2 * M_PI * (j + 1) / seg;
        for (int i = 0; i + 1 < 8; ++i) {
            auto P = [&](int k, double a) {
                return Vec3{x0 + profile[k].u, profile[k].v * float(std::cos(a)), profile[k].v * float(std::sin(a))};
            };
            float v0 = float(i) / 7, v1 = float(i + 1) / 7, u0 = float(j) * 4 / seg, u1 = float(j + 1) * 4 / seg;
            Vec3 centre{x0, 0.40f * float(std::cos((a0 + a1) / 2)), 0.40f * float(std::sin((a0 + a1) / 2))};
            QuadOut(o, P(i, a0), P(i + 1, a0), P(i + 1, a1), P(i, a1), centre, tread, {u0, v0}, {u0, v1}, {u1, v1},
                    {u1, v0});
        }
    }
}

// A flat disc facing -x (dir -1) or +x with the rim picture mapped across it.
void Disc(MeshObject& o, float x, float r, int dir, const std::string& m) {
    const int seg = 28;
    int c = o.Vertex({x, 0, 0}, {0.5f, 0.5f});
    std::vector<int> ring;
    for (int j = 0; j <= seg; ++j) {
        double a = 2 * M_PI * j / seg;
        float cy = float(std::cos(a)), sz = float(std::sin(a));
        ring.push_back(o.Vertex({x, r * cy, r * sz}, {0.5f + 0.5f * cy * float(-dir), 0.5f + 0.5f * sz}));
    }
    for (int j = 0; j < seg; ++j) {
        // Counter-clockwise seen from -x is clockwise in (y, z).
        if (dir < 0) o.Triangle(c, ring[size_t(j + 1)], ring[size_t(j)], m);
        else o.Triangle(c, ring[size_t(j)], ring[size_t(j + 1)], m);
    }
}

void Wheel(const std::string& gameDir, const std::string& rel, bool twin) {
    MeshModel m;
    m.Material("opona", 0.15f, 0.15f, 0.15f, "bi.bmp");
    m.Material(twin ? "felga_t" : "felga", 0.75f, 0.75f, 0.78f, twin ? "wh02.bmp" : "wh01.bmp");
    m.Material("piasta", 0.2f, 0.2f, 0.2f);
    MeshObject& o = m.Object("kolo");
    Tyre(o, 0, "opona");
    if (twin) Tyre(o, 0.30f, "opona");
    Disc(o, twin ? -0.06f : -0.10f, 0.35f, -1, twin ? "felga_t" : "felga");
    Disc(o, twin ? 0.43f : 0.13f, 0.34f, 1, "piasta");
    // The rim's barrel between the face and the tyre bead.
    o.Cylinder({twin ? -0.06f : -0.10f, 0, 0}, {1, 0, 0}, 0.335f, twin ? 0.49f : 0.23f, 28, "piasta", "", false);
    m.Save(gameDir, rel);
}

// Three-spoke steering wheel, rim in the x-y plane; the node tilts it.
void SteeringWheel(const std::string& gameDir, const std::string& rel) {
    MeshModel m;
    m.Material("kierownica", 0.08f, 0.08f, 0.09f);
    m.Material("piasta_k", 0.25f, 0.25f, 0.27f);
    MeshObject& o = m.Object("kierownica");
    const int seg = 32, tube = 6;
    const float R = 0.24f, r = 0.018f;
    for (int i = 0; i < seg; ++i)
        for (int j = 0; j < tube; ++j) {
            auto P = [&](int a, int b) {
                double u = 2 * M_PI * a / seg, v = 2 * M_PI * b / tube;
                float rr = R + r * float(std::cos(v));
                return Vec3{rr * float(std::cos(u)), rr * float(std::sin(u)), r * float(std::sin(v))};
            };
            double u = 2 * M_PI * (i + 0.5) / seg;
            Vec3 core{R * float(std::cos(u)), R * float(std::sin(u)), 0};
            QuadOut(o, P(i, j), P(i + 1, j), P(i + 1, j + 1), P(i, j + 1), core, "kierownica", {}, {}, {}, {});
        }
    for (double deg : {180.0, 0.0, 270.0}) {
        float c = float(std::cos(deg * M_PI / 180)), s = float(std::sin(deg * M_PI / 180));
        MeshObject spoke("s");
        spoke.Box({0.04f, -0.018f, -0.012f}, {R, 0.018f, 0.008f}, "kierownica");
        spoke.RotateZ(float(deg));
        o.Append(spoke);
        (void)c;
        (void)s;
    }
    o.Cylinder({0, 0, -0.10f}, {0, 0, 1}, 0.06f, 0.12f, 16, "piasta_k", "piasta_k");
    m.Save(gameDir, rel);
}

// Accordion bellows, symmetric about the joint (its frame points backwards).
void Bellows(const std::string& gameDir, const std::string& rel) {
    MeshModel m;
    m.Material("harmonijka", 0.13f, 0.13f, 0.14f);
    m.Material("harmonijka_w", 0.30f, 0.30f, 0.30f);
    MeshObject& o = m.Object("harmonijka");
    const int folds = 14;
    const float half = 0.48f;
    auto ring = [&](int i, float in) {
        float y = -half + 2 * half * float(i) / folds;
        float w = 1.22f - in, z0 = 0.30f + in, z1 = 2.92f - in;
        return std::vector<Vec3>{{w, y, z0}, {w, y, z1}, {-w, y, z1}, {-w, y, z0}};
    };
    for (int i = 0; i < folds; ++i) {
        auto a = ring(i, i % 2 ? 0.07f : 0.0f), b = ring(i + 1, (i + 1) % 2 ? 0.07f : 0.0f);
        for (int k = 0; k < 4; ++k) {
            int l = (k + 1) % 4;
            Vec3 inside{0, (a[0].y + b[0].y) / 2, 1.6f};
            QuadOut(o, a[size_t(k)], b[size_t(k)], b[size_t(l)], a[size_t(l)], inside, "harmonijka", {}, {}, {}, {});
            // Inner face, a little inside, seen from the gangway.
            Vec3 sa = a[size_t(k)], sb = b[size_t(k)], sc = b[size_t(l)], sd = a[size_t(l)];
            for (Vec3* p : {&sa, &sb, &sc, &sd}) {
                p->x *= 0.97f;
                p->z = 1.6f + (p->z - 1.6f) * 0.97f;
            }
            QuadOut(o, sd, sc, sb, sa, Vec3{inside.x * 40, inside.y, inside.z * 40}, "harmonijka_w", {}, {}, {}, {});
        }
    }
    // Turntable floor.
    o.Box({-1.1f, -half, 0.30f}, {1.1f, half, 0.34f}, "harmonijka_w");
    m.Save(gameDir, rel);
}

void RoofUnit(const std::string& gameDir, const std::string& rel) {
    MeshModel m;
    m.Material("klima", 0.86f, 0.87f, 0.88f);
    m.Material("kratka", 0.25f, 0.26f, 0.27f);
    MeshObject& o = m.Object("klima");
    o.Box({-0.80f, -1.15f, 0}, {0.80f, 1.15f, 0.20f}, "klima");
    o.Box({-0.70f, -1.05f, 0.20f}, {0.70f, 1.05f, 0.26f}, "klima");
    for (float y : {-0.55f, 0.55f}) o.Cylinder({0, y, 0.26f}, {0, 0, 1}, 0.28f, 0.012f, 20, "kratka", "kratka");
    m.Save(gameDir, rel);
}

void AdBoard(const std::string& gameDir, const std::string& rel) {
    MeshModel m;
    m.Material("reklama", 1, 1, 1, "reklama.bmp");
    m.Material("wspornik", 0.3f, 0.3f, 0.3f);
    MeshObject& o = m.Object("reklama");
    o.Quad({0.03f, -1.2f, 0.10f}, {0.03f, 1.2f, 0.10f}, {0.03f, 1.2f, 0.55f}, {0.03f, -1.2f, 0.55f}, "reklama");
    o.Quad({-0.03f, 1.2f, 0.10f}, {-0.03f, -1.2f, 0.10f}, {-0.03f, -1.2f, 0.55f}, {-0.03f, 1.2f, 0.55f}, "reklama");
    o.Box({-0.03f, -1.22f, 0.55f}, {0.03f, 1.22f, 0.58f}, "wspornik");
    for (float y : {-1.0f, 0.0f, 1.0f}) o.Box({-0.02f, y - 0.02f, 0}, {0.02f, y + 0.02f, 0.10f}, "wspornik");
    m.Save(gameDir, rel);
}

// The driver's side-window sun visor, hanging from its pivot.
void SunVisor(const std::string& gameDir, const std::string& rel) {
    MeshModel m;
    m.Material("oslona", 0.20f, 0.22f, 0.24f);
    MeshObject& o = m.Object("oslona");
    o.Box({0, -0.32f, -0.27f}, {0.012f, 0.32f, 0}, "oslona");
    o.Cylinder({0.006f, -0.34f, 0}, {0, 1, 0}, 0.012f, 0.68f, 8, "oslona", "oslona");
    m.Save(gameDir, rel);
}

void WriteBody(const std::string& gameDir, const std::string& rel, const SectionSpec& spec) {
    MeshModel m;
    AddBusMaterials(m, spec.sidePrefix);
    BuildSection(m, spec);
    m.Save(gameDir, rel);
}

void WriteBusModels(const std::string& gameDir) {
    const std::string city = "model\\Orvena City\\", duo = "model\\Orvena Duo\\";
    WriteBody(gameDir, city + "orvena.3ds", CityBody(gameDir + "/model/Orvena City/desc.bs1"));
    WriteBody(gameDir, duo + "duo.3ds", DuoFront(gameDir + "/model/Orvena Duo/desc.bs1"));
    WriteBody(gameDir, duo + "duo_tyl.3ds", DuoRear(gameDir + "/model/Orvena Duo/desc.bs1"));
    Bellows(gameDir, duo + "harmonijka.3ds");
    for (const std::string& bus : {city, duo}) {
        Wheel(gameDir, bus + "kolo.3ds", false);
        Wheel(gameDir, bus + "kolo_tyl.3ds", true);
        SteeringWheel(gameDir, bus + "SteeringWheel.3ds");
        WriteDashboard(gameDir, bus);
        for (const char* set : kSets) {
            std::string dir = bus + set + "\\";
            RoofUnit(gameDir, dir + "klima.3ds");
            SunVisor(gameDir, dir + "oslona.3ds");
            if (std::string(set) == "Miejski") AdBoard(gameDir, dir + "reklama.3ds");
        }
    }
}

PartRegistrar reg("bus-models", &WriteBusModels);

} // namespace
} // namespace demogen
