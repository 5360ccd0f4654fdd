#include "platform/render/SceneRenderer.h"

#include "platform/render/GpuCache.h"
#include "platform/render/Screenshot.h"
#include "platform/window/FullScreenViewer.h"
#include "util/Errors.h"

#include <algorithm>
#include <cmath>

namespace zw {
namespace {

// GPU geometry of one scene object, rebuilt when its version changes.
struct GeometryData : RenderData {
    GlMesh mesh;
    uint64_t version = 0;
    std::vector<Geometry::Range> ranges;
    RMaterial own; // meshes with vertex colours, the sky dome
    RMaterial faces[SkyBoxNode::FaceCount];
    uint64_t flatOf = 0; // height-data version the flatness was found for
    bool flat = true;
    Vec3 centre;         // bounding sphere in the object's frame
    float radius = 0;
};

GeometryData& DataOf(const SceneNode& n) {
    auto* d = n.renderSlot.As<GeometryData>();
    if (!d) {
        auto nd = std::make_unique<GeometryData>();
        d = nd.get();
        n.renderSlot.Set(std::move(nd));
    }
    return *d;
}

void Upload(GeometryData& d, Geometry& g, uint64_t version) {
    d.mesh.Upload(g.vertices.data(), g.vertices.size(), g.indices.data(), g.indices.size());
    Vec3 lo{1e30f, 1e30f, 1e30f}, hi{-1e30f, -1e30f, -1e30f};
    for (const GlVertex& v : g.vertices) {
        lo = {std::min(lo.x, v.px), std::min(lo.y, v.py), std::min(lo.z, v.pz)};
        hi = {std::max(hi.x, v.px), std::max(hi.y, v.py), std::max(hi.z, v.pz)};
    }
    d.centre = g.vertices.empty() ? Vec3{} : (lo + hi) * 0.5f;
    d.radius = g.vertices.empty() ? 0 : Length(hi - lo) * 0.5f;
    d.ranges = g.ranges;
    d.version = version;
}

// Whether an object's bounding sphere meets the camera's frustum.
bool InView(const GeometryData& d, const Mat4& m, const float (&planes)[6][4]) {
    Vec3 c = m.TransformPoint(d.centre);
    float scale = std::max({Length(m.Column(0)), Length(m.Column(1)), Length(m.Column(2))});
    float r = d.radius * scale;
    for (const auto& pl : planes)
        if (pl[0] * c.x + pl[1] * c.y + pl[2] * c.z + pl[3] < -r) return false;
    return true;
}

uint64_t Mix(uint64_t a, uint64_t b) { return a * 1000003u ^ (b + 0x9e3779b97f4a7c15ull); }

} // namespace

SceneRenderer::SceneRenderer() = default;

void SceneRenderer::Begin(Scene& scene, int vw, int vh, int hudW, int hudH) {
    scene_ = &scene;
    camera_ = scene.camera;
    hudW_ = hudW;
    hudH_ = hudH;
    FrameParams p;
    p.viewportWidth = vw;
    p.viewportHeight = vh;
    p.hudWidth = hudW;
    p.hudHeight = hudH;
    p.background = scene.background;
    p.lighting = scene.lighting;
    p.fog = scene.fog.enabled;
    p.fogStart = scene.fog.start;
    p.fogEnd = scene.fog.end;
    p.fogColor = scene.fog.color;
    p.alphaTest = alphaTest_;
    if (camera_) {
        // The camera's focal length is in terms of the viewer's width; the
        // picture keeps the window's shape.
        float w = float(hudW), h = float(hudW) * float(vh) / float(vw > 0 ? vw : 1);
        p.view = camera_->ViewMatrix();
        p.projection = camera_->ProjectionMatrix(w, h);
        p.eye = camera_->AbsolutePosition();
        // Frustum planes (a, b, c, d) from the rows of projection x view.
        Mat4 vp = p.projection * p.view;
        for (int i = 0; i < 6; ++i) {
            int row = i / 2;
            float sign = i % 2 ? -1.0f : 1.0f;
            float* pl = planes_[i];
            for (int c = 0; c < 4; ++c) pl[c] = vp(3, c) + sign * vp(row, c);
            float len = std::sqrt(pl[0] * pl[0] + pl[1] * pl[1] + pl[2] * pl[2]);
            if (len > 0)
                for (int c = 0; c < 4; ++c) pl[c] /= len;
        }
    }
    eye_ = p.eye;
    lightFound_ = false;
    frame_.Begin(p);
}

void SceneRenderer::Draw(Scene& scene, int vw, int vh, int hudW, int hudH) {
    Begin(scene, vw, vh, hudW, hudH);
    Visit(scene.Root());
    frame_.Params().alphaTest = alphaTest_;
    frame_.End();
}

void SceneRenderer::RenderScene(FullScreenViewer& viewer) {
    Window* w = viewer.GetWindow();
    if (!viewer.scene || !w) return;
    Draw(*viewer.scene, w->Width(), w->Height(), viewer.Width(), viewer.Height());
}

void SceneRenderer::RenderNode(FullScreenViewer& viewer, SceneNode& node) {
    Window* w = viewer.GetWindow();
    if (!w) return;
    Scene empty;
    Scene& scene = viewer.scene ? *viewer.scene : empty;
    Begin(scene, w->Width(), w->Height(), viewer.Width(), viewer.Height());
    Visit(node);
    frame_.End();
}

void SceneRenderer::SaveScreenshot(FullScreenViewer& viewer, const std::string& path) {
    Window* w = viewer.GetWindow();
    if (!w) throw EInOutError("screenshot " + path + ": the viewer has no window");
    RenderScene(viewer);
    SaveFramebufferPng(path, w->Width(), w->Height());
}

void SceneRenderer::UseLight(const LightNode& l) {
    if (lightFound_ || !l.Shining()) return;
    lightFound_ = true;
    FrameParams& p = frame_.Params();
    p.lightDiffuse = l.Diffuse();
    p.lightAmbient = l.Ambient();
    if (l.LightStyle() == LightNode::Style::Omni) {
        p.pointLight = true;
        p.lightPos = l.AbsolutePosition();
    } else {
        p.pointLight = false;
        p.lightDir = l.AbsoluteDirection();
    }
}

void SceneRenderer::Visit(SceneNode& n) {
    if (!n.Visible()) return;
    switch (n.Kind()) {
    case NodeKind::HudSprite:
    case NodeKind::HudText: VisitHud(n); break;
    case NodeKind::SkyBox:
    case NodeKind::SkyDome: VisitSky(n); break;
    case NodeKind::Terrain: VisitTerrain(n); break;
    case NodeKind::Particles: VisitParticles(n); break;
    case NodeKind::Light: UseLight(static_cast<const LightNode&>(n)); break;
    case NodeKind::DirectGL: static_cast<const DirectGLNode&>(n).Render(*this); break;
    case NodeKind::Camera:
    case NodeKind::Dummy: break;
    default:
        if (camera_) DrawGeometryOf(n, n.AbsoluteMatrix(), 0);
        break;
    }
    for (size_t i = 0; i < n.ChildCount(); ++i) Visit(*n.Child(i));
}

void SceneRenderer::DrawGeometryOf(SceneNode& n, const Mat4& m, int depth) {
    switch (n.Kind()) {
    case NodeKind::FreeForm: {
        auto& f = static_cast<FreeFormNode&>(n);
        GeometryData& d = DataOf(f);
        if (d.version != f.GeometryVersion()) {
            BuildFreeForm(f, scratch_);
            Upload(d, scratch_, f.GeometryVersion());
        }
        if (!InView(d, m, planes_)) break;
        const Material& own = f.EffectiveMaterial();
        for (const Geometry::Range& r : d.ranges) {
            const Material* mat = f.UseMeshMaterials() ? f.GroupMaterial(*r.group) : nullptr;
            frame_.AddMesh(&d.mesh, r.first, r.count, &GpuMaterial(mat ? *mat : own), m);
        }
        break;
    }
    case NodeKind::Mesh: {
        auto& mn = static_cast<MeshNode&>(n);
        GeometryData& d = DataOf(mn);
        if (d.version != mn.GeometryVersion()) {
            BuildMeshNode(mn, scratch_);
            Upload(d, scratch_, mn.GeometryVersion());
        }
        if (!InView(d, m, planes_)) break;
        d.own = GpuMaterial(mn.EffectiveMaterial());
        d.own.vertexColors = true;
        frame_.AddMesh(&d.mesh, 0, uint32_t(d.mesh.IndexCount()), &d.own, m);
        break;
    }
    case NodeKind::Plane:
    case NodeKind::Cylinder:
    case NodeKind::ArrowLine: {
        auto& s = static_cast<ShapeNode&>(n);
        GeometryData& d = DataOf(s);
        if (d.version != s.ShapeVersion()) {
            scratch_.Clear();
            if (n.Kind() == NodeKind::Plane) {
                auto& p = static_cast<PlaneNode&>(n);
                BuildPlane(p.Width(), p.Height(), scratch_);
            } else if (n.Kind() == NodeKind::Cylinder) {
                auto& c = static_cast<CylinderNode&>(n);
                BuildCylinder(c.BottomRadius(), c.TopRadius(), -c.Height() / 2, c.Height() / 2, c.Slices(),
                              c.Stacks(), c.HasPart(CylinderNode::Sides), c.HasPart(CylinderNode::Top),
                              c.HasPart(CylinderNode::Bottom), scratch_);
            } else {
                BuildArrow(static_cast<ArrowLineNode&>(n), scratch_);
            }
            Upload(d, scratch_, s.ShapeVersion());
        }
        if (!InView(d, m, planes_)) break;
        frame_.AddMesh(&d.mesh, 0, uint32_t(d.mesh.IndexCount()), &GpuMaterial(s.EffectiveMaterial()), m);
        break;
    }
    case NodeKind::Sprite: {
        auto& s = static_cast<SpriteNode&>(n);
        Vec3 sc = n.Scale();
        frame_.AddSprite(m.Origin(), s.Width() * sc.x, s.Height() * sc.y, s.Rotation(),
                         &GpuMaterial(s.EffectiveMaterial()));
        break;
    }
    case NodeKind::Proxy: {
        // The master's geometry in the proxy's frame; chains end after a few links.
        SceneNode* master = static_cast<ProxyNode&>(n).Master();
        if (master && master != &n && depth < 8) DrawGeometryOf(*master, m, depth + 1);
        break;
    }
    default: break;
    }
}

void SceneRenderer::VisitHud(SceneNode& n) {
    if (n.Kind() == NodeKind::HudSprite) {
        auto& s = static_cast<HudSpriteNode&>(n);
        frame_.AddHudQuad(s.X(), s.Y(), s.Width(), s.Height(), s.Rotation(), &GpuMaterial(s.EffectiveMaterial()));
        return;
    }
    auto& t = static_cast<HudTextNode&>(n);
    if (!t.Font() || t.Text().empty()) return;
    const FontAtlas& font = GpuFont(*t.Font());
    const Color& c = t.ModulateColor() ? *t.ModulateColor() : t.Font()->color;
    HudAlign a = t.Alignment() == TextAlign::Center  ? HudAlign::Center
                 : t.Alignment() == TextAlign::Right ? HudAlign::Right
                                                     : HudAlign::Left;
    float y = t.Y();
    if (t.Layout() == TextLayout::Center) y -= float(font.LineHeight()) / 2;
    else if (t.Layout() == TextLayout::Bottom) y -= float(font.LineHeight());
    frame_.AddHudText(font, t.X(), y, t.Text(), c, a);
}

void SceneRenderer::VisitSky(SceneNode& n) {
    if (!camera_) return;
    float r = camera_->NearPlane() * 10;
    Mat4 scale = Mat4::Scaling({r, r, r});
    if (n.Kind() == NodeKind::SkyDome) {
        auto& dome = static_cast<SkyDomeNode&>(n);
        GeometryData& d = DataOf(dome);
        if (d.version != dome.Version()) {
            BuildSkyDome(dome, scratch_);
            Upload(d, scratch_, dome.Version());
            d.own = RMaterial{};
            d.own.unlit = true;
            d.own.vertexColors = true;
        }
        frame_.AddBackground(&d.mesh, 0, uint32_t(d.mesh.IndexCount()), &d.own, scale);
        return;
    }
    auto& box = static_cast<SkyBoxNode&>(n);
    GeometryData& d = DataOf(box);
    if (d.version != 1) {
        scratch_.Clear();
        Geometry face;
        for (int f = 0; f < SkyBoxNode::FaceCount; ++f) {
            BuildSkyFace(f, face);
            uint32_t base = uint32_t(scratch_.vertices.size()), first = uint32_t(scratch_.indices.size());
            scratch_.vertices.insert(scratch_.vertices.end(), face.vertices.begin(), face.vertices.end());
            for (uint32_t i : face.indices) scratch_.indices.push_back(base + i);
            scratch_.ranges.push_back({first, 6, nullptr});
        }
        Upload(d, scratch_, 1);
    }
    for (int f = 0; f < SkyBoxNode::FaceCount; ++f) {
        const Material* m = box.FaceMaterial(SkyBoxNode::Face(f));
        if (!m) continue;
        // Sky pictures are never lit (nor fogged: the background has no fog).
        d.faces[f] = GpuMaterial(*m);
        d.faces[f].unlit = true;
        frame_.AddBackground(&d.mesh, d.ranges[size_t(f)].first, 6, &d.faces[f], scale);
    }
}

void SceneRenderer::VisitTerrain(SceneNode& n) {
    if (!camera_) return;
    auto& t = static_cast<TerrainNode&>(n);
    GeometryData& d = DataOf(t);
    const BitmapHeightData* hd = t.HeightData();
    int tile = t.TileSize();
    // Enough tiles to reach the camera's depth of view in every direction.
    Vec3 sc = n.Scale();
    float unit = std::max(0.001f, std::min(std::fabs(sc.x), std::fabs(sc.y)));
    float reach = camera_->DepthOfView() / unit;
    int cells = std::clamp(int(std::ceil(2 * reach / tile)) + 2, 2, 128);
    Vec3 local = t.WorldToLocal(eye_);
    long half = long(cells / 2) * tile;
    long ox = long(std::floor(local.x / tile)) * tile - half;
    long oy = long(std::floor(local.y / tile)) * tile - half;
    // A flat source gives the same grid everywhere: built once, moved along.
    uint64_t dataVersion = hd ? hd->Version() * 2 + 2 : 1;
    if (d.flatOf != dataVersion) {
        d.flatOf = dataVersion;
        d.flat = true;
        if (hd && !hd->Picture().Empty()) {
            const Image& pic = hd->Picture();
            uint8_t first = pic.Data()[0];
            for (size_t i = 0; i < pic.ByteSize() && d.flat; i += 4) d.flat = pic.Data()[i] == first;
        }
    }
    bool flat = d.flat;
    long bx = flat ? 0 : ox, by = flat ? 0 : oy;
    uint64_t key = Mix(Mix(Mix(Mix(hd ? hd->Version() : 0, uint64_t(tile)), uint64_t(cells)), uint64_t(bx)),
                       uint64_t(by)) | 1;
    if (d.version != key) {
        BuildTerrainGrid(&t, bx, by, cells, tile, scratch_);
        Upload(d, scratch_, key);
    }
    Mat4 m = t.AbsoluteMatrix() * Mat4::Translation({float(ox), float(oy), 0});
    if (!flat) m = t.AbsoluteMatrix() * Mat4::Translation({float(bx), float(by), 0});
    frame_.AddMesh(&d.mesh, 0, uint32_t(d.mesh.IndexCount()), &GpuMaterial(t.EffectiveMaterial()), m);
}

void SceneRenderer::VisitParticles(SceneNode& n) {
    if (!camera_) return;
    auto& p = static_cast<ParticleNode&>(n);
    for (size_t i = 0; i < p.Count(); ++i) {
        const Particle& q = p.At(i);
        LifeColor lc = p.ColorAt(q.age);
        frame_.AddParticle(p.LocalToWorld(q.position), p.ParticleSize() * lc.sizeScale, lc.color);
    }
}

RendererFactory GlRendererFactory() {
    return [](Window&) -> std::unique_ptr<ViewRenderer> { return std::make_unique<SceneRenderer>(); };
}

} // namespace zw
