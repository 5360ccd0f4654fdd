// Cameras, sky, terrain, particles, HUD and the direct-OpenGL hook.
#include "platform/scene/Scene.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zw;

namespace {
void ExpectVec(const Vec3& got, const Vec3& want, const std::string& what) {
    EXPECT_NEAR(got.x, want.x, 1e-3f) << what;
    EXPECT_NEAR(got.y, want.y, 1e-3f) << what;
    EXPECT_NEAR(got.z, want.z, 1e-3f) << what;
}
} // namespace

TEST(Camera, MovesAroundItsTargetAndScalesItsDistance) {
    // The chase camera: a child of the mount, aimed at it, at local y -2.
    Scene scene;
    auto* mount = scene.Root().Add<SceneNode>("mount");
    mount->SetPosition(10, 0, 0);
    auto* cam = mount->Add<CameraNode>("chase");
    cam->SetTarget(mount);
    cam->SetPosition(0, -2, 0);
    EXPECT_NEAR(cam->DistanceToTarget(), 2, 1e-5);
    cam->MoveAroundTarget(0, 90);
    EXPECT_NEAR(cam->DistanceToTarget(), 2, 1e-5);
    cam->MoveAroundTarget(30, 0);
    EXPECT_NEAR(cam->DistanceToTarget(), 2, 1e-5);
    cam->AdjustDistanceToTarget(std::pow(1.1f, 2));
    EXPECT_NEAR(cam->DistanceToTarget(), 2 * 1.21, 1e-4);
    // The target is straight ahead: it lands in the middle of the view.
    Mat4 vp = cam->ProjectionMatrix(800, 600) * cam->ViewMatrix();
    Vec3 t = mount->AbsolutePosition();
    float clip[4];
    for (int r = 0; r < 4; ++r) clip[r] = vp(r, 0) * t.x + vp(r, 1) * t.y + vp(r, 2) * t.z + vp(r, 3);
    EXPECT_NEAR(clip[0] / clip[3], 0, 1e-4);
    EXPECT_NEAR(clip[1] / clip[3], 0, 1e-4);
    EXPECT_GT(clip[3], 0);
}

TEST(Camera, FocalLengthSetsTheViewAngle) {
    CameraNode cam;
    cam.SetFocalLength(800.0f / 12);
    float narrow = cam.HorizontalFov(800);
    cam.SetFocalLength(30);
    EXPECT_GT(cam.HorizontalFov(800), narrow);
    EXPECT_GT(narrow, 30 * kDegToRad);
    EXPECT_LT(narrow, 120 * kDegToRad);
    // Without a target the camera looks along its direction.
    cam.SetDirection(1, 0, 0);
    Vec3 ahead = cam.ViewMatrix().TransformPoint({5, 0, 0});
    ExpectVec(ahead, {0, 0, -5}, "5 ahead is 5 into the view");
}

TEST(Terrain, FlatGreyGroundRepeatsWithoutEnd) {
    BitmapHeightData hd(Image(512, 512, Rgba{128, 128, 128, 255}));
    hd.SetEndless(true);
    TerrainNode t;
    t.SetHeightData(&hd);
    t.SetTileSize(32);
    EXPECT_EQ(t.TileSize(), 32);
    EXPECT_FLOAT_EQ(t.LocalHeight(0, 0), 0);
    Image bumps(2, 1, Rgba{128, 128, 128, 255});
    bumps.Set(1, 0, Rgba{255, 255, 255, 255});
    hd.SetPicture(bumps);
    EXPECT_FLOAT_EQ(hd.HeightAt(1, 0), 1);
    EXPECT_FLOAT_EQ(hd.HeightAt(-1, 5), 1); // wraps
    EXPECT_FLOAT_EQ(hd.HeightAt(3, -7), 1);
    hd.SetEndless(false);
    EXPECT_FLOAT_EQ(hd.HeightAt(3, 0), 0);
}

TEST(Particles, AgeDieAndNeverGrowPastTheirStore) {
    ParticleNode p("glow", 4);
    p.SetLifeColors({LifeColor{{1, 1, 0, 1}, 3, 1}});
    for (int i = 0; i < 6; ++i) p.CreateParticle({float(i), 0, 0}, {1, 0, 0});
    EXPECT_EQ(p.Count(), 4u);
    p.Progress(1);
    EXPECT_EQ(p.Count(), 4u);
    EXPECT_NEAR(p.At(0).age, 1, 1e-6);
    p.CreateParticle({9, 9, 9}, {});
    p.Progress(2.5f);
    EXPECT_EQ(p.Count(), 1u); // only the young one is left
    EXPECT_EQ(p.At(0).position, (Vec3{9, 9, 9}));
    EXPECT_FLOAT_EQ(p.TotalLifeTime(), 3);
}

TEST(Sky, BoxFacesBindLibraryMaterialsAndDomeBands) {
    MaterialLibrary sky;
    for (const char* n : {"dn", "up", "bk", "ft", "lt", "rt"}) sky.Add(n);
    SkyBoxNode box;
    box.SetLibrary(&sky);
    box.SetFaceMaterial(SkyBoxNode::Top, "up");
    box.SetFaceMaterial(SkyBoxNode::Bottom, "dn");
    box.SetFaceMaterial(SkyBoxNode::Left, "missing");
    EXPECT_EQ(box.FaceMaterial(SkyBoxNode::Top), sky.Find("up"));
    EXPECT_EQ(box.FaceMaterial(SkyBoxNode::Bottom), sky.Find("dn"));
    EXPECT_EQ(box.FaceMaterial(SkyBoxNode::Left), nullptr);

    SkyDomeNode dome;
    dome.AddBand({0, 15, {1, 1, 1, 1}, {0, 0, 1, 1}, 12, 1});
    dome.AddBand({15, 90, {0, 0, 1, 1}, {0, 0, 0.5f, 1}, 12, 4});
    dome.AddStar({5, 30, 10, {1, 1, 0, 1}});
    uint64_t v = dome.Version();
    dome.EditBand(0).stopColor = Color{1, 0, 0, 1};
    EXPECT_GT(dome.Version(), v);
    EXPECT_EQ(dome.Band(1).stacks, 4);
    EXPECT_EQ(dome.Stars().size(), 1u);
}

TEST(Hud, TextsKeepBytesAndVersionsAndTheHookRuns) {
    HudFont font;
    font.family = "Tahoma";
    font.bold = true;
    HudTextNode t("hud_dist");
    t.SetFont(&font);
    t.SetAlignment(TextAlign::Center);
    uint64_t v = t.TextVersion();
    t.SetText("Przystanek \x9c");
    EXPECT_GT(t.TextVersion(), v);
    v = t.TextVersion();
    t.SetText("Przystanek \x9c");
    EXPECT_EQ(t.TextVersion(), v); // same text: nothing to redo
    t.SetXY(512, 85);
    EXPECT_FLOAT_EQ(t.X(), 512);

    struct Ctx : DirectRenderContext {
        float threshold = -1;
        void EnableAlphaTest(float th) override { threshold = th; }
        void DisableAlphaTest() override { threshold = -1; }
    } ctx;
    DirectGLNode hook;
    hook.Render(ctx); // no callback: nothing
    hook.SetOnRender([](DirectRenderContext& c) { c.EnableAlphaTest(0.1f); });
    hook.Render(ctx);
    EXPECT_FLOAT_EQ(ctx.threshold, 0.1f);
}
