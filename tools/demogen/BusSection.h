#pragma once
// Shared state of one section while BusBody and BusInterior build it.
#include "tools/demogen/BusBody.h"

namespace demogen::section {

constexpr float kBottom = 0.28f;  // underside of the skirt
constexpr float kFloor = 0.34f;   // low floor
constexpr float kRaised = 0.75f;  // podiums and the engine-bay platform
constexpr float kBelt = 1.10f;    // window sill
constexpr float kWinTop = 2.55f;  // window and door head
constexpr float kEaves = 2.80f;   // where the roof starts to round
constexpr float kRoof = 2.98f;
constexpr float kCeiling = 2.62f;
constexpr float kChamfer = 0.10f; // vertical corner bevel
constexpr float kWall = 0.04f;    // shell thickness
constexpr float kArch = 0.55f;    // wheel-arch radius about the axle (wheel 0.48)
constexpr float kAxleZ = 0.48f;

struct Ctx {
    MeshModel& model;
    const SectionSpec& s;
    MeshObject& shell;
    float hw;
    float Length() const { return s.yFront - s.yRear; }
    // Side livery: the front of the bus at the picture's right on the right
    // side, at its left on the left side, so both read from outside.
    UV SideUV(int sx, float y, float z) const {
        float u = (y - s.yRear) / Length();
        return {sx > 0 ? u : 1.0f - u, (z - kBottom) / (kEaves - kBottom)};
    }
};

void SidePolygon(Ctx& c, MeshObject& o, const std::vector<UV>& yz, float x, int facing, const std::string& mat,
                 bool sideUV, int uvSide);
void GlassPane(MeshObject& g, Vec3 p0, Vec3 p1, Vec3 p2, Vec3 p3, const std::string& mat);

void BuildInterior(Ctx& c);
void BuildDoors(Ctx& c);
void BuildLights(Ctx& c);
void BuildCab(Ctx& c);

} // namespace demogen::section
