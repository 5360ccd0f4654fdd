// FormCreate: lists, stored choices, options, and what a failing step leaves.
#include "LauncherTestSupport.h"

using namespace zwtest;

TEST_F(LauncherTest, CreateFillsListsAndSelectsTheStoredChoices) {
    Start();
    EXPECT_EQ(M()["labGameVersion"].caption, "Z6U RC2.2");
    EXPECT_EQ(M()["labZwEVersion"].caption, "0.0.0.16");
    EXPECT_EQ(M().SelectedText("cbxLanguage"), "English");
    EXPECT_EQ(M()["cbxMapList"].items, (std::vector<std::string>{"Brzozki.ms1", "Lipowo_1-1.ms1"}));
    EXPECT_EQ(M().SelectedText("cbxMapList"), "Lipowo_1-1.ms1");
    EXPECT_EQ(M()["memMapDescription"].items,
              (std::vector<std::string>{"Lipowo: a small town by the river.", "Two lines and one depot."}));
    EXPECT_EQ(M()["cbxRoute"].items, (std::vector<std::string>{"Main", "Lipowo_1-1_nocna.rs1",
                                                               "Lipowo_1-1_szkolna.rs1"}));
    EXPECT_EQ(M().SelectedText("cbxRoute"), "Main");
    EXPECT_EQ(launcher->RouteFile, "Lipowo_1-1.ms1");
    EXPECT_EQ(M().SelectedText("cbxBusList"), "Solin 12");
    EXPECT_EQ(M()["cbxTexturesList"].items, (std::vector<std::string>{"Miejski", "Podmiejski"}));
    EXPECT_EQ(M().SelectedText("cbxTexturesList"), "Podmiejski");
    EXPECT_EQ(M()["memTexturesDescription"].items, (std::vector<std::string>{"Suburban livery, green."}));
    EXPECT_EQ(M()["memBusDescription"].items,
              (std::vector<std::string>{"Solin 12: a rigid twelve-metre bus.", "Three doors."}));
    // Board texts of the map.
    EXPECT_EQ(M()["edLinia"].text, "101");
    EXPECT_EQ(launcher->Kierunki[0].Linia1, "Dworzec G\xB3\xF3wny");
    EXPECT_EQ(launcher->Kierunki[0].Rodzaj, zw::RodzajTwoLines); // "D1 2"
    EXPECT_EQ(M()["edPierLinOpisu2"].text, "Dworzec G\xB3\xF3wny");
    EXPECT_EQ(launcher->MojNumer, 1);
    EXPECT_FALSE(launcher->Connected);
    // Pages.
    EXPECT_TRUE(M().Showing("tsAbout"));
    EXPECT_FALSE(M()["TabSheet5"].visible);
    EXPECT_FALSE(M()["TabSheet6"].visible);
    EXPECT_EQ(M()["pcSettings"].itemIndex, 0);
}

TEST_F(LauncherTest, OptionsComeFromTheSettingsAndSlidersClamp) {
    Start();
    EXPECT_TRUE(M()["cbxNavigation"].checked);
    EXPECT_TRUE(M()["cbxTraffic"].checked);
    EXPECT_TRUE(M()["cbxFog"].checked);
    EXPECT_FALSE(M()["cbxHUD"].checked);
    EXPECT_FALSE(M()["cbxNight"].enabled);
    EXPECT_FALSE(M()["cbxMirrors"].enabled);
    EXPECT_EQ(M().SelectedText("rgrSeason"), "Winter");
    struct Case {
        const char* slider;
        int want;
    } cases[] = {
        {"trbSteeringWheelSens", 20}, // stored 35
        {"trbInertialForcePower", 4},
        {"trbAccPedalSens", 12},
        {"tbGrassQuality", 0},        // stored -3
        {"tbDistanceOfView", 15},
        {"TrackBar1", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(M()[c.slider].position, c.want) << c.slider;
    M().UserSetPosition("tbDistanceOfView", 99);
    EXPECT_EQ(M()["tbDistanceOfView"].position, 20);
    M().UserSetPosition("TrackBar1", -4);
    EXPECT_EQ(M()["TrackBar1"].position, 1);
    EXPECT_EQ(M().SelectedText("cbxResolution"), "1024x768");
    EXPECT_EQ(M()["cbxResolution"].items.size(), 13u);
    EXPECT_EQ(M().SelectedText("cbxAntiAlias"), "aa4x");
    EXPECT_EQ(M().SelectedText("cbxScreenDepth"), "16bits");
    EXPECT_EQ(M().SelectedText("cbxBufferDepthPrecision"), "Default");
    EXPECT_EQ(M()["edMP3Path"].text, "/music/");
    EXPECT_EQ(launcher->MusicFolder, "/music/");
    EXPECT_EQ(M()["edHost"].text, "127.0.0.1");
    EXPECT_EQ(M()["edPort"].text, "3333");
    EXPECT_EQ(M()["edNickname"].text, "Zenek");
    EXPECT_EQ(M()["Label19"].caption, "1 Hz");
}

TEST_F(LauncherTest, StoredValuesThatAreGoneLeaveTheirListsUnselected) {
    std::string config = kBaseConfig;
    config.replace(config.find("Texture=Podmiejski"), 18, "Texture=Gone");
    config.replace(config.find("Resolution=1024x768"), 19, "Resolution=1366x768");
    config.replace(config.find("AntiAliasing=2"), 14, "AntiAliasing=9");
    Start(config);
    // A texture set that is gone keeps the first of the model's sets.
    EXPECT_EQ(M().SelectedText("cbxTexturesList"), "Miejski");
    EXPECT_EQ(M()["memTexturesDescription"].items, (std::vector<std::string>{"City livery, red and cream."}));
    EXPECT_EQ(M().SelectedText("cbxResolution"), "1366x768");
    EXPECT_EQ(M()["cbxAntiAlias"].itemIndex, -1);
}

// A stored map that no longer exists: its step fails and is logged, and every
// other step still runs, so the next save keeps the player's settings.
TEST_F(LauncherTest, AMissingMapLosesNoSettings) {
    std::string config = kBaseConfig;
    config.replace(config.find("Map=Lipowo_1-1.ms1"), 18, "Map=Gone.ms1");
    Start(config);
    EXPECT_EQ(M()["cbxMapList"].itemIndex, -1);
    EXPECT_TRUE(M()["memMapDescription"].items.empty());
    EXPECT_TRUE(LogHas("TZwLauncher.FormCreate"));
    EXPECT_TRUE(LogHas(">>> Exiting  TZwLauncher.FormCreate"));
    // The later steps ran.
    EXPECT_EQ(M().SelectedText("cbxBusList"), "Solin 12");
    EXPECT_EQ(M().SelectedText("cbxTexturesList"), "Podmiejski");
    EXPECT_TRUE(M()["cbxTraffic"].checked);
    EXPECT_EQ(M().SelectedText("rgrSeason"), "Winter");
    EXPECT_EQ(M()["edNickname"].text, "Zenek");
    EXPECT_EQ(M()["cbxRoute"].items, std::vector<std::string>{"Main"});
    EXPECT_EQ(M().SelectedText("cbxRoute"), "Main");

    launcher->FormDestroy(); // saves
    std::string ini = Ini();
    for (const char* kept : {"Model=Solin 12\r\n", "Texture=Podmiejski\r\n", "Traffic=1\r\n", "Season=3\r\n",
                             "Resolution=1024x768\r\n", "NickName=Zenek\r\n", "MP3Path=/music/\r\n",
                             "AccPedalSens=12\r\n"})
        EXPECT_NE(ini.find(kept), std::string::npos) << kept;

    // Choosing a map afterwards fills its description, routes and board texts.
    M().UserSelect("cbxMapList", M().FindText("cbxMapList", "Brzozki.ms1"));
    EXPECT_EQ(M()["memMapDescription"].items, std::vector<std::string>{"Brzozki: a village with a loop."});
    EXPECT_EQ(M()["cbxRoute"].items, (std::vector<std::string>{"Main", "Brzozki_letnia.rs1"}));
    EXPECT_EQ(M()["edLinia"].text, "12");
    EXPECT_EQ(launcher->Kierunki[0].Linia1, "P\xEAtla");
}

TEST_F(LauncherTest, WithoutAnyContentTheWindowStillComesUp) {
    fs::remove_all(dir / "Maps");
    fs::remove_all(dir / "model");
    fs::remove_all(dir / "Languages");
    Start();
    EXPECT_TRUE(M()["cbxMapList"].items.empty());
    EXPECT_TRUE(M()["cbxBusList"].items.empty());
    EXPECT_TRUE(M()["cbxTexturesList"].items.empty());
    EXPECT_EQ(M()["btnStart"].caption, "Launcher.Start");
    EXPECT_EQ(M()["memManual"].items, std::vector<std::string>{"Manual not found"});
    EXPECT_TRUE(M()["cbxTraffic"].checked);
    EXPECT_EQ(M()["cbxRoute"].items, std::vector<std::string>{"Main"});
}
