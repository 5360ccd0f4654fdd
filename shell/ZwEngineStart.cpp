// TZwEngine.Start: the viewer's picture settings and the ground.
#include "shell/TZwEngine.h"

#include "platform/scene/Scene.h"
#include "platform/window/FullScreenViewer.h"
#include "shell/ZwLog.h"
#include "util/Errors.h"
#include "util/NumText.h"
#include "util/Paths.h"

#include <functional>

namespace zw {
namespace {

const char* kOk = "{@7}[  OK  ]";
const char* kFail = "{@7}[ FAIL ]";

// "24bits" -> 24: the number before "bits".
int BitsOf(const std::string& text) {
    size_t at = text.find("bits");
    if (at == std::string::npos) throw EConvertError("'" + text + "' is not a number of bits");
    return ParseInt(text.substr(0, at));
}

// One step: its title, its work, "[  OK  ]" or "[ FAIL ]" with the exception.
int Step(const char* title, const std::function<void()>& work) {
    ZwLog& log = EngineLog();
    log.Add(title);
    try {
        work();
        log.Add(kOk);
        return 0;
    } catch (const std::exception& e) {
        log.Add(kFail);
        log.AddException(e);
        return 1;
    }
}

std::string ErrorSummary(const char* what, int errors) {
    if (errors == 0) return std::string("{@4}>> ") + what + " without errors";
    if (errors == 1) return std::string("{@4}>> ") + what + " with one error";
    return std::string("{@4}>> ") + what + " with " + std::to_string(errors) + " errors";
}

const char* SeasonFolder(int season) {
    static const char* const kFolders[] = {"Spring", "Summer", "Autumn", "Winter"};
    return season >= 0 && season <= 3 ? kFolders[season] : "";
}

} // namespace

void TZwEngine::Start(FullScreenViewer& viewer, class Scene& scene) {
    ZwLog& log = EngineLog();
    log.AddParts({"{@3}>>> Entering{@16}TZwEngine.Start({/}", "{@15}Viewer{*30.}: ",
                  LogPart::Object("FullScreenViewer"), "{/}{@15}Scene{*30}: ", LogPart::Object("Scene"),
                  "{/}{@10})"});
    try {
        Scene = &scene;
        Viewer = &viewer;
        log.Add("{@4}>> Setting up viewer");
        const TGraphicsSettingsRec& g = Config->Settings.Graphics;
        int errors = 0;
        errors += Step("{@5}> Resolution", [&] {
            size_t x = g.Resolution.find('x');
            if (x == std::string::npos) throw EConvertError("'" + g.Resolution + "' is not a resolution");
            int w = ParseInt(g.Resolution.substr(0, x)), h = ParseInt(g.Resolution.substr(x + 1));
            viewer.SetWidth(w);
            viewer.SetHeight(h);
            log.Add("{@15}Set to{*30.}: " + std::to_string(w) + "x" + std::to_string(h));
        });
        errors += Step("{@5}> Screen depth", [&] {
            int bits = BitsOf(g.ScreenDepth);
            viewer.SetScreenDepth(bits);
            log.Add("{@15}Set to{*30.}: " + std::to_string(bits) + "bits");
        });
        errors += Step("{@5}> Buffer depth precision", [&] {
            int bits = g.BufferDepthPrecision == "Default" ? 0 : BitsOf(g.BufferDepthPrecision);
            if (bits != 0 && bits != 16 && bits != 24 && bits != 32)
                throw ERangeError("depth precision " + std::to_string(bits) + " bits is not 16, 24 or 32");
            viewer.SetDepthPrecision(DepthPrecision(bits));
            log.Add("{@15}Set to{*30.}: " + std::to_string(bits) + "bits (0bits means Default)");
        });
        errors += Step("{@5}> AntiAliasing", [&] {
            static const char* const kNames[] = {"2x", "2xHQ", "4x", "4xHQ", "Default", "None"};
            int a = g.AntiAliasing;
            if (a < 0 || a > 5) return; // another value changes nothing
            viewer.SetAntiAliasing(AntiAliasing(a));
            log.Add(std::string("{@15}Set to{*30.}: ") + kNames[a]);
        });
        errors += Step("{@5}> V-Sync", [&] {
            viewer.SetVSync(g.VSync);
            log.Add(g.VSync ? "{@15}Set to{*30.}: Sync" : "{@15}Set to{*30.}: No Sync");
        });
        errors += Step("{@5}> Activating", [&] {
            viewer.scene = &scene;
            viewer.SetActive(true);
            viewer.Render();
        });
        log.Add(ErrorSummary("Viewer configured", errors));

        log.Add("{@4}>> Loading scene");
        int season = Config->Settings.Game.Season, quality = g.GrassQuality;
        int sceneErrors = Step("{@5}> Creating terrain", [&] {
            HeightData = std::make_unique<BitmapHeightData>(Image(512, 512, Rgba{128, 128, 128, 255}));
            HeightData->SetEndless(true);
            Terrain = scene.Root().AddFirst<TerrainNode>("Terrain");
            Terrain->SetIndexInParent(2);
            Terrain->SetQualityStyle(TerrainNode::Quality::Tesselated);
            // The frame and the heights are set before the picture, so that a
            // missing picture leaves an untextured ground where it belongs.
            Terrain->SetHeightData(HeightData.get());
            Terrain->SetY(-4.1f);
            Terrain->SetDirection(0, 1, 0);
            Terrain->SetUp(-1, 0, 0);
            static const char* const kFiles[] = {"grass_l.jpg", "grass_m.jpg", "grass_h.jpg"};
            static const int kTiles[] = {128, 64, 32};
            Material& m = Terrain->Mat().Own();
            if (quality >= 0 && quality <= 2) {
                std::string file = std::string("Textures\\Environment\\") + SeasonFolder(season) + "\\" + kFiles[quality];
                Terrain->SetTileSize(kTiles[quality]);
                m.LoadTexture(JoinPath(AppDir(), file));
            }
            m.SetTextureEnabled(true);
        });
        log.Add(ErrorSummary("Scene loaded", sceneErrors));
    } catch (const std::exception& e) {
        log.AddException(e);
    }
    log.Add("{@3}>>> Exiting{@16}TZwEngine.Start");
}

} // namespace zw
