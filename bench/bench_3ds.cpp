// Reading a 50,000-triangle 3DS model: the bytes to the stored model, and on
// into a free-form mesh with normals (what a map's model load costs).
#include "platform/format/ThreeDs.h"
#include "platform/scene/FreeForm.h"

#include <benchmark/benchmark.h>

namespace {

// Five grid objects of 10,000 triangles each, two materials apiece.
std::vector<uint8_t> FiftyThousandTriangles() {
    zw::ThreeDsFile f;
    f.materials.push_back({"asphalt", {}, {90, 90, 90}, {}, 0, false, "asphalt.jpg"});
    f.materials.push_back({"kerb", {}, {200, 200, 200}, {}, 0, false, ""});
    const int cols = 50, rows = 100;
    for (int k = 0; k < 5; ++k) {
        zw::ThreeDsMesh m;
        m.name = "street" + std::to_string(k);
        for (int y = 0; y <= rows; ++y)
            for (int x = 0; x <= cols; ++x) {
                m.vertices.push_back({float(x), float(y) + k * 100.0f, float((x * 7 + y * 3) % 5) * 0.01f});
                m.texCoords.push_back({x / float(cols), y / float(rows)});
            }
        zw::ThreeDsFaceGroup a{"asphalt", {}}, b{"kerb", {}};
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < cols; ++x) {
                uint16_t i = uint16_t(y * (cols + 1) + x);
                auto& g = x < cols - 2 ? a : b;
                g.faces.push_back(uint16_t(m.faces.size()));
                m.faces.push_back({i, uint16_t(i + 1), uint16_t(i + cols + 2), 7});
                g.faces.push_back(uint16_t(m.faces.size()));
                m.faces.push_back({i, uint16_t(i + cols + 2), uint16_t(i + cols + 1), 7});
            }
        m.groups = {a, b};
        f.meshes.push_back(std::move(m));
    }
    return zw::Encode3ds(f);
}

void BM_Read3ds50kTriangles(benchmark::State& state) {
    std::vector<uint8_t> bytes = FiftyThousandTriangles();
    for (auto _ : state) {
        zw::ThreeDsFile f = zw::Read3ds(bytes.data(), bytes.size(), "bench.3ds");
        benchmark::DoNotOptimize(f.meshes.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
    state.counters["triangles"] = 50000;
}
BENCHMARK(BM_Read3ds50kTriangles)->Unit(benchmark::kMillisecond);

void BM_Load3dsIntoMesh50kTriangles(benchmark::State& state) {
    std::vector<uint8_t> bytes = FiftyThousandTriangles();
    for (auto _ : state) {
        zw::FreeFormNode mesh;
        mesh.LoadFrom3ds(zw::Read3ds(bytes.data(), bytes.size(), "bench.3ds"));
        benchmark::DoNotOptimize(mesh.TriangleCount());
    }
}
BENCHMARK(BM_Load3dsIntoMesh50kTriangles)->Unit(benchmark::kMillisecond);

} // namespace
