// The launcher's options: settings into controls at start, controls back into
// the settings before every save, and the mouse-control values of Start.
#include "shell/TZwEngine.h"
#include "shell/TZwLauncherForm.h"
#include "shell/ZwLog.h"
#include "util/NumText.h"

#include <algorithm>
#include <iterator>

namespace zw {

namespace {
struct CheckSetting {
    const char* control;
    bool& (*field)(TSettingsRec&);
};
#define ZW_CHECK(name, expr) {name, [](TSettingsRec& s) -> bool& { return s.expr; }}
const CheckSetting kChecks[] = {
    ZW_CHECK("cbxNavigation", Game.Navigation),
    ZW_CHECK("cbxNight", Game.Night),
    ZW_CHECK("cbxEscKeyExit", Game.EscKeyExit),
    ZW_CHECK("cbxBlinkerAutoOff", Game.BlinkerAutoOff),
    ZW_CHECK("cbxWheelAutoCenter", Game.WheelAutoCenter),
    ZW_CHECK("cbxJoystick", Game.Joystick),
    ZW_CHECK("cbxAutoTransmission", Game.AutoTransmission),
    ZW_CHECK("cbxTraffic", Game.Traffic),
    ZW_CHECK("cbxHUD", Game.HUD),
    ZW_CHECK("cbxMouseControl", Game.MouseControl),
    ZW_CHECK("cbxDebug", Game.Debug),
    ZW_CHECK("cbxLogSysConfig", Game.LogSysConfig),
    ZW_CHECK("cbxVSync", Graphics.VSync),
    ZW_CHECK("cbxFog", Graphics.Fog),
    ZW_CHECK("cbxMipmapping", Graphics.Mipmapping),
    ZW_CHECK("cbxMirrors", Graphics.Mirrors),
    ZW_CHECK("cbxLighting", Graphics.Lighting),
    ZW_CHECK("cbxTransparency", Graphics.Transparency),
    ZW_CHECK("cbxSkybox", Graphics.Skybox),
    ZW_CHECK("cbx3DDashboard", Graphics._3DDashboard),
    ZW_CHECK("cbxPassengers", Graphics.Passengers),
    ZW_CHECK("cbxMute", Sound.Mute),
};
#undef ZW_CHECK

struct IntSetting {
    const char* control;
    int32_t& (*field)(TSettingsRec&);
};
#define ZW_INT(name, expr) {name, [](TSettingsRec& s) -> int32_t& { return s.expr; }}
const IntSetting kSliders[] = {
    ZW_INT("trbSteeringWheelSens", Game.SteeringWheelSens),
    ZW_INT("trbInertialForcePower", Game.InertialForcePower),
    ZW_INT("trbAccPedalSens", Game.AccPedalSens),
    ZW_INT("tbGrassQuality", Graphics.GrassQuality),
    ZW_INT("tbDistanceOfView", Graphics.DistanceOfView),
};
#undef ZW_INT

struct TextSetting {
    const char* control;
    std::string& (*field)(TSettingsRec&);
};
#define ZW_TEXT(name, expr) {name, [](TSettingsRec& s) -> std::string& { return s.expr; }}
// Lists whose selection is stored as its text.
const TextSetting kLists[] = {
    ZW_TEXT("cbxLanguage", Main.Language),
    ZW_TEXT("cbxMapList", Main.Map),
    ZW_TEXT("cbxBusList", Main.Model),
    ZW_TEXT("cbxTexturesList", Main.Texture),
    ZW_TEXT("cbxResolution", Graphics.Resolution),
    ZW_TEXT("cbxScreenDepth", Graphics.ScreenDepth),
    ZW_TEXT("cbxBufferDepthPrecision", Graphics.BufferDepthPrecision),
};
const TextSetting kEdits[] = {
    ZW_TEXT("edMP3Path", Sound.MP3Path),
    ZW_TEXT("edHost", Network.Host),
    ZW_TEXT("edPort", Network.Port),
    ZW_TEXT("edNickname", Network.NickName),
};
#undef ZW_TEXT

struct MouseRow {
    int width, height;
    float scaleY, scaleX;
};
// The rows set by hand. The 1024x768 horizontal scale is 0.02: every other
// row is 20 / width, and a tenth of that would leave the wheel at a tenth of
// its travel with the pointer at the screen's edge.
const MouseRow kMouseRows[] = {
    {640, 480, 0.005f, 0.03125f},  {800, 600, 0.0045f, 0.025f},   {1024, 768, 0.0035f, 0.02f},
    {1152, 864, 0.003f, 0.017f},   {1280, 1024, 0.0025f, 0.0156f},
};
} // namespace

void TZwLauncherForm::SettingsToControls() {
    TZwConfig& config = *engine_.Config;
    TSettingsRec& s = config.Settings;
    for (const CheckSetting& c : kChecks) Model.SetChecked(c.control, c.field(s));
    Model.SetIndex("rgrSeason", s.Game.Season);
    for (const IntSetting& c : kSliders) Model.SetPosition(c.control, c.field(s));
    Model.SetItems("cbxResolution", config.FListOfResolutions());
    Model.SelectText("cbxResolution", s.Graphics.Resolution);
    Model.SetItems("cbxScreenDepth", config.slFListOfScreenDepths());
    Model.SelectText("cbxScreenDepth", s.Graphics.ScreenDepth);
    Model.SetItems("cbxBufferDepthPrecision", config.slFListOfBufferDepths());
    Model.SelectText("cbxBufferDepthPrecision", s.Graphics.BufferDepthPrecision);
    Model.SetIndex("cbxAntiAlias", s.Graphics.AntiAliasing);
    Model["edMP3Path"].text = s.Sound.MP3Path;
    MusicFolder = s.Sound.MP3Path;
    Model["edHost"].text = s.Network.Host;
    Model["edPort"].text = s.Network.Port;
    Model["edNickname"].text = s.Network.NickName;
}

void TZwLauncherForm::ControlsToSettings() {
    TSettingsRec& s = engine_.Config->Settings;
    for (const CheckSetting& c : kChecks) c.field(s) = Model[c.control].checked;
    s.Game.Season = Model["rgrSeason"].itemIndex;
    for (const IntSetting& c : kSliders) c.field(s) = Model[c.control].position;
    for (const TextSetting& c : kLists) c.field(s) = Model.SelectedText(c.control);
    s.Graphics.AntiAliasing = Model["cbxAntiAlias"].itemIndex;
    for (const TextSetting& c : kEdits) c.field(s) = Model[c.control].text;
}

void TZwLauncherForm::zapiszkonfig() {
    auto& log = EngineLog();
    log.Add("{@3}>>> Entering{@16}zapiszkonfig");
    try {
        ControlsToSettings();
        engine_.Config->Save();
    } catch (const std::exception& e) {
        log.AddException(e, "zapiszkonfig");
    }
    log.Add("{@3}>>> Exiting{@16}zapiszkonfig");
}

bool MouseControlFor(const std::string& resolution, int32_t& centreX, int32_t& centreY, float& scaleY,
                     float& scaleX) {
    static const char* const kResolutions[] = {"640x480",   "800x600",   "1024x768",  "1152x864",  "1280x800",
                                               "1280x960",  "1280x1024", "1366x768",  "1440x900",  "1600x1200",
                                               "1680x1050", "1792x1344", "1920x1200"};
    if (std::find(std::begin(kResolutions), std::end(kResolutions), resolution) == std::end(kResolutions))
        return false;
    size_t x = resolution.find('x');
    int w = ParseIntOr(resolution.substr(0, x), 0), h = ParseIntOr(resolution.substr(x + 1), 0);
    if (w <= 0 || h <= 0) return false;
    centreX = w / 2;
    centreY = h / 2;
    for (const MouseRow& r : kMouseRows) {
        if (r.width == w && r.height == h) {
            scaleY = r.scaleY;
            scaleX = r.scaleX;
            return true;
        }
    }
    // Other sizes: horizontally 20 / width as the rows are; vertically the
    // rows' scale for that height, between two rows on the straight line,
    // beyond the last in inverse proportion to the height.
    scaleX = 20.0f / static_cast<float>(w);
    const MouseRow* rows = kMouseRows;
    const size_t n = std::size(kMouseRows);
    if (h <= rows[0].height) {
        scaleY = rows[0].scaleY * static_cast<float>(rows[0].height) / static_cast<float>(h);
        return true;
    }
    for (size_t i = 1; i < n; ++i) {
        if (h <= rows[i].height) {
            float t = static_cast<float>(h - rows[i - 1].height) / static_cast<float>(rows[i].height - rows[i - 1].height);
            scaleY = rows[i - 1].scaleY + t * (rows[i].scaleY - rows[i - 1].scaleY);
            return true;
        }
    }
    scaleY = rows[n - 1].scaleY * static_cast<float>(rows[n - 1].height) / static_cast<float>(h);
    return true;
}

} // namespace zw
