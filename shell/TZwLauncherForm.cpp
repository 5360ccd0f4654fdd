#include "shell/TZwLauncherForm.h"

#include "net/MultiplayerPage.h"
#include "platform/ui/FolderChooser.h"
#include "shell/TZwEngine.h"
#include "shell/ZwLog.h"
#include "util/NumText.h"
#include "util/Paths.h"

#include <fstream>

namespace zw {

namespace {
const char* const kFormCreate = "TZwLauncher.FormCreate";

// Runs one start-up step by itself: a failure is logged and the next step runs.
template <class Fn>
void Step(Fn&& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        EngineLog().AddException(e, kFormCreate);
    }
}

struct SeasonRec {
    uint8_t r, g, b;
    const char *day, *dusk, *night;
};
const SeasonRec kSeasons[4] = {
    {192, 220, 192, "7:00", "18:00", "22:00"},
    {0, 128, 0, "6:00", "22:00", "23:30"},
    {255, 176, 138, "7:00", "18:00", "22:00"},
    {255, 251, 240, "8:00", "16:00", "17:00"},
};
} // namespace

TZwLauncherForm::TZwLauncherForm(TZwEngine& engine) : Model("TZwLauncherForm"), engine_(engine) {
    Design();
    ConnectHandlers();
}

void TZwLauncherForm::ConnectHandlers() {
    auto on = [this](const char* name, void (TZwLauncherForm::*fn)(), bool click) {
        auto& c = Model[name];
        (click ? c.onClick : c.onChange) = [this, fn] { (this->*fn)(); };
    };
    on("btnStart", &TZwLauncherForm::btnStartClick, true);
    on("btnExit", &TZwLauncherForm::btnExitClick, true);
    on("labWebSite", &TZwLauncherForm::labWebSiteClick, true);
    on("cbxLanguage", &TZwLauncherForm::lbxLanguageClick, false);
    on("cbxMapList", &TZwLauncherForm::cbxMapListChange, false);
    on("cbxRoute", &TZwLauncherForm::cbxRouteChange, false);
    on("cbxBusList", &TZwLauncherForm::cbxBusListChange, false);
    on("cbxTexturesList", &TZwLauncherForm::cbxTexturesListChange, false);
    on("btnOpenDialog", &TZwLauncherForm::btnOpenDialogClick, true);
    on("opdMP3Directory", &TZwLauncherForm::opdMP3DirectoryChange, false);
    on("TabControl1", &TZwLauncherForm::TabControl1Change, false);
    on("Button4", &TZwLauncherForm::Button4Click, true);
    on("rbtOneLine", &TZwLauncherForm::rbtOneLineClick, true);
    on("rbtTwoLines", &TZwLauncherForm::rbtTwoLinesClick, true);
    on("rbtTwoLinesFirstBig", &TZwLauncherForm::rbtTwoLinesFirstBigClick, true);
    on("rbtTwoLinesSecondBig", &TZwLauncherForm::rbtTwoLinesSecondBigClick, true);
    on("btnConnect", &TZwLauncherForm::btnConnectClick, true);
    on("TrackBar1", &TZwLauncherForm::TrackBar1Change, false);
}

void TZwLauncherForm::FormCreate() {
    // 1. Whatever escapes an event handler goes to the engine log, not to the player.
    Model.onException = [this](const std::exception& e) { OnExc(e); };
    // 2.
    Model["labGameVersion"].caption = "Z6U RC2.2";
    Model["labZwEVersion"].caption = "0.0.0.16";
    // 3.
    EngineLog().AddParts({"{@3}>>> I'm in{@16}TZwLauncherForm.FormCreate({/}", "{@15}Sender{*30.}: ",
                          LogPart::Object("TZwLauncherForm"), "{/}{@10})"});
    // Steps 4 to 9 each run in a trap of their own: a stored map that is gone
    // must not leave the bus list and the options at their design values,
    // which the next save would write over the player's settings.
    Step([&] {
        Model.SetActivePage("tsAbout");
        Model.SetActivePage("tsGame");
        Model["TabSheet5"].visible = false;
        Model["TabSheet6"].visible = false;
        Connected = false;
        MojNumer = 1;
    });
    TZwConfig& config = *engine_.Config;
    Step([&] {
        Model.SetItems("cbxLanguage", config.slFLanguages);
        Model.SelectText("cbxLanguage", config.Settings.Main.Language);
        ApplyLanguage(config.Settings.Main.Language);
    });
    Step([&] {
        Model.SetItems("cbxMapList", config.slFMaps);
        Model.SelectText("cbxMapList", config.Settings.Main.Map);
        ref_omap();
        ref_o_route();
        DoEkranu();
    });
    Step([&] {
        Model.SetItems("cbxBusList", config.slFModels);
        Model.SelectText("cbxBusList", config.Settings.Main.Model);
        ref_o_bus();
        int tex = Model.FindText("cbxTexturesList", config.Settings.Main.Texture);
        if (tex >= 0) {
            Model.SetIndex("cbxTexturesList", tex);
            ref_o_tex();
        }
    });
    Step([&] { SettingsToControls(); });
    Step([&] { BuildRouteList(); });
    EngineLog().Add("{@3}>>> Exiting{@16}TZwLauncher.FormCreate");
    DumpModel(false);
}

void TZwLauncherForm::btnStartClick() {
    // 1.
    TrafficOn = Model["cbxTraffic"].checked;
    zapiszkonfig();
    // 2.
    MapFile = Model.SelectedText("cbxMapList");
    BusFolder = Model.SelectedText("cbxBusList");
    TextureSet = Model.SelectedText("cbxTexturesList");
    // 3.
    auto& log = EngineLog();
    log.Add("{@5}> Map details:");
    log.Add("{@8} Filename - " + MapFile);
    log.Add("{@8} Bus - " + BusFolder);
    log.Add("{@8} Map name - " + TextureSet);
    // 4.
    if (!Model["cbxNavigation"].checked) {
        NavigationHidden = true;
        if (game_) game_->HideNavigationSprite();
    }
    // 5.
    int season = Model["rgrSeason"].itemIndex;
    if (season >= 0 && season < 4) {
        const SeasonRec& s = kSeasons[season];
        BackgroundRed = s.r;
        BackgroundGreen = s.g;
        BackgroundBlue = s.b;
        if (game_) game_->SetViewerBackground(s.r, s.g, s.b);
        DayStart = ParseTime(s.day);
        DuskStart = ParseTime(s.dusk);
        NightStart = ParseTime(s.night);
    }
    // 6.
    MouseControlFor(Model.SelectedText("cbxResolution"), MouseCentreX, MouseCentreY, MouseScaleY, MouseScaleX);
    // 7.
    ViewerFog = Model["cbxFog"].checked;
    if (game_) game_->SetViewerFog(ViewerFog);
    DumpModel(true);
    // 8.
    Model.Form().visible = false;
    if (game_) {
        game_->Startuj();
    } else {
        log.Add("{@5}> No game window to start: the program ends");
        Model.UserClose();
    }
}

void TZwLauncherForm::btnExitClick() { Model.UserClose(); }

void TZwLauncherForm::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    EngineLog().AddParts({"{@3}>>> Entering{@16}ZwLauncherForm.FormDestroy({/}", "{@15}Sender{*30.}: ",
                          LogPart::Object("TZwLauncherForm"), "{/}{@10})"});
    zapiszkonfig();
    odlacz();
    DumpModel(true);
}

void TZwLauncherForm::OnExc(const std::exception& e) { EngineLog().AddException(e); }

void TZwLauncherForm::labWebSiteClick() {
    const std::string& url = Model["labWebSite"].caption;
    if (!OpenUrl || !OpenUrl(url)) EngineLog().Add("{@5}> Cannot open " + url);
}

void TZwLauncherForm::btnOpenDialogClick() {
    std::string start = Model["edMP3Path"].text;
    if (start.empty()) start = MusicFolder;
    ui::OpenFolderChooser(Model, "opdMP3Directory", start);
}

void TZwLauncherForm::opdMP3DirectoryChange() {
    MusicFolder = Model["opdMP3Directory"].text;
    Model["edMP3Path"].text = MusicFolder;
}

void TZwLauncherForm::btnConnectClick() {}

void TZwLauncherForm::odlacz() {
    if (!Connected) return; // nothing ever connects
}

void TZwLauncherForm::TrackBar1Change() { Model["Label19"].caption = RateCaption(Model["TrackBar1"].position); }

int TZwLauncherForm::NetTimerInterval() const { return NetTimerIntervalFor(Model["TrackBar1"].position); }

void TZwLauncherForm::DumpModel(bool append) {
    if (dumpFile_.empty()) return;
    std::ofstream out(dumpFile_, append ? std::ios::binary | std::ios::app : std::ios::binary | std::ios::trunc);
    out << ui::DumpUi(Model);
    if (!out) EngineLog().Add("{@5}> Cannot write " + dumpFile_);
}

} // namespace zw
