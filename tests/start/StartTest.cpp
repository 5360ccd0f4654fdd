#include "../shell/ShellTestSupport.h"

#include "platform/format/Image.h"
#include "platform/scene/Scene.h"
#include "platform/window/FullScreenViewer.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/null/NullWindowSystem.h"
#include "shell/TZwEngine.h"

#include <algorithm>

using namespace zw;
using namespace zwtest;

namespace {

// The engine log's messages as markup, one entry a message.
class CaptureLog : public ZwLog {
public:
    std::vector<std::string> lines;
    void Add(const std::string& m) override { lines.push_back(m); }
    void AddParts(const std::vector<LogPart>& parts) override {
        std::string s;
        for (const auto& p : parts) s += p.kind == LogPart::Kind::Integer ? std::to_string(p.number) : p.text;
        lines.push_back(s);
    }
    void AddException(const std::exception& e, const std::string&,
                      const std::vector<std::pair<std::string, std::string>>&) override {
        lines.push_back(std::string("EXCEPTION ") + e.what());
    }
    bool Has(const std::string& s) const { return std::find(lines.begin(), lines.end(), s) != lines.end(); }
    long Count(const std::string& s) const { return std::count(lines.begin(), lines.end(), s); }
};

class StartTest : public AppDirTest {
protected:
    void SetUp() override {
        AppDirTest::SetUp();
        engine = std::make_unique<TZwEngine>();
        SetEngineLog(&log);
        auto& g = engine->Config->Settings.Graphics;
        g.Resolution = "1024x768";
        g.ScreenDepth = "32bits";
        g.BufferDepthPrecision = "24bits";
        g.AntiAliasing = 2;
        g.VSync = true;
        g.GrassQuality = 0;
        engine->Config->Settings.Game.Season = 1;
        for (const char* n : {"first", "second", "third"}) scene.Root().Add<SceneNode>(n);
    }
    void TearDown() override {
        SetEngineLog(nullptr);
        engine.reset();
        AppDirTest::TearDown();
    }
    void Grass(const std::string& season, const std::string& file) {
        fs::create_directories(dir / "Textures" / "Environment" / season);
        WriteJpegFile((dir / "Textures" / "Environment" / season / file).string(),
                      Image(16, 16, Rgba{30, 160, 30, 255}));
    }
    TGraphicsSettingsRec& Graphics() { return engine->Config->Settings.Graphics; }
    void Start() { engine->Start(viewer, scene); }

    CaptureLog log;
    std::unique_ptr<TZwEngine> engine;
    NullWindowSystem system{0.02, {1280, 1024}};
    MessageLoop loop{system};
    FullScreenViewer viewer{loop, nullptr};
    Scene scene;
};

} // namespace

TEST_F(StartTest, AppliesEveryViewerSettingAndActivates) {
    Grass("Summer", "grass_l.jpg");
    Graphics().Resolution = "1366x768";
    Graphics().BufferDepthPrecision = "Default";
    Graphics().AntiAliasing = 5;
    Graphics().VSync = false;
    Start();
    EXPECT_EQ(viewer.Width(), 1366);
    EXPECT_EQ(viewer.Height(), 768);
    EXPECT_EQ(viewer.ScreenDepth(), 32);
    EXPECT_EQ(viewer.GetDepthPrecision(), DepthPrecision::Default);
    EXPECT_EQ(viewer.GetAntiAliasing(), AntiAliasing::None);
    EXPECT_FALSE(viewer.VSync());
    EXPECT_TRUE(viewer.Active());
    ASSERT_NE(viewer.GetWindow(), nullptr);
    EXPECT_NE(viewer.GetWindow()->FullScreen(), FullScreenKind::Off);
    EXPECT_EQ(engine->Viewer, &viewer);
    EXPECT_EQ(engine->Scene, &scene);
    const std::vector<std::string> want = {
        "{@3}>>> Entering{@16}TZwEngine.Start({/}{@15}Viewer{*30.}: FullScreenViewer{/}{@15}Scene{*30}: Scene{/}{@10})",
        "{@4}>> Setting up viewer",
        "{@5}> Resolution", "{@15}Set to{*30.}: 1366x768", "{@7}[  OK  ]",
        "{@5}> Screen depth", "{@15}Set to{*30.}: 32bits", "{@7}[  OK  ]",
        "{@5}> Buffer depth precision", "{@15}Set to{*30.}: 0bits (0bits means Default)", "{@7}[  OK  ]",
        "{@5}> AntiAliasing", "{@15}Set to{*30.}: None", "{@7}[  OK  ]",
        "{@5}> V-Sync", "{@15}Set to{*30.}: No Sync", "{@7}[  OK  ]",
        "{@5}> Activating", "{@7}[  OK  ]",
        "{@4}>> Viewer configured without errors",
        "{@4}>> Loading scene", "{@5}> Creating terrain", "{@7}[  OK  ]",
        "{@4}>> Scene loaded without errors",
        "{@3}>>> Exiting{@16}TZwEngine.Start",
    };
    EXPECT_EQ(log.lines, want);
}

TEST_F(StartTest, AntiAliasingModesAndTheirNames) {
    struct Case {
        int setting;
        AntiAliasing mode;
        const char* line; // nullptr: nothing logged
    } cases[] = {{0, AntiAliasing::X2, "2x"},     {1, AntiAliasing::X2HQ, "2xHQ"},       {2, AntiAliasing::X4, "4x"},
                 {3, AntiAliasing::X4HQ, "4xHQ"}, {4, AntiAliasing::Default, "Default"}, {5, AntiAliasing::None, "None"},
                 {9, AntiAliasing::X4HQ, nullptr}, {-1, AntiAliasing::X4HQ, nullptr}};
    for (auto c : cases) {
        SCOPED_TRACE(c.setting);
        log.lines.clear();
        viewer.SetAntiAliasing(AntiAliasing::X4HQ);
        Graphics().AntiAliasing = c.setting;
        Start();
        EXPECT_EQ(viewer.GetAntiAliasing(), c.mode);
        auto at = std::find(log.lines.begin(), log.lines.end(), "{@5}> AntiAliasing");
        ASSERT_NE(at, log.lines.end());
        if (c.line) EXPECT_EQ(*(at + 1), std::string("{@15}Set to{*30.}: ") + c.line);
        else EXPECT_EQ(*(at + 1), "{@7}[  OK  ]") << "another value changes nothing and logs nothing";
    }
}

TEST_F(StartTest, FailingStepsAreCountedAndTheRestStillRuns) {
    Grass("Summer", "grass_l.jpg");
    Graphics().Resolution = "wide";
    Graphics().ScreenDepth = "12bits";
    Graphics().BufferDepthPrecision = "20bits";
    Start();
    EXPECT_EQ(log.Count("{@7}[ FAIL ]"), 3);
    EXPECT_TRUE(log.Has("{@4}>> Viewer configured with 3 errors"));
    EXPECT_EQ(viewer.Width(), 800) << "a failed step leaves the value as it was";
    EXPECT_EQ(viewer.GetAntiAliasing(), AntiAliasing::X4) << "later steps still run";
    EXPECT_TRUE(viewer.Active());
    EXPECT_TRUE(log.Has("{@4}>> Scene loaded without errors"));

    log.lines.clear();
    Graphics().Resolution = "800x600";
    Graphics().ScreenDepth = "16bits";
    Start();
    EXPECT_TRUE(log.Has("{@4}>> Viewer configured with one error"));
}

TEST_F(StartTest, WinterHighQualityGrassIsTheThirdChildOfTheRoot) {
    Grass("Winter", "grass_h.jpg");
    engine->Config->Settings.Game.Season = 3;
    Graphics().GrassQuality = 2;
    Start();
    TerrainNode* t = engine->Terrain;
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(scene.Root().ChildCount(), 4u);
    EXPECT_EQ(scene.Root().Child(2), t);
    EXPECT_EQ(scene.Root().Child(0)->Name(), "first");
    EXPECT_EQ(t->TileSize(), 32);
    EXPECT_EQ(t->QualityStyle(), TerrainNode::Quality::Tesselated);
    const Material& m = t->Mat().Own();
    ASSERT_TRUE(m.HasTexture());
    EXPECT_TRUE(m.TextureEnabled());
    EXPECT_NE(m.Texture()->path.find("Environment/Winter/grass_h.jpg"), std::string::npos) << m.Texture()->path;
    EXPECT_FLOAT_EQ(t->Position().y, -4.1f);
    EXPECT_EQ(t->Direction(), (Vec3{0, 1, 0}));
    EXPECT_EQ(t->Up(), (Vec3{-1, 0, 0}));
    ASSERT_EQ(t->HeightData(), engine->HeightData.get());
    const Image& pic = engine->HeightData->Picture();
    EXPECT_EQ(pic.Width(), 512);
    EXPECT_EQ(pic.Height(), 512);
    EXPECT_EQ(pic.At(300, 17), (Rgba{128, 128, 128, 255}));
    EXPECT_TRUE(engine->HeightData->Endless());
    EXPECT_TRUE(log.Has("{@4}>> Scene loaded without errors"));
}

TEST_F(StartTest, ASeasonOutsideTheFourFailsTheTerrainAsOneError) {
    Grass("Summer", "grass_m.jpg");
    engine->Config->Settings.Game.Season = 4;
    Graphics().GrassQuality = 1;
    Start();
    EXPECT_TRUE(log.Has("{@7}[ FAIL ]"));
    EXPECT_TRUE(log.Has("{@4}>> Scene loaded with one error"));
    EXPECT_TRUE(log.Has("{@4}>> Viewer configured without errors"));
    EXPECT_TRUE(log.Has("{@3}>>> Exiting{@16}TZwEngine.Start"));
    ASSERT_NE(engine->Terrain, nullptr);
    EXPECT_FALSE(engine->Terrain->Mat().Own().HasTexture()) << "the ground stays untextured";
    EXPECT_FLOAT_EQ(engine->Terrain->Position().y, -4.1f) << "but lies where it belongs";
}

TEST_F(StartTest, AnotherGrassQualityLoadsNothingAndSucceeds) {
    Graphics().GrassQuality = 3;
    Start();
    ASSERT_NE(engine->Terrain, nullptr);
    EXPECT_FALSE(engine->Terrain->Mat().Own().HasTexture());
    EXPECT_TRUE(engine->Terrain->Mat().Own().TextureEnabled());
    EXPECT_TRUE(log.Has("{@4}>> Scene loaded without errors"));
}
