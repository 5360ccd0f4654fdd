#include "app/GameLauncherLink.h"

#include "shell/TZwEngine.h"

namespace zw {

GameLauncherLink::GameLauncherLink(GameProgram& program, TZwLauncherForm& launcher, TZwStatisticsForm& statistics)
    : program_(program), launcher_(launcher), statistics_(statistics) {
    program_.Game().Statistics = this;
    program_.Game().odlacz = [this] { launcher_.odlacz(); };
}

void GameLauncherLink::HideNavigationSprite() { program_.Game().sk3->Hide(); }

void GameLauncherLink::SetViewerBackground(uint8_t red, uint8_t green, uint8_t blue) {
    program_.Game().GLScene1.background = Color{red / 255.0f, green / 255.0f, blue / 255.0f, 1};
}

void GameLauncherLink::SetViewerFog(bool on) { program_.Game().GLScene1.fog.enabled = on; }

void GameLauncherLink::Startuj() {
    TZwGameForm& g = program_.Game();
    GameHandOver& h = g.Launcher;
    const TZwLauncherForm& l = launcher_;
    h.MapFile = l.MapFile;
    h.RouteFile = l.RouteFile;
    h.BusFolder = l.BusFolder;
    h.TextureSet = l.TextureSet;
    h.MusicFolder = l.MusicFolder;
    h.MojNumer = l.MojNumer;
    h.TrafficOn = l.TrafficOn;
    h.DayStart = l.DayStart;
    h.DuskStart = l.DuskStart;
    h.NightStart = l.NightStart;
    h.MouseCentreX = l.MouseCentreX;
    h.MouseCentreY = l.MouseCentreY;
    h.MouseScaleX = l.MouseScaleX;
    h.MouseScaleY = l.MouseScaleY;
    h.NetTimerInterval = l.NetTimerInterval();
    h.Connected = l.Connected;
    program_.Boards().Teksty.Kierunki = l.Kierunki;
    program_.Boards().Teksty.LineNumber = launcher_.Model["edLinia"].text;
    g.Startuj();
    launcher_.TrafficOn = h.TrafficOn; // the game may have switched traffic off
}

void GameLauncherLink::Append(const std::string& line) {
    statistics_.Append(line);
    program_.Statistics().Append(line);
}

void GameLauncherLink::Show() {
    statistics_.Show(*Engine->Languages);
    program_.Statistics().Show();
}

} // namespace zw
