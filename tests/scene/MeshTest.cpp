// Free-form meshes from 3DS files: parts by name, copy, translate, delete;
// materials and textures through the library; version counters.
#include "platform/scene/Scene.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

using namespace zw;

namespace {
const std::string kFixtures = std::string(ZW_TEST_DIR) + "/scene/fixtures";

ThreeDsFile DoorModel() {
    ThreeDsFile f;
    f.materials.push_back({"lak", {}, {255, 0, 0}, {}, 0, false, ""});
    auto part = [](const char* name, float x0, const char* mat) {
        ThreeDsMesh m;
        m.name = name;
        m.vertices = {{x0, 0, 0}, {x0, 1, 0}, {x0, 1, 2}, {x0, 0, 2}};
        m.faces = {{0, 1, 2, 0}, {0, 2, 3, 0}};
        m.groups = {{mat, {0, 1}}};
        return m;
    };
    f.meshes = {part("body", 0, "lak"), part("d1l1_1", 5, "lak"), part("d1l1_2", 6, "lak"), part("d1l1_1", 7, "lak")};
    return f;
}
} // namespace

TEST(FreeForm, LoadsObjectsInFileOrderWithMaterialsAndTextures) {
    MaterialLibrary lib("model");
    lib.SetTexturePaths(kFixtures + "/missing;" + kFixtures + "/tex");
    FreeFormNode mesh("bus");
    mesh.SetLibrary(&lib);
    auto problems = mesh.LoadFromFile(kFixtures + "/two_parts.3ds");
    EXPECT_TRUE(problems.empty()) << problems[0];
    ASSERT_EQ(mesh.ObjectCount(), 2u);
    EXPECT_EQ(mesh.Object(0).name, "box");
    EXPECT_EQ(mesh.Object(1).name, "roof");
    EXPECT_EQ(mesh.Object(0).vertices.size(), 8u);
    EXPECT_EQ(mesh.Object(0).normals.size(), 8u);
    EXPECT_EQ(mesh.Object(0).texCoords.size(), 8u);
    EXPECT_EQ(mesh.TriangleCount(), 13u);
    ASSERT_EQ(mesh.Object(0).groups.size(), 2u);
    const Material* tex = mesh.GroupMaterial(mesh.Object(0).groups[1]);
    ASSERT_NE(tex, nullptr);
    EXPECT_EQ(tex->Name(), "tex");
    EXPECT_TRUE(tex->TextureEnabled());
    ASSERT_TRUE(tex->HasTexture());
    EXPECT_EQ(tex->Texture()->image.At(0, 0), (Rgba{255, 0, 0, 255}));
    const Material* red = lib.Find("red");
    ASSERT_NE(red, nullptr);
    EXPECT_NEAR(red->Diffuse().r, 200 / 255.0f, 1e-6);
    EXPECT_FALSE(red->HasTexture());
}

TEST(FreeForm, MissingTexturesAreReportedAndTheLoadGoesOn) {
    MaterialLibrary lib;
    lib.SetTexturePaths(kFixtures + "/nowhere");
    FreeFormNode mesh;
    mesh.SetLibrary(&lib);
    auto problems = mesh.LoadFromFile(kFixtures + "/two_parts.3ds");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("EInOutError"), std::string::npos) << problems[0];
    EXPECT_NE(problems[0].find("brick.bmp"), std::string::npos) << problems[0];
    EXPECT_EQ(mesh.ObjectCount(), 2u);
    EXPECT_FALSE(lib.Find("tex")->HasTexture());
    // A broken file throws and names itself.
    EXPECT_THROW(mesh.LoadFromFile(kFixtures + "/tex/brick.bmp"), EConvertError);
    EXPECT_THROW(mesh.LoadFromFile(kFixtures + "/none.3ds"), EInOutError);
}

TEST(FreeForm, PartsAreFoundByLastNameCopiedTranslatedAndDeleted) {
    FreeFormNode model("model");
    MaterialLibrary lib;
    model.SetLibrary(&lib);
    model.LoadFrom3ds(DoorModel());
    EXPECT_EQ(model.IndexOf("d1l1_1"), 3);
    EXPECT_EQ(model.IndexOf("nothing"), -1);
    EXPECT_EQ(model.Find("d1l1_2")->vertices[0].x, 6);

    FreeFormNode leaf("leaf");
    uint64_t before = leaf.GeometryVersion();
    size_t i = size_t(model.IndexOf("d1l1_1"));
    MeshObject& copy = leaf.CopyTrianglesFrom(model, i);
    EXPECT_GT(leaf.GeometryVersion(), before);
    EXPECT_EQ(copy.name, "d1l1_1");
    EXPECT_EQ(copy.vertices.size(), 6u); // every corner its own vertex
    EXPECT_EQ(copy.TriangleCount(), 2u);
    ASSERT_EQ(copy.groups.size(), 1u);
    EXPECT_EQ(copy.groups[0].materialName, "lak");
    // Corners keep their positions, normals and texture coordinates.
    const MeshObject& src = model.Object(i);
    for (size_t k = 0; k < 6; ++k) {
        uint32_t s = src.groups[0].indices[k];
        EXPECT_EQ(copy.vertices[copy.groups[0].indices[k]], src.vertices[s]);
        EXPECT_EQ(copy.normals[copy.groups[0].indices[k]], src.normals[s]);
    }
    uint64_t v = leaf.GeometryVersion();
    leaf.TranslateObject(0, {-7, 0, 0});
    EXPECT_GT(leaf.GeometryVersion(), v);
    for (const Vec3& p : leaf.Object(0).vertices) EXPECT_FLOAT_EQ(p.x, 0);

    v = model.GeometryVersion();
    model.DeleteObject(i);
    EXPECT_GT(model.GeometryVersion(), v);
    EXPECT_EQ(model.ObjectCount(), 3u);
    EXPECT_EQ(model.IndexOf("d1l1_1"), 1); // the first one of that name is found now
    EXPECT_THROW(model.DeleteObject(7), ERangeError);
    EXPECT_THROW(leaf.CopyTrianglesFrom(model, 7), ERangeError);
}

TEST(FreeForm, NormalsPointOutOfCounterClockwiseFaces) {
    MeshObject o;
    o.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    o.groups = {{"", {0, 1, 2}, {}}};
    o.ComputeNormals();
    for (const Vec3& n : o.normals) EXPECT_EQ(n, (Vec3{0, 0, 1}));
}

TEST(FreeForm, GroupMaterialsFollowTheLibrary) {
    MaterialLibrary lib;
    FreeFormNode mesh;
    mesh.SetLibrary(&lib);
    MeshObject o;
    o.groups = {{"late", {}, {}}};
    mesh.AddObject(o);
    EXPECT_EQ(mesh.GroupMaterial(mesh.Object(0).groups[0]), nullptr);
    Material* m = lib.Add("late"); // added after the mesh was made
    EXPECT_EQ(mesh.GroupMaterial(mesh.Object(0).groups[0]), m);
    mesh.SetUseMeshMaterials(false);
    EXPECT_EQ(mesh.GroupMaterial(mesh.Object(0).groups[0]), nullptr);
}

TEST(MeshNode, VerticesAppendAndNormalsComeFromTriangles) {
    MeshNode mesh;
    uint64_t v = mesh.GeometryVersion();
    mesh.AddVertex({0, 0, 0}, {}, {1, 0, 0, 1}, {0, 0});
    mesh.AddVertex({0, 0, 1}, {}, {1, 0, 0, 1}, {0, 1});
    mesh.AddVertex({1, 0, 0}, {}, {1, 0, 0, 1}, {1, 0});
    EXPECT_GT(mesh.GeometryVersion(), v);
    mesh.CalcNormals();
    for (const MeshVertex& mv : mesh.Vertices()) {
        EXPECT_NEAR(mv.normal.y, 1, 1e-6);
        EXPECT_EQ(mv.color, (Color{1, 0, 0, 1}));
    }
    mesh.Clear();
    EXPECT_TRUE(mesh.Vertices().empty());
}
