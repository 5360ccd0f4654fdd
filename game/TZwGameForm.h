#pragma once
// The game window: its scene, full-screen viewer, frame clock and timers;
// Startuj loads the game in fixed phases, GLCadencer1Progress runs one frame,
// zamykaj ends the game in the statistics window. The window itself is never
// shown: the player sees the viewer.
//
// Later subsystems plug in here: each loading phase is a member function in a
// file of its own (GamePhases*.cpp) and each frame step calls a subsystem
// through its link (GameLinks.h) once that subsystem exists.
#include "game/ControlsFile.h"
#include "game/GameClock.h"
#include "game/GameLinks.h"
#include "game/GameSounds.h"
#include "platform/scene/Scene.h"
#include "platform/window/FullScreenViewer.h"
#include "platform/window/MessageLoop.h"
#include "shell/tzdlogger.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace zw {

class SoundSystem;
class TWyswietlacze;
struct TSettingsRec;

inline constexpr int kMaxBuses = 8;

class TZwGameForm {
public:
    // Creating the window builds its design components; nothing else happens.
    TZwGameForm(MessageLoop& loop, RendererFactory renderer, SoundSystem& sound, GameClockService& clock);
    ~TZwGameForm();
    TZwGameForm(const TZwGameForm&) = delete;
    TZwGameForm& operator=(const TZwGameForm&) = delete;

    // Set by the program before the launcher's Start.
    GameHandOver Launcher;                 // the launcher's members at Start
    std::function<void()> odlacz;          // the launcher's odlacz
    // The engine's viewer and terrain set-up: TZwEngine's Start unless replaced.
    std::function<void(FullScreenViewer&, Scene&)> EngineStart;
    GameStatistics* Statistics = nullptr;  // the statistics window
    TWyswietlacze* Wyswietlacze = nullptr; // the board generator (never shown)
    // Seeds the random generator at start-up (the program fixes --seed here).
    std::function<void()> SeedRandom;

    // Operations.
    void FormShow() {}
    void Startuj();
    void GLCadencer1Progress(double deltaTime, double newTime);
    void HandleKeys(double deltaTime);
    void zamykaj();
    void GLFullScreenViewer1Close();
    void DirectOpenGL1Render(DirectRenderContext& gl);
    void skaluj();

    // Design components.
    Scene GLScene1;
    FullScreenViewer GLFullScreenViewer1;
    FrameClock GLCadencer1;
    LoopTimer Timer1, Timer2, Timer3, Timer4, Timer5, Timer6, Timer7, Timer8, nettimer;
    MaterialLibrary EnMatLib{"EnMatLib"}, PalMatLib{"PalMatLib"}, GLMaterialLibrary1{"GLMaterialLibrary1"},
        GLMaterialLibrary2{"GLMaterialLibrary2"}, GLMaterialLibrary3{"GLMaterialLibrary3"},
        skyboxmatlib{"skyboxmatlib"};
    HudFont GLWindowsBitmapFont1, GLWindowsBitmapFont2, GLWindowsBitmapFont3;

    SceneNode *tuskybox = nullptr, *srsw = nullptr, *trbaza = nullptr, *swiatelka = nullptr,
              *swiatelka2 = nullptr, *szybki = nullptr;
    SkyDomeNode* GLSkyDome1 = nullptr;
    SkyBoxNode* GLSkyBox1 = nullptr; // made by "Loading scenery" with the Skybox setting
    LightNode* GLLightSource1 = nullptr;
    DirectGLNode* DirectOpenGL1 = nullptr;
    ParticleNode* GLPointLightPFXManager1 = nullptr;
    CameraNode *CabinCamera = nullptr, *GLCamera1 = nullptr, *GLCamera3 = nullptr, *GLCamera4 = nullptr,
               *cam_d_l = nullptr, *cam_d_r = nullptr, *cam_l_l = nullptr, *cam_l_r = nullptr,
               *lustrolewe = nullptr, *lustroprawe = nullptr;
    SceneNode* hudRoot = nullptr; // holds the HUD, drawn after the world
    HudSpriteNode *HUDtlo = nullptr, *GLHUDSprite1 = nullptr, *sk1 = nullptr, *sk9 = nullptr, *eng = nullptr,
                  *hud_ki = nullptr, *hud_mi = nullptr, *hud_przykl = nullptr, *r_bieg = nullptr,
                  *podklad_napisy = nullptr, *pozpal1 = nullptr, *pozpal2 = nullptr, *sk3 = nullptr,
                  *sterownik = nullptr, *kier1 = nullptr, *kier2 = nullptr, *wygas = nullptr, *wlacz = nullptr,
                  *hudLoadingScreen = nullptr, *hudProgressBar = nullptr;
    std::array<HudSpriteNode*, 5> dr{}; // dr_1 .. dr_4 at [1..4]
    HudTextNode *hud_bieg = nullptr, *bus_text = nullptr, *bus_liczba_1 = nullptr, *bus_liczba_2 = nullptr,
                *przystanek_text = nullptr, *przystanek_liczba = nullptr, *hud_servermsg = nullptr,
                *hud_dist = nullptr, *wysw_ster_zegar = nullptr;
    std::array<HudTextNode*, 7> wysw_ster_text{}; // [1] wysw_ster_text, [2..6] wysw_ster_text_2 .. _6

    // Game state.
    std::array<std::unique_ptr<GameBus>, kMaxBuses + 1> Bus; // [1..BusCount]
    int32_t BusCount = 0;
    int32_t MojNumer = 0;
    // The game window's own place (never shown; centred by start-up).
    int FormLeft = 0, FormTop = 0, FormWidth = 800, FormHeight = 600;
    long long FrameCount = 0; // frames run since start-up
    std::unique_ptr<GameCity> Miasto;
    std::unique_ptr<GamePassengers> Obywatele;
    std::unique_ptr<GameTraffic> Traffic;
    std::unique_ptr<tzdlogger> MapLog;
    double GameTime = 0;
    bool Paused = false;
    double PauseTime = 0;
    int32_t Kierunek = 0;
    TControls Controls; // Klawisze, JoyButtons, JoyDeadZoneX, JoyDeadZoneY
    int32_t OnBoard = 0;
    bool Exchanging = false, DemandActive = false, NeutralHeld = false, WindowStateLatch = false;
    bool AutoServe = false;
    double BlinkTimer = 0;
    bool TickTock = false;
    ChannelHandle EngineChannel;
    GameSounds Sounds;
    bool Ended = false; // zamykaj has run

    // The loading screen is up (between Startuj's first phase and its end).
    bool Loading() const { return hudLoadingScreen != nullptr; }
    // The frame's time of day before the city exists (no route offset yet).
    double TimeOffset() const;
    void SetTimeOffset(double v);

private:
    // Design.
    void BuildScene();
    void BuildHud();
    void BuildConsole();
    void BuildProgressScreen();
    void SetProgress(int width);
    // Phases of Startuj, in order.
    void PhaseLoadHud();
    void PhaseConfigureScene();
    void PhaseSound();
    void PhaseScenery();
    void PhasePassengers();
    void PhaseBoards();
    void PhaseVehicles();
    void PhaseTraffic();
    void PhaseControls();
    void PhaseMaterials();
    void PhaseSounds();
    void PhaseMusic();
    void FinishStart();
    // Pieces of phases.
    int LoadHudMaterials(); // the number of pictures that could not be read
    void LoadSky();
    bool RunPhase(const char* words, int bar, void (TZwGameForm::*phase)());
    // Frame.
    void TrapFrameStep(const std::string& message, double deltaTime, double newTime, const std::exception& e);
    void EngineSoundStep();
    void BlinkStep(double deltaTime);
    void ExitKey();
    void PauseKey();
    void RouteSummary();
    void DeleteBoardFiles();
    void StopClocks();

    MessageLoop& loop_;
    SoundSystem& sound_;
    GameClockService& clock_;
    const TSettingsRec* settings_ = nullptr;
    bool alphaTestRequest_ = false;
    bool pauseLatch_ = false;
    double timeOffset_ = 0; // the game's own offset while there is no city
    double lastDelta_ = 0, lastNewTime_ = 0;
};

} // namespace zw
