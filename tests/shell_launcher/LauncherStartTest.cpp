// Start and close: saving, the values handed to the game, the game link.
#include "LauncherTestSupport.h"

#include "util/NumText.h"

using namespace zwtest;

namespace {
struct FakeGame : zw::TZwGameLink {
    std::vector<std::string> calls;
    void HideNavigationSprite() override { calls.push_back("sk3"); }
    void SetViewerBackground(uint8_t r, uint8_t g, uint8_t b) override {
        calls.push_back("bg " + std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b));
    }
    void SetViewerFog(bool on) override { calls.push_back(on ? "fog on" : "fog off"); }
    void Startuj() override { calls.push_back("Startuj"); }
};
} // namespace

TEST_F(LauncherTest, StartSavesAndHandsOverInOrder) {
    Start();
    FakeGame game;
    launcher->SetGameLink(&game);
    M().UserCheck("cbxNavigation", false);
    M().UserSelect("cbxRoute", M().FindText("cbxRoute", "Lipowo_1-1_nocna.rs1"));
    M().UserCheck("cbxTraffic", false);
    M().UserClick("btnStart");
    EXPECT_EQ(game.calls, (std::vector<std::string>{"sk3", "bg 255,251,240", "fog on", "Startuj"}));
    EXPECT_FALSE(launcher->TrafficOn);
    EXPECT_EQ(launcher->MapFile, "Lipowo_1-1.ms1");
    EXPECT_EQ(launcher->RouteFile, "Lipowo_1-1_nocna.rs1");
    EXPECT_EQ(launcher->BusFolder, "Solin 12");
    EXPECT_EQ(launcher->TextureSet, "Podmiejski");
    EXPECT_DOUBLE_EQ(launcher->DayStart, zw::EncodeTime(8, 0, 0));
    EXPECT_DOUBLE_EQ(launcher->DuskStart, zw::EncodeTime(16, 0, 0));
    EXPECT_DOUBLE_EQ(launcher->NightStart, zw::EncodeTime(17, 0, 0));
    EXPECT_EQ(launcher->MouseCentreX, 512);
    EXPECT_EQ(launcher->MouseCentreY, 384);
    EXPECT_FALSE(M().Form().visible);
    EXPECT_FALSE(launcher->EndRequested()); // the game runs now
    EXPECT_NE(Ini().find("Traffic=0\r\n"), std::string::npos);
    EXPECT_TRUE(LogHas("{@8} Filename - Lipowo_1-1.ms1") || LogHas(" Filename - Lipowo_1-1.ms1"));
}

TEST_F(LauncherTest, StartWithoutAGameWindowSavesAndEndsTheProgram) {
    Start();
    M().UserSelect("rgrSeason", 1);
    M().UserClick("btnStart");
    EXPECT_TRUE(launcher->EndRequested());
    EXPECT_NE(Ini().find("Season=1\r\n"), std::string::npos);
    EXPECT_EQ(launcher->BackgroundRed, 0);
    EXPECT_EQ(launcher->BackgroundGreen, 128);
    EXPECT_DOUBLE_EQ(launcher->NightStart, zw::EncodeTime(23, 30, 0));
}

TEST_F(LauncherTest, SeasonsGiveTheirColoursAndTimes) {
    Start();
    struct Case {
        int season;
        uint8_t r, g, b;
        int day, dusk, night; // hours; night in minutes past 0 for Summer's 23:30
    } cases[] = {
        {0, 192, 220, 192, 7, 18, 22 * 60}, {1, 0, 128, 0, 6, 22, 23 * 60 + 30},
        {2, 255, 176, 138, 7, 18, 22 * 60}, {3, 255, 251, 240, 8, 16, 17 * 60},
    };
    for (const Case& c : cases) {
        M().SetIndex("rgrSeason", c.season);
        launcher->btnStartClick();
        EXPECT_EQ(launcher->BackgroundRed, c.r) << c.season;
        EXPECT_EQ(launcher->BackgroundGreen, c.g) << c.season;
        EXPECT_EQ(launcher->BackgroundBlue, c.b) << c.season;
        EXPECT_DOUBLE_EQ(launcher->DayStart, zw::EncodeTime(c.day, 0, 0)) << c.season;
        EXPECT_DOUBLE_EQ(launcher->DuskStart, zw::EncodeTime(c.dusk, 0, 0)) << c.season;
        EXPECT_DOUBLE_EQ(launcher->NightStart, zw::EncodeTime(c.night / 60, c.night % 60, 0)) << c.season;
    }
}

TEST(MouseControl, GivenRowsDerivedRowsAndTextsThatAreNoResolution) {
    struct Case {
        const char* res;
        int cx, cy;
        float sy, sx;
    } cases[] = {
        {"640x480", 320, 240, 0.005f, 0.03125f},     {"800x600", 400, 300, 0.0045f, 0.025f},
        {"1024x768", 512, 384, 0.0035f, 0.02f},      {"1152x864", 576, 432, 0.003f, 0.017f},
        {"1280x1024", 640, 512, 0.0025f, 0.0156f},   {"1366x768", 683, 384, 0.0035f, 20.0f / 1366},
        {"1280x800", 640, 400, 0.0035f - 0.0005f / 3, 20.0f / 1280},
        {"1280x960", 640, 480, 0.0027f, 20.0f / 1280}, {"1440x900", 720, 450, 0.0028875f, 20.0f / 1440},
        {"1600x1200", 800, 600, 0.0025f * 1024 / 1200, 20.0f / 1600},
        {"1680x1050", 840, 525, 0.0025f * 1024 / 1050, 20.0f / 1680},
        {"1792x1344", 896, 672, 0.0025f * 1024 / 1344, 20.0f / 1792},
        {"1920x1200", 960, 600, 0.0025f * 1024 / 1200, 20.0f / 1920},
    };
    for (const Case& c : cases) {
        int32_t cx = 0, cy = 0;
        float sy = 0, sx = 0;
        ASSERT_TRUE(zw::MouseControlFor(c.res, cx, cy, sy, sx)) << c.res;
        EXPECT_EQ(cx, c.cx) << c.res;
        EXPECT_EQ(cy, c.cy) << c.res;
        EXPECT_NEAR(sy, c.sy, 1e-7) << c.res;
        EXPECT_NEAR(sx, c.sx, 1e-7) << c.res;
    }
    for (const char* bad : {"", "800X600", "1000x700", "x", "800x"}) {
        int32_t cx = 7, cy = 8;
        float sy = 1, sx = 2;
        EXPECT_FALSE(zw::MouseControlFor(bad, cx, cy, sy, sx)) << bad;
        EXPECT_EQ(cx, 7);
        EXPECT_EQ(cy, 8);
        EXPECT_EQ(sy, 1);
        EXPECT_EQ(sx, 2);
    }
}

TEST_F(LauncherTest, NoResolutionSelectedLeavesTheMouseValuesAtZero) {
    std::string config = kBaseConfig;
    config.replace(config.find("Resolution=1024x768"), 19, "Resolution=1024X768"); // loads as 800x600
    Start(config);
    M().SetIndex("cbxResolution", -1);
    launcher->btnStartClick();
    EXPECT_EQ(launcher->MouseCentreX, 0);
    EXPECT_EQ(launcher->MouseScaleX, 0);
}

// Saving writes the controls and keeps every other line of config.ini.
TEST_F(LauncherTest, SavingKeepsTheOtherLinesOfTheFile) {
    std::string config = std::string("; my notes\n") + kBaseConfig + "Extra=kept\n\n[Mine]\nfoo = bar\n";
    Start(config);
    M().UserCheck("cbxHUD", true);
    M().UserSetPosition("trbAccPedalSens", 5);
    M().UserSelect("cbxResolution", M().FindText("cbxResolution", "1920x1200"));
    M().UserSelect("cbxBusList", M().FindText("cbxBusList", "Kruk 18"));
    launcher->zapiszkonfig();
    std::string ini = Ini();
    for (const char* line : {"; my notes\r\n", "Extra=kept\r\n", "[Mine]\r\nfoo = bar\r\n", "HUD=1\r\n",
                             "AccPedalSens=5\r\n", "Resolution=1920x1200\r\n", "Model=Kruk 18\r\n",
                             "Texture=Zielony\r\n", "SteeringWheelSens=20\r\n", "GrassQuality=0\r\n",
                             "AntiAliasing=2\r\n", "Language=English\r\n"})
        EXPECT_NE(ini.find(line), std::string::npos) << line;
    EXPECT_EQ(ini.find("; my notes"), 0u);
    EXPECT_TRUE(LogHas(">>> Entering TZwConfig.Save") || LogHas("TZwConfig.Save"));
}

TEST_F(LauncherTest, TheMusicFolderChooserSetsTheFolder) {
    Start();
    fs::create_directories(dir / "radio" / "rock");
    M()["edMP3Path"].text = (dir / "radio" / "missing").string() + "/";
    M().UserClick("btnOpenDialog");
    auto& dlg = M()["opdMP3Directory"];
    ASSERT_TRUE(dlg.visible);
    EXPECT_EQ(dlg.text, (dir / "radio").string()); // the nearest folder that exists
    EXPECT_EQ(dlg.items, std::vector<std::string>{"rock"});
    zw::ui::FolderChooserEnter(M(), "opdMP3Directory", 0);
    zw::ui::FolderChooserPick(M(), "opdMP3Directory");
    EXPECT_FALSE(dlg.visible);
    EXPECT_EQ(M()["edMP3Path"].text, (dir / "radio" / "rock").string() + "/");
    EXPECT_EQ(launcher->MusicFolder, M()["edMP3Path"].text);
    launcher->zapiszkonfig();
    EXPECT_NE(Ini().find("MP3Path=" + (dir / "radio" / "rock").string() + "/\r\n"), std::string::npos);
    // Cancelling changes nothing.
    M().UserClick("btnOpenDialog");
    zw::ui::FolderChooserUp(M(), "opdMP3Directory");
    zw::ui::FolderChooserCancel(M(), "opdMP3Directory");
    EXPECT_EQ(launcher->MusicFolder, (dir / "radio" / "rock").string() + "/");
}

TEST_F(LauncherTest, TheWebAddressGoesToTheDesktopsHandler) {
    Start();
    std::vector<std::string> opened;
    launcher->OpenUrl = [&](const std::string& url) {
        opened.push_back(url);
        return true;
    };
    M().UserClick("labWebSite");
    EXPECT_EQ(opened, std::vector<std::string>{M()["labWebSite"].caption});
    launcher->OpenUrl = [](const std::string&) { return false; };
    M().UserClick("labWebSite");
    EXPECT_TRUE(LogHas("Cannot open"));
}

TEST_F(LauncherTest, ExitAndCloseSaveOnceThroughFormDestroy) {
    Start();
    M().UserClick("btnExit");
    EXPECT_TRUE(launcher->EndRequested());
    M().UserSetPosition("trbAccPedalSens", 3);
    launcher->FormDestroy();
    launcher->FormDestroy();
    EXPECT_NE(Ini().find("AccPedalSens=3\r\n"), std::string::npos);
    int entering = 0;
    for (const auto& l : LogLines())
        if (l.find("ZwLauncherForm.FormDestroy(") != std::string::npos) ++entering;
    EXPECT_EQ(entering, 1);
}

TEST_F(LauncherTest, MultiplayerRateAndConnect) {
    Start();
    M().UserSetPosition("TrackBar1", 25);
    EXPECT_EQ(M()["Label19"].caption, "25 Hz");
    EXPECT_EQ(launcher->NetTimerInterval(), 40);
    M().UserSetPosition("TrackBar1", 60);
    EXPECT_EQ(launcher->NetTimerInterval(), 16);
    M().UserClick("btnConnect");
    EXPECT_FALSE(launcher->Connected);
    M().UserSetText("edHost", "10.1.2.3");
    M().UserSetText("edPort", "4444");
    launcher->zapiszkonfig();
    EXPECT_NE(Ini().find("Host=10.1.2.3\r\n"), std::string::npos);
    EXPECT_NE(Ini().find("Port=4444\r\n"), std::string::npos);
}

TEST_F(LauncherTest, AnExceptionInAHandlerIsLoggedNotThrown) {
    Start();
    launcher->Model["btnConnect"].onClick = [] { throw zw::EConvertError("a handler failed"); };
    EXPECT_NO_THROW(M().UserClick("btnConnect"));
    EXPECT_TRUE(LogHas("a handler failed"));
}
