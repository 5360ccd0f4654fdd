#pragma once
// A mesh built vertex by vertex (the mesh scripts): positions, normals, RGBA
// colours and texture coordinates, drawn as a plain triangle list (every three
// vertices one triangle) with the node's material.
#include "platform/scene/MaterialNode.h"

#include <vector>

namespace zw {

struct MeshVertex {
    Vec3 position;
    Vec3 normal{0, 0, 1};
    Color color{1, 1, 1, 1};
    Vec2 texCoord;
};

class MeshNode : public MaterialNode {
public:
    enum class Mode { Triangles, TriangleStrip, TriangleFan };
    explicit MeshNode(std::string name = "") : MaterialNode(NodeKind::Mesh, std::move(name)) {}

    const std::vector<MeshVertex>& Vertices() const { return vertices_; }
    void Clear() { vertices_.clear(), ++version_; }
    void AddVertex(const MeshVertex& v) { vertices_.push_back(v), ++version_; }
    void AddVertex(const Vec3& p, const Vec3& n, const Color& c, const Vec2& t) { AddVertex(MeshVertex{p, n, c, t}); }
    Mode PrimitiveMode() const { return mode_; }
    void SetMode(Mode m) { mode_ = m, ++version_; }
    // Normals from the triangles: each vertex gets the average normal of the
    // faces that share its position.
    void CalcNormals();
    uint64_t GeometryVersion() const { return version_; }

private:
    std::vector<MeshVertex> vertices_;
    Mode mode_ = Mode::Triangles;
    uint64_t version_ = 1;
};

} // namespace zw
