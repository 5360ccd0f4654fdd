#pragma once
// Every user setting, one member per key of config.ini, named like the key
// ("3DDashboard" is _3DDashboard: a name cannot begin with a digit).
#include <cstdint>
#include <string>

namespace zw {

struct TMainSettingsRec {
    std::string Language;
    std::string Map;
    std::string Model;
    std::string Texture;
};

struct TGameSettingsRec {
    bool Navigation = false;
    bool Night = false;
    bool EscKeyExit = false;
    bool BlinkerAutoOff = false;
    bool WheelAutoCenter = false;
    bool Joystick = false;
    bool AutoTransmission = false;
    bool Traffic = false;
    bool HUD = false;
    bool MouseControl = false;
    int32_t Season = 1;             // 0 Spring, 1 Summer, 2 Autumn, 3 Winter
    int32_t InertialForcePower = 0; // 0 to 10
    int32_t SteeringWheelSens = 0;  // 0 to 20
    int32_t AccPedalSens = 0;       // 0 to 20
    bool Debug = false;
    bool LogSysConfig = false;
};

struct TGraphicsSettingsRec {
    std::string Resolution;           // one of the 13 resolutions
    std::string ScreenDepth;          // "8bits" .. "32bits"
    std::string BufferDepthPrecision; // "Default", "16bits" .. "32bits"
    int32_t AntiAliasing = 5;         // 0 2x, 1 2xHQ, 2 4x, 3 4xHQ, 4 Default, 5 None
    bool VSync = false;
    bool Fog = false;
    bool Mipmapping = false;
    bool Mirrors = false;
    bool Lighting = false;
    bool Transparency = false;
    bool Skybox = false;
    bool _3DDashboard = false;
    bool Passengers = false;
    int32_t GrassQuality = 0;   // 0 Low, 1 Medium, 2 High
    int32_t DistanceOfView = 0; // 0 Close to 20 Far
};

struct TSoundSettingsRec {
    bool Mute = false;
    std::string MP3Path; // a folder ending in a separator
};

struct TNetworkSettingsRec {
    std::string Host;
    std::string Port; // kept as text
    std::string NickName;
};

struct TSettingsRec {
    TMainSettingsRec Main;
    TGameSettingsRec Game;
    TGraphicsSettingsRec Graphics;
    TSoundSettingsRec Sound;
    TNetworkSettingsRec Network;
};

} // namespace zw
