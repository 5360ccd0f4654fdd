#pragma once
// Geometry built from a scene object's numbers, on upload only.
#include "platform/render/GlMesh.h"
#include "platform/scene/FreeForm.h"
#include "platform/scene/MeshNode.h"
#include "platform/scene/Shapes.h"
#include "platform/scene/SkyNodes.h"
#include "platform/scene/TerrainNode.h"

#include <vector>

namespace zw {

struct Geometry {
    std::vector<GlVertex> vertices;
    std::vector<uint32_t> indices;
    // Index ranges of a free-form mesh's face groups, in object and group order.
    struct Range {
        uint32_t first, count;
        const FaceGroup* group;
    };
    std::vector<Range> ranges;
    void Clear() { vertices.clear(), indices.clear(), ranges.clear(); }
};

void BuildFreeForm(const FreeFormNode& n, Geometry& g);
void BuildMeshNode(const MeshNode& n, Geometry& g);
void BuildPlane(float width, float height, Geometry& g);
// A cylinder or cone along local Y from y0 to y1 (sides, caps by flags).
void BuildCylinder(float bottomRadius, float topRadius, float y0, float y1, int slices, int stacks, bool sides,
                   bool top, bool bottom, Geometry& g);
void BuildArrow(const ArrowLineNode& n, Geometry& g);
// A unit dome with the bands' colours (y up), drawn around the eye.
void BuildSkyDome(const SkyDomeNode& n, Geometry& g);
// Face f of a cube of half-size 1 around the eye, facing inwards; face order of SkyBoxNode.
void BuildSkyFace(int face, Geometry& g);
// A flat grid of cells x cells tiles of tileSize grid steps in the local XY
// plane, texture repeating once a tile, heights along Z from the terrain.
void BuildTerrainGrid(const TerrainNode* heights, long originX, long originY, int cells, int tileSize, Geometry& g);

} // namespace zw
