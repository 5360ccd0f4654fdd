// The 3DS reader. Every chunk must lie inside its parent; every count is
// checked against the chunk's bytes before anything is allocated.
#include "platform/format/ByteReader.h"
#include "platform/format/ThreeDs.h"
#include "platform/format/ThreeDsChunks.h"
#include "util/Errors.h"
#include "util/Paths.h"

#include <cmath>
#include <cstdio>

namespace zw {
namespace {

struct Chunk {
    uint16_t id = 0;
    size_t start = 0; // offset of the header
    size_t end = 0;   // one past the last byte
};

std::string Hex(uint16_t id) {
    char b[8];
    std::snprintf(b, sizeof b, "0x%04X", unsigned(id));
    return b;
}

class Reader {
public:
    Reader(const uint8_t* data, size_t size, const std::string& name) : in_(data, size, name) {}

    ThreeDsFile Read() {
        if (in_.Size() < 6) Fail("3DS header", 0, "the file is shorter than a chunk header");
        Chunk main = Next(in_.Size(), true);
        if (main.id != tds::kMain) Fail(Hex(main.id), 0, "not a 3DS file (main chunk 0x4D4D expected)");
        ThreeDsFile f;
        while (in_.Pos() < main.end) {
            Chunk c = Next(main.end, false);
            if (c.id == tds::kVersion) f.version = U32(c);
            else if (c.id == tds::kEditor) Editor(c, f);
            in_.Seek(c.end, "3DS chunk");
        }
        return f;
    }

private:
    ByteReader in_;

    [[noreturn]] void Fail(const std::string& chunk, size_t offset, const std::string& what) const {
        throw EConvertError(in_.Name() + ": chunk " + chunk + " at byte offset " + std::to_string(offset) + ": " +
                            what);
    }

    // The header of the chunk at the current position, which must end by parentEnd.
    // The main chunk may claim more than the file holds only by its padding.
    Chunk Next(size_t parentEnd, bool isMain) {
        Chunk c;
        c.start = in_.Pos();
        if (parentEnd - c.start < 6) Fail("header", c.start, "chunk header runs past its parent's end");
        c.id = in_.U16("3DS chunk id");
        uint32_t len = in_.U32("3DS chunk length");
        if (len < 6) Fail(Hex(c.id), c.start, "chunk length " + std::to_string(len) + " is shorter than its header");
        if (len > parentEnd - c.start) {
            if (isMain)
                throw EInOutError(in_.Name() + ": chunk 0x4D4D at byte offset 0: the file is truncated (" +
                                  std::to_string(len) + " bytes declared, " + std::to_string(in_.Size()) +
                                  " present)");
            Fail(Hex(c.id), c.start,
                 "chunk length " + std::to_string(len) + " runs past its parent's end at byte offset " +
                     std::to_string(parentEnd));
        }
        c.end = c.start + len;
        return c;
    }

    size_t Left(const Chunk& c) const { return c.end - in_.Pos(); }
    void Need(const Chunk& c, size_t n, const char* what) const {
        if (n > Left(c))
            Fail(Hex(c.id), c.start,
                 std::string(what) + " needs " + std::to_string(n) + " bytes, the chunk has " +
                     std::to_string(Left(c)) + " left");
    }
    uint16_t U16(const Chunk& c) { return Need(c, 2, "a 16-bit value"), in_.U16("3DS value"); }
    uint32_t U32(const Chunk& c) { return Need(c, 4, "a 32-bit value"), in_.U32("3DS value"); }
    float F32(const Chunk& c) {
        Need(c, 4, "a float");
        float v = in_.F32("3DS value");
        if (!std::isfinite(v)) Fail(Hex(c.id), c.start, "a number is not finite");
        return v;
    }
    std::string Str(const Chunk& c) {
        const uint8_t* d = in_.Data();
        size_t p = in_.Pos();
        while (p < c.end && d[p] != 0) ++p;
        if (p >= c.end) Fail(Hex(c.id), c.start, "a name has no terminating zero inside its chunk");
        std::string s(reinterpret_cast<const char*>(d + in_.Pos()), p - in_.Pos());
        in_.Seek(p + 1, "3DS name");
        return s;
    }

    void Editor(const Chunk& parent, ThreeDsFile& f) {
        while (in_.Pos() < parent.end) {
            Chunk c = Next(parent.end, false);
            if (c.id == tds::kMasterScale) f.masterScale = F32(c);
            else if (c.id == tds::kMaterial) f.materials.push_back(Material(c));
            else if (c.id == tds::kObject) Object(c, f);
            in_.Seek(c.end, "3DS chunk");
        }
    }

    ThreeDsColor Colour(const Chunk& parent, ThreeDsColor fallback) {
        ThreeDsColor col = fallback;
        bool haveLinear = false;
        while (in_.Pos() < parent.end) {
            Chunk c = Next(parent.end, false);
            if (c.id == tds::kColor24 || (c.id == tds::kLinColor24 && !haveLinear)) {
                Need(c, 3, "a colour");
                col = ThreeDsColor{in_.U8("r"), in_.U8("g"), in_.U8("b")};
                haveLinear |= c.id == tds::kColor24;
            } else if (c.id == tds::kColorF || c.id == tds::kLinColorF) {
                float v[3] = {F32(c), F32(c), F32(c)};
                auto b = [](float x) { return uint8_t(std::lround(std::fmin(std::fmax(x, 0.0f), 1.0f) * 255)); };
                col = ThreeDsColor{b(v[0]), b(v[1]), b(v[2])};
            }
            in_.Seek(c.end, "3DS chunk");
        }
        return col;
    }

    float Percent(const Chunk& parent) {
        float v = 0;
        while (in_.Pos() < parent.end) {
            Chunk c = Next(parent.end, false);
            if (c.id == tds::kPercentI) v = float(int16_t(U16(c)));
            else if (c.id == tds::kPercentF) v = F32(c);
            in_.Seek(c.end, "3DS chunk");
        }
        return v;
    }

    std::string MapFile(const Chunk& parent) {
        std::string file;
        while (in_.Pos() < parent.end) {
            Chunk c = Next(parent.end, false);
            if (c.id == tds::kMapFile) file = Str(c);
            in_.Seek(c.end, "3DS chunk");
        }
        return file;
    }

    ThreeDsMaterial Material(const Chunk& parent) {
        ThreeDsMaterial m;
        while (in_.Pos() < parent.end) {
            Chunk c = Next(parent.end, false);
            switch (c.id) {
            case tds::kMatName: m.name = Str(c); break;
            case tds::kMatAmbient: m.ambient = Colour(c, m.ambient); break;
            case tds::kMatDiffuse: m.diffuse = Colour(c, m.diffuse); break;
            case tds::kMatSpecular: m.specular = Colour(c, m.specular); break;
            case tds::kMatTransparency: m.transparencyPercent = Percent(c); break;
            case tds::kMatTwoSided: m.twoSided = true; break;
            case tds::kMatTexture: m.textureFile = MapFile(c); break;
            default: break;
            }
            in_.Seek(c.end, "3DS chunk");
        }
        return m;
    }

    void Object(const Chunk& parent, ThreeDsFile& f) {
        std::string name = Str(parent);
        while (in_.Pos() < parent.end) {
            Chunk c = Next(parent.end, false);
            if (c.id == tds::kTriMesh) {
                ThreeDsMesh m;
                m.name = name;
                TriMesh(c, m);
                f.meshes.push_back(std::move(m));
            }
            in_.Seek(c.end, "3DS chunk");
        }
    }

    void TriMesh(const Chunk& parent, ThreeDsMesh& m) {
        while (in_.Pos() < parent.end) {
            Chunk c = Next(parent.end, false);
            switch (c.id) {
            case tds::kVertices: Vertices(c, m); break;
            case tds::kTexCoords: TexCoords(c, m); break;
            case tds::kFaces: Faces(c, m); break;
            case tds::kLocalMatrix:
                for (float& v : m.matrix) v = F32(c);
                m.hasMatrix = true;
                break;
            default: break;
            }
            in_.Seek(c.end, "3DS chunk");
        }
        for (const ThreeDsFace& fc : m.faces)
            if (fc.a >= m.vertices.size() || fc.b >= m.vertices.size() || fc.c >= m.vertices.size())
                Fail(Hex(tds::kFaces), parent.start,
                     "object \"" + m.name + "\": a face names a vertex past its " +
                         std::to_string(m.vertices.size()) + " vertices");
    }

    uint16_t Count(const Chunk& c, size_t each, const char* what) {
        uint16_t n = U16(c);
        Need(c, size_t(n) * each, what);
        return n;
    }

    void Vertices(const Chunk& c, ThreeDsMesh& m) {
        uint16_t n = Count(c, 12, "the vertex list");
        m.vertices.resize(n);
        for (Vec3& v : m.vertices) v = Vec3{F32(c), F32(c), F32(c)};
    }

    void TexCoords(const Chunk& c, ThreeDsMesh& m) {
        uint16_t n = Count(c, 8, "the texture coordinate list");
        m.texCoords.resize(n);
        for (Vec2& v : m.texCoords) v = Vec2{F32(c), F32(c)};
    }

    void Faces(const Chunk& parent, ThreeDsMesh& m) {
        uint16_t n = Count(parent, 8, "the face list");
        m.faces.resize(n);
        for (ThreeDsFace& fc : m.faces) fc = ThreeDsFace{in_.U16("a"), in_.U16("b"), in_.U16("c"), in_.U16("flags")};
        while (in_.Pos() < parent.end) {
            Chunk c = Next(parent.end, false);
            if (c.id == tds::kFaceMaterial) {
                ThreeDsFaceGroup g;
                g.material = Str(c);
                uint16_t k = Count(c, 2, "the face group");
                g.faces.resize(k);
                for (uint16_t& i : g.faces) {
                    i = in_.U16("face index");
                    if (i >= n)
                        Fail(Hex(c.id), c.start, "face group \"" + g.material + "\" names face " + std::to_string(i) +
                                                     " of " + std::to_string(n));
                }
                m.groups.push_back(std::move(g));
            } else if (c.id == tds::kSmoothing) {
                Need(c, size_t(n) * 4, "the smoothing groups");
                m.smoothing.resize(n);
                for (uint32_t& s : m.smoothing) s = in_.U32("smoothing");
            }
            in_.Seek(c.end, "3DS chunk");
        }
    }
};

} // namespace

ThreeDsFile Read3ds(const uint8_t* data, size_t size, const std::string& name) {
    return Reader(data, size, name).Read();
}

ThreeDsFile Read3dsFile(const std::string& path) {
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    return Read3ds(bytes.data(), bytes.size(), path);
}

const ThreeDsMesh* ThreeDsFile::FindMesh(const std::string& n) const {
    for (size_t i = meshes.size(); i-- > 0;)
        if (meshes[i].name == n) return &meshes[i];
    return nullptr;
}

const ThreeDsMaterial* ThreeDsFile::FindMaterial(const std::string& n) const {
    for (const ThreeDsMaterial& m : materials)
        if (m.name == n) return &m;
    return nullptr;
}

size_t ThreeDsFile::TriangleCount() const {
    size_t n = 0;
    for (const ThreeDsMesh& m : meshes) n += m.faces.size();
    return n;
}

} // namespace zw
