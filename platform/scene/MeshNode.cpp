#include "platform/scene/MeshNode.h"

#include <map>
#include <tuple>

namespace zw {

void MeshNode::CalcNormals() {
    // Triangle list only: strips and fans keep the normals they were given.
    if (mode_ != Mode::Triangles) return;
    auto key = [](const Vec3& p) { return std::make_tuple(p.x, p.y, p.z); };
    std::map<std::tuple<float, float, float>, Vec3> sum;
    for (size_t i = 0; i + 2 < vertices_.size(); i += 3) {
        const Vec3 &a = vertices_[i].position, &b = vertices_[i + 1].position, &c = vertices_[i + 2].position;
        Vec3 n = Cross(b - a, c - a);
        for (const Vec3* p : {&a, &b, &c}) sum[key(*p)] += n;
    }
    for (MeshVertex& v : vertices_) {
        auto it = sum.find(key(v.position));
        if (it != sum.end() && Length(it->second) > 0) v.normal = Normalized(it->second);
    }
    ++version_;
}

} // namespace zw
