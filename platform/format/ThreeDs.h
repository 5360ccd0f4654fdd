#pragma once
// The 3DS model as stored: mesh objects in file order with their names,
// vertices exactly as stored, faces with their face groups (one per material
// chunk, in chunk order), texture coordinates and the materials.
#include "util/Vec.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zw {

struct ThreeDsColor {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const ThreeDsColor&) const = default;
};

struct ThreeDsMaterial {
    std::string name;
    ThreeDsColor ambient{}, diffuse{200, 200, 200}, specular{};
    float transparencyPercent = 0; // 0 opaque .. 100 invisible, as stored
    bool twoSided = false;
    std::string textureFile; // the diffuse texture map's file name, "" for none
    bool operator==(const ThreeDsMaterial&) const = default;
};

struct ThreeDsFace {
    uint16_t a = 0, b = 0, c = 0;
    uint16_t flags = 0;
    bool operator==(const ThreeDsFace&) const = default;
};

struct ThreeDsFaceGroup {
    std::string material;
    std::vector<uint16_t> faces; // indices into the mesh's faces
    bool operator==(const ThreeDsFaceGroup&) const = default;
};

struct ThreeDsMesh {
    std::string name;
    std::vector<Vec3> vertices;
    std::vector<Vec2> texCoords; // as many as vertices, or none
    std::vector<ThreeDsFace> faces;
    std::vector<ThreeDsFaceGroup> groups;
    std::vector<uint32_t> smoothing; // one per face, or none
    bool hasMatrix = false;
    std::array<float, 12> matrix{1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}; // local axes x, y, z and origin
    bool operator==(const ThreeDsMesh&) const = default;
};

struct ThreeDsFile {
    uint32_t version = 3;
    float masterScale = 1;
    std::vector<ThreeDsMaterial> materials;
    std::vector<ThreeDsMesh> meshes;
    bool operator==(const ThreeDsFile&) const = default;

    // The last mesh object of that name (names compare exactly), or null.
    const ThreeDsMesh* FindMesh(const std::string& name) const;
    const ThreeDsMaterial* FindMaterial(const std::string& name) const;
    size_t TriangleCount() const;
};

// Reads the bytes of a 3DS file. Truncated, oversized or inconsistent data
// raises EInOutError or EConvertError naming the file, the chunk and its byte
// offset. Lights, cameras and keyframer data are skipped.
ThreeDsFile Read3ds(const uint8_t* data, size_t size, const std::string& name);
ThreeDsFile Read3dsFile(const std::string& path);

// Writes what Read3ds reads back identical. ERangeError when a mesh has more
// than 65535 vertices or faces (the format's counts are 16-bit).
std::vector<uint8_t> Encode3ds(const ThreeDsFile& file);
void Write3dsFile(const std::string& path, const ThreeDsFile& file);

} // namespace zw
