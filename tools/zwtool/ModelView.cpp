#include "tools/zwtool/ModelView.h"

#include "platform/render/SceneRenderer.h"
#include "platform/render/Screenshot.h"
#include "platform/scene/Scene.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/WindowOptions.h"
#include "util/Errors.h"
#include "util/Paths.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zwtool {
namespace {

struct ModelScene {
    zw::Scene scene;
    zw::MaterialLibrary library{"model"};
    zw::FreeFormNode* model = nullptr;
    zw::SceneNode* target = nullptr;
    zw::CameraNode* camera = nullptr;
    zw::HudFont font;
};

void Build(ModelScene& s, const zw::ThreeDsFile& file, const std::string& path) {
    s.scene.background = {0.35f, 0.42f, 0.52f, 1};
    s.scene.lighting = true;
    s.library.SetTexturePaths(zw::DirOf(path));
    s.model = s.scene.Root().Add<zw::FreeFormNode>("model");
    s.model->SetLibrary(&s.library);
    for (const std::string& p : s.model->LoadFrom3ds(file)) std::fprintf(stderr, "zwtool view: %s\n", p.c_str());
    // Models are authored z-up: stood upright as the game stands them.
    s.model->SetDirection(0, 1, 0);
    s.model->SetUp(0, 0, -1);

    zw::Vec3 lo{1e30f, 1e30f, 1e30f}, hi{-1e30f, -1e30f, -1e30f};
    for (const zw::MeshObject& o : s.model->Objects())
        for (const zw::Vec3& v : o.vertices) {
            zw::Vec3 w = s.model->LocalToWorld(v);
            lo = {std::min(lo.x, w.x), std::min(lo.y, w.y), std::min(lo.z, w.z)};
            hi = {std::max(hi.x, w.x), std::max(hi.y, w.y), std::max(hi.z, w.z)};
        }
    if (lo.x > hi.x) lo = hi = {};
    zw::Vec3 centre = (lo + hi) * 0.5f;
    float radius = std::max(0.5f * zw::Length(hi - lo), 0.01f);

    s.target = s.scene.Root().Add<zw::SceneNode>("target");
    s.target->SetPosition(centre);
    s.camera = s.scene.Root().Add<zw::CameraNode>("camera");
    s.camera->SetFocalLength(50);
    float hfov = s.camera->HorizontalFov(1024), vfov = 2 * std::atan(std::tan(hfov / 2) * 768 / 1024);
    float distance = radius / std::sin(std::min(hfov, vfov) / 2) * 1.1f;
    zw::Vec3 from = zw::Normalized(zw::Vec3{1, 0.6f, 1.4f});
    s.camera->SetPosition(centre + from * distance);
    s.camera->SetTarget(s.target);
    s.camera->SetNearPlane(radius / 100);
    s.camera->SetDepthOfView(distance + radius * 20);
    s.scene.camera = s.camera;
    auto* light = s.camera->Add<zw::LightNode>("light");
    light->SetAmbient({0.35f, 0.35f, 0.35f, 1});
    light->SetPosition(radius, radius * 2, 0);

    // The model's mesh objects, listed at the top-left.
    s.font.family = "DejaVu Sans";
    s.font.pixelSize = 14;
    s.font.color = {1, 1, 1, 1};
    int line = 0;
    for (const zw::MeshObject& o : s.model->Objects()) {
        if (line == 40) break;
        auto* t = s.scene.Root().Add<zw::HudTextNode>("object");
        t->SetFont(&s.font);
        t->SetText(o.name);
        t->SetXY(8, 6 + 17.0f * float(line++));
    }
}

int Screenshot(ModelScene& s, zw::WindowSystem& sys, const std::string& out) {
    if (sys.Headless()) {
        std::fprintf(stderr, "zwtool view: no display for a screenshot\n");
        return 1;
    }
    zw::WindowDesc d;
    d.title = "zwtool view";
    d.width = 1024;
    d.height = 768;
    d.hidden = true;
    d.vsync = false;
    auto w = sys.CreateWindow(d);
    if (!w->MakeCurrent()) {
        std::fprintf(stderr, "zwtool view: no GL context\n");
        return 1;
    }
    zw::SceneRenderer r;
    r.Draw(s.scene, w->Width(), w->Height(), 1024, 768);
    zw::SaveFramebufferPng(out, w->Width(), w->Height());
    std::printf("wrote %s (%d draw calls, %lld triangles)\n", out.c_str(), r.LastFrame().drawCalls,
                r.LastFrame().triangles);
    return 0;
}

int Interactive(ModelScene& s, zw::WindowSystem& sys, const std::string& file) {
    if (sys.Headless()) {
        std::fprintf(stderr, "zwtool view: no display to show the model on\n");
        return 1;
    }
    zw::MessageLoop loop(sys);
    zw::WindowDesc d;
    d.title = "zwtool view - " + zw::FileNameOf(file);
    d.width = 1024;
    d.height = 768;
    d.resizable = true;
    auto w = sys.CreateWindow(d);
    zw::SceneRenderer r;
    int lastX = 0, lastY = 0;
    w->onClose = [&] { loop.Quit(); };
    w->onInput = [&](const zw::InputEvent& e) {
        using K = zw::InputEvent::Kind;
        if (e.kind == K::MouseDown) lastX = e.x, lastY = e.y;
        if (e.kind == K::MouseMove && (e.shift & (zw::shiftstate::Left | zw::shiftstate::Right))) {
            s.camera->MoveAroundTarget(float(e.y - lastY), float(lastX - e.x));
            lastX = e.x, lastY = e.y;
        }
        if (e.kind == K::MouseWheel) s.camera->AdjustDistanceToTarget(std::pow(1.1f, -float(e.delta) / 120));
        if (e.kind == K::KeyDown && e.key == 27) loop.Quit();
    };
    w->onPaint = [&] {
        if (!w->MakeCurrent()) return;
        r.Draw(s.scene, w->Width(), w->Height(), w->Width(), w->Height());
        w->Present();
    };
    loop.AddWindow(w.get());
    loop.Run();
    loop.RemoveWindow(w.get());
    return 0;
}

} // namespace

int ShowModel(const zw::ThreeDsFile& model, const ModelViewOptions& o) {
    ModelScene s;
    Build(s, model, o.file);
    zw::WindowOptions wo;
    wo.windowed = o.windowed;
    auto sys = zw::CreateWindowSystem(wo);
    return o.screenshot.empty() ? Interactive(s, *sys, o.file) : Screenshot(s, *sys, o.screenshot);
}

} // namespace zwtool
