// The traffic cars: a saloon, a hatchback and a delivery van, each a folder
// under model\ with its 3DS model and texture sets (the paint differs). The
// traffic turns a car so that model +y points along the lane, with the
// origin at the car's rear reference point (6 m behind the point that gives
// the heading), so the bodies stand forward of the origin.
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Mesh.h"
#include "tools/demogen/Painter.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace demogen {
namespace {

struct CarShape {
    const char* folder;
    const char* file;
    float width;
    // Side profile (y forward, z up), counter-clockwise seen from +x.
    std::vector<UV> body;
    // The glasshouse above the belt line: rear base, rear top, front top, front base.
    UV glass[4];
    float rearAxle, frontAxle, wheelRadius;
};

// Edges of the lower body get the plain paint; its two sides the side picture.
void Body(MeshObject& o, const CarShape& s) {
    float yMin = 1e9f, yMax = -1e9f, zMax = 0;
    for (const UV& p : s.body) {
        yMin = std::min(yMin, p.u);
        yMax = std::max(yMax, p.u);
        zMax = std::max(zMax, p.v);
    }
    // Side caps with texture coordinates over the whole side view.
    std::vector<UV> norm;
    for (const UV& p : s.body)
        norm.push_back({(p.u - yMin) / (yMax - yMin), p.v / zMax});
    // Both sides share the triangulation; the left one winds the other way.
    std::vector<int> tris = Triangulate(norm);
    for (int side : {1, -1}) {
        int first = int(o.Vertices().size());
        for (const UV& p : norm)
            o.Vertex({side * s.width / 2, yMin + p.u * (yMax - yMin), p.v * zMax},
                     {side > 0 ? p.u : 1 - p.u, p.v});
        for (size_t i = 0; i + 2 < tris.size(); i += 3) {
            if (side > 0)
                o.Triangle(first + tris[i], first + tris[i + 1], first + tris[i + 2], "karoseria");
            else
                o.Triangle(first + tris[i], first + tris[i + 2], first + tris[i + 1], "karoseria");
        }
    }
    for (size_t i = 0; i < s.body.size(); ++i) {
        UV a = s.body[i], b = s.body[(i + 1) % s.body.size()];
        o.Quad({s.width / 2, a.u, a.v}, {-s.width / 2, a.u, a.v}, {-s.width / 2, b.u, b.v},
               {s.width / 2, b.u, b.v}, "lakier");
    }
}

void Glasshouse(MeshObject& o, const CarShape& s) {
    const UV* g = s.glass;
    float hw = s.width / 2 - 0.06f;
    // Side windows on both sides, the roof, the windscreen and the rear window.
    o.Quad({hw, g[0].u, g[0].v}, {hw, g[3].u, g[3].v}, {hw, g[2].u, g[2].v}, {hw, g[1].u, g[1].v}, "szyby",
           {0, 0}, {1, 0}, {1, 1}, {0, 1});
    o.Quad({-hw, g[3].u, g[3].v}, {-hw, g[0].u, g[0].v}, {-hw, g[1].u, g[1].v}, {-hw, g[2].u, g[2].v},
           "szyby", {1, 0}, {0, 0}, {0, 1}, {1, 1});
    o.Quad({hw, g[1].u, g[1].v}, {hw, g[2].u, g[2].v}, {-hw, g[2].u, g[2].v}, {-hw, g[1].u, g[1].v},
           "lakier");
    o.Quad({hw, g[2].u, g[2].v}, {hw, g[3].u, g[3].v}, {-hw, g[3].u, g[3].v}, {-hw, g[2].u, g[2].v}, "szyby",
           {0, 1}, {0, 0}, {1, 0}, {1, 1});
    o.Quad({hw, g[0].u, g[0].v}, {hw, g[1].u, g[1].v}, {-hw, g[1].u, g[1].v}, {-hw, g[0].u, g[0].v}, "szyby",
           {0, 0}, {0, 1}, {1, 1}, {1, 0});
}

void Wheels(MeshObject& o, const CarShape& s) {
    for (float y : {s.rearAxle, s.frontAxle})
        for (int side : {-1, 1}) {
            // Flush with the body's side, so the rims show in the painted arches.
            float x = side * (s.width / 2 - 0.09f);
            o.Cylinder({x - 0.1f, y, s.wheelRadius}, {1, 0, 0}, s.wheelRadius, 0.2f, 14, "opona", "felga");
        }
}

void Lamps(MeshObject& o, const CarShape& s, float front, float rear, float z) {
    for (int side : {-1, 1}) {
        float x0 = side * (s.width / 2 - 0.45f), x1 = side * (s.width / 2 - 0.1f);
        float xa = std::min(x0, x1), xb = std::max(x0, x1);
        o.Quad({xa, front + 0.01f, z}, {xb, front + 0.01f, z}, {xb, front + 0.01f, z + 0.14f},
               {xa, front + 0.01f, z + 0.14f}, "przod");
        o.Quad({xb, rear - 0.01f, z}, {xa, rear - 0.01f, z}, {xa, rear - 0.01f, z + 0.14f},
               {xb, rear - 0.01f, z + 0.14f}, "tyl");
    }
}

float FrontOf(const CarShape& s) {
    float m = -1e9f;
    for (const UV& p : s.body)
        m = std::max(m, p.u);
    return m;
}
float RearOf(const CarShape& s) {
    float m = 1e9f;
    for (const UV& p : s.body)
        m = std::min(m, p.u);
    return m;
}

void CarModel(const std::string& dir, const CarShape& s) {
    MeshModel m;
    m.Material("karoseria", 0.8f, 0.2f, 0.2f, "karoseria.bmp");
    m.Material("lakier", 0.8f, 0.2f, 0.2f, "lakier.bmp");
    m.Material("szyby", 0.2f, 0.25f, 0.3f, "szyby.bmp");
    m.Material("opona", 0.08f, 0.08f, 0.08f, "");
    m.Material("felga", 0.7f, 0.7f, 0.72f, "kola.bmp");
    m.Material("przod", 1.0f, 0.97f, 0.85f, "");
    m.Material("tyl", 0.8f, 0.05f, 0.05f, "");
    MeshObject& body = m.Object("nadwozie");
    Body(body, s);
    Glasshouse(body, s);
    Lamps(body, s, FrontOf(s), RearOf(s), 0.62f);
    MeshObject& wheels = m.Object("kola");
    Wheels(wheels, s);
    m.Save(dir, std::string("model\\") + s.folder + "\\" + s.file);
}

// The side view of the lower body: paint with a soft gradient, door gaps,
// handles and dark wheel arches at the axles.
Painter SidePicture(const CarShape& s, Color paint, const char* lettering) {
    float yMin = RearOf(s), yMax = FrontOf(s), zMax = 0;
    for (const UV& p : s.body)
        zMax = std::max(zMax, p.v);
    Painter p(512, 128);
    p.VerticalGradient(0, 0, 512, 128, Mix(paint, Color(255, 255, 255), 0.25), Scale(paint, 0.7));
    auto px = [&](float y) { return double((y - yMin) / (yMax - yMin) * 512); };
    auto pz = [&](float z) { return double(128 - z / zMax * 128); };
    p.FillRect(0, int(pz(0.72f)), 512, 2, Scale(paint, 0.6)); // crease
    for (float y : {s.rearAxle, s.frontAxle}) {
        std::vector<double> arch;
        for (int i = 0; i <= 24; ++i) {
            double a = M_PI * i / 24, r = s.wheelRadius + 0.05;
            arch.push_back(px(float(y + std::cos(a) * r)));
            arch.push_back(pz(float(s.wheelRadius + std::sin(a) * r)));
        }
        p.FillPolygon(arch, Color(20, 20, 22));
    }
    float doorA = s.rearAxle + 0.45f, doorB = (s.rearAxle + s.frontAxle) / 2 + 0.1f,
          doorC = s.frontAxle - 0.5f;
    for (float y : {doorA, doorB, doorC})
        p.FillRect(int(px(y)), int(pz(s.glass[0].v)), 2, int(pz(0.3f) - pz(s.glass[0].v)), Scale(paint, 0.5));
    for (float y : {doorA, doorB})
        p.FillRect(int(px(y)) + 14, int(pz(0.85f)), 22, 5, Color(40, 40, 40));
    if (lettering[0])
        p.Text(256, int(pz(0.55f)), lettering, 28, Color(255, 255, 255), Font::SansBold, Align::Center);
    return p;
}

void Paint(const std::string& dir, const CarShape& s, const char* set, Color paint,
           const char* lettering = "") {
    std::string base = std::string("model\\") + s.folder + "\\" + set + "\\";
    SidePicture(s, paint, lettering).SaveBmp(dir, base + "karoseria.bmp");
    Painter plain(64, 64);
    plain.VerticalGradient(0, 0, 64, 64, Mix(paint, Color(255, 255, 255), 0.2), Scale(paint, 0.8));
    plain.SaveBmp(dir, base + "lakier.bmp");
    Painter glass(128, 64);
    glass.VerticalGradient(0, 0, 128, 64, Color(150, 175, 195), Color(30, 40, 50));
    glass.FillRect(0, 0, 128, 3, Scale(paint, 0.6));
    glass.FillPolygon({10, 60, 60, 4, 80, 4, 30, 60}, Color(255, 255, 255, 30));
    glass.SaveBmp(dir, base + "szyby.bmp");
    Painter rim(64, 64, Color(25, 25, 25));
    rim.FillCircle(32, 32, 22, Color(175, 178, 185));
    for (int i = 0; i < 5; ++i) {
        double a = i * 2 * M_PI / 5;
        rim.FillCircle(32 + std::cos(a) * 12, 32 + std::sin(a) * 12, 4.5, Color(60, 62, 66));
    }
    rim.FillCircle(32, 32, 5, Color(120, 120, 125));
    rim.SaveBmp(dir, base + "kola.bmp");
}

void Cars(const std::string& dir) {
    const CarShape saloon{"Kaira",
                          "kaira.3ds",
                          1.76f,
                          {{-0.85f, 0.22f},
                           {3.65f, 0.22f},
                           {3.72f, 0.55f},
                           {3.6f, 0.82f},
                           {2.6f, 0.95f},
                           {0.2f, 0.98f},
                           {-0.7f, 0.92f},
                           {-0.88f, 0.6f}},
                          {{-0.1f, 0.97f}, {0.55f, 1.42f}, {1.85f, 1.44f}, {2.55f, 0.95f}},
                          0.0f,
                          2.65f,
                          0.31f};
    const CarShape hatch{"Pika",
                         "pika.3ds",
                         1.66f,
                         {{-0.55f, 0.22f},
                          {3.1f, 0.22f},
                          {3.18f, 0.55f},
                          {3.05f, 0.8f},
                          {2.3f, 0.93f},
                          {-0.45f, 0.95f},
                          {-0.6f, 0.6f}},
                         {{-0.45f, 0.95f}, {-0.3f, 1.45f}, {1.55f, 1.47f}, {2.25f, 0.93f}},
                         0.0f,
                         2.45f,
                         0.29f};
    const CarShape van{"Furgon",
                       "furgon.3ds",
                       1.95f,
                       {{-0.9f, 0.3f},
                        {4.35f, 0.3f},
                        {4.45f, 0.7f},
                        {4.3f, 1.05f},
                        {3.6f, 1.15f},
                        {3.5f, 2.3f},
                        {-0.9f, 2.3f}},
                       {{2.8f, 1.15f}, {2.8f, 2.0f}, {3.4f, 2.0f}, {3.6f, 1.15f}},
                       0.1f,
                       3.45f,
                       0.34f};
    CarModel(dir, saloon);
    CarModel(dir, hatch);
    CarModel(dir, van);
    Paint(dir, saloon, "Czerwona", Color(170, 30, 30));
    Paint(dir, saloon, "Granatowa", Color(30, 45, 100));
    Paint(dir, hatch, "Zolta", Color(230, 190, 40));
    Paint(dir, hatch, "Zielona", Color(50, 130, 70));
    Paint(dir, van, "Bialy", Color(235, 235, 235));
    Paint(dir, van, "Pocztowy", Color(240, 200, 20), "POCZTA");
}

PartRegistrar reg("traffic-cars", &Cars);

} // namespace
} // namespace demogen
