#include "GameTestSupport.h"

using namespace zw;
using namespace zwtest;

using StartupTest = GameTest;

TEST_F(StartupTest, RunsEveryPhaseInOrderAndStartsTheClocks) {
    Settings().Graphics.Passengers = true;
    Settings().Game.Traffic = true;
    TZwGameForm& g = MakeGame();
    std::vector<std::string> want = {"  >>> Entering TZwGameForm.Startuj", "    > Loading HUD",
                                     "    > Debug is disabled",          "    > Configuring scene",
                                     "    > Sound initialization",       "    > Loading scenery",
                                     "    > Loading passengers",         "    > Loading display boards",
                                     "    > Loading vehicles",           "    > Loading traffic",
                                     "    > Configuring controls",       "    > Preparing materials",
                                     "    > Loading sounds",             "    > Searching music",
                                     "  >>> Exiting  TZwGameForm.Startuj"};
    auto lines = LogLines();
    size_t at = 0;
    for (const std::string& w : want) {
        while (at < lines.size() && lines[at] != w) ++at;
        ASSERT_LT(at, lines.size()) << "missing or out of order: " << w;
    }
    for (const char* phase : {"Loading HUD", "Configuring scene", "Sound initialization", "Loading scenery",
                              "Loading passengers", "Loading display boards", "Loading vehicles", "Loading traffic",
                              "Configuring controls", "Preparing materials", "Loading sounds", "Searching music"})
        EXPECT_EQ(PhaseResult(phase), "      [  OK  ]") << phase;
    EXPECT_EQ(g.BusCount, 1);
    EXPECT_EQ(g.MojNumer, 1);
    EXPECT_EQ(g.Kierunek, 1);
    EXPECT_TRUE(g.GLCadencer1.Enabled());
    EXPECT_TRUE(g.Timer1.Enabled());
    EXPECT_TRUE(g.Timer2.Enabled());
    for (LoopTimer* t : {&g.Timer3, &g.Timer4, &g.Timer5, &g.Timer6, &g.Timer7, &g.Timer8, &g.nettimer})
        EXPECT_FALSE(t->Enabled());
    EXPECT_FALSE(g.Loading());
    EXPECT_EQ(g.GLScene1.Root().FindByName("hudLoadingScreen"), nullptr);
    EXPECT_EQ(g.GLScene1.Root().FindByName("hudProgressBar"), nullptr);
    // Traffic files are missing: the game runs without traffic.
    EXPECT_FALSE(g.Launcher.TrafficOn);
    EXPECT_TRUE(fs::exists(dir / "MapLog.txt"));
}

TEST_F(StartupTest, PhasesOfSwitchedOffSettingsDoNotRun) {
    MakeGame();
    EXPECT_EQ(PhaseResult("Loading passengers"), "<no phase Loading passengers>");
    EXPECT_EQ(PhaseResult("Loading traffic"), "<no phase Loading traffic>");
}

TEST_F(StartupTest, AMissingControlsFileFailsItsPhaseAndTheNextPhaseRuns) {
    fs::remove(dir / "joyst.bu");
    TZwGameForm& g = MakeGame();
    EXPECT_EQ(PhaseResult("Configuring controls"), "      [ FAIL ]");
    EXPECT_EQ(PhaseResult("Preparing materials"), "      [  OK  ]");
    EXPECT_EQ(PhaseResult("Loading sounds"), "      [  OK  ]");
    EXPECT_TRUE(Logged("  >>> Exiting  TZwGameForm.Startuj"));
    EXPECT_TRUE(g.GLCadencer1.Enabled());
    EXPECT_EQ(g.Controls.Klawisze[1], 0);
}

TEST_F(StartupTest, MissingHudPicturesFailTheHudPhaseButPlaceTheHud) {
    fs::remove(dir / "Textures" / "zegary.bmp");
    TZwGameForm& g = MakeGame();
    EXPECT_EQ(PhaseResult("Loading HUD"), "      [ FAIL ]");
    EXPECT_TRUE(Logged("    > Debug is disabled"));
    EXPECT_EQ(g.GLHUDSprite1->Y(), 768 - 113);
    EXPECT_EQ(PhaseResult("Configuring scene"), "      [  OK  ]");
}

TEST_F(StartupTest, CamerasGetFocalLengthAndDepthOfViewAndFogFollows) {
    Settings().Graphics.DistanceOfView = 3;
    Settings().Graphics.Fog = true;
    TZwGameForm& g = MakeGame();
    for (CameraNode* c : {g.CabinCamera, g.GLCamera1, g.GLCamera3, g.GLCamera4, g.cam_d_l, g.cam_d_r, g.cam_l_l,
                          g.cam_l_r}) {
        EXPECT_FLOAT_EQ(c->FocalLength(), 1024.0f / 12) << c->Name();
        EXPECT_FLOAT_EQ(c->DepthOfView(), 310) << c->Name();
    }
    EXPECT_FLOAT_EQ(g.GLScene1.fog.start, 0);
    EXPECT_FLOAT_EQ(g.GLScene1.fog.end, 310);
    EXPECT_EQ(g.GLScene1.Root().FindByName("lustrolewe"), nullptr);
    EXPECT_EQ(g.GLScene1.Root().FindByName("lustroprawe"), nullptr);
    // The game window is centred on the 1280 x 1024 screen.
    EXPECT_EQ(g.FormLeft, 240);
    EXPECT_EQ(g.FormTop, 212);
}

TEST_F(StartupTest, FogStaysAsTheLauncherSetItWhenTheSettingIsOff) {
    TZwGameForm& g = MakeGame();
    EXPECT_FLOAT_EQ(g.GLScene1.fog.start, 150);
    EXPECT_FLOAT_EQ(g.GLScene1.fog.end, 250);
}

TEST_F(StartupTest, AnUnknownPlayerBusNumberFallsBackToBusOne) {
    TZwGameForm& g = MakeGame(false);
    g.Launcher.MojNumer = 7;
    g.Startuj();
    EXPECT_EQ(g.MojNumer, 1);
}

TEST_F(StartupTest, TheEngineSampleIsPlayedAndPausedAndMutedWithMute) {
    fs::create_directories(dir / "model" / "Test Bus");
    fs::copy_file(fs::path(ZW_GAME_DIR) / "model" / "Orvena City" / "engine.wav", dir / "model" / "Test Bus" / "engine.wav");
    Settings().Sound.Mute = true;
    TZwGameForm& g = MakeGame();
    ChannelInfo info = sound.ChannelGetInfo(g.EngineChannel);
    ASSERT_TRUE(info.exists);
    EXPECT_EQ(info.state, ChannelState::Paused);
    EXPECT_TRUE(info.loop);
    EXPECT_FLOAT_EQ(info.volume, 0);
}

TEST_F(StartupTest, TransparencyEnablesTheAlphaTestOnceAtTheFirstRender) {
    struct Gl : DirectRenderContext {
        void EnableAlphaTest(float t) override { enabled.push_back(t); }
        void DisableAlphaTest() override {}
        std::vector<float> enabled;
    } gl;
    Settings().Graphics.Transparency = true;
    TZwGameForm& g = MakeGame();
    g.DirectOpenGL1->Render(gl);
    g.DirectOpenGL1->Render(gl);
    ASSERT_EQ(gl.enabled.size(), 1u);
    EXPECT_FLOAT_EQ(gl.enabled[0], 0.1f);
}

TEST_F(StartupTest, WithoutTransparencyTheAlphaTestStaysOff) {
    struct Gl : DirectRenderContext {
        void EnableAlphaTest(float) override { ++calls; }
        void DisableAlphaTest() override {}
        int calls = 0;
    } gl;
    TZwGameForm& g = MakeGame();
    g.DirectOpenGL1->Render(gl);
    EXPECT_EQ(gl.calls, 0);
}
