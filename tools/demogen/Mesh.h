#pragma once
// Geometry for the demo world's 3DS models: named mesh objects made of boxes,
// cylinders, quads and extruded outlines, with texture coordinates and
// materials by name.
//
// Conventions (those of the game's 3DS models): z is up, lengths in metres.
// A face's front is the side from which its corners run counter-clockwise.
// Texture coordinates have v = 0 at the bottom row of the picture and v = 1
// at the top, so a wall's v grows with height. The first mesh object of a
// model is never split off by the game, so give parts like "b_1" a place
// after the main body.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace demogen {

struct Vec3 {
    float x = 0, y = 0, z = 0;
    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
};
float Dot(const Vec3& a, const Vec3& b);
Vec3 Cross(const Vec3& a, const Vec3& b);
float Length(const Vec3& v);
Vec3 Normalized(const Vec3& v);

struct UV {
    float u = 0, v = 0;
};

struct MeshMaterial {
    std::string name;
    float r = 0.8f, g = 0.8f, b = 0.8f; // diffuse colour 0..1
    std::string texture;                // file name beside the model ("" for none)
};

class MeshObject {
  public:
    struct Face {
        uint16_t a, b, c;
        std::string material;
    };

    explicit MeshObject(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }
    const std::vector<Vec3>& Vertices() const { return verts_; }
    const std::vector<UV>& TexCoords() const { return uvs_; }
    const std::vector<Face>& Faces() const { return faces_; }

    // Adds a vertex; returns its index (a 3DS object holds at most 65535).
    int Vertex(Vec3 p, UV t = {});
    void Triangle(int a, int b, int c, const std::string& material);

    // A quad p0 p1 p2 p3, counter-clockwise seen from its front, with the
    // given corner texture coordinates.
    void Quad(Vec3 p0, Vec3 p1, Vec3 p2, Vec3 p3, const std::string& material, UV t0 = {0, 0}, UV t1 = {1, 0},
              UV t2 = {1, 1}, UV t3 = {0, 1});
    // The same with u running p0 -> p1 and v running p0 -> p3, one texture
    // repeat every tileU / tileV metres (0 stretches the picture once).
    void TiledQuad(Vec3 p0, Vec3 p1, Vec3 p2, Vec3 p3, const std::string& material, float tileU, float tileV);
    // A vertical wall from (x0, y0) to (x1, y1) between heights z0 and z1;
    // its front faces the right-hand side of the direction of travel.
    void Wall(float x0, float y0, float x1, float y1, float z0, float z1, const std::string& material,
              float tileU = 0, float tileV = 0);

    // Six outward faces of an axis-aligned box. `tile` metres per texture
    // repeat on every face (0 stretches the picture once per face). Faces
    // can be left out: bits of `skip` are -x +x -y +y -z +z (1, 2, 4, 8, 16, 32).
    enum BoxFace { kMinusX = 1, kPlusX = 2, kMinusY = 4, kPlusY = 8, kBottom = 16, kTop = 32 };
    void Box(Vec3 lo, Vec3 hi, const std::string& material, float tile = 0, int skip = 0);
    // A cylinder from base along the unit axis, `segments` sides, optional
    // caps; u runs once around, v along the length.
    void Cylinder(Vec3 base, Vec3 axis, float radius, float length, int segments, const std::string& side,
                  const std::string& cap = "", bool caps = true);
    // A closed outline (x, y points of a plane, counter-clockwise, convex or
    // not) extruded: the plane is spanned by axes ax and ay at origin, and the
    // body grows `depth` along ax × ay. Caps are ear-clipped; side quads face
    // outward; cap texture coordinates map one repeat per `tile` metres.
    void Prism(const std::vector<UV>& outline, Vec3 origin, Vec3 ax, Vec3 ay, float depth,
               const std::string& sideMaterial, const std::string& capMaterial, float tile = 0);
    // One flat polygon (ear-clipped), front towards ax × ay.
    void Polygon(const std::vector<UV>& outline, Vec3 origin, Vec3 ax, Vec3 ay, const std::string& material,
                 float tile = 0);

    void Translate(Vec3 d);
    void Scale(Vec3 s);
    // Rotates about the z axis through the origin by `deg` degrees (counter-clockwise from above).
    void RotateZ(float deg);
    // Appends another object's geometry (materials by name).
    void Append(const MeshObject& other);

  private:
    std::string name_;
    std::vector<Vec3> verts_;
    std::vector<UV> uvs_;
    std::vector<Face> faces_;
};

// Triangles of a simple polygon as index triples into the outline
// (counter-clockwise result; clockwise input is accepted).
std::vector<int> Triangulate(const std::vector<UV>& outline);

class MeshModel {
  public:
    // The material of that name, added with these values when new.
    const MeshMaterial& Material(const std::string& name, float r, float g, float b,
                                 const std::string& texture = "");
    // A new mesh object, appended in file order; the reference stays valid.
    MeshObject& Object(const std::string& name);
    MeshObject* Find(const std::string& name);

    const std::vector<MeshMaterial>& Materials() const { return materials_; }
    const std::deque<MeshObject>& Objects() const { return objects_; }
    size_t TriangleCount() const;

    // Writes the model as a 3DS file at gameDir + "/" + rel (backslashes
    // allowed), creating folders. Throws when an object is over the 3DS
    // limits or names a material the model lacks.
    void Save(const std::string& gameDir, const std::string& rel) const;

  private:
    std::vector<MeshMaterial> materials_;
    std::deque<MeshObject> objects_; // references stay valid as objects are added
};

} // namespace demogen
