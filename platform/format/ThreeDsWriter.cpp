// The 3DS writer: the chunks the reader reads, nothing else.
#include "platform/format/ThreeDs.h"
#include "platform/format/ThreeDsChunks.h"
#include "util/Errors.h"
#include "util/Paths.h"

#include <cmath>
#include <cstring>

namespace zw {
namespace {

class Writer {
public:
    std::vector<uint8_t> out;

    size_t Begin(uint16_t id) {
        size_t at = out.size();
        U16(id);
        U32(0);
        return at;
    }
    void End(size_t at) {
        uint32_t len = uint32_t(out.size() - at);
        for (int i = 0; i < 4; ++i) out[at + 2 + size_t(i)] = uint8_t(len >> (8 * i));
    }
    void U8(uint8_t v) { out.push_back(v); }
    void U16(uint16_t v) {
        out.push_back(uint8_t(v));
        out.push_back(uint8_t(v >> 8));
    }
    void U32(uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
    }
    void F32(float f) {
        uint32_t u;
        std::memcpy(&u, &f, 4);
        U32(u);
    }
    void Str(const std::string& s) {
        out.insert(out.end(), s.begin(), s.end());
        out.push_back(0);
    }
    void StrChunk(uint16_t id, const std::string& s) {
        size_t c = Begin(id);
        Str(s);
        End(c);
    }
    void Colour(uint16_t id, ThreeDsColor col) {
        size_t c = Begin(id);
        size_t k = Begin(tds::kColor24);
        U8(col.r), U8(col.g), U8(col.b);
        End(k);
        End(c);
    }

    void Material(const ThreeDsMaterial& m) {
        size_t c = Begin(tds::kMaterial);
        StrChunk(tds::kMatName, m.name);
        Colour(tds::kMatAmbient, m.ambient);
        Colour(tds::kMatDiffuse, m.diffuse);
        Colour(tds::kMatSpecular, m.specular);
        if (m.transparencyPercent != 0) {
            size_t t = Begin(tds::kMatTransparency);
            size_t p = Begin(tds::kPercentF);
            F32(m.transparencyPercent);
            End(p);
            End(t);
        }
        if (m.twoSided) End(Begin(tds::kMatTwoSided));
        if (!m.textureFile.empty()) {
            size_t t = Begin(tds::kMatTexture);
            StrChunk(tds::kMapFile, m.textureFile);
            End(t);
        }
        End(c);
    }

    void Mesh(const ThreeDsMesh& m) {
        auto tooMany = [&](size_t n, const char* what) {
            if (n > 65535)
                throw ERangeError("3DS object \"" + m.name + "\" has " + std::to_string(n) + " " + what +
                                  ", the format holds 65535");
        };
        tooMany(m.vertices.size(), "vertices");
        tooMany(m.texCoords.size(), "texture coordinates");
        tooMany(m.faces.size(), "faces");
        size_t o = Begin(tds::kObject);
        Str(m.name);
        size_t t = Begin(tds::kTriMesh);
        size_t v = Begin(tds::kVertices);
        U16(uint16_t(m.vertices.size()));
        for (const Vec3& p : m.vertices) F32(p.x), F32(p.y), F32(p.z);
        End(v);
        if (!m.texCoords.empty()) {
            size_t c = Begin(tds::kTexCoords);
            U16(uint16_t(m.texCoords.size()));
            for (const Vec2& p : m.texCoords) F32(p.x), F32(p.y);
            End(c);
        }
        if (m.hasMatrix) {
            size_t c = Begin(tds::kLocalMatrix);
            for (float f : m.matrix) F32(f);
            End(c);
        }
        Faces(m);
        End(t);
        End(o);
    }

    void Faces(const ThreeDsMesh& m) {
        size_t f = Begin(tds::kFaces);
        U16(uint16_t(m.faces.size()));
        for (const ThreeDsFace& fc : m.faces) U16(fc.a), U16(fc.b), U16(fc.c), U16(fc.flags);
        for (const ThreeDsFaceGroup& g : m.groups) {
            if (g.faces.size() > 65535) throw ERangeError("3DS face group \"" + g.material + "\" is too large");
            size_t c = Begin(tds::kFaceMaterial);
            Str(g.material);
            U16(uint16_t(g.faces.size()));
            for (uint16_t i : g.faces) U16(i);
            End(c);
        }
        if (!m.smoothing.empty()) {
            size_t c = Begin(tds::kSmoothing);
            for (uint32_t s : m.smoothing) U32(s);
            End(c);
        }
        End(f);
    }
};

} // namespace

std::vector<uint8_t> Encode3ds(const ThreeDsFile& file) {
    Writer w;
    size_t main = w.Begin(tds::kMain);
    size_t ver = w.Begin(tds::kVersion);
    w.U32(file.version);
    w.End(ver);
    size_t ed = w.Begin(tds::kEditor);
    size_t mv = w.Begin(tds::kMeshVersion);
    w.U32(3);
    w.End(mv);
    size_t ms = w.Begin(tds::kMasterScale);
    w.F32(file.masterScale);
    w.End(ms);
    for (const ThreeDsMaterial& m : file.materials) w.Material(m);
    for (const ThreeDsMesh& m : file.meshes) w.Mesh(m);
    w.End(ed);
    w.End(main);
    return std::move(w.out);
}

void Write3dsFile(const std::string& path, const ThreeDsFile& file) {
    std::vector<uint8_t> b = Encode3ds(file);
    WriteFileBytes(path, b.data(), b.size());
}

} // namespace zw
