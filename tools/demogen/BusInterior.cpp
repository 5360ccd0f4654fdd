// The parts of a bus section that the game takes apart or switches: door
// leaves, light-state lenses, the cab door variants; and the saloon.
#include "tools/demogen/BusSection.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace demogen::section {
namespace {

bool DoorNear(const SectionSpec& s, int sx, float y0, float y1) {
    for (const auto& d : s.doors)
        if (d.rightSide == (sx > 0) && d.span.y0 < y1 && d.span.y1 > y0) return true;
    return false;
}

void Pole(MeshObject& o, float x, float y, float z0, float z1) {
    o.Cylinder({x, y, z0}, {0, 0, 1}, 0.02f, z1 - z0, 8, "porecz", "", false);
}

void SeatAt(MeshObject& o, const Seat& s) {
    float f = s.floor;
    o.Box({s.x - 0.21f, s.y - 0.12f, f + 0.40f}, {s.x + 0.21f, s.y + 0.30f, f + 0.47f}, "siedzenie", 0.45f);
    o.Box({s.x - 0.21f, s.y - 0.20f, f + 0.47f}, {s.x + 0.21f, s.y - 0.13f, f + 1.05f}, "siedzenie", 0.45f);
    o.Box({s.x - 0.03f, s.y + 0.00f, f}, {s.x + 0.03f, s.y + 0.06f, f + 0.40f}, "stelaz");
    o.Box({s.x - 0.19f, s.y - 0.22f, f + 1.02f}, {s.x + 0.19f, s.y - 0.19f, f + 1.07f}, "stelaz");
}

// One leaf: bottom panel, stiles and head rail (opaque, "_1"), glass ("_2").
void Leaf(MeshModel& m, const std::string& name, int sx, float hw, float y0, float y1) {
    float xa = sx * (hw - 0.045f), xb = sx * (hw - 0.008f);
    float x0 = std::min(xa, xb), x1 = std::max(xa, xb);
    y0 += 0.004f;
    y1 -= 0.004f;
    MeshObject& o = m.Object(name + "_1");
    o.Box({x0, y0, 0.32f}, {x1, y1, 0.95f}, "drzwi");
    o.Box({x0, y0, 0.95f}, {x1, y0 + 0.045f, 2.45f}, "drzwi");
    o.Box({x0, y1 - 0.045f, 0.95f}, {x1, y1, 2.45f}, "drzwi");
    o.Box({x0, y0, 2.45f}, {x1, y1, 2.53f}, "drzwi");
    o.Box({x0 - 0.003f, y1 - 0.012f, 0.32f}, {x1 + 0.003f, y1, 2.53f}, "guma"); // rubber edge
    MeshObject& g = m.Object(name + "_2");
    float gx = sx * (hw - 0.026f);
    Vec3 a{gx, y0 + 0.045f, 0.95f}, b{gx, y1 - 0.045f, 0.95f}, c{gx, y1 - 0.045f, 2.45f}, d{gx, y0 + 0.045f, 2.45f};
    if (sx > 0) GlassPane(g, a, b, c, d, "szklo");
    else GlassPane(g, b, a, d, c, "szklo");
}

// A lens standing proud of an end wall (dir +1 front, -1 rear) or a side.
void EndLens(MeshObject& o, float x, float y, int dir, float z, float w, float h, const std::string& mat) {
    float ya = y, yb = y + dir * 0.025f;
    o.Box({x - w / 2, std::min(ya, yb), z - h / 2}, {x + w / 2, std::max(ya, yb), z + h / 2}, mat);
}
void SideLens(MeshObject& o, int sx, float hw, float y, float z, const std::string& mat) {
    float xa = sx * hw, xb = sx * (hw + 0.02f);
    o.Box({std::min(xa, xb), y - 0.05f, z - 0.03f}, {std::max(xa, xb), y + 0.05f, z + 0.03f}, mat);
}

void LampPair(MeshModel& m, const std::string& name, const std::string& colour,
              const std::function<void(MeshObject&, const std::string&)>& shape) {
    shape(m.Object(name + "_0"), "sw_" + colour + "_0");
    shape(m.Object(name + "_1"), "sw_" + colour + "_1");
}

// Cab door: a half-height swing door between the driver and the gangway.
void CabDoor(MeshModel& m, const std::string& name, float hingeX, float hingeY, float turn) {
    MeshObject& o = m.Object(name + "_1");
    MeshObject& g = m.Object(name + "_2");
    float len = 0.55f;
    o.Box({-0.02f, 0, 0.42f}, {0.02f, len, 0.95f}, "kabina");
    o.Box({-0.02f, 0, 0.95f}, {0.02f, 0.04f, 1.48f}, "kabina");
    o.Box({-0.02f, len - 0.04f, 0.95f}, {0.02f, len, 1.48f}, "kabina");
    o.Box({-0.02f, 0, 1.44f}, {0.02f, len, 1.50f}, "kabina");
    GlassPane(g, {0, 0.04f, 0.95f}, {0, len - 0.04f, 0.95f}, {0, len - 0.04f, 1.44f}, {0, 0.04f, 1.44f}, "szklo");
    for (MeshObject* p : {&o, &g}) {
        p->RotateZ(turn);
        p->Translate({hingeX, hingeY, 0});
    }
}

} // namespace

void BuildInterior(Ctx& c) {
    const SectionSpec& s = c.s;
    MeshObject& o = c.shell;
    float hw = c.hw - kWall;
    std::vector<UV> floor;
    float k = kChamfer;
    for (UV p : std::vector<UV>{{hw - k, s.yRear + kWall}, {hw, s.yRear + k}, {hw, s.yFront - k},
                                {hw - k, s.yFront - kWall}, {-hw + k, s.yFront - kWall}, {-hw, s.yFront - k},
                                {-hw, s.yRear + k}, {-hw + k, s.yRear + kWall}})
        floor.push_back(p);
    o.Polygon(floor, {0, 0, kFloor}, {1, 0, 0}, {0, 1, 0}, "podloga", 1.0f);
    if (s.platformBehind > s.yRear)
        o.Box({-hw, s.yRear + kWall, kFloor - 0.01f}, {hw, s.platformBehind, kRaised}, "podloga", 1.0f);
    for (float a : s.axles)
        for (int sx : {-1, 1}) {
            if (DoorNear(s, sx, a - 0.62f, a + 0.62f) || a - 0.62f < s.platformBehind) continue;
            // Wheel housing over the well (open towards the wheel), and a
            // step inboard of it for the feet of those seated on top.
            float x0 = sx * (c.hw - 0.55f), x1 = sx * hw, x2 = sx * (c.hw - 0.95f);
            int skip = MeshObject::kBottom | (sx > 0 ? MeshObject::kPlusX : MeshObject::kMinusX);
            o.Box({std::min(x0, x1), a - 0.62f, kFloor - 0.01f}, {std::max(x0, x1), a + 0.62f, 1.06f}, "kabina", 0, skip);
            o.Box({std::min(x0, x2), a - 0.62f, kFloor - 0.01f}, {std::max(x0, x2), a + 0.62f, kRaised}, "podloga", 1.0f);
        }
    for (const Seat& seat : s.seats) SeatAt(o, seat);
    // Handrails: poles at the doors and along the gangway, rails under the ceiling.
    for (const auto& d : s.doors) {
        if (d.number == 0) continue;
        float x = (d.rightSide ? 1 : -1) * (c.hw - 0.30f);
        Pole(o, x, d.span.y0 - 0.06f, kFloor, kCeiling);
        Pole(o, x, d.span.y1 + 0.06f, kFloor, kCeiling);
    }
    for (size_t i = 0; i < s.seats.size(); i += 4) {
        const Seat& seat = s.seats[i];
        float x = seat.x < 0 ? -0.30f : 0.30f;
        Pole(o, x, seat.y - 0.24f, seat.floor + 1.05f, kCeiling);
    }
    float r0 = s.yRear + 0.3f, r1 = s.front == SectionEnd::Nose ? s.driverY - 0.7f : s.yFront - 0.3f;
    for (float x : {-0.45f, 0.45f}) o.Cylinder({x, r0, 1.95f}, {0, 1, 0}, 0.018f, r1 - r0, 8, "porecz", "", false);
}

void BuildDoors(Ctx& c) {
    for (const DoorSpec& d : c.s.doors) {
        int sx = d.rightSide ? 1 : -1;
        std::string n = "d" + std::to_string(d.number);
        float y0 = d.span.y0, y1 = d.span.y1;
        if (d.bothSides) {
            float q = (y1 - y0) / 4;
            Leaf(c.model, n + "l1", sx, c.hw, y0, y0 + q);
            Leaf(c.model, n + "l2", sx, c.hw, y0 + q, y0 + 2 * q);
            Leaf(c.model, n + "r1", sx, c.hw, y0 + 3 * q, y1);
            Leaf(c.model, n + "r2", sx, c.hw, y0 + 2 * q, y0 + 3 * q);
        } else {
            float h = (y1 - y0) / 2;
            Leaf(c.model, n + "l1", sx, c.hw, y0, y0 + h);
            Leaf(c.model, n + "l2", sx, c.hw, y0 + h, y1);
        }
        // Step edge and the threshold under the opening.
        float xi = sx * (c.hw - 0.35f), xo = sx * c.hw;
        c.shell.Box({std::min(xi, xo), y0, kBottom}, {std::max(xi, xo), y1, kFloor - 0.005f}, "guma");
    }
}

void BuildLights(Ctx& c) {
    MeshModel& m = c.model;
    float yF = c.s.yFront, yR = c.s.yRear, hw = c.hw;
    bool nose = c.s.front == SectionEnd::Nose, tail = c.s.rear == SectionEnd::Tail;
    if (nose) {
        LampPair(m, "sw_R", "bialy", [&](MeshObject& o, const std::string& mat) {
            for (float x : {-0.88f, 0.88f}) EndLens(o, x, yF + 0.005f, 1, 0.62f, 0.30f, 0.14f, mat);
        });
    }
    for (int sx : {1, -1}) {
        LampPair(m, sx > 0 ? "sw_IR" : "sw_IL", "zolty", [&](MeshObject& o, const std::string& mat) {
            if (nose) {
                EndLens(o, sx * 1.12f, yF + 0.005f, 1, 0.62f, 0.11f, 0.10f, mat);
                SideLens(o, sx, hw, *std::max_element(c.s.axles.begin(), c.s.axles.end()) - 0.8f, 0.75f, mat);
            }
            if (tail) {
                EndLens(o, sx * 1.0f, yR - 0.005f, -1, 0.98f, 0.22f, 0.09f, mat);
                SideLens(o, sx, hw, yR + 0.55f, 0.55f, mat);
            }
        });
    }
    if (tail) {
        LampPair(m, "sw_S", "czerwony", [&](MeshObject& o, const std::string& mat) {
            for (float x : {-1.0f, 1.0f}) EndLens(o, x, yR - 0.005f, -1, 0.86f, 0.22f, 0.11f, mat);
            EndLens(o, 0, yR - 0.005f, -1, 2.70f, 0.50f, 0.05f, mat);
        });
        LampPair(m, "sw_CO", "bialy", [&](MeshObject& o, const std::string& mat) {
            for (float x : {-0.72f, 0.72f}) EndLens(o, x, yR - 0.005f, -1, 0.86f, 0.14f, 0.10f, mat);
        });
        for (float x : {-1.0f, 1.0f}) EndLens(c.shell, x, yR - 0.005f, -1, 1.10f, 0.22f, 0.07f, "tylne");
    }
}

void BuildCab(Ctx& c) {
    MeshObject& o = c.shell;
    float hw = c.hw - kWall, dy = c.s.driverY;
    o.Box({-hw, dy - 0.60f, kFloor}, {-0.30f, c.s.yFront - 0.40f, 0.62f}, "kabina");
    o.Box({-0.95f, dy - 0.30f, 0.95f}, {-0.49f, dy + 0.12f, 1.06f}, "kabina");
    o.Box({-0.95f, dy - 0.40f, 1.06f}, {-0.49f, dy - 0.30f, 1.80f}, "kabina");
    o.Box({-0.75f, dy - 0.15f, 0.62f}, {-0.69f, dy - 0.09f, 0.95f}, "stelaz");
    o.Box({-hw, dy - 0.64f, kFloor}, {-0.34f, dy - 0.60f, 1.65f}, "kabina");
    // Variant 1 closes the cab, variant 2 stands open into the gangway.
    CabDoor(c.model, "dkier1", -0.32f, dy - 0.60f, 0);
    CabDoor(c.model, "dkier2", -0.32f, dy - 0.60f, -80);
}

} // namespace demogen::section
