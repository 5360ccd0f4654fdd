#include "platform/scene/FreeForm.h"

#include "util/Errors.h"

#include <algorithm>

namespace zw {

size_t MeshObject::TriangleCount() const {
    size_t n = 0;
    for (const FaceGroup& g : groups) n += g.indices.size() / 3;
    return n;
}

void MeshObject::Translate(const Vec3& d) {
    for (Vec3& v : vertices) v += d;
}

void MeshObject::ComputeNormals() {
    normals.assign(vertices.size(), Vec3{});
    for (const FaceGroup& g : groups)
        for (size_t i = 0; i + 2 < g.indices.size(); i += 3) {
            uint32_t a = g.indices[i], b = g.indices[i + 1], c = g.indices[i + 2];
            if (a >= vertices.size() || b >= vertices.size() || c >= vertices.size()) continue;
            Vec3 n = Cross(vertices[b] - vertices[a], vertices[c] - vertices[a]); // area-weighted
            normals[a] += n, normals[b] += n, normals[c] += n;
        }
    for (Vec3& n : normals) n = Length(n) > 0 ? Normalized(n) : Vec3{0, 0, 1};
}

MeshObject MeshObjectFrom3ds(const ThreeDsMesh& m) {
    MeshObject o;
    o.name = m.name;
    o.vertices = m.vertices;
    o.texCoords = m.texCoords;
    o.texCoords.resize(o.vertices.size());
    std::vector<bool> grouped(m.faces.size(), false);
    auto addFace = [&](FaceGroup& g, uint16_t f) {
        const ThreeDsFace& fc = m.faces[f];
        g.indices.insert(g.indices.end(), {fc.a, fc.b, fc.c});
        grouped[f] = true;
    };
    for (const ThreeDsFaceGroup& tg : m.groups) {
        FaceGroup g;
        g.materialName = tg.material;
        for (uint16_t f : tg.faces)
            if (f < m.faces.size()) addFace(g, f);
        o.groups.push_back(std::move(g));
    }
    FaceGroup rest;
    for (size_t f = 0; f < m.faces.size(); ++f)
        if (!grouped[f]) addFace(rest, uint16_t(f));
    if (!rest.indices.empty()) o.groups.push_back(std::move(rest));
    o.ComputeNormals();
    return o;
}

std::vector<std::string> FreeFormNode::LoadFromFile(const std::string& path) {
    return LoadFrom3ds(Read3dsFile(path));
}

std::vector<std::string> FreeFormNode::LoadFrom3ds(const ThreeDsFile& file) {
    std::vector<std::string> problems;
    if (library_) {
        for (const ThreeDsMaterial& tm : file.materials) {
            if (library_->Find(tm.name)) continue;
            Material* m = library_->Add(tm.name);
            auto c = [](ThreeDsColor k, float a) { return Color{k.r / 255.0f, k.g / 255.0f, k.b / 255.0f, a}; };
            float alpha = 1.0f - std::clamp(tm.transparencyPercent / 100.0f, 0.0f, 1.0f);
            m->SetAmbient(c(tm.ambient, alpha));
            m->SetDiffuse(c(tm.diffuse, alpha));
            m->SetSpecular(c(tm.specular, alpha));
            if (alpha < 1) m->SetBlending(BlendMode::Transparency);
            m->SetTwoSided(tm.twoSided);
            if (tm.textureFile.empty()) continue;
            try {
                library_->LoadTexture(*m, tm.textureFile);
                m->SetTextureEnabled(true);
            } catch (const ZwError& e) {
                problems.push_back(std::string(e.ClassName()) + ": " + e.what());
            }
        }
    }
    objects_.clear();
    objects_.reserve(file.meshes.size());
    for (const ThreeDsMesh& m : file.meshes) objects_.push_back(MeshObjectFrom3ds(m));
    ++geometryVersion_;
    return problems;
}

MeshObject& FreeFormNode::AddObject(MeshObject o) {
    objects_.push_back(std::move(o));
    ++geometryVersion_;
    return objects_.back();
}

int FreeFormNode::IndexOf(const std::string& name) const {
    for (size_t i = objects_.size(); i-- > 0;)
        if (objects_[i].name == name) return int(i);
    return -1;
}

const MeshObject* FreeFormNode::Find(const std::string& name) const {
    int i = IndexOf(name);
    return i < 0 ? nullptr : &objects_[size_t(i)];
}

void FreeFormNode::DeleteObject(size_t i) {
    if (i >= objects_.size()) throw ERangeError("mesh \"" + Name() + "\" has no object " + std::to_string(i));
    objects_.erase(objects_.begin() + long(i));
    ++geometryVersion_;
}

void FreeFormNode::Clear() {
    objects_.clear();
    ++geometryVersion_;
}

MeshObject& FreeFormNode::CopyTrianglesFrom(const FreeFormNode& src, size_t i) {
    if (i >= src.objects_.size())
        throw ERangeError("mesh \"" + src.Name() + "\" has no object " + std::to_string(i));
    const MeshObject& s = src.objects_[i];
    MeshObject o;
    o.name = s.name;
    for (const FaceGroup& g : s.groups) {
        FaceGroup ng;
        ng.materialName = g.materialName;
        for (uint32_t v : g.indices) {
            if (v >= s.vertices.size()) continue;
            ng.indices.push_back(uint32_t(o.vertices.size()));
            o.vertices.push_back(s.vertices[v]);
            o.normals.push_back(v < s.normals.size() ? s.normals[v] : Vec3{0, 0, 1});
            o.texCoords.push_back(v < s.texCoords.size() ? s.texCoords[v] : Vec2{});
        }
        o.groups.push_back(std::move(ng));
    }
    return AddObject(std::move(o));
}

void FreeFormNode::TranslateObject(size_t i, const Vec3& d) {
    if (i >= objects_.size()) throw ERangeError("mesh \"" + Name() + "\" has no object " + std::to_string(i));
    objects_[i].Translate(d);
    ++geometryVersion_;
}

size_t FreeFormNode::TriangleCount() const {
    size_t n = 0;
    for (const MeshObject& o : objects_) n += o.TriangleCount();
    return n;
}

const Material* FreeFormNode::GroupMaterial(const FaceGroup& g) const {
    if (!useMeshMaterials_ || !library_ || g.materialName.empty()) return nullptr;
    const MaterialLookup& l = g.lookup;
    bool stale = l.library != library_ || l.generation != library_->Generation() ||
                 (l.material && l.material->Name() != g.materialName);
    if (stale) {
        l.material = library_->Find(g.materialName);
        l.library = library_;
        l.generation = library_->Generation();
    }
    return l.material;
}

} // namespace zw
