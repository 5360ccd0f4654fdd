#include "tools/demogen/Mesh.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace demogen {

float Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float Length(const Vec3& v) {
    return std::sqrt(Dot(v, v));
}
Vec3 Normalized(const Vec3& v) {
    float l = Length(v);
    return l > 0 ? v * (1.0f / l) : v;
}

int MeshObject::Vertex(Vec3 p, UV t) {
    if (verts_.size() >= 65535)
        throw std::length_error("mesh object " + name_ + ": more than 65535 vertices");
    verts_.push_back(p);
    uvs_.push_back(t);
    return int(verts_.size() - 1);
}

void MeshObject::Triangle(int a, int b, int c, const std::string& material) {
    int n = int(verts_.size());
    if (a < 0 || b < 0 || c < 0 || a >= n || b >= n || c >= n)
        throw std::out_of_range("mesh object " + name_ + ": triangle names a missing vertex");
    faces_.push_back({uint16_t(a), uint16_t(b), uint16_t(c), material});
}

void MeshObject::Quad(Vec3 p0, Vec3 p1, Vec3 p2, Vec3 p3, const std::string& material, UV t0, UV t1, UV t2,
                      UV t3) {
    int a = Vertex(p0, t0), b = Vertex(p1, t1), c = Vertex(p2, t2), d = Vertex(p3, t3);
    Triangle(a, b, c, material);
    Triangle(a, c, d, material);
}

void MeshObject::TiledQuad(Vec3 p0, Vec3 p1, Vec3 p2, Vec3 p3, const std::string& material, float tileU,
                           float tileV) {
    float u = tileU > 0 ? Length(p1 - p0) / tileU : 1.0f;
    float v = tileV > 0 ? Length(p3 - p0) / tileV : 1.0f;
    Quad(p0, p1, p2, p3, material, {0, 0}, {u, 0}, {u, v}, {0, v});
}

void MeshObject::Wall(float x0, float y0, float x1, float y1, float z0, float z1, const std::string& material,
                      float tileU, float tileV) {
    // Seen from the right of x0 -> x1, the corners run bottom-left, bottom-right, top-right, top-left.
    TiledQuad({x0, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x0, y0, z1}, material, tileU, tileV);
}

void MeshObject::Box(Vec3 lo, Vec3 hi, const std::string& m, float tile, int skip) {
    float x0 = lo.x, y0 = lo.y, z0 = lo.z, x1 = hi.x, y1 = hi.y, z1 = hi.z;
    if (!(skip & kMinusY)) Wall(x0, y0, x1, y0, z0, z1, m, tile, tile);
    if (!(skip & kPlusX)) Wall(x1, y0, x1, y1, z0, z1, m, tile, tile);
    if (!(skip & kPlusY)) Wall(x1, y1, x0, y1, z0, z1, m, tile, tile);
    if (!(skip & kMinusX)) Wall(x0, y1, x0, y0, z0, z1, m, tile, tile);
    if (!(skip & kTop)) TiledQuad({x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}, m, tile, tile);
    if (!(skip & kBottom)) TiledQuad({x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}, {x0, y0, z0}, m, tile, tile);
}

namespace {
// Two unit vectors perpendicular to axis, forming a right-handed frame (e1, e2, axis).
void Frame(Vec3 axis, Vec3& e1, Vec3& e2) {
    Vec3 helper = std::fabs(axis.z) < 0.9f ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
    e1 = Normalized(Cross(helper, axis));
    e2 = Cross(axis, e1);
}
} // namespace

void MeshObject::Cylinder(Vec3 base, Vec3 axis, float radius, float length, int segments,
                          const std::string& side, const std::string& cap, bool caps) {
    if (segments < 3) segments = 3;
    axis = Normalized(axis);
    Vec3 e1, e2;
    Frame(axis, e1, e2);
    Vec3 top = base + axis * length;
    auto rim = [&](int i) {
        double a = 2.0 * M_PI * i / segments;
        return e1 * float(std::cos(a) * radius) + e2 * float(std::sin(a) * radius);
    };
    for (int i = 0; i < segments; ++i) {
        Vec3 r0 = rim(i), r1 = rim(i + 1);
        float u0 = float(i) / segments, u1 = float(i + 1) / segments;
        Quad(base + r0, base + r1, top + r1, top + r0, side, {u0, 0}, {u1, 0}, {u1, 1}, {u0, 1});
    }
    if (!caps) return;
    const std::string& cm = cap.empty() ? side : cap;
    int ct = Vertex(top, {0.5f, 0.5f}), cb = Vertex(base, {0.5f, 0.5f});
    for (int i = 0; i < segments; ++i) {
        double a0 = 2.0 * M_PI * i / segments, a1 = 2.0 * M_PI * (i + 1) / segments;
        UV t0{0.5f + 0.5f * float(std::cos(a0)), 0.5f + 0.5f * float(std::sin(a0))};
        UV t1{0.5f + 0.5f * float(std::cos(a1)), 0.5f + 0.5f * float(std::sin(a1))};
        Triangle(ct, Vertex(top + rim(i), t0), Vertex(top + rim(i + 1), t1), cm);
        Triangle(cb, Vertex(base + rim(i + 1), t1), Vertex(base + rim(i), t0), cm);
    }
}

namespace {
double SignedArea(const std::vector<UV>& p) {
    double a = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const UV& q = p[i];
        const UV& r = p[(i + 1) % p.size()];
        a += double(q.u) * r.v - double(r.u) * q.v;
    }
    return a / 2;
}

bool InTriangle(UV p, UV a, UV b, UV c) {
    auto cross = [](UV o, UV s, UV t) { return (s.u - o.u) * (t.v - o.v) - (s.v - o.v) * (t.u - o.u); };
    float d1 = cross(a, b, p), d2 = cross(b, c, p), d3 = cross(c, a, p);
    return d1 >= 0 && d2 >= 0 && d3 >= 0;
}
} // namespace

std::vector<int> Triangulate(const std::vector<UV>& outline) {
    std::vector<int> idx(outline.size());
    for (size_t i = 0; i < idx.size(); ++i)
        idx[i] = int(i);
    if (SignedArea(outline) < 0) std::reverse(idx.begin(), idx.end());
    std::vector<int> tris;
    size_t guard = 0;
    while (idx.size() > 3 && guard++ < outline.size() * outline.size()) {
        bool clipped = false;
        for (size_t i = 0; i < idx.size(); ++i) {
            int ia = idx[(i + idx.size() - 1) % idx.size()], ib = idx[i], ic = idx[(i + 1) % idx.size()];
            UV a = outline[size_t(ia)], b = outline[size_t(ib)], c = outline[size_t(ic)];
            if ((b.u - a.u) * (c.v - a.v) - (b.v - a.v) * (c.u - a.u) <= 0) continue; // reflex
            bool empty = true;
            for (int j : idx)
                if (j != ia && j != ib && j != ic && InTriangle(outline[size_t(j)], a, b, c)) empty = false;
            if (!empty) continue;
            tris.insert(tris.end(), {ia, ib, ic});
            idx.erase(idx.begin() + long(i));
            clipped = true;
            break;
        }
        if (!clipped) break; // degenerate outline: stop rather than loop
    }
    if (idx.size() == 3) tris.insert(tris.end(), {idx[0], idx[1], idx[2]});
    return tris;
}

void MeshObject::Polygon(const std::vector<UV>& outline, Vec3 origin, Vec3 ax, Vec3 ay,
                         const std::string& material, float tile) {
    std::vector<int> tris = Triangulate(outline);
    int first = int(verts_.size());
    for (const UV& p : outline) {
        UV t = tile > 0 ? UV{p.u / tile, p.v / tile} : p;
        Vertex(origin + ax * p.u + ay * p.v, t);
    }
    for (size_t i = 0; i + 2 < tris.size(); i += 3)
        Triangle(first + tris[i], first + tris[i + 1], first + tris[i + 2], material);
}

void MeshObject::Prism(const std::vector<UV>& outline, Vec3 origin, Vec3 ax, Vec3 ay, float depth,
                       const std::string& sideMaterial, const std::string& capMaterial, float tile) {
    Vec3 n = Normalized(Cross(ax, ay)) * depth;
    std::vector<UV> ccw = outline;
    if (SignedArea(ccw) < 0) std::reverse(ccw.begin(), ccw.end());
    // Far cap faces +n; the near cap, with the plane's axes swapped, faces -n.
    Polygon(ccw, origin + n, ax, ay, capMaterial, tile);
    std::vector<UV> swapped;
    for (const UV& p : ccw)
        swapped.push_back({p.v, p.u});
    Polygon(swapped, origin, ay, ax, capMaterial, tile);
    float along = 0;
    for (size_t i = 0; i < ccw.size(); ++i) {
        UV a = ccw[i], b = ccw[(i + 1) % ccw.size()];
        Vec3 pa = origin + ax * a.u + ay * a.v, pb = origin + ax * b.u + ay * b.v;
        float len = std::hypot(b.u - a.u, b.v - a.v);
        float u0 = tile > 0 ? along / tile : float(i) / ccw.size();
        float u1 = tile > 0 ? (along + len) / tile : float(i + 1) / ccw.size();
        float v1 = tile > 0 ? std::fabs(depth) / tile : 1.0f;
        Quad(pa, pb, pb + n, pa + n, sideMaterial, {u0, 0}, {u1, 0}, {u1, v1}, {u0, v1});
        along += len;
    }
}

void MeshObject::Translate(Vec3 d) {
    for (Vec3& v : verts_)
        v = v + d;
}

void MeshObject::Scale(Vec3 s) {
    for (Vec3& v : verts_)
        v = {v.x * s.x, v.y * s.y, v.z * s.z};
}

void MeshObject::RotateZ(float deg) {
    double a = deg * M_PI / 180.0, c = std::cos(a), s = std::sin(a);
    for (Vec3& v : verts_)
        v = {float(v.x * c - v.y * s), float(v.x * s + v.y * c), v.z};
}

void MeshObject::Append(const MeshObject& other) {
    int base = int(verts_.size());
    for (size_t i = 0; i < other.verts_.size(); ++i)
        Vertex(other.verts_[i], other.uvs_[i]);
    for (const Face& f : other.faces_)
        Triangle(base + f.a, base + f.b, base + f.c, f.material);
}

const MeshMaterial& MeshModel::Material(const std::string& name, float r, float g, float b,
                                        const std::string& texture) {
    for (const MeshMaterial& m : materials_)
        if (m.name == name) return m;
    materials_.push_back({name, r, g, b, texture});
    return materials_.back();
}

MeshObject& MeshModel::Object(const std::string& name) {
    return objects_.emplace_back(name);
}

MeshObject* MeshModel::Find(const std::string& name) {
    for (MeshObject& o : objects_)
        if (o.Name() == name) return &o;
    return nullptr;
}

size_t MeshModel::TriangleCount() const {
    size_t n = 0;
    for (const MeshObject& o : objects_)
        n += o.Faces().size();
    return n;
}

} // namespace demogen
