#include "GlTestContext.h"
#include "platform/render/GlFrame.h"
#include "platform/render/GpuCache.h"
#include "platform/render/Screenshot.h"

#include <cmath>

using namespace zw;
using namespace zwtest;

namespace {

// A unit quad in the XY plane facing +Z.
void UploadQuad(GlMesh& mesh) {
    GlVertex v[4];
    const float c[4][2] = {{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}};
    for (int i = 0; i < 4; ++i) {
        v[i].px = c[i][0], v[i].py = c[i][1], v[i].pz = 0;
        v[i].nx = 0, v[i].ny = 0, v[i].nz = 1;
        v[i].u = c[i][0] + 0.5f, v[i].v = c[i][1] + 0.5f;
    }
    uint32_t idx[6] = {0, 1, 2, 0, 2, 3};
    mesh.Upload(v, 4, idx, 6);
}

FrameParams Params(int w, int h) {
    FrameParams p;
    p.viewportWidth = p.hudWidth = w;
    p.viewportHeight = p.hudHeight = h;
    p.eye = {0, 0, 5};
    p.view = Mat4::LookAlong(p.eye, {0, 0, -1}, {0, 1, 0});
    p.projection = Mat4::Perspective(60 * kDegToRad, float(w) / h, 0.1f, 100);
    p.lighting = false;
    p.background = {0, 0, 0.5f, 1};
    return p;
}

} // namespace

TEST(GlFrame, DrawsOpaqueBlendedInstancedAndHud) {
    GlContext ctx(320, 240);
    ZW_NEED_GL(ctx);
    GlFrame frame;
    GlMesh quad;
    UploadQuad(quad);
    RMaterial red, green, glass, glow, panel;
    red.diffuse = {1, 0, 0, 1};
    green.diffuse = {0, 1, 0, 1};
    glass.diffuse = {1, 1, 1, 0.5f};
    glass.blend = GlBlend::Transparent;
    glow.diffuse = {0, 0, 1, 1};
    glow.blend = GlBlend::Additive;
    panel.diffuse = {1, 1, 0, 1};
    FontAtlas font(FontFileFor("Tahoma", true), 15);

    frame.Begin(Params(320, 240));
    // Three instances of the same mesh and material: one draw.
    for (float x : {-2.0f, 0.0f, 2.0f}) frame.AddMesh(&quad, 0, 6, &red, Mat4::Translation({x, 0, 0}));
    frame.AddMesh(&quad, 0, 6, &green, Mat4::Translation({0, 1.5f, 0}));
    frame.AddMesh(&quad, 0, 6, &glass, Mat4::Translation({2, 0, 1}));
    frame.AddSprite({-2, 0, 1}, 1, 1, 0, &glow);
    frame.AddHudQuad(40, 200, 40, 20, 0, &panel);
    frame.AddHudText(font, 200, 10, "Zwolta \xb9", {1, 1, 1, 1});
    frame.End();

    SaveFramebufferPng(std::string(ZW_BUILD_DIR) + "/glframe.png", 320, 240);
    EXPECT_EQ(frame.Stats().drawCalls, 2 + 1 + 1 + 1 + 1) << "red instances, green, glass, glow, HUD quad, HUD text";
    Rgb centre = PixelAt(160, 120, 240);
    EXPECT_GT(centre.r, 200);
    EXPECT_LT(centre.g, 30);
    Rgb background = PixelAt(5, 5, 240);
    EXPECT_LT(background.r, 20);
    EXPECT_NEAR(background.b, 128, 3);
    Rgb above = PixelAt(160, 120 - 60, 240);
    EXPECT_GT(above.g, 200) << "the green quad stands above the centre";
    // World x = 2 lies at about 160 + 2 / (5 * tan 30) * 120 * (4/3 aspect) px.
    int xRight = 160 + int(2 / (5 * std::tan(30 * kDegToRad)) * 120);
    Rgb glassOverRed = PixelAt(xRight + 10, 120, 240);
    EXPECT_GT(glassOverRed.r, 200);
    EXPECT_GT(glassOverRed.g, 90) << "half-transparent white over red is pink";
    EXPECT_LT(glassOverRed.g, 180);
    Rgb glowOverRed = PixelAt(320 - xRight - 10, 120, 240);
    EXPECT_GT(glowOverRed.r, 200);
    EXPECT_GT(glowOverRed.b, 200) << "additive blue over red is magenta";
    Rgb hud = PixelAt(40, 200, 240);
    EXPECT_GT(hud.r, 200);
    EXPECT_GT(hud.g, 200);
    EXPECT_LT(hud.b, 30);
    int white = 0;
    for (int y = 10; y < 28; ++y)
        for (int x = 200; x < 280; ++x) {
            Rgb p = PixelAt(x, y, 240);
            if (p.r > 200 && p.g > 200 && p.b > 200) ++white;
        }
    EXPECT_GT(white, 30) << "the text's glyphs are drawn";
}
