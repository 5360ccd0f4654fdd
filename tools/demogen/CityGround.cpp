// The city's ground model (the map's U1 line): lawns, the street grid with
// marked carriageways, junctions, pavements and kerbs. Authored in map
// coordinates (x east, y north): the map loader's extra half turn of the
// ground model makes model and map axes agree. The grid matches the map,
// lane and route files written by city_text.py.
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Mesh.h"

#include <algorithm>
#include <vector>

namespace demogen {
namespace {

const float kStreets[] = {-200, 0, 200};
constexpr float kHalfRoad = 6, kWalk = 10, kEdge = 300;
constexpr float kLawnZ = 0.01f, kRoadZ = 0.03f, kWalkZ = 0.08f;

void Ground(const std::string& dir) {
    MeshModel m;
    m.Material("trawnik", 0.4f, 0.6f, 0.3f, "trawnik.bmp");
    m.Material("jezdnia", 0.35f, 0.35f, 0.37f, "jezdnia.bmp");
    m.Material("asfalt", 0.35f, 0.35f, 0.37f, "asfalt.bmp");
    m.Material("chodnik", 0.7f, 0.7f, 0.65f, "chodnik.bmp");
    m.Material("kraweznik", 0.75f, 0.75f, 0.7f, "kraweznik.bmp");

    // Lawns: the whole square in 100 m tiles (one object's vertex count stays small).
    MeshObject& lawn = m.Object("teren");
    for (float y = -kEdge; y < kEdge; y += 100)
        for (float x = -kEdge; x < kEdge; x += 100)
            lawn.TiledQuad({x, y, kLawnZ}, {x + 100, y, kLawnZ}, {x + 100, y + 100, kLawnZ},
                           {x, y + 100, kLawnZ}, "trawnik", 10, 10);

    MeshObject& roads = m.Object("jezdnie");
    MeshObject& walks = m.Object("chodniki");
    const float lo = kStreets[0], hi = kStreets[2];
    for (float c : kStreets) {
        for (size_t k = 0; k + 1 < 3; ++k) {
            float a0 = kStreets[k] + kHalfRoad, a1 = kStreets[k + 1] - kHalfRoad;
            // North-south carriageway at x = c: u across (west to east), v along y.
            roads.Quad({c - kHalfRoad, a0, kRoadZ}, {c + kHalfRoad, a0, kRoadZ}, {c + kHalfRoad, a1, kRoadZ},
                       {c - kHalfRoad, a1, kRoadZ}, "jezdnia", {0, 0}, {1, 0}, {1, (a1 - a0) / 6},
                       {0, (a1 - a0) / 6});
            // East-west carriageway at y = c: u across (south to north), v along x.
            roads.Quad({a0, c - kHalfRoad, kRoadZ}, {a1, c - kHalfRoad, kRoadZ}, {a1, c + kHalfRoad, kRoadZ},
                       {a0, c + kHalfRoad, kRoadZ}, "jezdnia", {1, 0}, {1, (a1 - a0) / 6}, {0, (a1 - a0) / 6},
                       {0, 0});
            // Pavements on both sides, with kerbs facing the road.
            for (int side : {-1, 1}) {
                float n0 = c + side * kHalfRoad, n1 = c + side * kWalk;
                float xa = std::min(n0, n1), xb = std::max(n0, n1);
                walks.TiledQuad({xa, a0, kWalkZ}, {xb, a0, kWalkZ}, {xb, a1, kWalkZ}, {xa, a1, kWalkZ},
                                "chodnik", 2, 2);
                walks.TiledQuad({a0, xa, kWalkZ}, {a1, xa, kWalkZ}, {a1, xb, kWalkZ}, {a0, xb, kWalkZ},
                                "chodnik", 2, 2);
                if (side < 0) {
                    walks.Wall(n0, a0, n0, a1, kRoadZ, kWalkZ, "kraweznik", 2, 0);
                    walks.Wall(a1, n0, a0, n0, kRoadZ, kWalkZ, "kraweznik", 2, 0);
                } else {
                    walks.Wall(n0, a1, n0, a0, kRoadZ, kWalkZ, "kraweznik", 2, 0);
                    walks.Wall(a0, n0, a1, n0, kRoadZ, kWalkZ, "kraweznik", 2, 0);
                }
            }
        }
    }
    // Junctions: a plain asphalt square and the four pavement corners.
    MeshObject& junctions = m.Object("skrzyzowania");
    for (float jy : kStreets)
        for (float jx : kStreets) {
            junctions.TiledQuad({jx - kHalfRoad, jy - kHalfRoad, kRoadZ},
                                {jx + kHalfRoad, jy - kHalfRoad, kRoadZ},
                                {jx + kHalfRoad, jy + kHalfRoad, kRoadZ},
                                {jx - kHalfRoad, jy + kHalfRoad, kRoadZ}, "asfalt", 6, 6);
            for (int sx : {-1, 1})
                for (int sy : {-1, 1}) {
                    float x0 = jx + sx * kHalfRoad, x1 = jx + sx * kWalk;
                    float y0 = jy + sy * kHalfRoad, y1 = jy + sy * kWalk;
                    float xa = std::min(x0, x1), xb = std::max(x0, x1), ya = std::min(y0, y1),
                          yb = std::max(y0, y1);
                    junctions.TiledQuad({xa, ya, kWalkZ}, {xb, ya, kWalkZ}, {xb, yb, kWalkZ},
                                        {xa, yb, kWalkZ}, "chodnik", 2, 2);
                }
            // Where no street leaves the junction the pavement runs across, behind a kerb.
            const int arms[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& a : arms) {
                float nx = jx + a[0] * 200.0f, ny = jy + a[1] * 200.0f;
                if (nx >= lo && nx <= hi && ny >= lo && ny <= hi) continue;
                if (a[0] != 0) {
                    float x0 = jx + a[0] * kHalfRoad, x1 = jx + a[0] * kWalk;
                    float xa = std::min(x0, x1), xb = std::max(x0, x1);
                    junctions.TiledQuad({xa, jy - kHalfRoad, kWalkZ}, {xb, jy - kHalfRoad, kWalkZ},
                                        {xb, jy + kHalfRoad, kWalkZ}, {xa, jy + kHalfRoad, kWalkZ}, "chodnik",
                                        2, 2);
                    if (a[0] > 0)
                        junctions.Wall(x0, jy + kHalfRoad, x0, jy - kHalfRoad, kRoadZ, kWalkZ, "kraweznik", 2,
                                       0);
                    else
                        junctions.Wall(x0, jy - kHalfRoad, x0, jy + kHalfRoad, kRoadZ, kWalkZ, "kraweznik", 2,
                                       0);
                } else {
                    float y0 = jy + a[1] * kHalfRoad, y1 = jy + a[1] * kWalk;
                    float ya = std::min(y0, y1), yb = std::max(y0, y1);
                    junctions.TiledQuad({jx - kHalfRoad, ya, kWalkZ}, {jx + kHalfRoad, ya, kWalkZ},
                                        {jx + kHalfRoad, yb, kWalkZ}, {jx - kHalfRoad, yb, kWalkZ}, "chodnik",
                                        2, 2);
                    if (a[1] > 0)
                        junctions.Wall(jx - kHalfRoad, y0, jx + kHalfRoad, y0, kRoadZ, kWalkZ, "kraweznik", 2,
                                       0);
                    else
                        junctions.Wall(jx + kHalfRoad, y0, jx - kHalfRoad, y0, kRoadZ, kWalkZ, "kraweznik", 2,
                                       0);
                }
            }
        }
    m.Save(dir, "scene\\city\\teren.3ds");
}

PartRegistrar reg("city-ground", &Ground);

} // namespace
} // namespace demogen
