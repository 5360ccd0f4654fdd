#pragma once
// Free-form meshes: named mesh objects (the parts of a 3DS model) in file
// order, each with vertices, normals, texture coordinates and face groups
// that name their material. Parts are found by name, copied as triangle
// lists, translated and deleted; every change bumps GeometryVersion().
#include "platform/format/ThreeDs.h"
#include "platform/scene/MaterialLibrary.h"
#include "platform/scene/MaterialNode.h"

#include <string>
#include <vector>

namespace zw {

// A face group's material, looked up once per library change, not per frame.
struct MaterialLookup {
    mutable const Material* material = nullptr;
    mutable const MaterialLibrary* library = nullptr;
    mutable uint64_t generation = 0;
    bool operator==(const MaterialLookup&) const { return true; }
};

struct FaceGroup {
    std::string materialName; // "" for faces without a material
    std::vector<uint32_t> indices; // three a triangle, into the object's vertices
    MaterialLookup lookup;
    bool operator==(const FaceGroup&) const = default;
};

// Vertices, normals and texture coordinates are parallel arrays (texture
// coordinates as stored in 3DS: v = 0 at the picture's bottom row).
struct MeshObject {
    std::string name;
    std::vector<Vec3> vertices;
    std::vector<Vec3> normals;
    std::vector<Vec2> texCoords;
    std::vector<FaceGroup> groups;

    size_t TriangleCount() const;
    void Translate(const Vec3& d);
    // Per-vertex normals: the average of the normals of the faces around each vertex.
    void ComputeNormals();
    bool operator==(const MeshObject&) const = default;
};

class FreeFormNode : public MaterialNode {
public:
    explicit FreeFormNode(std::string name = "") : MaterialNode(NodeKind::FreeForm, std::move(name)) {}

    // The library that materials named by face groups come from (and that a
    // loaded 3DS file adds its materials to).
    MaterialLibrary* Library() const { return library_; }
    void SetLibrary(MaterialLibrary* lib) { library_ = lib, ++geometryVersion_; }
    // Face groups use library materials by name (else the node's own material).
    bool UseMeshMaterials() const { return useMeshMaterials_; }
    void SetUseMeshMaterials(bool v) { useMeshMaterials_ = v, ++geometryVersion_; }

    // Replaces the mesh with a 3DS file's objects (vertices as stored).
    // The file's materials missing from the library are added to it with
    // their colours, and their textures are read through the library's paths;
    // a texture that cannot be read is reported in the returned list and
    // the load goes on. Errors in the file itself throw.
    std::vector<std::string> LoadFromFile(const std::string& path);
    std::vector<std::string> LoadFrom3ds(const ThreeDsFile& file);

    size_t ObjectCount() const { return objects_.size(); }
    const MeshObject& Object(size_t i) const { return objects_[i]; }
    const std::vector<MeshObject>& Objects() const { return objects_; }
    // For changes: bumps the geometry version.
    MeshObject& EditObject(size_t i) { return ++geometryVersion_, objects_[i]; }
    MeshObject& AddObject(MeshObject o);
    // Index of the last object of that name; -1 when none.
    int IndexOf(const std::string& name) const;
    const MeshObject* Find(const std::string& name) const;
    void DeleteObject(size_t i);
    void Clear();
    // Copies object i of src into this mesh as a plain triangle list (every
    // corner its own vertex), its face groups and materials kept; returns the new object.
    MeshObject& CopyTrianglesFrom(const FreeFormNode& src, size_t i);
    void TranslateObject(size_t i, const Vec3& d);
    size_t TriangleCount() const;

    uint64_t GeometryVersion() const { return geometryVersion_; }
    // The library material of a face group, or null (then the node's own material applies).
    const Material* GroupMaterial(const FaceGroup& g) const;

private:
    MaterialLibrary* library_ = nullptr;
    bool useMeshMaterials_ = true;
    std::vector<MeshObject> objects_;
    uint64_t geometryVersion_ = 1;
};

// A 3DS mesh as a mesh object (faces as triangles, each face group its material).
MeshObject MeshObjectFrom3ds(const ThreeDsMesh& m);

} // namespace zw
