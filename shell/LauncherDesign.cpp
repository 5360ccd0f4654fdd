// The launcher's design: every control with its design caption and place,
// as the window is before FormCreate runs.
#include "shell/TZwLauncherForm.h"

namespace zw {

using ui::Kind;
using ui::Rect;

namespace {
const char* const kLicence[] = {
    "Zwolta is free to use, copy and share for any purpose that is not sold.",
    "",
    "The program and its demo world (maps, buses, sounds, textures, music) are made by the Zwolta "
    "developers; nothing in them is taken from any other game or its data.",
    "",
    "Maps and buses made by players stay theirs; they may share them on any terms they like.",
    "",
    "The program comes without any warranty: it is a game, not a driving school, and what it shows "
    "of buses and traffic is simplified.",
};
} // namespace

void TZwLauncherForm::Design() {
    ui::Control& form = Model.Form();
    form.caption = "Zwolta";
    form.rect = {0, 0, 437, 551};

    Model.Add(Kind::Panel, "pnlTop", "", {0, 0, 437, 40});
    auto& start = Model.Add(Kind::Button, "btnStart", "pnlTop", {8, 7, 110, 26}, "Start");
    start.isDefault = true;
    start.bold = true;
    Model.Add(Kind::Button, "btnExit", "pnlTop", {126, 7, 110, 26}, "Exit");

    Model.Add(Kind::PageControl, "pcMainPages", "", {0, 44, 437, 507});
    Model.Add(Kind::Page, "tsAbout", "pcMainPages", {}, "About");
    Model.Add(Kind::Page, "tsMapAndBus", "pcMainPages", {}, "Map and Bus");
    Model.Add(Kind::Page, "tsSettings", "pcMainPages", {}, "Settings");
    Model.Add(Kind::Page, "tsManual", "pcMainPages", {}, "Manual");
    Model.Add(Kind::Page, "TabSheet5", "pcMainPages", {}, "Tablice");
    Model.Add(Kind::Page, "TabSheet6", "pcMainPages", {}, "Multiplayer");

    DesignAbout();
    DesignMapAndBus();
    Model.Add(Kind::PageControl, "pcSettings", "tsSettings", {0, 0, 429, 474});
    Model.Add(Kind::Page, "tsGame", "pcSettings", {}, "Game");
    Model.Add(Kind::Page, "tsGraphics", "pcSettings", {}, "Graphics");
    Model.Add(Kind::Page, "tsSound", "pcSettings", {}, "Sound");
    DesignSettingsGame();
    DesignSettingsGraphics();
    DesignSettingsSound();
    Model.Add(Kind::Memo, "memManual", "tsManual", {0, 0, 425, 474}).readOnly = true;
    DesignBoards();
    DesignMultiplayer();
}

void TZwLauncherForm::DesignAbout() {
    Model.Add(Kind::Label, "lblTitle", "tsAbout", {8, 4, 0, 0}, "Zwolta");
    Model.Add(Kind::Label, "lblSubTitle", "tsAbout", {8, 22, 0, 0}, "City Bus Simulator");
    Model.Add(Kind::GroupBox, "gbxInfo", "tsAbout", {4, 44, 421, 108}, " Info ");
    Model.Add(Kind::Label, "lblGameVersion", "gbxInfo", {10, 22, 0, 0}, "Game version:");
    Model.Add(Kind::Label, "labGameVersion", "gbxInfo", {150, 22, 0, 0}, "labGameVersion");
    Model.Add(Kind::Label, "lblZwEVersion", "gbxInfo", {10, 42, 0, 0}, "Engine version:");
    Model.Add(Kind::Label, "labZwEVersion", "gbxInfo", {150, 42, 0, 0}, "labZwEVersion");
    Model.Add(Kind::Label, "lblWebsite", "gbxInfo", {10, 62, 0, 0}, "Website:");
    Model.Add(Kind::Label, "labWebSite", "gbxInfo", {150, 62, 0, 0}, "https://zwolta.example.org/").link = true;
    Model.Add(Kind::Label, "lblAuthors", "gbxInfo", {10, 82, 0, 0}, "Authors:");
    Model.Add(Kind::Label, "labAuthors", "gbxInfo", {150, 82, 0, 0}, "the Zwolta developers");
    Model.Add(Kind::GroupBox, "gbxLanguages", "tsAbout", {4, 158, 421, 52}, " Languages ");
    Model.Add(Kind::ComboBox, "cbxLanguage", "gbxLanguages", {10, 22, 220, 20});
    Model.Add(Kind::GroupBox, "gbxLicense", "tsAbout", {4, 216, 421, 256}, " License ");
    auto& lic = Model.Add(Kind::Memo, "memLicense", "gbxLicense", {8, 20, 405, 228});
    lic.readOnly = true;
    for (const char* line : kLicence) lic.items.push_back(line);
}

void TZwLauncherForm::DesignMapAndBus() {
    struct Group {
        const char *group, *caption, *list, *memo;
    } groups[] = {
        {"gbxMap", " Mapa ", "cbxMapList", "memMapDescription"},
        {"gbxRoute", " Trasa ", "cbxRoute", "cbxRouteDescription"},
        {"gbxBus", " Bus ", "cbxBusList", "memBusDescription"},
        {"gbxTextures", " Tekstury ", "cbxTexturesList", "memTexturesDescription"},
    };
    int top = 2;
    for (const Group& g : groups) {
        Model.Add(Kind::GroupBox, g.group, "tsMapAndBus", {4, top, 421, 114}, g.caption);
        Model.Add(Kind::ComboBox, g.list, g.group, {8, 19, 405, 20});
        Model.Add(Kind::Memo, g.memo, g.group, {8, 43, 405, 64}).readOnly = true;
        top += 118;
    }
}

void TZwLauncherForm::DesignSettingsGame() {
    const char* left[] = {"cbxNavigation", "cbxNight", "cbxEscKeyExit", "cbxBlinkerAutoOff", "cbxWheelAutoCenter"};
    const char* leftCaptions[] = {"Navigation", "Night", "Exit with ESC Key", "Blinker Auto Off",
                                  "Wheel Auto Center"};
    const char* right[] = {"cbxJoystick", "cbxAutoTransmission", "cbxTraffic", "cbxHUD", "cbxMouseControl"};
    const char* rightCaptions[] = {"Joystick (experimental!)", "Automatic Transmission", "Traffic", "HUD",
                                   "Mouse Control (experimental!)"};
    for (int i = 0; i < 5; ++i) {
        Model.Add(Kind::CheckBox, left[i], "tsGame", {6, 4 + 20 * i, 200, 17}, leftCaptions[i]);
        Model.Add(Kind::CheckBox, right[i], "tsGame", {215, 4 + 20 * i, 200, 17}, rightCaptions[i]);
    }
    Model["cbxNight"].enabled = false;
    auto& season = Model.Add(Kind::RadioGroup, "rgrSeason", "tsGame", {4, 108, 205, 64}, " Season ");
    season.items = {"Spring", "Summer", "Autumn", "Winter"};
    season.columns = 2;
    Model.Add(Kind::GroupBox, "gbxVehicle", "tsGame", {215, 108, 202, 64}, " Vehicle ");
    Model.Add(Kind::Label, "lblFuel", "gbxVehicle", {10, 28, 0, 0}, "Fuel");
    Model.Add(Kind::Edit, "edFuel", "gbxVehicle", {90, 26, 100, 20}).text = "100";
    struct Slider {
        const char *label, *caption, *slider;
        int max;
    } sliders[] = {
        {"lblSteeringWheelSens", "Steering Wheel Sensitivity", "trbSteeringWheelSens", 20},
        {"lblInertialForcePower", "Inertial Force Power", "trbInertialForcePower", 10},
        {"lblAccPedalSens", "Accelerator Pedal Sensitivity", "trbAccPedalSens", 20},
    };
    int top = 180;
    for (const Slider& s : sliders) {
        Model.Add(Kind::Label, s.label, "tsGame", {6, top, 0, 0}, s.caption);
        Model.Add(Kind::Slider, s.slider, "tsGame", {6, top + 17, 405, 18});
        Model.SetRange(s.slider, 0, s.max);
        top += 44;
    }
    Model.Add(Kind::CheckBox, "cbxDebug", "tsGame", {6, 316, 400, 17}, "Display Debug Informations");
    Model.Add(Kind::CheckBox, "cbxLogSysConfig", "tsGame", {6, 336, 400, 17},
              "Write system configuration to log file");
}

void TZwLauncherForm::DesignSettingsGraphics() {
    Model.Add(Kind::GroupBox, "gbxDetails", "tsGraphics", {4, 2, 413, 108}, " Details ");
    const char* checks[] = {"cbxFog", "cbxMipmapping", "cbxMirrors", "cbxLighting",
                            "cbxTransparency", "cbxSkybox", "cbx3DDashboard", "cbxPassengers"};
    const char* captions[] = {"Fog", "Mipmapping", "Mirrors", "Lighting", "Transparency", "Skybox",
                              "3D Dashboard", "Passengers"};
    for (int i = 0; i < 8; ++i)
        Model.Add(Kind::CheckBox, checks[i], "gbxDetails", {10 + 200 * (i / 4), 20 + 21 * (i % 4), 190, 17},
                  captions[i]);
    Model["cbxMirrors"].enabled = false;

    Model.Add(Kind::GroupBox, "gbxScreen", "tsGraphics", {4, 114, 413, 150}, " Screen ");
    struct Row {
        const char *label, *caption, *list;
    } rows[] = {
        {"lblResolution", "Resolution:", "cbxResolution"},
        {"lblScreenDepth", "Screen depth:", "cbxScreenDepth"},
        {"lblBufferDepthPrecision", "Depth buffer precision:", "cbxBufferDepthPrecision"},
        {"lblAntiAliasing", "Anti-aliasing", "cbxAntiAlias"},
    };
    int top = 20;
    for (const Row& r : rows) {
        Model.Add(Kind::Label, r.label, "gbxScreen", {10, top + 2, 0, 0}, r.caption);
        Model.Add(Kind::ComboBox, r.list, "gbxScreen", {190, top, 210, 20});
        top += 24;
    }
    Model["cbxAntiAlias"].items = {"aa2x", "aa2xHQ", "aa4x", "aa4xHQ", "aaDefault", "aaNone"};
    Model.Add(Kind::CheckBox, "cbxVSync", "gbxScreen", {10, top + 4, 300, 17}, "V-Sync");

    Model.Add(Kind::GroupBox, "gbxGrassQuality", "tsGraphics", {4, 268, 413, 68}, " Grass Quality ");
    Model.Add(Kind::Slider, "tbGrassQuality", "gbxGrassQuality", {10, 20, 393, 18});
    Model.SetRange("tbGrassQuality", 0, 2);
    Model.Add(Kind::Label, "lblLow", "gbxGrassQuality", {10, 44, 0, 0}, "Low");
    Model.Add(Kind::Label, "lblMedium", "gbxGrassQuality", {180, 44, 0, 0}, "Medium");
    Model.Add(Kind::Label, "lblHigh", "gbxGrassQuality", {360, 44, 0, 0}, "High");

    Model.Add(Kind::GroupBox, "gbxDistanceOfView", "tsGraphics", {4, 340, 413, 68}, " Distance of View ");
    Model.Add(Kind::Slider, "tbDistanceOfView", "gbxDistanceOfView", {10, 20, 393, 18});
    Model.SetRange("tbDistanceOfView", 0, 20);
    Model.Add(Kind::Label, "lblClose", "gbxDistanceOfView", {10, 44, 0, 0}, "Close");
    Model.Add(Kind::Label, "lblFar", "gbxDistanceOfView", {370, 44, 0, 0}, "Far");
}

void TZwLauncherForm::DesignSettingsSound() {
    Model.Add(Kind::CheckBox, "cbxMute", "tsSound", {6, 6, 400, 17}, "Mute All Sounds");
    Model.Add(Kind::Label, "lblMP3Player", "tsSound", {6, 36, 0, 0}, "MP3 Player");
    Model.Add(Kind::Edit, "edMP3Path", "tsSound", {6, 54, 370, 20}).readOnly = true;
    Model.Add(Kind::Button, "btnOpenDialog", "tsSound", {382, 54, 32, 20}, "...");
    auto& dlg = Model.Add(Kind::FolderChooser, "opdMP3Directory", "tsSound", {}, "MP3");
    dlg.visible = false;
}

void TZwLauncherForm::DesignBoards() {
    Model.Add(Kind::Label, "lblLinia", "TabSheet5", {6, 8, 0, 0}, "Linia");
    Model.Add(Kind::Edit, "edLinia", "TabSheet5", {70, 6, 80, 20});
    auto& tabs = Model.Add(Kind::TabControl, "TabControl1", "TabSheet5", {4, 34, 421, 330});
    tabs.items = {"1", "2", "3", "4", "5"};
    tabs.itemIndex = 0;
    Model.Add(Kind::GroupBox, "gbxKierunek", "TabControl1", {8, 30, 405, 292}, "1");
    Model.Add(Kind::Label, "lblPierLinOpisu2", "gbxKierunek", {10, 20, 0, 0}, "Pierwsza linia:");
    Model.Add(Kind::Edit, "edPierLinOpisu2", "gbxKierunek", {10, 36, 385, 20});
    Model.Add(Kind::Label, "lblDruLinOpisu2", "gbxKierunek", {10, 62, 0, 0}, "Druga linia:");
    Model.Add(Kind::Edit, "edDruLinOpisu2", "gbxKierunek", {10, 78, 385, 20});
    Model.Add(Kind::RadioButton, "rbtOneLine", "gbxKierunek", {10, 106, 180, 17}, "jedna linia").checked = true;
    Model.Add(Kind::RadioButton, "rbtTwoLines", "gbxKierunek", {10, 126, 180, 17}, "dwie linie");
    Model.Add(Kind::RadioButton, "rbtTwoLinesFirstBig", "gbxKierunek", {200, 106, 200, 17},
              "dwie linie, pierwsza wieksza");
    Model.Add(Kind::RadioButton, "rbtTwoLinesSecondBig", "gbxKierunek", {200, 126, 200, 17},
              "dwie linie, druga wieksza");
    Model.Add(Kind::Label, "lblRoutePoints", "gbxKierunek", {10, 152, 0, 0}, "Punkty trasy:");
    const char* points[] = {"ed1b", "ed2b", "ed3b", "ed4b"};
    for (int i = 0; i < 4; ++i) Model.Add(Kind::Edit, points[i], "gbxKierunek", {10, 168 + 24 * i, 385, 20});
    Model.Add(Kind::Button, "Button4", "gbxKierunek", {10, 266, 40, 20}, "u");
    auto& note = Model.Add(Kind::Label, "lblFillBeforeStart", "TabSheet5", {6, 372, 415, 40},
                           "Wypelnij tablice przed startem!");
    note.colour = 0xFF0000;
}

void TZwLauncherForm::DesignMultiplayer() {
    Model.Add(Kind::GroupBox, "RGMultiplayer", "TabSheet6", {4, 4, 421, 290}, " Multiplayer ");
    Model.Add(Kind::Label, "lblHost", "RGMultiplayer", {10, 26, 0, 0}, "Host");
    Model.Add(Kind::Edit, "edHost", "RGMultiplayer", {110, 24, 200, 20}).text = "127.0.0.1";
    Model.Add(Kind::Label, "lblPort", "RGMultiplayer", {10, 52, 0, 0}, "Port");
    Model.Add(Kind::Edit, "edPort", "RGMultiplayer", {110, 50, 80, 20}).text = "3333";
    Model.Add(Kind::Label, "lblNickname", "RGMultiplayer", {10, 78, 0, 0}, "Nickname");
    Model.Add(Kind::Edit, "edNickname", "RGMultiplayer", {110, 76, 200, 20}).text = "Player";
    Model.Add(Kind::Memo, "Memo5", "RGMultiplayer", {10, 104, 400, 100}).readOnly = true;
    Model.Add(Kind::Label, "lblRate", "RGMultiplayer", {10, 216, 0, 0}, "lblRate");
    Model.Add(Kind::Slider, "TrackBar1", "RGMultiplayer", {110, 214, 240, 18});
    Model.SetRange("TrackBar1", 1, 60);
    Model.SetPosition("TrackBar1", 1);
    Model.Add(Kind::Label, "Label19", "RGMultiplayer", {360, 216, 0, 0}, "1 Hz");
    Model.Add(Kind::Button, "btnConnect", "RGMultiplayer", {10, 250, 110, 24}, "Connect");
}

} // namespace zw
