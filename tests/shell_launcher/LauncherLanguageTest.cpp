// Languages: captions, the manual, the player's name; the --dump-ui text.
#include "LauncherTestSupport.h"

#include "util/Cp1250.h"

using namespace zwtest;

namespace {
// name -> fields of the dump's lines
std::map<std::string, std::vector<std::string>> DumpRows(const std::string& text) {
    std::map<std::string, std::vector<std::string>> rows;
    for (const auto& line : Lines(text)) {
        std::vector<std::string> f;
        size_t i = 0;
        for (;;) {
            size_t t = line.find('\t', i);
            f.push_back(line.substr(i, t == std::string::npos ? std::string::npos : t - i));
            if (t == std::string::npos) break;
            i = t + 1;
        }
        rows[f[0]] = f;
    }
    return rows;
}
} // namespace

TEST_F(LauncherTest, CaptionsComeFromTheLanguageWithBlanksAndColons) {
    Start();
    EXPECT_EQ(M().Form().caption, "Zwolta - City Bus Simulator");
    EXPECT_EQ(M()["btnStart"].caption, "Start");
    EXPECT_EQ(M()["tsMapAndBus"].caption, "Map and Bus");
    EXPECT_EQ(M()["gbxMap"].caption, " Map ");
    EXPECT_EQ(M()["gbxInfo"].caption, " Info ");
    EXPECT_EQ(M()["RGMultiplayer"].caption, "Multiplayer");
    EXPECT_EQ(M()["lblGameVersion"].caption, "Game version:");
    EXPECT_EQ(M()["lblResolution"].caption, "Resolution:");
    EXPECT_EQ(M()["lblAntiAliasing"].caption, "Anti-aliasing");
    EXPECT_EQ(M()["lblRoutePoints"].caption, "Route points:");
    EXPECT_EQ(M()["rgrSeason"].items, (std::vector<std::string>{"Spring", "Summer", "Autumn", "Winter"}));
    EXPECT_EQ(M()["cbxEscKeyExit"].caption, "Exit with ESC Key");
    ASSERT_FALSE(M()["memManual"].items.empty());
}

TEST_F(LauncherTest, ChangingTheLanguageResetsThePlayersName) {
    Start();
    EXPECT_EQ(M()["edNickname"].text, "Zenek");
    M().UserSelect("cbxLanguage", M().FindText("cbxLanguage", "Polski"));
    EXPECT_EQ(engine->Languages->Language, "Polski");
    EXPECT_EQ(M()["edNickname"].text, "Gracz");
    EXPECT_EQ(M()["btnExit"].caption, "Wyj\x9C" "cie");
    EXPECT_EQ(M()["gbxBus"].caption, " Autobus ");
    EXPECT_EQ(M()["rgrSeason"].items[2], "Jesie\xF1");
    EXPECT_EQ(M().SelectedText("rgrSeason"), "Zima"); // the selection stays
    std::vector<std::string> en = M()["memManual"].items;
    M().UserClick("btnStart");
    std::string ini = Ini();
    // The stored line keeps its spelling of the key.
    EXPECT_NE(ini.find("NickName=Gracz\r\n"), std::string::npos);
    EXPECT_NE(ini.find("Language=Polski\r\n"), std::string::npos);
    EXPECT_EQ(ini.find("NickName=Zenek"), std::string::npos);
}

// Every text the launcher and the statistics window look up is in both
// language files: nothing shows as "section.key".
TEST_F(LauncherTest, BothLanguagesHaveEveryText) {
    for (const char* lang : {"English", "Polski"}) {
        std::string config = kBaseConfig;
        config.replace(config.find("Language=English"), 16, std::string("Language=") + lang);
        launcher.reset();
        engine.reset();
        Start(config);
        for (int i = 0; i < M().Count(); ++i) {
            const auto& c = M().At(i);
            EXPECT_EQ(c.caption.find("Launcher"), std::string::npos) << lang << " " << c.name << ": " << c.caption;
        }
        for (const auto& s : M()["rgrSeason"].items) EXPECT_EQ(s.find('.'), std::string::npos) << lang;
        for (const char* key : {"Summary", "Close", "RouteSummary", "BusStop", "Time", "Scheduled", "Arrived",
                                "Depart", "Passengers", "WantedGetOff", "WantedGetOn"})
            EXPECT_NE(engine->Languages->GetText("Summary", key), std::string("Summary.") + key) << lang << key;
        EXPECT_NE(engine->Languages->GetText("Launcher-Multiplayer", "Player"), "Launcher-Multiplayer.Player");
        auto manual = engine->Languages->Manual();
        EXPECT_GT(manual.size(), 20u) << lang;
        // English has its own board console picture; Polish uses the common one.
        std::string console = engine->Languages->TexturePath("sterownik.bmp");
        bool own = console.find("Languages") != std::string::npos;
        EXPECT_EQ(own, std::string(lang) == "English") << console;
        if (own) {
            EXPECT_TRUE(zw::FileExists(console)) << console;
        }
    }
}

TEST_F(LauncherTest, DumpUiWritesEveryControlAfterCreateAndAppendsAtStart) {
    Start(kBaseConfig, false);
    launcher->SetDumpFile((dir / "ui.txt").string());
    launcher->FormCreate();
    std::string first = ReadAll(dir / "ui.txt");
    auto rows = DumpRows(first);
    EXPECT_EQ(int(Lines(first).size()), M().Count());
    EXPECT_EQ(rows["cbxMapList"], (std::vector<std::string>{"cbxMapList", "combo", "1", "1", "", "Lipowo_1-1.ms1",
                                                            "Brzozki.ms1|Lipowo_1-1.ms1"}));
    EXPECT_EQ(rows["cbxNight"][3], "0");
    EXPECT_EQ(rows["TabSheet5"][2], "0");
    EXPECT_EQ(rows["btnStart"][4], "Start");
    EXPECT_EQ(rows["trbSteeringWheelSens"][5], "20");
    EXPECT_EQ(rows["cbxNavigation"][5], "1");
    EXPECT_EQ(rows["pcMainPages"][5], "tsAbout");
    EXPECT_EQ(rows["rgrSeason"][6], "Spring|Summer|Autumn|Winter");
    EXPECT_EQ(rows["edPierLinOpisu2"][5], "Dworzec G\xC5\x82\xC3\xB3wny"); // UTF-8
    EXPECT_EQ(rows["memMapDescription"][6], "Lipowo: a small town by the river.|Two lines and one depot.");
    EXPECT_EQ(rows["TZwLauncherForm"][1], "form");
    M().UserClick("btnStart");
    std::string after = ReadAll(dir / "ui.txt");
    EXPECT_EQ(after.compare(0, first.size(), first), 0);
    EXPECT_EQ(Lines(after).size(), 2 * Lines(first).size());
}
