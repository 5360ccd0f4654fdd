// Every caption of the launcher from the chosen language's texts.
#include "shell/TZwEngine.h"
#include "shell/TZwLauncherForm.h"
#include "shell/ZwLog.h"

namespace zw {

namespace {
enum class Style { Plain, Group, Colon };
struct Caption {
    const char *section, *key, *control;
    Style style;
};
const Caption kCaptions[] = {
    {"Launcher", "Launcher", "TZwLauncherForm", Style::Plain},
    {"Launcher", "About", "tsAbout", Style::Plain},
    {"Launcher", "MapAndBus", "tsMapAndBus", Style::Plain},
    {"Launcher", "Settings", "tsSettings", Style::Plain},
    {"Launcher", "Manual", "tsManual", Style::Plain},
    {"Launcher", "DisplayBoards", "TabSheet5", Style::Plain},
    {"Launcher", "Multiplayer", "TabSheet6", Style::Plain},
    {"Launcher", "Multiplayer", "RGMultiplayer", Style::Plain},
    {"Launcher", "Start", "btnStart", Style::Plain},
    {"Launcher", "Exit", "btnExit", Style::Plain},
    {"Launcher-About", "CityBusSimulator", "lblSubTitle", Style::Plain},
    {"Launcher-About", "Info", "gbxInfo", Style::Group},
    {"Launcher-About", "GameVersion", "lblGameVersion", Style::Colon},
    {"Launcher-About", "ZwEVersion", "lblZwEVersion", Style::Colon},
    {"Launcher-About", "Website", "lblWebsite", Style::Colon},
    {"Launcher-About", "Authors", "lblAuthors", Style::Colon},
    {"Launcher-About", "Languages", "gbxLanguages", Style::Group},
    {"Launcher-About", "License", "gbxLicense", Style::Group},
    {"Launcher-MapAndBus", "Map", "gbxMap", Style::Group},
    {"Launcher-MapAndBus", "Route", "gbxRoute", Style::Group},
    {"Launcher-MapAndBus", "Bus", "gbxBus", Style::Group},
    {"Launcher-MapAndBus", "Textures", "gbxTextures", Style::Group},
    {"Launcher-Settings", "Game", "tsGame", Style::Plain},
    {"Launcher-Settings", "Graphics", "tsGraphics", Style::Plain},
    {"Launcher-Settings", "Sound", "tsSound", Style::Plain},
    {"Launcher-Settings-Game", "Navigation", "cbxNavigation", Style::Plain},
    {"Launcher-Settings-Game", "Night", "cbxNight", Style::Plain},
    {"Launcher-Settings-Game", "EscKeyExit", "cbxEscKeyExit", Style::Plain},
    {"Launcher-Settings-Game", "BlinkerAutoOff", "cbxBlinkerAutoOff", Style::Plain},
    {"Launcher-Settings-Game", "WheelAutoCenter", "cbxWheelAutoCenter", Style::Plain},
    {"Launcher-Settings-Game", "Joystick", "cbxJoystick", Style::Plain},
    {"Launcher-Settings-Game", "AutoTransmission", "cbxAutoTransmission", Style::Plain},
    {"Launcher-Settings-Game", "Traffic", "cbxTraffic", Style::Plain},
    {"Launcher-Settings-Game", "HUD", "cbxHUD", Style::Plain},
    {"Launcher-Settings-Game", "MouseControl", "cbxMouseControl", Style::Plain},
    {"Launcher-Settings-Game", "Season", "rgrSeason", Style::Group},
    {"Launcher-Settings-Game", "Vehicle", "gbxVehicle", Style::Group},
    {"Launcher-Settings-Game", "Fuel", "lblFuel", Style::Plain},
    {"Launcher-Settings-Game", "SteeringWheelSesitivity", "lblSteeringWheelSens", Style::Plain},
    {"Launcher-Settings-Game", "InertialForcePower", "lblInertialForcePower", Style::Plain},
    {"Launcher-Settings-Game", "AccPedalSensitivity", "lblAccPedalSens", Style::Plain},
    {"Launcher-Settings-Game", "Debug", "cbxDebug", Style::Plain},
    {"Launcher-Settings-Game", "LogSysConfig", "cbxLogSysConfig", Style::Plain},
    {"Launcher-Settings-Graphics", "Details", "gbxDetails", Style::Group},
    {"Launcher-Settings-Graphics", "Fog", "cbxFog", Style::Plain},
    {"Launcher-Settings-Graphics", "Mipmapping", "cbxMipmapping", Style::Plain},
    {"Launcher-Settings-Graphics", "Mirrors", "cbxMirrors", Style::Plain},
    {"Launcher-Settings-Graphics", "Lighting", "cbxLighting", Style::Plain},
    {"Launcher-Settings-Graphics", "Transparency", "cbxTransparency", Style::Plain},
    {"Launcher-Settings-Graphics", "Skybox", "cbxSkybox", Style::Plain},
    {"Launcher-Settings-Graphics", "3DDashboard", "cbx3DDashboard", Style::Plain},
    {"Launcher-Settings-Graphics", "Passengers", "cbxPassengers", Style::Plain},
    {"Launcher-Settings-Graphics", "Screen", "gbxScreen", Style::Group},
    {"Launcher-Settings-Graphics", "Resolution", "lblResolution", Style::Colon},
    {"Launcher-Settings-Graphics", "ScreenDepth", "lblScreenDepth", Style::Colon},
    {"Launcher-Settings-Graphics", "BufferDepthPrecision", "lblBufferDepthPrecision", Style::Colon},
    {"Launcher-Settings-Graphics", "AntiAliasing", "lblAntiAliasing", Style::Plain},
    {"Launcher-Settings-Graphics", "VSync", "cbxVSync", Style::Plain},
    {"Launcher-Settings-Graphics", "GrassQuality", "gbxGrassQuality", Style::Group},
    {"Launcher-Settings-Graphics", "DistanceOfView", "gbxDistanceOfView", Style::Group},
    {"Launcher-Settings-Graphics", "Low", "lblLow", Style::Plain},
    {"Launcher-Settings-Graphics", "Medium", "lblMedium", Style::Plain},
    {"Launcher-Settings-Graphics", "High", "lblHigh", Style::Plain},
    {"Launcher-Settings-Graphics", "Close", "lblClose", Style::Plain},
    {"Launcher-Settings-Graphics", "Far", "lblFar", Style::Plain},
    {"Launcher-Settings-Sound", "Mute", "cbxMute", Style::Plain},
    {"Launcher-Settings-Sound", "MP3Player", "lblMP3Player", Style::Plain},
    {"Launcher-DisplayBoards", "Line", "lblLinia", Style::Plain},
    {"Launcher-DisplayBoards", "FillBeforeStart", "lblFillBeforeStart", Style::Plain},
    {"Launcher-DisplayBoards", "FirstLine", "lblPierLinOpisu2", Style::Colon},
    {"Launcher-DisplayBoards", "SecondLine", "lblDruLinOpisu2", Style::Colon},
    {"Launcher-DisplayBoards", "OneLine", "rbtOneLine", Style::Plain},
    {"Launcher-DisplayBoards", "TwoLines", "rbtTwoLines", Style::Plain},
    {"Launcher-DisplayBoards", "TwoLinesFirstBig", "rbtTwoLinesFirstBig", Style::Plain},
    {"Launcher-DisplayBoards", "TwoLinesSecondBig", "rbtTwoLinesSecondBig", Style::Plain},
    {"Launcher-DisplayBoards", "RoutePoints", "lblRoutePoints", Style::Colon},
    {"Launcher-Multiplayer", "Host", "lblHost", Style::Plain},
    {"Launcher-Multiplayer", "Port", "lblPort", Style::Plain},
    {"Launcher-Multiplayer", "Nickname", "lblNickname", Style::Plain},
    {"Launcher-Multiplayer", "Rate", "lblRate", Style::Plain},
    {"Launcher-Multiplayer", "Connect", "btnConnect", Style::Plain},
};
const char* const kSeasonKeys[] = {"Spring", "Summer", "Autumn", "Winter"};
} // namespace

void TZwLauncherForm::ApplyLanguage(const std::string& name) {
    auto& log = EngineLog();
    log.AddParts({"{@3}>>> Entering{@16}TZwLauncherForm.ApplyLanguage({/}", "{@15}Language{*30.}: " + name,
                  "{/}{@10})"});
    try {
        engine_.SetLanguage(name);
        ApplyCaptions();
        Model["memManual"].items = engine_.Languages->Manual();
    } catch (const std::exception& e) {
        log.AddException(e, "TZwLauncherForm.ApplyLanguage");
    }
    log.Add("{@3}>>> Exiting{@16}TZwLauncherForm.ApplyLanguage");
}

void TZwLauncherForm::ApplyCaptions() {
    const TZwLanguages& t = *engine_.Languages;
    for (const Caption& c : kCaptions) {
        std::string text = t.GetText(c.section, c.key);
        if (c.style == Style::Group) text = " " + text + " ";
        else if (c.style == Style::Colon) text += ":";
        Model[c.control].caption = text;
    }
    auto& season = Model["rgrSeason"];
    for (size_t i = 0; i < 4 && i < season.items.size(); ++i)
        season.items[i] = t.GetText("Launcher-Settings-Game", kSeasonKeys[i]);
    // The player's name follows the language: the next save stores it.
    Model["edNickname"].text = t.GetText("Launcher-Multiplayer", "Player");
}

} // namespace zw
