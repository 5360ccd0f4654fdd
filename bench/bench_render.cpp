// A rendered frame of a busy scene: 2,000 (or 20) proxies of one 500-triangle mesh,
// 200 sprites and 30 HUD items at 1024 x 768 (run under Xvfb with Mesa).
#include "platform/render/SceneRenderer.h"
#include "platform/scene/Scene.h"
#include "platform/window/sdl/SdlWindowSystem.h"

#include <benchmark/benchmark.h>
#include <epoxy/gl.h>

#include <cmath>
#include <memory>

using namespace zw;

namespace {

constexpr int W = 1024, H = 768;

// A 500-triangle bump: a 10 x 25 grid of quads.
MeshObject Grid500() {
    MeshObject o;
    o.name = "grid";
    const int nx = 25, ny = 10;
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i) {
            float a = float(i) / nx * 6.2831853f, b = float(j) / ny * 3.1415926f;
            o.vertices.push_back({std::cos(a) * std::sin(b), std::cos(b), std::sin(a) * std::sin(b)});
            o.texCoords.push_back({float(i) / nx, float(j) / ny});
        }
    FaceGroup g;
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            uint32_t a = uint32_t(j * (nx + 1) + i), c = a + nx + 1;
            g.indices.insert(g.indices.end(), {a, c, a + 1, a + 1, c, c + 1});
        }
    o.groups.push_back(g);
    o.ComputeNormals();
    return o;
}

struct Busy {
    Scene scene;
    std::unique_ptr<FreeFormNode> master = MakeNode<FreeFormNode>("master");
    HudFont font;
    MaterialLibrary library;
    explicit Busy(int proxies) {
        Material* glow = library.Add("glow");
        glow->SetBlending(BlendMode::Additive);
        glow->SetDiffuse({1, 0.8f, 0.3f, 1});
        scene.lighting = true;
        scene.fog.enabled = true;
        auto* cam = scene.Root().Add<CameraNode>("cam");
        cam->SetPosition(0, 30, 60);
        cam->SetDirection(0, -0.4f, -1);
        cam->SetDepthOfView(400);
        scene.camera = cam;
        scene.Root().Add<LightNode>("sun")->SetPosition(0, 100, 100);
        master->AddObject(Grid500());
        master->Mat().Own().SetDiffuse({0.7f, 0.5f, 0.3f, 1});
        for (int i = 0; i < proxies; ++i) {
            auto* p = scene.Root().Add<ProxyNode>("p", master.get());
            p->SetPosition(float(i % 50) * 3 - 75, 0, -float(i / 50) * 3);
        }
        for (int i = 0; i < 200; ++i) {
            auto* s = scene.Root().Add<SpriteNode>("s");
            s->SetSize(1, 1);
            s->SetPosition(float(i % 20) * 6 - 60, 4, -float(i / 20) * 10);
            s->UseLibMaterial(&library, "glow");
        }
        font.family = "Tahoma";
        font.bold = true;
        font.pixelSize = 13;
        for (int i = 0; i < 20; ++i) {
            auto* h = scene.Root().Add<HudSpriteNode>("h");
            h->SetSize(32, 32);
            h->SetXY(20 + 34.0f * float(i), float(H - 43));
            h->Mat().Own().SetBlending(i % 2 ? BlendMode::Additive : BlendMode::Transparency);
        }
        for (int i = 0; i < 10; ++i) {
            auto* t = scene.Root().Add<HudTextNode>("t");
            t->SetFont(&font);
            t->SetText("przystanek: 12");
            t->SetXY(10, 10 + 18.0f * float(i));
        }
    }
};

void BM_RenderBusyFrame(benchmark::State& state) {
    std::unique_ptr<SdlWindowSystem> sys;
    std::unique_ptr<Window> win;
    try {
        sys = std::make_unique<SdlWindowSystem>();
        WindowDesc d;
        d.width = W;
        d.height = H;
        d.vsync = false;
        win = sys->CreateWindow(d);
        win->MakeCurrent();
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    Busy busy(int(state.range(0)));
    SceneRenderer r;
    r.Draw(busy.scene, W, H, W, H); // uploads
    glFinish();
    for (auto _ : state) {
        r.Draw(busy.scene, W, H, W, H);
        win->Present();
        glFinish();
    }
    state.counters["draw_calls"] = r.LastFrame().drawCalls;
    state.counters["triangles"] = double(r.LastFrame().triangles);
}
BENCHMARK(BM_RenderBusyFrame)->Arg(20)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
