// The loading phases of the world's subsystems: each creates its subsystem
// and hands it the game window's nodes and object log. A subsystem that is
// not part of the game yet loads nothing and says so.
#include "game/TZwGameForm.h"

#include "boards/TWyswietlacze.h"
#include "shell/TZwEngine.h"
#include "shell/ZwLog.h"
#include "util/Errors.h"
#include "util/Paths.h"

namespace zw {

namespace {
void NothingLoaded(const std::string& what) {
    EngineLog().Add("{@9}" + what + ": not part of the game yet, nothing loaded");
}
} // namespace

void TZwGameForm::PhaseScenery() {
    // Miasto is created here, given MapLog, srsw, swiatelka, swiatelka2 and
    // szybki, then PrzygotujMaterialy, WczytajMape(Launcher.MapFile) and
    // WczytajTrase(Launcher.RouteFile); RoutePos 1 fills the stop counters.
    GLScene1.lighting = settings_->Graphics.Lighting;
    GLLightSource1->SetX(0);
    GLLightSource1->SetZ(1500);
    if (!Miasto) NothingLoaded("City and route");
    if (settings_->Graphics.Skybox) LoadSky();
}

void TZwGameForm::PhasePassengers() {
    if (!Obywatele) NothingLoaded("Passengers");
}

void TZwGameForm::PhaseBoards() {
    if (!Wyswietlacze) {
        NothingLoaded("Display boards");
        return;
    }
    TWyswietlacze& w = *Wyswietlacze;
    w.BusFolder = Launcher.BusFolder;
    w.TextureSet = Launcher.TextureSet;
    tzdlogger* log = MapLog.get();
    w.Log = [log](const std::string& line) { log->WriteLine(line); };
    w.WczytajBusa();
    for (int d = 1; d <= 5; ++d) {
        w.NrKierunku = d;
        for (const TTablice& board : w.Autobus.Tablice) w.KreujTablice(board);
    }
    // The console's timetable texts (current and next route point) are set
    // here once the route exists.
}

void TZwGameForm::PhaseVehicles() {
    // For I = 1 to BusCount: Bus[I] is created on srsw, szybki and MapLog,
    // placed at the city's BusStart entry I, and reads Launcher.BusFolder and
    // Launcher.TextureSet; then the player's bus gets the cameras, the HUD's
    // door icons, the automatic gearbox and the fuel.
    if (!Bus[size_t(MojNumer)]) NothingLoaded("Buses");
}

void TZwGameForm::PhaseTraffic() {
    std::string n = Launcher.MapFile.size() >= 4 ? Launcher.MapFile.substr(0, Launcher.MapFile.size() - 4) : "";
    if (!FileExists(AppPath("Maps\\" + n + ".vt1")) || !FileExists(AppPath("Maps\\" + n + ".tr1")))
        Launcher.TrafficOn = false;
    if (!Launcher.TrafficOn) return;
    // Traffic is created here on trbaza and MapLog and loads the lanes and
    // vehicles of n.
    if (!Traffic) {
        Launcher.TrafficOn = false;
        NothingLoaded("Traffic");
    }
}

void TZwGameForm::LoadSky() {
    static const char* kFaces[] = {"dn", "up", "bk", "ft", "lt", "rt"};
    bool night = settings_->Game.Night;
    int failures = 0;
    for (const char* face : kFaces) {
        Material* m = skyboxmatlib.Add(face);
        std::string file = std::string("Textures\\Skybox\\") + (night ? "n_" : "") + face + ".jpg";
        try {
            m->LoadTexture(file);
        } catch (const std::exception& e) {
            EngineLog().Add(std::string("cla- ") + ErrorClassName(e) + " -WYJ- " + e.what());
            ++failures;
        }
        m->SetTextureEnabled(true);
        m->SetNoLighting(true);
    }
    if (night) {
        GLScene1.background = Color{0, 16.0f / 255, 0, 1};
        GLLightSource1->SetAmbient(Color{0, 0, 0, 1});
        GLLightSource1->SetDiffuse(Color{0, 0, 0, 1});
        GLLightSource1->SetSpecular(Color{0, 0, 0, 1});
    }
    GLSkyBox1 = tuskybox->Add<SkyBoxNode>("GLSkyBox1");
    GLSkyBox1->SetLibrary(&skyboxmatlib);
    GLSkyBox1->SetFaceMaterial(SkyBoxNode::Top, "up");
    GLSkyBox1->SetFaceMaterial(SkyBoxNode::Bottom, "dn");
    GLSkyBox1->SetFaceMaterial(SkyBoxNode::Left, "lt");
    GLSkyBox1->SetFaceMaterial(SkyBoxNode::Right, "rt");
    GLSkyBox1->SetFaceMaterial(SkyBoxNode::Front, "ft");
    GLSkyBox1->SetFaceMaterial(SkyBoxNode::Back, "bk");
    GLSkyDome1->Hide();
    if (failures > 0) throw EInOutError(std::to_string(failures) + " sky box picture(s) could not be read");
}

} // namespace zw
