#include "platform/render/ShapeGeometry.h"

#include "platform/scene/TerrainNode.h"

#include <algorithm>
#include <cmath>

namespace zw {
namespace {

constexpr float kPi = 3.14159265358979323846f;

uint8_t Byte(float v) { return uint8_t(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); }

GlVertex Vertex(const Vec3& p, const Vec3& n, float u, float v) {
    GlVertex x;
    x.px = p.x, x.py = p.y, x.pz = p.z;
    x.nx = n.x, x.ny = n.y, x.nz = n.z;
    x.u = u, x.v = v;
    return x;
}

void Quad(Geometry& g, uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    g.indices.insert(g.indices.end(), {a, b, c, a, c, d});
}

} // namespace

void BuildFreeForm(const FreeFormNode& n, Geometry& g) {
    g.Clear();
    for (const MeshObject& o : n.Objects()) {
        uint32_t base = uint32_t(g.vertices.size());
        for (size_t i = 0; i < o.vertices.size(); ++i) {
            Vec3 nn = i < o.normals.size() ? o.normals[i] : Vec3{0, 0, 1};
            Vec2 t = i < o.texCoords.size() ? o.texCoords[i] : Vec2{};
            g.vertices.push_back(Vertex(o.vertices[i], nn, t.x, t.y));
        }
        for (const FaceGroup& fg : o.groups) {
            uint32_t first = uint32_t(g.indices.size());
            for (size_t i = 0; i + 2 < fg.indices.size(); i += 3) {
                // Faces that name vertices the object lacks are left out.
                if (fg.indices[i] >= o.vertices.size() || fg.indices[i + 1] >= o.vertices.size() ||
                    fg.indices[i + 2] >= o.vertices.size())
                    continue;
                for (int k = 0; k < 3; ++k) g.indices.push_back(base + fg.indices[i + k]);
            }
            g.ranges.push_back({first, uint32_t(g.indices.size()) - first, &fg});
        }
    }
}

void BuildMeshNode(const MeshNode& n, Geometry& g) {
    g.Clear();
    const auto& vs = n.Vertices();
    for (const MeshVertex& v : vs) {
        GlVertex x = Vertex(v.position, v.normal, v.texCoord.x, v.texCoord.y);
        x.r = Byte(v.color.r), x.g = Byte(v.color.g), x.b = Byte(v.color.b), x.a = Byte(v.color.a);
        g.vertices.push_back(x);
    }
    uint32_t count = uint32_t(vs.size());
    switch (n.PrimitiveMode()) {
    case MeshNode::Mode::Triangles:
        for (uint32_t i = 0; i + 2 < count; i += 3) g.indices.insert(g.indices.end(), {i, i + 1, i + 2});
        break;
    case MeshNode::Mode::TriangleStrip:
        for (uint32_t i = 0; i + 2 < count; ++i) {
            if (i % 2 == 0) g.indices.insert(g.indices.end(), {i, i + 1, i + 2});
            else g.indices.insert(g.indices.end(), {i + 1, i, i + 2});
        }
        break;
    case MeshNode::Mode::TriangleFan:
        for (uint32_t i = 1; i + 1 < count; ++i) g.indices.insert(g.indices.end(), {0, i, i + 1});
        break;
    }
}

void BuildPlane(float w, float h, Geometry& g) {
    g.Clear();
    const Vec3 n{0, 0, 1};
    g.vertices.push_back(Vertex({-w / 2, -h / 2, 0}, n, 0, 0));
    g.vertices.push_back(Vertex({w / 2, -h / 2, 0}, n, 1, 0));
    g.vertices.push_back(Vertex({w / 2, h / 2, 0}, n, 1, 1));
    g.vertices.push_back(Vertex({-w / 2, h / 2, 0}, n, 0, 1));
    Quad(g, 0, 1, 2, 3);
}

void BuildCylinder(float rb, float rt, float y0, float y1, int slices, int stacks, bool sides, bool top,
                   bool bottom, Geometry& g) {
    slices = std::clamp(slices, 3, 256);
    stacks = std::clamp(stacks, 1, 256);
    float h = y1 - y0;
    float slope = h != 0 ? (rb - rt) / h : 0;
    if (sides) {
        uint32_t base = uint32_t(g.vertices.size());
        for (int s = 0; s <= stacks; ++s) {
            float t = float(s) / stacks, r = rb + (rt - rb) * t, y = y0 + h * t;
            for (int i = 0; i <= slices; ++i) {
                float a = 2 * kPi * i / slices;
                Vec3 nn = Normalized(Vec3{std::cos(a), slope, std::sin(a)});
                g.vertices.push_back(Vertex({r * std::cos(a), y, r * std::sin(a)}, nn, float(i) / slices, t));
            }
        }
        for (int s = 0; s < stacks; ++s)
            for (int i = 0; i < slices; ++i) {
                uint32_t a = base + uint32_t(s * (slices + 1) + i), b = a + uint32_t(slices + 1);
                Quad(g, a, b, b + 1, a + 1);
            }
    }
    auto cap = [&](float y, float r, float ny) {
        if (r <= 0) return;
        uint32_t centre = uint32_t(g.vertices.size());
        g.vertices.push_back(Vertex({0, y, 0}, {0, ny, 0}, 0.5f, 0.5f));
        for (int i = 0; i <= slices; ++i) {
            float a = 2 * kPi * i / slices;
            g.vertices.push_back(Vertex({r * std::cos(a), y, r * std::sin(a)}, {0, ny, 0}, 0.5f + std::cos(a) / 2,
                                        0.5f + std::sin(a) / 2));
        }
        for (int i = 0; i < slices; ++i)
            g.indices.insert(g.indices.end(), {centre, centre + 1 + uint32_t(i), centre + 2 + uint32_t(i)});
    };
    if (top) cap(y1, rt, 1);
    if (bottom) cap(y0, rb, -1);
}

void BuildArrow(const ArrowLineNode& n, Geometry& g) {
    g.Clear();
    // The arrow runs along local Z; cylinders are built along Y and turned.
    float h = n.Height(), head = std::min(n.TopArrowHeadHeight(), h);
    BuildCylinder(n.BottomRadius(), n.TopRadius(), -h / 2, h / 2 - head, n.Slices(), 1, true, false, true, g);
    BuildCylinder(n.TopArrowHeadRadius(), 0, h / 2 - head, h / 2, n.Slices(), 1, true, false, true, g);
    for (GlVertex& v : g.vertices) {
        float y = v.py, z = v.pz, ny = v.ny, nz = v.nz;
        v.py = -z, v.pz = y;
        v.ny = -nz, v.nz = ny;
    }
}

void BuildSkyDome(const SkyDomeNode& n, Geometry& g) {
    g.Clear();
    for (const SkyBand& b : n.Bands()) {
        int slices = std::clamp(b.slices, 3, 256), stacks = std::clamp(b.stacks, 1, 64);
        uint32_t base = uint32_t(g.vertices.size());
        for (int s = 0; s <= stacks; ++s) {
            float t = float(s) / stacks;
            float elev = (b.startAngle + (b.stopAngle - b.startAngle) * t) * kPi / 180;
            Color c{b.startColor.r + (b.stopColor.r - b.startColor.r) * t,
                    b.startColor.g + (b.stopColor.g - b.startColor.g) * t,
                    b.startColor.b + (b.stopColor.b - b.startColor.b) * t, 1};
            for (int i = 0; i <= slices; ++i) {
                float a = 2 * kPi * i / slices;
                Vec3 p{std::cos(elev) * std::cos(a), std::sin(elev), std::cos(elev) * std::sin(a)};
                GlVertex v = Vertex(p, -p, 0, 0);
                v.r = Byte(c.r), v.g = Byte(c.g), v.b = Byte(c.b);
                g.vertices.push_back(v);
            }
        }
        for (int s = 0; s < stacks; ++s)
            for (int i = 0; i < slices; ++i) {
                uint32_t a = base + uint32_t(s * (slices + 1) + i), c = a + uint32_t(slices + 1);
                Quad(g, a, c, c + 1, a + 1);
            }
    }
}

void BuildSkyFace(int face, Geometry& g) {
    g.Clear();
    // Corners seen from inside: bottom-left, bottom-right, top-right, top-left.
    static const float kFaces[6][4][3] = {
        {{-1, 1, -1}, {1, 1, -1}, {1, 1, 1}, {-1, 1, 1}},     // top
        {{-1, -1, 1}, {1, -1, 1}, {1, -1, -1}, {-1, -1, -1}}, // bottom
        {{-1, -1, 1}, {-1, -1, -1}, {-1, 1, -1}, {-1, 1, 1}}, // left (-X)
        {{1, -1, -1}, {1, -1, 1}, {1, 1, 1}, {1, 1, -1}},     // right (+X)
        {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}}, // front (-Z)
        {{1, -1, 1}, {-1, -1, 1}, {-1, 1, 1}, {1, 1, 1}},     // back (+Z)
    };
    const float uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int k = 0; k < 4; ++k) {
        const float* c = kFaces[face][k];
        g.vertices.push_back(Vertex({c[0], c[1], c[2]}, {0, 0, 1}, uv[k][0], uv[k][1]));
    }
    Quad(g, 0, 1, 2, 3);
}

void BuildTerrainGrid(const TerrainNode* t, long ox, long oy, int cells, int tile, Geometry& g) {
    g.Clear();
    cells = std::clamp(cells, 1, 256);
    tile = std::max(tile, 1);
    for (int j = 0; j <= cells; ++j)
        for (int i = 0; i <= cells; ++i) {
            long gx = ox + long(i) * tile, gy = oy + long(j) * tile;
            float z = t ? t->LocalHeight(gx, gy) : 0;
            g.vertices.push_back(Vertex({float(i * tile), float(j * tile), z}, {0, 0, 1}, float(i), float(j)));
        }
    for (int j = 0; j < cells; ++j)
        for (int i = 0; i < cells; ++i) {
            uint32_t a = uint32_t(j * (cells + 1) + i), c = a + uint32_t(cells + 1);
            Quad(g, a, a + 1, c + 1, c);
        }
}

} // namespace zw
