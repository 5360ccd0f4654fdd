#include "platform/format/ThreeDs.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

using namespace zw;

namespace {

ThreeDsFile SampleModel() {
    ThreeDsFile f;
    f.materials.push_back({"body", {10, 20, 30}, {200, 100, 50}, {255, 255, 255}, 0.0f, false, "Body.BMP"});
    f.materials.push_back({"glass", {}, {90, 90, 120}, {}, 50.0f, true, ""});
    ThreeDsMesh a;
    a.name = "kadlub";
    a.vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0.5f}};
    a.texCoords = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    a.faces = {{0, 1, 2, 7}, {0, 2, 3, 7}};
    a.groups = {{"body", {0}}, {"glass", {1}}};
    a.smoothing = {1, 2};
    a.hasMatrix = true;
    a.matrix = {1, 0, 0, 0, 1, 0, 0, 0, 1, 2.5f, -1, 0};
    ThreeDsMesh b;
    b.name = "b_3";
    b.vertices = {{-1.25f, 3, 7}, {2, 2, 2}, {3, 3, 3}};
    b.faces = {{2, 1, 0, 0}};
    b.groups = {{"glass", {0}}};
    ThreeDsMesh c = b;
    c.name = "kadlub"; // a second part of the same name: lookups find the last
    c.vertices[0].x = 9;
    f.meshes = {a, b, c};
    return f;
}

void ExpectError(const std::vector<uint8_t>& bytes, const char* what, const char* expect) {
    try {
        Read3ds(bytes.data(), bytes.size(), "Model/bus.3ds");
        ADD_FAILURE() << what << ": no error";
    } catch (const ZwError& e) {
        std::string m = e.what();
        EXPECT_TRUE(dynamic_cast<const EConvertError*>(&e) || dynamic_cast<const EInOutError*>(&e)) << what;
        EXPECT_NE(m.find("Model/bus.3ds"), std::string::npos) << what << ": " << m;
        EXPECT_NE(m.find("byte offset"), std::string::npos) << what << ": " << m;
        if (expect) {
            EXPECT_NE(m.find(expect), std::string::npos) << what << ": " << m;
        }
    }
}

// Offset of the first chunk with this id (searching byte pairs from 'from').
size_t FindChunk(const std::vector<uint8_t>& b, uint16_t id, size_t from = 0) {
    for (size_t i = from; i + 1 < b.size(); ++i)
        if (b[i] == (id & 0xFF) && b[i + 1] == (id >> 8)) return i;
    ADD_FAILURE() << "chunk not found";
    return 0;
}

} // namespace

TEST(ThreeDs, WriteThenReadIsIdentical) {
    ThreeDsFile f = SampleModel();
    auto bytes = Encode3ds(f);
    ThreeDsFile back = Read3ds(bytes.data(), bytes.size(), "rt.3ds");
    EXPECT_EQ(back, f);
    EXPECT_EQ(Encode3ds(back), bytes);
    ASSERT_EQ(back.meshes.size(), 3u);
    EXPECT_EQ(back.meshes[0].name, "kadlub");
    EXPECT_EQ(back.meshes[1].name, "b_3");
    EXPECT_EQ(back.FindMesh("kadlub"), &back.meshes[2]);
    EXPECT_EQ(back.FindMesh("none"), nullptr);
    EXPECT_EQ(back.FindMaterial("body")->textureFile, "Body.BMP");
    EXPECT_EQ(back.TriangleCount(), 4u);
}

TEST(ThreeDs, FileRoundTripAndFixture) {
    auto path = std::string(ZW_TEST_DIR) + "/format/fixtures/two_parts.3ds";
    ThreeDsFile f = Read3dsFile(path);
    ASSERT_EQ(f.meshes.size(), 2u);
    EXPECT_EQ(f.meshes[0].name, "box");
    EXPECT_EQ(f.meshes[0].vertices.size(), 8u);
    EXPECT_EQ(f.meshes[0].faces.size(), 12u);
    EXPECT_EQ(f.meshes[1].name, "roof");
    ASSERT_EQ(f.meshes[0].groups.size(), 2u);
    EXPECT_EQ(f.meshes[0].groups[0].material, "red");
    EXPECT_EQ(f.meshes[0].groups[1].material, "tex");
    EXPECT_EQ(f.FindMaterial("tex")->textureFile, "brick.bmp");
}

TEST(ThreeDs, SkipsUnknownChunksAndReadsAllColourForms) {
    // A chunk is its id, its length including the 6-byte header, then its body.
    auto chunk = [](uint16_t id, std::vector<uint8_t> body) {
        uint32_t len = uint32_t(body.size() + 6);
        std::vector<uint8_t> b{uint8_t(id), uint8_t(id >> 8), uint8_t(len), uint8_t(len >> 8), uint8_t(len >> 16),
                               uint8_t(len >> 24)};
        b.insert(b.end(), body.begin(), body.end());
        return b;
    };
    auto cat = [](std::initializer_list<std::vector<uint8_t>> parts) {
        std::vector<uint8_t> b;
        for (auto& p : parts) b.insert(b.end(), p.begin(), p.end());
        return b;
    };
    auto floats = [](std::initializer_list<float> fs) {
        std::vector<uint8_t> b;
        for (float f : fs) {
            uint32_t u;
            std::memcpy(&u, &f, 4);
            for (int i = 0; i < 4; ++i) b.push_back(uint8_t(u >> (8 * i)));
        }
        return b;
    };
    auto material = chunk(0xAFFF, cat({chunk(0xA000, {'m', 0}),
                                       chunk(0xA020, chunk(0x0010, floats({1.0f, 0.5f, 0.0f}))),
                                       chunk(0xA010, cat({chunk(0x0012, {1, 2, 3}), chunk(0x0011, {4, 5, 6})})),
                                       chunk(0xA050, chunk(0x0030, {25, 0})), chunk(0x7777, {1, 2, 3})}));
    auto light = chunk(0x4000, cat({{'L', 0}, chunk(0x4600, floats({1, 2, 3}))}));
    auto file = chunk(0x4D4D, cat({chunk(0x0002, {3, 0, 0, 0}), chunk(0x3D3D, cat({material, light})),
                                    chunk(0xB000, {9, 9, 9})}));
    ThreeDsFile f = Read3ds(file.data(), file.size(), "colours.3ds");
    ASSERT_EQ(f.materials.size(), 1u);
    EXPECT_EQ(f.materials[0].name, "m");
    EXPECT_EQ(f.materials[0].diffuse, (ThreeDsColor{255, 128, 0}));
    EXPECT_EQ(f.materials[0].ambient, (ThreeDsColor{4, 5, 6}));
    EXPECT_FLOAT_EQ(f.materials[0].transparencyPercent, 25.0f);
    EXPECT_TRUE(f.meshes.empty());
}

TEST(ThreeDs, BadFilesNameTheFileChunkAndOffset) {
    auto good = Encode3ds(SampleModel());
    auto patch16 = [&](size_t at, uint16_t v) {
        auto b = good;
        b[at] = uint8_t(v), b[at + 1] = uint8_t(v >> 8);
        return b;
    };
    auto patch32 = [&](size_t at, uint32_t v) {
        auto b = good;
        for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
        return b;
    };
    size_t verts = FindChunk(good, 0x4110), faces = FindChunk(good, 0x4120), group = FindChunk(good, 0x4130);
    size_t name = FindChunk(good, 0xA000);
    ExpectError({0x4D, 0x4D, 1}, "short", nullptr);
    ExpectError(patch16(0, 0x1234), "not 3DS", "0x1234");
    ExpectError(std::vector<uint8_t>(good.begin(), good.end() - 3), "truncated", "truncated");
    ExpectError(patch32(verts + 2, 0xFFFFFF00u), "vertex chunk past its parent", "0x4110");
    ExpectError(patch32(verts + 2, 3), "chunk shorter than its header", "0x4110");
    ExpectError(patch16(verts + 6, 60000), "vertex count past the chunk", "vertex list");
    ExpectError(patch16(faces + 6, 60000), "face count past the chunk", "face list");
    ExpectError(patch16(faces + 8, 40), "face names a missing vertex", "vertex");
    auto g = good;
    size_t gi = group + 6 + 5 + 2; // after "body\0" and the count
    g[gi] = 9;
    ExpectError(g, "group names a missing face", "face 9");
    auto n = good;
    n[name + 6 + 4] = 'x'; // overwrite the name's terminating zero with the next chunk intact
    for (size_t i = name + 6; i < name + 6 + 5; ++i) n[i] = 'x';
    ExpectError(n, "unterminated name", "terminating zero");
}

TEST(ThreeDs, EveryTruncationRaisesAnErrorNotACrash) {
    auto good = Encode3ds(SampleModel());
    for (size_t len = 0; len < good.size(); ++len) {
        std::vector<uint8_t> b(good.begin(), good.begin() + long(len));
        EXPECT_THROW(Read3ds(b.data(), b.size(), "cut.3ds"), ZwError) << "length " << len;
    }
}

TEST(ThreeDs, WriterRefusesCountsTheFormatCannotHold) {
    ThreeDsFile f;
    ThreeDsMesh m;
    m.name = "big";
    m.vertices.resize(70000);
    f.meshes.push_back(m);
    EXPECT_THROW(Encode3ds(f), ERangeError);
}

TEST(ThreeDs, ReadsMatricesSmoothingAndMaterialOptions) {
    ThreeDsFile f = Read3dsFile(std::string(ZW_TEST_DIR) + "/../fuzz/corpus/fuzz_3ds/rich.3ds");
    ASSERT_EQ(f.meshes.size(), 1u); // the light object is skipped
    const ThreeDsMesh& m = f.meshes[0];
    EXPECT_EQ(m.name, "b_3");
    EXPECT_TRUE(m.hasMatrix);
    EXPECT_FLOAT_EQ(m.matrix[9], 5);
    EXPECT_EQ(m.smoothing, std::vector<uint32_t>{1});
    EXPECT_EQ(m.texCoords.size(), 3u);
    ASSERT_EQ(f.materials.size(), 1u);
    const ThreeDsMaterial& s = f.materials[0];
    EXPECT_EQ(s.diffuse, (ThreeDsColor{51, 77, 102}));
    EXPECT_FLOAT_EQ(s.transparencyPercent, 40);
    EXPECT_TRUE(s.twoSided);
    EXPECT_EQ(s.textureFile, "glass.jpg");
    auto again = Encode3ds(f);
    EXPECT_EQ(Read3ds(again.data(), again.size(), "again.3ds"), f);
}
