#include "game/TZwGameForm.h"

#include "platform/sound/SoundSystem.h"
#include "shell/TZwEngine.h"
#include "shell/ZwLog.h"
#include "util/Paths.h"

namespace zw {

TZwGameForm::TZwGameForm(MessageLoop& loop, RendererFactory renderer, SoundSystem& sound, GameClockService& clock)
    : GLFullScreenViewer1(loop, std::move(renderer)), GLCadencer1(loop), Timer1(loop, 100), Timer2(loop, 1000),
      Timer3(loop, 1000), Timer4(loop, 1000), Timer5(loop, 2000), Timer6(loop, 100), Timer7(loop, 500),
      Timer8(loop, 100), nettimer(loop, 1000), loop_(loop), sound_(sound), clock_(clock) {
    BuildScene();
    GLFullScreenViewer1.scene = &GLScene1;
    GLFullScreenViewer1.SetWidth(800);
    GLFullScreenViewer1.SetHeight(600);
    GLFullScreenViewer1.SetScreenDepth(24);
    GLFullScreenViewer1.SetAntiAliasing(AntiAliasing::None);
    GLFullScreenViewer1.onClose = [this] { GLFullScreenViewer1Close(); };
    GLFullScreenViewer1.AttachClock(GLCadencer1);
    GLCadencer1.onProgress = [this](double dt, double t) { GLCadencer1Progress(dt, t); };
    EngineStart = [](FullScreenViewer& viewer, Scene& scene) { Engine->Start(viewer, scene); };
    loop_.System().SetJoystickThreshold(500);
    loop_.Input().SetJoystickCapture(true);
}

TZwGameForm::~TZwGameForm() = default;

double TZwGameForm::TimeOffset() const { return Miasto ? Miasto->TimeOffset() : timeOffset_; }

void TZwGameForm::SetTimeOffset(double v) {
    if (Miasto) Miasto->SetTimeOffset(v);
    else timeOffset_ = v;
}

bool TZwGameForm::RunPhase(const char* words, int bar, void (TZwGameForm::*phase)()) {
    ZwLog& log = EngineLog();
    log.Add(std::string("{@5}> ") + words);
    SetProgress(bar);
    bool ok = true;
    try {
        (this->*phase)();
        log.Add("{@7}[  OK  ]");
    } catch (const std::exception& e) {
        log.Add("{@7}[ FAIL ]");
        log.AddException(e, "TZwGameForm.Startuj");
        ok = false;
    }
    if (hudLoadingScreen) GLFullScreenViewer1.RenderNode(*hudLoadingScreen);
    return ok;
}

void TZwGameForm::Startuj() {
    ZwLog& log = EngineLog();
    log.Add("{@3}>>> Entering{@16}TZwGameForm.Startuj");
    try {
        settings_ = &Engine->Config->Settings;
        if (EngineStart) EngineStart(GLFullScreenViewer1, GLScene1);
        BusCount = 1;
        MapLog = std::make_unique<tzdlogger>(AppPath("MapLog.txt"));
        MapLog->Clear();
        Kierunek = 1;
        BuildProgressScreen();

        RunPhase("Loading HUD", 26, &TZwGameForm::PhaseLoadHud);
        RunPhase("Configuring scene", 52, &TZwGameForm::PhaseConfigureScene);
        RunPhase("Sound initialization", 78, &TZwGameForm::PhaseSound);
        RunPhase("Loading scenery", 104, &TZwGameForm::PhaseScenery);
        if (settings_->Graphics.Passengers) RunPhase("Loading passengers", 130, &TZwGameForm::PhasePassengers);
        RunPhase("Loading display boards", 156, &TZwGameForm::PhaseBoards);
        RunPhase("Loading vehicles", 182, &TZwGameForm::PhaseVehicles);
        if (settings_->Game.Traffic) RunPhase("Loading traffic", 208, &TZwGameForm::PhaseTraffic);
        RunPhase("Configuring controls", 234, &TZwGameForm::PhaseControls);
        RunPhase("Preparing materials", 260, &TZwGameForm::PhaseMaterials);
        RunPhase("Loading sounds", 286, &TZwGameForm::PhaseSounds);
        RunPhase("Searching music", 312, &TZwGameForm::PhaseMusic);
        FinishStart();
    } catch (const std::exception& e) {
        log.AddException(e, "TZwGameForm.Startuj");
    }
    log.Add("{@3}>>> Exiting{@16}TZwGameForm.Startuj");
}

void TZwGameForm::FinishStart() {
    SetProgress(350);
    EngineChannel = sound_.PlaySample(Sounds.Engine);
    sound_.ChannelPause(EngineChannel);
    if (settings_->Sound.Mute) sound_.ChannelSetAttributes(EngineChannel, kUnchanged, 0.0f, kUnchanged);
    Timer1.SetEnabled(true);
    Timer2.SetEnabled(true);
    GLCadencer1.SetEnabled(true);
    if (hudLoadingScreen) {
        hudLoadingScreen->Destroy();
        hudLoadingScreen = nullptr;
        hudProgressBar = nullptr;
    }
}

void TZwGameForm::DirectOpenGL1Render(DirectRenderContext& gl) {
    if (!alphaTestRequest_) return;
    gl.EnableAlphaTest(0.1f);
    alphaTestRequest_ = false;
}

} // namespace zw
