// The game window's design: the scene content it holds before start-up.
#include "game/TZwGameForm.h"
#include "shell/ZwLog.h"
#include "util/Errors.h"

namespace zw {

namespace {

HudSpriteNode* Sprite(SceneNode* parent, const char* name, float x, float y, float w, float h) {
    auto* s = parent->Add<HudSpriteNode>(name);
    s->SetXY(x, y);
    s->SetSize(w, h);
    return s;
}

HudTextNode* Text(SceneNode* parent, const char* name, const HudFont* font, float x, float y, const char* text) {
    auto* t = parent->Add<HudTextNode>(name);
    t->SetFont(font);
    t->SetXY(x, y);
    t->SetText(text);
    return t;
}

CameraNode* Camera(SceneNode* parent, const char* name) {
    auto* c = parent->Add<CameraNode>(name);
    c->SetDepthOfView(400);
    return c;
}

} // namespace

void TZwGameForm::BuildScene() {
    SceneNode& root = GLScene1.Root();
    tuskybox = root.Add<SceneNode>("tuskybox");
    GLSkyDome1 = root.Add<SkyDomeNode>("GLSkyDome1");
    // Colours until the time of day sets them: a clear day.
    SkyBand low{0, 15, Color{0.85f, 0.9f, 0.95f, 1}, Color{0.6f, 0.75f, 0.92f, 1}, 12, 1};
    SkyBand high{15, 90, Color{0.6f, 0.75f, 0.92f, 1}, Color{0.25f, 0.45f, 0.85f, 1}, 12, 4};
    GLSkyDome1->AddBand(low);
    GLSkyDome1->AddBand(high);
    GLSkyDome1->AddStar(SkyStar{5, 30, 10, Color{1, 1, 0, 1}});

    srsw = root.Add<SceneNode>("srsw");
    GLCamera1 = Camera(srsw, "GLCamera1");
    GLCamera1->SetFocalLength(50);
    GLCamera1->SetPosition(30, 5, 10);
    trbaza = srsw->Add<SceneNode>("trbaza");
    trbaza->SetPosition(15, 0, -15);
    swiatelka = root.Add<SceneNode>("swiatelka");
    swiatelka2 = root.Add<SceneNode>("swiatelka2");
    szybki = root.Add<SceneNode>("szybki");

    GLLightSource1 = root.Add<LightNode>("GLLightSource1");
    GLLightSource1->SetLightStyle(LightNode::Style::Omni);
    GLLightSource1->SetAttenuation(1, 0, 0);
    GLLightSource1->SetSpotCutOff(90);

    DirectOpenGL1 = root.Add<DirectGLNode>("DirectOpenGL1");
    DirectOpenGL1->SetOnRender([this](DirectRenderContext& gl) { DirectOpenGL1Render(gl); });

    GLPointLightPFXManager1 = root.Add<ParticleNode>("GLPointLightPFXManager1");
    GLPointLightPFXManager1->SetDepthTest(false);
    GLPointLightPFXManager1->SetFriction(1);
    GLPointLightPFXManager1->SetAspectRatio(0.5f);
    GLPointLightPFXManager1->SetParticleSize(0.1f);
    GLPointLightPFXManager1->SetLifeColors({LifeColor{Color{1, 1, 1, 1}, 3, 1}});

    CabinCamera = Camera(&root, "CabinCamera");
    CabinCamera->SetPosition(0, 2, 0);
    GLCamera3 = Camera(&root, "GLCamera3");
    GLCamera4 = Camera(&root, "GLCamera4");
    cam_d_l = Camera(&root, "cam_d_l");
    cam_d_r = Camera(&root, "cam_d_r");
    cam_l_l = Camera(&root, "cam_l_l");
    cam_l_r = Camera(&root, "cam_l_r");
    lustrolewe = Camera(&root, "lustrolewe");
    lustroprawe = Camera(&root, "lustroprawe");

    GLScene1.camera = CabinCamera;
    GLScene1.background = Color{float(9089279 & 0xFF) / 255, float((9089279 >> 8) & 0xFF) / 255,
                                float((9089279 >> 16) & 0xFF) / 255, 1};
    GLScene1.fog.enabled = true;
    GLScene1.fog.start = 150;
    GLScene1.fog.end = 250;
    GLScene1.lighting = false;

    hudRoot = root.Add<SceneNode>("HUD");
    BuildHud();
    BuildConsole();
}

void TZwGameForm::BuildHud() {
    GLWindowsBitmapFont1 = HudFont{"Arial", 15, false, Color{0, 0, 0, 1}, 32, 255, {}};
    GLWindowsBitmapFont2 = HudFont{"Tahoma", 13, true, Color{1, 1, 1, 1}, 32, 255, {}};
    GLWindowsBitmapFont3 = HudFont{"Tahoma", 15, true, Color{1, 1, 1, 1}, 32, 127, {}};
    const float H = 600; // the design's viewer height; skaluj places for the real one
    SceneNode* h = hudRoot;
    HUDtlo = Sprite(h, "HUDtlo", 140, H - 113 + 30, 280, 165);
    GLHUDSprite1 = Sprite(h, "GLHUDSprite1", 140, H - 113, 270, 90);
    sk1 = Sprite(h, "sk1", 45, H - 101, 8, 64);
    sk9 = Sprite(h, "sk9", 227, H - 101, 8, 64);
    static const char* kDoors[] = {"", "dr_1", "dr_2", "dr_3", "dr_4"};
    for (int k = 1; k <= 4; ++k) dr[size_t(k)] = Sprite(h, kDoors[k], 20 + 34.0f * (k - 1), H - 43, 32, 32);
    eng = Sprite(h, "eng", 156, H - 43, 32, 32);
    hud_ki = Sprite(h, "hud_ki", 190, H - 43, 32, 32);
    hud_mi = Sprite(h, "hud_mi", 224, H - 43, 32, 32);
    hud_przykl = Sprite(h, "hud_przykl", 258, H - 43, 32, 32);
    r_bieg = Sprite(h, "r_bieg", 258, H - 43, 32, 32);
    r_bieg->Hide();
    hud_bieg = Text(h, "hud_bieg", &GLWindowsBitmapFont3, 5, H - 190, "N");
    podklad_napisy = Sprite(h, "podklad_napisy", 138, H - 13, 270, 26);
    bus_text = Text(podklad_napisy, "bus_text", &GLWindowsBitmapFont2, 15, H - 23, "bus:");
    bus_liczba_1 = Text(podklad_napisy, "bus_liczba_1", &GLWindowsBitmapFont2, 60, H - 23, "0");
    bus_liczba_2 = Text(podklad_napisy, "bus_liczba_2", &GLWindowsBitmapFont2, 90, H - 23, "0");
    przystanek_text = Text(podklad_napisy, "przystanek_text", &GLWindowsBitmapFont2, 135, H - 23, "przystanek:");
    przystanek_liczba = Text(podklad_napisy, "przystanek_liczba", &GLWindowsBitmapFont2, 240, H - 23, "0");
    pozpal1 = Sprite(h, "pozpal1", 50, H - 195, 100, 12);
    pozpal2 = Sprite(pozpal1, "pozpal2", 100, H - 195, 2, 10);
    pozpal2->SetRotation(90);
    hud_servermsg = Text(h, "hud_servermsg", &GLWindowsBitmapFont2, 300, H - 20, "-");
    hud_dist = Text(h, "hud_dist", &GLWindowsBitmapFont3, 400, 85, "");
    hud_dist->SetAlignment(TextAlign::Center);
    sk3 = Sprite(h, "sk3", 400, 55, 26, 70);
}

void TZwGameForm::BuildConsole() {
    sterownik = Sprite(hudRoot, "sterownik", 200, 38, 400, 75);
    sterownik->Hide();
    sterownik->Mat().Own().SetMinFilter(TextureFilter::Linear);
    sterownik->Mat().Own().SetMagFilter(TextureFilter::Linear);
    kier1 = Sprite(sterownik, "kier1", 63, 61, 90, 22);
    kier2 = Sprite(sterownik, "kier2", 163, 61, 90, 22);
    wygas = Sprite(sterownik, "wygas", 265, 61, 90, 22);
    wlacz = Sprite(sterownik, "wlacz", 364, 27, 47, 35);
    for (HudSpriteNode* s : {kier1, kier2, wygas, wlacz}) s->Hide();
    static const char* kNames[] = {"", "wysw_ster_text", "wysw_ster_text_2", "wysw_ster_text_3",
                                   "wysw_ster_text_4", "wysw_ster_text_5", "wysw_ster_text_6"};
    static const char* kDesign[] = {"", "", "", "Rozklad", "", "Odtwarzacz", ""};
    for (int i = 1; i <= 6; ++i) {
        float y = (i % 2 == 1) ? 8 : 24;
        wysw_ster_text[size_t(i)] = Text(sterownik, kNames[i], &GLWindowsBitmapFont1, 20, y, kDesign[i]);
        if (i > 2) wysw_ster_text[size_t(i)]->Hide();
    }
    wysw_ster_zegar = Text(sterownik, "wysw_ster_zegar", &GLWindowsBitmapFont1, 245, 8, "");
    wysw_ster_zegar->Hide();
}

void TZwGameForm::BuildProgressScreen() {
    hudLoadingScreen = GLScene1.Root().Add<HudSpriteNode>("hudLoadingScreen");
    float w = float(GLFullScreenViewer1.Width()), h = float(GLFullScreenViewer1.Height());
    hudLoadingScreen->SetSize(w, h);
    hudLoadingScreen->SetXY(w / 2, h / 2);
    Material& screen = hudLoadingScreen->Mat().Own();
    screen.SetNoLighting(true);
    screen.SetDiffuse(Color{0.05f, 0.07f, 0.1f, 1});
    hudProgressBar = hudLoadingScreen->Add<HudSpriteNode>("hudProgressBar");
    hudProgressBar->SetHeight(50);
    Material& bar = hudProgressBar->Mat().Own();
    bar.SetNoLighting(true);
    try {
        bar.LoadTexture("Textures\\UI\\Progress.bmp");
        bar.SetTextureEnabled(true);
    } catch (const std::exception& e) {
        EngineLog().Add(std::string("cla- ") + ErrorClassName(e) + " -WYJ- " + e.what());
        bar.SetDiffuse(Color{0.3f, 0.6f, 0.9f, 1});
    }
    SetProgress(0);
}

void TZwGameForm::SetProgress(int width) {
    if (!hudProgressBar) return;
    float w = float(GLFullScreenViewer1.Width()), h = float(GLFullScreenViewer1.Height());
    hudProgressBar->SetWidth(float(width));
    hudProgressBar->SetXY(w / 2 - (350 - float(width)) / 2, h * 0.75f);
    if (hudLoadingScreen) GLFullScreenViewer1.RenderNode(*hudLoadingScreen);
}

} // namespace zw
