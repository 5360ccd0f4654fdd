#include "shell/ConfigKeys.h"

#include "util/Paths.h"

namespace zw {

namespace {
ConfigKey Make(const char* sec, const char* key, const char* wk, ConfigKey::Type t) {
    ConfigKey k;
    k.section = sec;
    k.key = key;
    k.writeKey = wk;
    k.type = t;
    return k;
}
ConfigKey Text(const char* sec, const char* key, std::string& m, std::string def, const char* wk = nullptr) {
    ConfigKey k = Make(sec, key, wk ? wk : key, ConfigKey::Type::Text);
    k.text = &m;
    k.textDefault = std::move(def);
    return k;
}
ConfigKey Bool(const char* sec, const char* key, bool& m) {
    ConfigKey k = Make(sec, key, key, ConfigKey::Type::Bool);
    k.flag = &m;
    return k;
}
ConfigKey Int(const char* sec, const char* key, int32_t& m, int32_t def) {
    ConfigKey k = Make(sec, key, key, ConfigKey::Type::Int);
    k.number = &m;
    k.numberDefault = def;
    return k;
}
} // namespace

std::vector<ConfigKey> ConfigKeys(TSettingsRec& s) {
    auto& m = s.Main;
    auto& g = s.Game;
    auto& x = s.Graphics;
    return {
        Text("Main", "Language", m.Language, "English"),
        Text("Main", "Map", m.Map, "Tralnik_101-1_DP_4.33-13.27.ms1"),
        Text("Main", "Model", m.Model, "Orvena City"),
        Text("Main", "Texture", m.Texture, "Plofmar"),
        Bool("Game", "Navigation", g.Navigation),
        Bool("Game", "Night", g.Night),
        Bool("Game", "EscKeyExit", g.EscKeyExit),
        Bool("Game", "BlinkerAutoOff", g.BlinkerAutoOff),
        Bool("Game", "WheelAutoCenter", g.WheelAutoCenter),
        Bool("Game", "Joystick", g.Joystick),
        Bool("Game", "AutoTransmission", g.AutoTransmission),
        Bool("Game", "Traffic", g.Traffic),
        Bool("Game", "HUD", g.HUD),
        Bool("Game", "MouseControl", g.MouseControl),
        Int("Game", "Season", g.Season, 1),
        Int("Game", "InertialForcePower", g.InertialForcePower, 0),
        Int("Game", "SteeringWheelSens", g.SteeringWheelSens, 0),
        Int("Game", "AccPedalSens", g.AccPedalSens, 0),
        Bool("Game", "Debug", g.Debug),
        Bool("Game", "LogSysConfig", g.LogSysConfig),
        Text("Graphics", "Resolution", x.Resolution, "800x600"),
        Text("Graphics", "ScreenDepth", x.ScreenDepth, "16bits"),
        Text("Graphics", "BufferDepthPrecision", x.BufferDepthPrecision, "Default"),
        Bool("Graphics", "VSync", x.VSync),
        Int("Graphics", "AntiAliasing", x.AntiAliasing, 5),
        Bool("Graphics", "Fog", x.Fog),
        Bool("Graphics", "Mipmapping", x.Mipmapping),
        Bool("Graphics", "Mirrors", x.Mirrors),
        Bool("Graphics", "Lighting", x.Lighting),
        Bool("Graphics", "Transparency", x.Transparency),
        Bool("Graphics", "Skybox", x.Skybox),
        Bool("Graphics", "3DDashboard", x._3DDashboard),
        Bool("Graphics", "Passengers", x.Passengers),
        Int("Graphics", "GrassQuality", x.GrassQuality, 0),
        Int("Graphics", "DistanceOfView", x.DistanceOfView, 0),
        Bool("Sound", "Mute", s.Sound.Mute),
        Text("Sound", "MP3Path", s.Sound.MP3Path, AppDirSlash() + "radio/"),
        Text("Network", "Host", s.Network.Host, "127.0.0.1"),
        Text("Network", "Port", s.Network.Port, "3333"),
        Text("Network", "NickName", s.Network.NickName, "Player", "Nickname"),
    };
}

const std::vector<std::string>& ResolutionNames() {
    static const std::vector<std::string> v = {"640x480",   "800x600",   "1024x768", "1152x864", "1280x800",
                                               "1280x960",  "1280x1024", "1366x768", "1440x900", "1600x1200",
                                               "1680x1050", "1792x1344", "1920x1200"};
    return v;
}

const std::vector<std::string>& ScreenDepthNames() {
    static const std::vector<std::string> v = {"8bits", "16bits", "24bits", "32bits"};
    return v;
}

const std::vector<std::string>& BufferDepthNames() {
    static const std::vector<std::string> v = {"Default", "16bits", "24bits", "32bits"};
    return v;
}

} // namespace zw
