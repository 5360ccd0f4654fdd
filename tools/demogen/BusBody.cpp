#include "tools/demogen/BusSection.h"

#include "util/Fields.h"
#include "util/NumText.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace demogen::section {

std::string SideMat(const Ctx& c, int sx) { return c.s.sidePrefix + (sx > 0 ? "bok_p" : "bok_l"); }

// A flat outline on the side plane x, oriented to face sx (outward) or -sx.
void SidePolygon(Ctx& c, MeshObject& o, const std::vector<UV>& yz, float x, int facing, const std::string& mat,
                 bool sideUV, int uvSide) {
    std::vector<int> tris = Triangulate(yz);
    for (size_t i = 0; i + 2 < tris.size(); i += 3) {
        int idx[3] = {tris[i], tris[i + 1], tris[i + 2]};
        const UV &a = yz[size_t(idx[0])], &b = yz[size_t(idx[1])], &d = yz[size_t(idx[2])];
        float cross = (b.u - a.u) * (d.v - a.v) - (b.v - a.v) * (d.u - a.u);
        if ((cross > 0) != (facing > 0)) std::swap(idx[1], idx[2]);
        int v[3];
        for (int k = 0; k < 3; ++k) {
            const UV& p = yz[size_t(idx[k])];
            UV t = sideUV ? c.SideUV(uvSide, p.u, p.v) : UV{p.u * 0.5f, p.v * 0.5f};
            v[k] = o.Vertex({x, p.u, p.v}, t);
        }
        o.Triangle(v[0], v[1], v[2], mat);
    }
}

// Outer skin with the livery and the inner lining, both from one outline.
void SideSkin(Ctx& c, int sx, const std::vector<UV>& yz) {
    SidePolygon(c, c.shell, yz, sx * c.hw, sx, SideMat(c, sx), true, sx);
    SidePolygon(c, c.shell, yz, sx * (c.hw - kWall), -sx, "wnetrze", false, sx);
}

std::vector<Span> DoorsOn(const SectionSpec& s, int sx) {
    std::vector<Span> out;
    for (const auto& d : s.doors)
        if (d.rightSide == (sx > 0)) out.push_back(d.span);
    std::sort(out.begin(), out.end(), [](const Span& a, const Span& b) { return a.y0 < b.y0; });
    return out;
}

// Lower panel between the doors, with a round notch over every axle.
void LowerPanels(Ctx& c, int sx) {
    float y0 = c.s.yRear + kChamfer, y1 = c.s.yFront - kChamfer;
    std::vector<Span> pieces;
    float at = y0;
    for (const Span& d : DoorsOn(c.s, sx)) {
        if (d.y0 > at) pieces.push_back({at, d.y0});
        at = d.y1;
    }
    if (y1 > at) pieces.push_back({at, y1});
    for (const Span& p : pieces) {
        std::vector<UV> yz;
        yz.push_back({p.y0, kBottom});
        for (float a : c.s.axles) {
            if (a - kArch < p.y0 || a + kArch > p.y1) continue;
            yz.push_back({a - kArch, kBottom});
            for (int k = 0; k <= 12; ++k) {
                double t = M_PI * k / 12.0; // from the rear round over the top
                yz.push_back({a - kArch * float(std::cos(t)), kAxleZ + kArch * float(std::sin(t))});
            }
            yz.push_back({a + kArch, kBottom});
        }
        yz.push_back({p.y1, kBottom});
        yz.push_back({p.y1, kBelt});
        yz.push_back({p.y0, kBelt});
        // Triangulate wants a clean ring: drop repeated points.
        std::vector<UV> ring;
        for (const UV& q : yz)
            if (ring.empty() || std::fabs(ring.back().u - q.u) > 1e-4f || std::fabs(ring.back().v - q.v) > 1e-4f)
                ring.push_back(q);
        SideSkin(c, sx, ring);
    }
}

// Wheel-well lining so that the arch does not look into the saloon.
void WheelWells(Ctx& c) {
    for (float a : c.s.axles)
        for (int sx : {-1, 1}) {
            float xo = sx * c.hw, xi = sx * (c.hw - 0.50f);
            for (int k = 0; k < 12; ++k) {
                double t0 = M_PI * k / 12.0, t1 = M_PI * (k + 1) / 12.0;
                Vec3 p0{0, a - kArch * float(std::cos(t0)), kAxleZ + kArch * float(std::sin(t0))};
                Vec3 p1{0, a - kArch * float(std::cos(t1)), kAxleZ + kArch * float(std::sin(t1))};
                Vec3 q0 = p0, q1 = p1, r0 = p0, r1 = p1;
                q0.x = q1.x = xo;
                r0.x = r1.x = xi;
                if (sx > 0) c.shell.Quad(q0, r0, r1, q1, "podwozie");
                else c.shell.Quad(q0, q1, r1, r0, "podwozie");
            }
            // Inner wall of the well.
            std::vector<UV> yz{{a - kArch, kBottom}, {a + kArch, kBottom}, {a + kArch, kAxleZ}, {a, kAxleZ + kArch},
                               {a - kArch, kAxleZ}};
            SidePolygon(c, c.shell, yz, xi, sx, "podwozie", false, sx);
        }
}

std::vector<Span> Merge(std::vector<Span> a, const std::vector<Span>& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end(), [](const Span& p, const Span& q) { return p.y0 < q.y0; });
    return a;
}

void GlassPane(MeshObject& g, Vec3 p0, Vec3 p1, Vec3 p2, Vec3 p3, const std::string& mat) {
    g.Quad(p0, p1, p2, p3, mat);
    g.Quad(p3, p2, p1, p0, mat); // seen from inside too
}

// A quad whose front faces the point `towards`.
void FacingQuad(MeshObject& o, Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 towards, const std::string& m) {
    Vec3 n = Cross(b - a, d - a);
    if (Dot(n, towards - (a + c) * 0.5f) < 0) o.Quad(d, c, b, a, m);
    else o.Quad(a, b, c, d, m);
}

// The reveal round an opening in a side wall: the wall's thickness.
void Reveal(Ctx& c, int sx, Span s, float z0, float z1, bool bottom) {
    float xo = sx * c.hw, xi = sx * (c.hw - kWall);
    Vec3 mid{(xo + xi) / 2, (s.y0 + s.y1) / 2, (z0 + z1) / 2};
    FacingQuad(c.shell, {xo, s.y0, z0}, {xi, s.y0, z0}, {xi, s.y0, z1}, {xo, s.y0, z1}, mid, "guma");
    FacingQuad(c.shell, {xo, s.y1, z0}, {xi, s.y1, z0}, {xi, s.y1, z1}, {xo, s.y1, z1}, mid, "guma");
    FacingQuad(c.shell, {xo, s.y0, z1}, {xi, s.y0, z1}, {xi, s.y1, z1}, {xo, s.y1, z1}, mid, "guma");
    if (bottom) FacingQuad(c.shell, {xo, s.y0, z0}, {xi, s.y0, z0}, {xi, s.y1, z0}, {xo, s.y1, z0}, mid, "guma");
}

// Window band: pillars between the openings, glass in the windows.
void WindowBand(Ctx& c, int sx, MeshObject& glass) {
    std::vector<Span> windows = sx > 0 ? c.s.rightWindows : c.s.leftWindows;
    std::vector<Span> open = Merge(windows, DoorsOn(c.s, sx));
    float at = c.s.yRear + kChamfer, end = c.s.yFront - kChamfer;
    for (const Span& o : open) {
        if (o.y0 > at) SideSkin(c, sx, {{at, kBelt}, {o.y0, kBelt}, {o.y0, kWinTop}, {at, kWinTop}});
        at = std::max(at, o.y1);
    }
    if (end > at) SideSkin(c, sx, {{at, kBelt}, {end, kBelt}, {end, kWinTop}, {at, kWinTop}});
    for (const Span& w : windows) Reveal(c, sx, w, kBelt, kWinTop, true);
    for (const Span& d : DoorsOn(c.s, sx)) Reveal(c, sx, d, kBottom, kWinTop, false);
    float x = sx * (c.hw - 0.015f);
    for (const Span& w : windows) {
        Vec3 a{x, w.y0, kBelt}, b{x, w.y1, kBelt}, d{x, w.y1, kWinTop}, e{x, w.y0, kWinTop};
        if (sx > 0) GlassPane(glass, a, b, d, e, "szklo");
        else GlassPane(glass, b, a, e, d, "szklo");
    }
    // Door heads and the band under the eaves run the whole length.
    SideSkin(c, sx, {{c.s.yRear + kChamfer, kWinTop}, {end, kWinTop}, {end, kEaves}, {c.s.yRear + kChamfer, kEaves}});
}

// The eight-sided footprint at height z, inset by `in`.
std::vector<Vec3> Footprint(const Ctx& c, float z, float in) {
    float hw = c.hw - in, y0 = c.s.yRear + in, y1 = c.s.yFront - in, k = kChamfer;
    return {{hw - k, y0, z}, {hw, y0 + k, z}, {hw, y1 - k, z}, {hw - k, y1, z},
            {-hw + k, y1, z}, {-hw, y1 - k, z}, {-hw, y0 + k, z}, {-hw + k, y0, z}};
}

void Roof(Ctx& c) {
    auto lo = Footprint(c, kEaves, 0), hi = Footprint(c, kRoof, 0.16f);
    for (size_t i = 0; i < 8; ++i) {
        size_t j = (i + 1) % 8;
        c.shell.Quad(lo[i], lo[j], hi[j], hi[i], "dach");
    }
    std::vector<UV> top;
    for (const Vec3& p : hi) top.push_back({p.x, p.y});
    c.shell.Polygon(top, {0, 0, kRoof}, {1, 0, 0}, {0, 1, 0}, "dach", 2.0f);
    // Ceiling inside.
    std::vector<UV> ceil;
    for (const Vec3& p : Footprint(c, kCeiling, kWall)) ceil.push_back({p.y, p.x});
    c.shell.Polygon(ceil, {0, 0, kCeiling}, {0, 1, 0}, {1, 0, 0}, "sufit", 1.0f);
    // Underside.
    std::vector<UV> under;
    for (const Vec3& p : Footprint(c, kBottom, 0)) under.push_back({p.y, p.x});
    c.shell.Polygon(under, {0, 0, kBottom}, {0, 1, 0}, {1, 0, 0}, "podwozie", 1.0f);
}

// Vertical bevels at the four corners, in the livery's edge colour.
void Corners(Ctx& c) {
    auto f = Footprint(c, 0, 0);
    int pairs[4][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}};
    for (auto& p : pairs) {
        Vec3 a = f[size_t(p[0])], b = f[size_t(p[1])];
        int sx = a.x + b.x > 0 ? 1 : -1;
        UV ua = c.SideUV(sx, a.y, kBottom), ub = c.SideUV(sx, b.y, kBottom);
        Vec3 a0{a.x, a.y, kBottom}, b0{b.x, b.y, kBottom}, a1{a.x, a.y, kEaves}, b1{b.x, b.y, kEaves};
        c.shell.Quad(a0, b0, b1, a1, SideMat(c, sx), {ua.u, 0}, {ub.u, 0}, {ub.u, 1}, {ua.u, 1});
    }
}

// An end wall at y, facing dir (+1 forward); the picture spans the width.
struct EndWall {
    Ctx& c;
    float y;
    int dir;
    std::string mat;
    UV Map(float x, float z) const {
        float w = c.hw - kChamfer;
        float u = (x + w) / (2 * w);
        return {dir > 0 ? 1.0f - u : u, (z - kBottom) / (kEaves - kBottom)};
    }
    void Rect(float x0, float x1, float z0, float z1, const std::string& m, bool lining = true) const {
        Vec3 p0{x0, y, z0}, p1{x1, y, z0}, p2{x1, y, z1}, p3{x0, y, z1};
        UV t0 = Map(x0, z0), t1 = Map(x1, z0), t2 = Map(x1, z1), t3 = Map(x0, z1);
        if (dir > 0) c.shell.Quad(p1, p0, p3, p2, m, t1, t0, t3, t2);
        else c.shell.Quad(p0, p1, p2, p3, m, t0, t1, t2, t3);
        if (!lining) return;
        float yi = y - dir * kWall;
        Vec3 q0{x0, yi, z0}, q1{x1, yi, z0}, q2{x1, yi, z1}, q3{x0, yi, z1};
        if (dir > 0) c.shell.Quad(q0, q1, q2, q3, "wnetrze");
        else c.shell.Quad(q1, q0, q3, q2, "wnetrze");
    }
};

void NoseEnd(Ctx& c, MeshObject& glass) {
    float w = c.hw - kChamfer, y = c.s.yFront;
    EndWall e{c, y, 1, "przod"};
    e.Rect(-w, w, kBottom, 0.95f, "przod");
    e.Rect(-w, -w + 0.07f, 0.95f, 2.50f, "przod");
    e.Rect(w - 0.07f, w, 0.95f, 2.50f, "przod");
    e.Rect(-w, w, 2.50f, kEaves, "przod");
    float gx = w - 0.07f, gy = y - 0.01f;
    GlassPane(glass, {gx, gy, 0.95f}, {-gx, gy, 0.95f}, {-gx, gy, 2.50f}, {gx, gy, 2.50f}, "szklo");
    // Wipers parked along the bottom of the screen.
    for (float x0 : {-0.95f, 0.05f}) {
        float yw = y + 0.02f, x1 = x0 + 0.85f, z0 = 1.00f, z1 = 1.07f, t = 0.018f;
        c.shell.Quad({x0, yw, z0}, {x0, yw, z0 + t}, {x1, yw, z1 + t}, {x1, yw, z1}, "guma");
        c.shell.Quad({x1, yw, z1}, {x1, yw, z1 + t}, {x0, yw, z0 + t}, {x0, yw, z0}, "guma");
    }
    // Bumper.
    c.shell.Box({-w, y - 0.02f, kBottom - 0.02f}, {w, y + 0.06f, 0.46f}, "zderzak");
    // Mirrors on arms: the kerb-side one low and far out, the other high.
    for (int sx : {-1, 1}) {
        float hx = sx * (c.hw + 0.28f), z = sx > 0 ? 2.05f : 2.25f;
        c.shell.Box({std::min(sx * c.hw, hx), y - 0.12f, z + 0.30f}, {std::max(sx * c.hw, hx), y - 0.08f, z + 0.34f},
                    "zderzak");
        c.shell.Box({hx - 0.04f, y - 0.16f, z - 0.05f}, {hx + 0.04f, y, z + 0.36f}, "lusterko");
    }
}

void TailEnd(Ctx& c, MeshObject& printedGlass) {
    float w = c.hw - kChamfer, y = c.s.yRear;
    EndWall e{c, y, -1, "tyl"};
    e.Rect(-w, w, kBottom, 1.55f, "tyl");
    e.Rect(-w, -w + 0.18f, 1.55f, 2.55f, "tyl");
    e.Rect(w - 0.18f, w, 1.55f, 2.55f, "tyl");
    e.Rect(-w, w, 2.55f, kEaves, "tyl");
    float gx = w - 0.18f, gy = y + 0.01f;
    // The printed rear window: its dot border and the maker's name are in the picture.
    printedGlass.Quad({-gx, gy, 1.55f}, {gx, gy, 1.55f}, {gx, gy, 2.55f}, {-gx, gy, 2.55f}, "b_3");
    printedGlass.Quad({gx, gy, 1.55f}, {-gx, gy, 1.55f}, {-gx, gy, 2.55f}, {gx, gy, 2.55f}, "b_3", {1, 0}, {0, 0},
                      {0, 1}, {1, 1});
    c.shell.Box({-w, y - 0.06f, kBottom - 0.02f}, {w, y + 0.02f, 0.42f}, "zderzak");
}

// Joint end: a frame round the passage to the bellows.
void JointEnd(Ctx& c, float y, int dir) {
    float w = c.hw - kChamfer;
    EndWall e{c, y, dir, "harmonia"};
    e.Rect(-w, -1.0f, kBottom, kEaves, "harmonia");
    e.Rect(1.0f, w, kBottom, kEaves, "harmonia");
    e.Rect(-1.0f, 1.0f, kBottom, kFloor, "harmonia");
    e.Rect(-1.0f, 1.0f, 2.55f, kEaves, "harmonia");
}

} // namespace demogen::section

namespace demogen {
using namespace section;

void AddBusMaterials(MeshModel& m, const std::string& p) {
    m.Material(p + "bok_p", 1, 1, 1, p + "bok_p.bmp");
    m.Material(p + "bok_l", 1, 1, 1, p + "bok_l.bmp");
    m.Material("przod", 1, 1, 1, "przod.bmp");
    m.Material("tyl", 1, 1, 1, "tyl.bmp");
    m.Material("dach", 0.9f, 0.9f, 0.9f, "dach.bmp");
    m.Material("szklo", 0.2f, 0.25f, 0.25f);
    m.Material("b_3", 1, 1, 1, "szyba.bmp");
    m.Material("zderzak", 0.12f, 0.12f, 0.13f);
    m.Material("lusterko", 0.08f, 0.08f, 0.09f);
    m.Material("podwozie", 0.10f, 0.10f, 0.10f);
    m.Material("harmonia", 0.14f, 0.14f, 0.15f);
    m.Material("wnetrze", 0.85f, 0.85f, 0.82f, "wnetrze.bmp");
    m.Material("sufit", 0.95f, 0.95f, 0.93f, "sufit.bmp");
    m.Material("podloga", 0.5f, 0.5f, 0.5f, "podloga.bmp");
    m.Material("siedzenie", 1, 1, 1, "siedzenie.bmp");
    m.Material("stelaz", 0.35f, 0.35f, 0.38f);
    m.Material("porecz", 0.95f, 0.78f, 0.10f);
    m.Material("kabina", 0.30f, 0.31f, 0.33f);
    m.Material("drzwi", 1, 1, 1, "drzwi.bmp");
    m.Material("guma", 0.05f, 0.05f, 0.05f);
    m.Material("sw_bialy_0", 0.62f, 0.64f, 0.66f);
    m.Material("sw_bialy_1", 1.0f, 0.98f, 0.85f);
    m.Material("sw_zolty_0", 0.62f, 0.40f, 0.12f);
    m.Material("sw_zolty_1", 1.0f, 0.70f, 0.10f);
    m.Material("sw_czerwony_0", 0.42f, 0.06f, 0.06f);
    m.Material("sw_czerwony_1", 1.0f, 0.12f, 0.10f);
    m.Material("tylne", 0.70f, 0.08f, 0.07f);
}

void BuildSection(MeshModel& model, const SectionSpec& spec) {
    Ctx c{model, spec, model.Object("karoseria"), spec.halfWidth};
    MeshObject& glass = model.Object("b_2");
    for (int sx : {-1, 1}) {
        LowerPanels(c, sx);
        WindowBand(c, sx, glass);
    }
    WheelWells(c);
    Corners(c);
    Roof(c);
    if (spec.front == SectionEnd::Nose) NoseEnd(c, glass);
    else JointEnd(c, spec.yFront, 1);
    if (spec.rear == SectionEnd::Tail) TailEnd(c, model.Object("b_3"));
    else JointEnd(c, spec.yRear, -1);
    BuildInterior(c);
    BuildDoors(c);
    BuildLights(c);
    if (spec.front == SectionEnd::Nose) BuildCab(c);
}

std::vector<Seat> ReadSeats(const std::string& descPath, int part) {
    std::ifstream f(descPath);
    if (!f) throw std::runtime_error("cannot read " + descPath);
    std::vector<Seat> seats;
    std::string line;
    while (std::getline(f, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("PA", 0) != 0 || line.size() < 4) continue;
        std::string v = line.substr(3);
        if (zw::ParseInt(zw::Trim(zw::CommaField(v, 6))) != part) continue;
        seats.push_back({float(zw::ParseFloat(zw::Trim(zw::CommaField(v, 1)))),
                         float(zw::ParseFloat(zw::Trim(zw::CommaField(v, 2)))),
                         float(zw::ParseFloat(zw::Trim(zw::CommaField(v, 3))))});
    }
    return seats;
}

} // namespace demogen
