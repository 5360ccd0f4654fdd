#include "GlTestContext.h"
#include "platform/render/SceneRenderer.h"
#include "platform/render/Screenshot.h"

using namespace zw;
using namespace zwtest;

namespace {

constexpr int W = 320, H = 240;

MeshObject Box(float s) {
    MeshObject o;
    o.name = "box";
    const float c[8][3] = {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
                           {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},  {-1, 1, 1}};
    for (auto& p : c) o.vertices.push_back(Vec3{p[0] * s, p[1] * s, p[2] * s});
    FaceGroup g;
    g.indices = {0, 2, 1, 0, 3, 2, 4, 5, 6, 4, 6, 7, 0, 1, 5, 0, 5, 4,
                 3, 7, 6, 3, 6, 2, 0, 4, 7, 0, 7, 3, 1, 2, 6, 1, 6, 5};
    o.groups.push_back(g);
    o.ComputeNormals();
    return o;
}

struct TestScene {
    Scene scene;
    CameraNode* camera;
    TerrainNode* terrain;
    BitmapHeightData flat{Image(512, 512, Rgba{128, 128, 128, 255})};
    std::unique_ptr<FreeFormNode> master = MakeNode<FreeFormNode>("master");
    HudFont font;

    TestScene() {
        scene.background = {0, 0, 1, 1};
        scene.lighting = false;
        camera = scene.Root().Add<CameraNode>("cam");
        camera->SetPosition(0, 2, 10);
        camera->SetDirection(0, 0, -1);
        camera->SetUp(0, 1, 0);
        camera->SetDepthOfView(400);
        scene.camera = camera;
        flat.SetEndless(true);
        terrain = scene.Root().Add<TerrainNode>("ground");
        terrain->SetHeightData(&flat);
        terrain->SetTileSize(32);
        terrain->SetY(-4.1f);
        terrain->SetDirection(0, 1, 0);
        terrain->SetUp(-1, 0, 0);
        Image grass(8, 8, Rgba{40, 200, 40, 255});
        terrain->Mat().Own().SetTextureImage(grass);
        terrain->Mat().Own().SetTextureEnabled(true);
        terrain->Mat().Own().SetDiffuse({1, 1, 1, 1});
        master->AddObject(Box(1));
        master->Mat().Own().SetDiffuse({1, 0, 0, 1});
        font.family = "Tahoma";
        font.bold = true;
        font.pixelSize = 15;
        font.color = {1, 1, 1, 1};
    }
};

int CountPixels(int x0, int y0, int x1, int y1, bool (*match)(Rgb)) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (match(PixelAt(x, y, H))) ++n;
    return n;
}

} // namespace

TEST(SceneRenderer, DrawsWhatAPersonExpectsWhere) {
    GlContext ctx(W, H);
    ZW_NEED_GL(ctx);
    TestScene t;
    // The mesh itself on the left, a proxy of it on the right.
    auto* left = t.scene.Root().Add<ProxyNode>("left", t.master.get());
    left->SetPosition(-3, 1, 0);
    auto* right = t.scene.Root().Add<ProxyNode>("right", t.master.get());
    right->SetPosition(3, 1, 0);
    // A half-transparent white plane before the right box.
    auto* glass = t.scene.Root().Add<PlaneNode>("glass");
    glass->SetSize(2, 2);
    glass->SetPosition(3, 1, 2);
    glass->Mat().Own().SetDiffuse({1, 1, 1, 0.5f});
    glass->Mat().Own().SetBlending(BlendMode::Transparency);
    // An additive blue sprite before the left box.
    auto* glow = t.scene.Root().Add<SpriteNode>("glow");
    glow->SetSize(1, 1);
    glow->SetPosition(-3, 1, 2);
    glow->Mat().Own().SetDiffuse({0, 0, 1, 1});
    glow->Mat().Own().SetBlending(BlendMode::Additive);
    glow->Mat().Own().SetNoLighting(true);
    auto* text = t.scene.Root().Add<HudTextNode>("label");
    text->SetFont(&t.font);
    text->SetText("Przystanek \xb3\xb9ka");
    text->SetXY(10, 10);
    auto* hidden = t.scene.Root().Add<HudSpriteNode>("hidden");
    hidden->SetSize(100, 100);
    hidden->SetXY(W / 2.0f, H / 2.0f);
    hidden->Hide();

    SceneRenderer r;
    r.Draw(t.scene, W, H, W, H);
    SaveFramebufferPng(std::string(ZW_BUILD_DIR) + "/scene_render.png", W, H);

    auto red = [](Rgb p) { return p.r > 200 && p.g < 60 && p.b < 60; };
    auto pink = [](Rgb p) { return p.r > 200 && p.g > 90 && p.g < 190 && p.b > 90; };
    auto magenta = [](Rgb p) { return p.r > 200 && p.g < 60 && p.b > 200; };
    auto green = [](Rgb p) { return p.g > 150 && p.r < 90 && p.b < 90; };
    auto sky = [](Rgb p) { return p.b > 240 && p.r < 20 && p.g < 20; };
    auto white = [](Rgb p) { return p.r > 200 && p.g > 200 && p.b > 200; };
    EXPECT_GT(CountPixels(0, H - 40, W, H, green), W * 30) << "the ground fills the bottom";
    EXPECT_GT(CountPixels(0, 40, W, 60, sky), W * 15) << "the background shows above the horizon";
    EXPECT_GT(CountPixels(0, 145, 40, 190, magenta), 50) << "the additive sprite over the left box";
    EXPECT_GT(CountPixels(45, 125, 90, 190, red), 50) << "the left box around the sprite";
    EXPECT_GT(CountPixels(260, 125, 320, 200, pink), 300) << "the glass over the right box";
    EXPECT_GT(CountPixels(8, 8, 150, 30, white), 40) << "the HUD text at the top-left";
    EXPECT_EQ(CountPixels(150, 110, 170, 130, white), 0) << "a hidden HUD sprite draws nothing";
    EXPECT_EQ(PixelAt(W / 2, 120, H).r < 60, true) << "nothing red in the middle";
}

TEST(SceneRenderer, ProxiesOfOneMasterShareOneDraw) {
    GlContext ctx(W, H);
    ZW_NEED_GL(ctx);
    TestScene t;
    t.terrain->Hide();
    SceneRenderer r;
    auto drawsWith = [&](int proxies) {
        for (int i = int(t.scene.Root().ChildCount()); i < proxies + 2; ++i) {
            auto* p = t.scene.Root().Add<ProxyNode>("p", t.master.get());
            p->SetPosition(float(i % 10) - 5, float(i / 10) * 0.5f, -float(i));
        }
        r.Draw(t.scene, W, H, W, H);
        return r.LastFrame();
    };
    FrameStats one = drawsWith(1);
    FrameStats many = drawsWith(200);
    EXPECT_EQ(one.drawCalls, 1);
    EXPECT_EQ(many.drawCalls, one.drawCalls);
    EXPECT_EQ(many.triangles, 12 * 200);
}

TEST(SceneRenderer, AlphaTestFromTheDirectHookDropsClearTexels) {
    GlContext ctx(W, H);
    ZW_NEED_GL(ctx);
    TestScene t;
    t.terrain->Hide();
    auto* plane = t.scene.Root().Add<PlaneNode>("leaves");
    plane->SetSize(20, 20);
    plane->SetPosition(0, 2, 0);
    Image pic(2, 1);
    pic.Set(0, 0, Rgba{255, 0, 0, 255});
    pic.Set(1, 0, Rgba{255, 0, 0, 20}); // right half nearly clear
    plane->Mat().Own().SetTextureImage(pic);
    plane->Mat().Own().SetTextureEnabled(true);
    plane->Mat().Own().SetMagFilter(TextureFilter::Nearest);
    plane->Mat().Own().SetDiffuse({1, 1, 1, 1});
    bool armed = false;
    auto* hook = t.scene.Root().AddFirst<DirectGLNode>("hook");
    hook->SetOnRender([&](DirectRenderContext& c) {
        if (armed) c.EnableAlphaTest(0.1f);
    });
    SceneRenderer r;
    r.Draw(t.scene, W, H, W, H);
    EXPECT_GT(PixelAt(W * 3 / 4, H / 2, H).r, 200) << "without the test the clear half is drawn opaque";
    armed = true;
    r.Draw(t.scene, W, H, W, H);
    EXPECT_LT(PixelAt(W * 3 / 4, H / 2, H).r, 30) << "alpha 20/255 is not above 0.1";
    EXPECT_GT(PixelAt(W / 4, H / 2, H).r, 200);
    EXPECT_FLOAT_EQ(r.AlphaTest(), 0.1f);
}

TEST(SceneRenderer, ObjectsOutsideTheViewAreNotDrawn) {
    GlContext ctx(W, H);
    ZW_NEED_GL(ctx);
    TestScene t;
    t.terrain->Hide();
    SceneRenderer r;
    auto* behind = t.scene.Root().Add<ProxyNode>("behind", t.master.get());
    behind->SetPosition(0, 2, 30); // behind the camera at z = 10
    auto* far = t.scene.Root().Add<ProxyNode>("far", t.master.get());
    far->SetPosition(0, 2, -1000); // past the depth of view
    r.Draw(t.scene, W, H, W, H);
    EXPECT_EQ(r.LastFrame().drawCalls, 0);
    auto* seen = t.scene.Root().Add<ProxyNode>("seen", t.master.get());
    seen->SetPosition(3.5f, 2, 0); // at the edge: partly in view
    r.Draw(t.scene, W, H, W, H);
    EXPECT_EQ(r.LastFrame().drawCalls, 1);
    EXPECT_EQ(r.LastFrame().triangles, 12);
}
