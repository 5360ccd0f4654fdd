#pragma once
// The launcher: the program's main window. It fills its controls from the
// configuration and the installed content, lets the player choose, and on
// Start writes the controls back, computes what the game needs and hands over.
// All of it works on the control model, so it runs without a display.
#include "boards/RouteBoardTexts.h"
#include "platform/ui/UiModel.h"
#include "shell/TZwGameLink.h"

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>

namespace zw {

class TZwEngine;

class TZwLauncherForm {
public:
    explicit TZwLauncherForm(TZwEngine& engine);

    ui::UiModel Model; // every control by its component name

    // Handed over to the game.
    std::string MapFile, RouteFile, BusFolder, TextureSet, MusicFolder;
    int32_t MojNumer = 0;
    bool TrafficOn = false;
    double DayStart = 0, DuskStart = 0, NightStart = 0;
    int32_t MouseCentreX = 0, MouseCentreY = 0;
    float MouseScaleY = 0, MouseScaleX = 0;
    std::array<TKierunek, 5> Kierunki; // Kierunki[d - 1] is direction d
    bool Connected = false;
    // What Start set for the game viewer (also given to the game link).
    uint8_t BackgroundRed = 0, BackgroundGreen = 0, BackgroundBlue = 0;
    bool ViewerFog = false;
    bool NavigationHidden = false;

    // The game window's side of Start; null until a game window exists.
    void SetGameLink(TZwGameLink* link) { game_ = link; }
    // --dump-ui: the model is written after FormCreate and appended at Start and close.
    void SetDumpFile(const std::string& path) { dumpFile_ = path; }
    // How a web address is opened: the window system's handler (xdg-open).
    std::function<bool(const std::string&)> OpenUrl;

    // Event handlers.
    void FormCreate();
    void FormShow() {}
    void FormDestroy();
    void btnStartClick();
    void btnExitClick();
    void labWebSiteClick();
    void lbxLanguageClick();
    void cbxMapListChange();
    void cbxRouteChange();
    void cbxBusListChange();
    void cbxTexturesListChange();
    void btnOpenDialogClick();
    void opdMP3DirectoryChange(); // a folder was chosen
    void TabControl1Change();
    void Button4Click();
    void rbtOneLineClick();
    void rbtTwoLinesClick();
    void rbtTwoLinesFirstBigClick();
    void rbtTwoLinesSecondBigClick();
    void OnExc(const std::exception& e);
    void btnConnectClick();
    void TrackBar1Change();

    // Routines.
    void ApplyLanguage(const std::string& name);
    void ref_omap();
    void ref_o_route();
    void ref_o_bus();
    void ref_o_tex();
    void zapiszkonfig();
    void DoEkranu();
    void dotablicy();
    void odlacz();
    void BuildRouteList();

    // True once Start has run without a game window to hand over to, or the
    // window was closed: the program ends.
    bool EndRequested() const { return Model.Closed(); }
    // The game's network timer interval for the rate slider (ms).
    int NetTimerInterval() const;

private:
    void Design();
    void DesignAbout();
    void DesignMapAndBus();
    void DesignSettingsGame();
    void DesignSettingsGraphics();
    void DesignSettingsSound();
    void DesignBoards();
    void DesignMultiplayer();
    void ConnectHandlers();
    void SettingsToControls();
    void ControlsToSettings();
    void ApplyCaptions();
    void ShowSecondLine(bool show);
    void DumpModel(bool append);
    TKierunek& Kierunek(int d) { return Kierunki[size_t(d - 1)]; }

    TZwEngine& engine_;
    TZwGameLink* game_ = nullptr;
    std::string dumpFile_;
    bool destroyed_ = false;
};

// The mouse-control values of a resolution ("800x600"); false for a text that
// is not a resolution, leaving the values as they were.
bool MouseControlFor(const std::string& resolution, int32_t& centreX, int32_t& centreY, float& scaleY,
                     float& scaleX);

// Description lines of a text: lines first..last (1-based) that begin with
// "##", each without its first three characters.
std::vector<std::string> DescriptionLines(const std::string& text, int first, int last);

} // namespace zw
