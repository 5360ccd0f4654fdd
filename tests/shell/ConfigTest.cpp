#include "ShellTestSupport.h"

#include "shell/TZwConfig.h"
#include "util/Errors.h"

using namespace zw;
using namespace zwtest;

namespace {
const char* kFirstStartKeys[] = {
    "[Main]",
    "Language=English",
    "Map=Tralnik_101-1_DP_4.33-13.27.ms1",
    "Model=Orvena City",
    "Texture=Plofmar",
    "[Game]",
    "Navigation=0",
    "Night=0",
    "EscKeyExit=0",
    "BlinkerAutoOff=0",
    "WheelAutoCenter=0",
    "Joystick=0",
    "AutoTransmission=0",
    "Traffic=0",
    "HUD=0",
    "MouseControl=0",
    "Season=1",
    "InertialForcePower=0",
    "SteeringWheelSens=0",
    "AccPedalSens=0",
    "Debug=0",
    "LogSysConfig=0",
    "[Graphics]",
    "Resolution=800x600",
    "ScreenDepth=16bits",
    "BufferDepthPrecision=Default",
    "VSync=0",
    "AntiAliasing=5",
    "Fog=0",
    "Mipmapping=0",
    "Mirrors=0",
    "Lighting=0",
    "Transparency=0",
    "Skybox=0",
    "3DDashboard=0",
    "Passengers=0",
    "GrassQuality=0",
    "DistanceOfView=0",
    "[Sound]",
    "Mute=0",
    "MP3Path=<app>/radio/",
    "[Network]",
    "Host=127.0.0.1",
    "Port=3333",
    "Nickname=Player",
};

void ExpectDefaults(const TSettingsRec& s) {
    EXPECT_EQ(s.Main.Language, "English");
    EXPECT_EQ(s.Main.Map, "Tralnik_101-1_DP_4.33-13.27.ms1");
    EXPECT_EQ(s.Main.Model, "Orvena City");
    EXPECT_EQ(s.Main.Texture, "Plofmar");
    EXPECT_EQ(s.Game.Season, 1);
    EXPECT_FALSE(s.Game.HUD);
    EXPECT_EQ(s.Graphics.Resolution, "800x600");
    EXPECT_EQ(s.Graphics.ScreenDepth, "16bits");
    EXPECT_EQ(s.Graphics.BufferDepthPrecision, "Default");
    EXPECT_EQ(s.Graphics.AntiAliasing, 5);
    EXPECT_FALSE(s.Graphics.Fog);
    EXPECT_FALSE(s.Graphics.VSync);
    EXPECT_EQ(s.Graphics.GrassQuality, 0);
    EXPECT_EQ(s.Network.Host, "127.0.0.1");
    EXPECT_EQ(s.Network.Port, "3333");
    EXPECT_EQ(s.Network.NickName, "Player");
}

void MakeFile(const fs::path& p) {
    WriteText(p, "x");
}
} // namespace

class ConfigTest : public AppDirTest {
  protected:
    void SetUp() override {
        AppDirTest::SetUp();
        StartLog();
    }
    void CopyConfig(const std::string& fixture) {
        fs::copy_file(Fixture("config/" + fixture), dir / "config.ini");
    }
};

TEST_F(ConfigTest, FirstStartWritesAllFortyKeysInOrder) {
    TZwConfig config;
    ExpectDefaults(config.Settings);
    EXPECT_EQ(config.Settings.Sound.MP3Path, dir.string() + "/radio/");
    auto lines = ReadCrLfLines(dir / "config.ini");
    ASSERT_EQ(lines.size(), std::size(kFirstStartKeys));
    int keys = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string want = kFirstStartKeys[i];
        if (want.rfind("MP3Path=", 0) == 0) want = "MP3Path=" + dir.string() + "/radio/";
        EXPECT_EQ(lines[i], want);
        keys += want[0] != '[';
    }
    EXPECT_EQ(keys, 40);
    auto log = LogLines();
    std::vector<std::string> want = {
        "  >>> Entering TZwConfig.Create",
        "    > Creating classes instances",
        "      [  OK  ]",
        "  >>> Entering TZwConfig.Refresh",
        "   >> Configuration",
        "    > Loading configuration",
        "      [  OK  ]",
        "    > Loading languages",
        "      [  OK  ]",
        "    > Loading maps",
        "      [  OK  ]",
        "    > Loading models",
        "      [  OK  ]",
        "    > Loading texture sets",
        "      [  OK  ]",
        "   >> Configuration loaded without errors",
        "  >>> Exiting  TZwConfig.Refresh",
        "  >>> Entering TZwConfig.Save",
        "    > Saving configuration",
        "      [  OK  ]",
        "  >>> Exiting  TZwConfig.Save",
        "  >>> Exiting  TZwConfig.Create",
    };
    EXPECT_EQ(log, want);
}

TEST_F(ConfigTest, ReadsHexNormalisesListsAndAcceptsEitherNickNameSpelling) {
    CopyConfig("foreign.ini");
    std::string before = ReadText(dir / "config.ini");
    TZwConfig config;
    const TSettingsRec& s = config.Settings;
    EXPECT_EQ(s.Main.Language, "Polski");
    EXPECT_EQ(s.Main.Map, "Other.ms1");
    EXPECT_EQ(s.Main.Model, "Orvena City"); // missing: default
    EXPECT_EQ(s.Game.Season, 3);
    EXPECT_EQ(s.Game.InertialForcePower, 10);
    EXPECT_TRUE(s.Game.Debug);
    EXPECT_TRUE(s.Game.HUD);
    EXPECT_EQ(s.Game.SteeringWheelSens, -4); // not limited to the slider's range
    EXPECT_EQ(s.Game.AccPedalSens, 25);
    EXPECT_EQ(s.Graphics.Resolution, "800x600"); // "1024X768": letter case counts
    EXPECT_EQ(s.Graphics.ScreenDepth, "32bits");
    EXPECT_EQ(s.Graphics.BufferDepthPrecision, "Default"); // "default" is not a value
    EXPECT_EQ(s.Graphics.AntiAliasing, 2);
    EXPECT_TRUE(s.Graphics._3DDashboard);
    EXPECT_EQ(s.Network.NickName, "Kierowca");
    EXPECT_EQ(ReadText(dir / "config.ini"), before); // an existing file is only read
    EXPECT_FALSE(Logged("    > Saving configuration"));
}

TEST_F(ConfigTest, SaveKeepsEveryForeignLineByteForByte) {
    CopyConfig("foreign.ini");
    TZwConfig config;
    config.Settings.Main.Language = "English";
    config.Settings.Network.NickName = "Nowy";
    config.Settings.Graphics.Fog = true;
    config.Save();
    std::string after = ReadText(dir / "config.ini");
    for (const char* kept : {"; Zwolta settings, edited by hand\r\n[main]\r\n", "MyOwnKey=kept\r\n",
                             "\r\n[Plugins]\r\nRadar = on ; not ours\r\n"})
        EXPECT_NE(after.find(kept), std::string::npos) << kept;
    EXPECT_NE(after.find("\r\nlanguage=English\r\n"), std::string::npos);
    EXPECT_NE(after.find("\r\nnickname=Nowy\r\n"), std::string::npos); // the same line, not a second key
    EXPECT_EQ(after.find("Nickname="), std::string::npos);
    EXPECT_NE(after.find("Resolution=800x600\r\n"), std::string::npos);
    EXPECT_NE(after.find("Fog=1\r\n"), std::string::npos);
    // Keys the file lacked join their own section, before the blank line that ends it.
    EXPECT_NE(after.find("MyOwnKey=kept\r\nModel=Orvena City\r\nTexture=Plofmar\r\n\r\n[Game]"),
              std::string::npos);
    EXPECT_NE(after.find("[Sound]\r\nMute=0\r\n"), std::string::npos);
    // Reading it back gives what was saved.
    TZwConfig again;
    EXPECT_EQ(again.Settings.Network.NickName, "Nowy");
    EXPECT_TRUE(again.Settings.Graphics.Fog);
    EXPECT_EQ(again.Settings.Game.Season, 3);
}

TEST_F(ConfigTest, MalformedValuesGiveTheDefaults) {
    CopyConfig("malformed.ini");
    std::string before = ReadText(dir / "config.ini");
    TZwConfig config;
    ExpectDefaults(config.Settings);
    EXPECT_EQ(ReadText(dir / "config.ini"), before);
    EXPECT_TRUE(Logged("   >> Configuration loaded without errors"));
}

TEST_F(ConfigTest, AnUnreadableFileGivesDefaultsAFailAndIsNeverOverwritten) {
    fs::create_directory(dir / "config.ini");
    TZwConfig config;
    ExpectDefaults(config.Settings);
    auto log = LogLines();
    auto at = std::find(log.begin(), log.end(), "    > Opening configuration file");
    ASSERT_NE(at, log.end());
    EXPECT_EQ(*(at + 1), "      [ FAIL ]");
    config.Save();
    EXPECT_TRUE(fs::is_directory(dir / "config.ini"));
    log = LogLines();
    auto save = std::find(log.begin(), log.end(), "    > Saving configuration");
    ASSERT_NE(save, log.end());
    EXPECT_EQ(*(save + 1), "      [ FAIL ]");
}

TEST_F(ConfigTest, DiscoversContentInDirectoryOrder) {
    MakeFile(dir / "Languages/Polski/Text.lng");
    MakeFile(dir / "Languages/english/Text.lng");
    MakeFile(dir / "Languages/Deutsch/Manual.txt"); // no Text.lng
    MakeFile(dir / "Maps/b.ms1");
    MakeFile(dir / "Maps/A.MS1");
    MakeFile(dir / "Maps/c.rs1");
    MakeFile(dir / "Maps/c.ms1.bak");
    MakeFile(dir / "model/Orvena City/desc.bs1");
    MakeFile(dir / "model/Orvena City/Plofmar/desc.ts1");
    MakeFile(dir / "model/Orvena City/blue/desc.ts1");
    MakeFile(dir / "model/Orvena City/parts/readme.txt"); // no desc.ts1
    MakeFile(dir / "model/Bare/desc.bs1");
    MakeFile(dir / "model/Broken/readme.txt"); // no desc.bs1
    TZwConfig config;
    EXPECT_EQ(config.slFLanguages, (std::vector<std::string>{"english", "Polski"}));
    EXPECT_EQ(config.slFMaps, (std::vector<std::string>{"A.MS1", "b.ms1"}));
    EXPECT_EQ(config.slFModels, (std::vector<std::string>{"Bare", "Orvena City"}));
    ASSERT_EQ(config.FTextures.size(), 2u);
    EXPECT_EQ(config.FTextures[0].Model, "");
    EXPECT_TRUE(config.FTextures[0].Textures.empty());
    EXPECT_EQ(config.FTextures[1].Model, "Orvena City");
    EXPECT_EQ(config.FTextures[1].Textures, (std::vector<std::string>{"blue", "Plofmar"}));

    EXPECT_EQ(config.ListOfTextures("Orvena City"), (std::vector<std::string>{"blue", "Plofmar"}));
    EXPECT_TRUE(config.ListOfTextures("Bare").empty());
    EXPECT_TRUE(config.ListOfTextures("orvena city").empty());
    auto log = LogLines();
    auto at = std::find(log.begin(), log.end(), "  >>> Entering TZwConfig.ListOfTextures(");
    ASSERT_NE(at, log.end());
    EXPECT_EQ(*(at + 1), "              Model.........................: Orvena City");
    EXPECT_EQ(*(at + 2), "         )");
    EXPECT_EQ(*(at + 3), "    > Looking for texture sets for model Orvena City");
    EXPECT_EQ(*(at + 4), "              Texture sets found............: 2");
    EXPECT_EQ(*(at + 5), "  >>> Exiting  TZwConfig.ListOfTextures");
}

TEST_F(ConfigTest, NoContentGivesEmptyLists) {
    fs::create_directory(dir / "Maps");
    TZwConfig config;
    EXPECT_TRUE(config.slFLanguages.empty());
    EXPECT_TRUE(config.slFMaps.empty());
    EXPECT_TRUE(config.slFModels.empty());
    EXPECT_TRUE(config.FTextures.empty());
}

TEST_F(ConfigTest, FailingSearchesAreLoggedAndCounted) {
    MakeFile(dir / "model/M1/desc.bs1");
    MakeFile(dir / "model/M1/T1/desc.ts1");
    auto failing = [](std::vector<std::string> bad) {
        return [bad](const std::string& d) -> std::vector<std::string> {
            for (const auto& b : bad)
                if (d.size() >= b.size() && d.compare(d.size() - b.size(), b.size(), b) == 0)
                    throw EInOutError("cannot search " + d);
            return ListEntries(d);
        };
    };
    {
        TZwConfig config(failing({"Languages", "Maps", "/model"}));
        EXPECT_TRUE(config.slFModels.empty());
        EXPECT_TRUE(Logged("   >> Configuration loaded with 3 errors"));
    }
    {
        TZwConfig config(failing({"/M1"}));
        EXPECT_EQ(config.slFModels, (std::vector<std::string>{"M1"}));
        EXPECT_TRUE(Logged("   >> Configuration loaded with one error"));
        auto log = LogLines();
        auto at = std::find(log.begin(), log.end(), "              I.............................: 0");
        ASSERT_NE(at, log.end());
        EXPECT_EQ(*(at - 1), "      [ FAIL ]");
        EXPECT_EQ(*(at + 1), "              slFModels.Strings[I]..........: M1");
        EXPECT_EQ(*(at + 2), "              srSearchResult.Name...........: ");
        EXPECT_NE((at + 5)->find("cannot search"), std::string::npos); // the exception entry
    }
}

TEST_F(ConfigTest, FixedListsAreNewCopiesInTheirOrder) {
    TZwConfig config;
    auto res = config.FListOfResolutions();
    ASSERT_EQ(res.size(), 13u);
    EXPECT_EQ(res.front(), "640x480");
    EXPECT_EQ(res[7], "1366x768");
    EXPECT_EQ(res.back(), "1920x1200");
    EXPECT_EQ(config.slFListOfScreenDepths(),
              (std::vector<std::string>{"8bits", "16bits", "24bits", "32bits"}));
    EXPECT_EQ(config.slFListOfBufferDepths(),
              (std::vector<std::string>{"Default", "16bits", "24bits", "32bits"}));
    EXPECT_TRUE(Logged("  >>> Entering TZwConfig.FListOfResolutions"));
    EXPECT_TRUE(Logged("  >>> Exiting  TZwConfig.slFListOfBufferDepths"));
}

TEST_F(ConfigTest, EveryResolutionIsKeptAsWritten) {
    for (const auto& r : TZwConfig().FListOfResolutions()) {
        fs::remove(dir / "config.ini");
        WriteText(dir / "config.ini", "[Graphics]\r\nResolution=" + r + "\r\n");
        EXPECT_EQ(TZwConfig().Settings.Graphics.Resolution, r);
    }
}
