// One frame of the game (GLCadencer1Progress) and the keys the game window
// itself handles: the exit key and the Pause key.
#include "game/TZwGameForm.h"

#include "platform/sound/SoundSystem.h"
#include "platform/window/VirtualKeys.h"
#include "shell/TZwEngine.h"
#include "shell/ZwLog.h"
#include "util/Errors.h"
#include "util/NumText.h"

#include <cmath>

namespace zw {

void TZwGameForm::TrapFrameStep(const std::string& message, double deltaTime, double newTime,
                                const std::exception& e) {
    ZwLog& log = EngineLog();
    if (!message.empty()) log.Add(message);
    log.AddException(e, "TZwGameForm.GLCadencer1Progress",
                     {{"Sender", "GLCadencer1"}, {"deltaTime", FloatText(deltaTime)}, {"newTime", FloatText(newTime)}});
    log.Add("{RAM}");
    log.Add("{HEAP}");
}

void TZwGameForm::GLCadencer1Progress(double deltaTime, double newTime) {
    ++FrameCount;
    lastDelta_ = deltaTime;
    lastNewTime_ = newTime;
    // Message texts are made only when a step fails: a frame allocates nothing.
    auto dt = [deltaTime] { return FloatText(deltaTime); };
    try {
        if (Paused) {
            HandleKeys(deltaTime);
            return;
        }
        GameTime = clock_.TimeOfDay() - TimeOffset();

        if (GameBus* own = Bus[size_t(MojNumer)].get()) {
            try {
                own->Policz(deltaTime);
            } catch (const std::exception& e) {
                TrapFrameStep("{@3}>>> Error at Bus[MojNumer : " + std::to_string(MojNumer) + "].Policz(deltaTime : " +
                                  dt() + ")",
                              deltaTime, newTime, e);
            }
        }
        for (int i = 1; i <= BusCount; ++i) {
            if (!Bus[size_t(i)]) continue;
            try {
                Bus[size_t(i)]->Rusz(deltaTime);
            } catch (const std::exception& e) {
                TrapFrameStep("{@3}>>> Error at Bus[I : " + std::to_string(i) + "].Rusz(deltaTime : " + dt() + ")",
                              deltaTime, newTime, e);
            }
        }
        if (Launcher.TrafficOn && Traffic) {
            try {
                Traffic->Rusz(deltaTime);
            } catch (const std::exception& e) {
                TrapFrameStep("{@3}>>> Error at Traffic.Rusz(deltaTime : " + dt() + ")", deltaTime, newTime, e);
            }
        }
        try {
            HandleKeys(deltaTime);
        } catch (const std::exception& e) {
            TrapFrameStep("{@3}>>> Error at HandleKeys(deltaTime : " + dt() + ")", deltaTime, newTime, e);
        }
        if (Ended) return;
        EngineSoundStep();
        try {
            // The board console's power sequence advances here.
        } catch (const std::exception& e) {
            TrapFrameStep("{@3}>>> Error when processing display board driver", deltaTime, newTime, e);
        }
        // The stop service (a standing bus in the stop's zone with AutoServe)
        // and the passenger exchange run here once the route exists.
        BlinkStep(deltaTime);
    } catch (const std::exception& e) {
        TrapFrameStep("", deltaTime, newTime, e);
    }
}

void TZwGameForm::EngineSoundStep() {
    GameBus* own = Bus[size_t(MojNumer)].get();
    if (!own) return;
    int m = 0;
    try {
        const tnaped& n = own->Naped();
        double v = double(n.RPM) * 6 + 2000.0 * double(n.Throttle);
        if (!std::isfinite(v) || std::fabs(v) > 1e9) throw ERangeError("engine sound frequency out of range");
        m = 5000 + int(std::trunc(v));
    } catch (const std::exception& e) {
        TrapFrameStep("{@3}>>> Error at M := 5000 + Trunc(Bus[MojNumer : " + std::to_string(MojNumer) +
                          "].Naped.RPM * 6 + 1000 * 2 * Bus[MojNumer].Naped.Throttle);",
                      lastDelta_, lastNewTime_, e);
        return;
    }
    sound_.ChannelSetAttributes(EngineChannel, m, kUnchanged, kUnchanged);
}

void TZwGameForm::BlinkStep(double deltaTime) {
    BlinkTimer += deltaTime;
    if (BlinkTimer <= 0.5) return;
    BlinkTimer = 0;
    for (int i = 1; i <= BusCount; ++i)
        if (Bus[size_t(i)]) Bus[size_t(i)]->Migaj();
    GameBus* own = Bus[size_t(MojNumer)].get();
    if (!own || own->Indicator() <= 0) return;
    if (!settings_->Sound.Mute) sound_.PlaySample(TickTock ? Sounds.Kier : Sounds.SygKier);
    TickTock = !TickTock;
    hud_ki->UseLibMaterial(&GLMaterialLibrary2, own->BlinkPhase() ? "ki_1" : "ki_0");
}

void TZwGameForm::HandleKeys(double deltaTime) {
    (void)deltaTime;
    ExitKey();
    if (Ended) return;
    if (!Paused) {
        // The driver's controls of the player's bus (pedals, steering, gears,
        // doors, lights, cameras, music and console keys) run here.
    }
    PauseKey();
}

void TZwGameForm::ExitKey() {
    if (Ended || !loop_.Input().IsKeyDown(vk::Escape) || !settings_->Game.EscKeyExit) return;
    DeleteBoardFiles();
    if (odlacz) odlacz();
    GLFullScreenViewer1.SetActive(false);
    zamykaj();
}

void TZwGameForm::PauseKey() {
    if (!loop_.Input().IsKeyDown(vk::Pause)) {
        pauseLatch_ = false;
        return;
    }
    if (pauseLatch_) return;
    pauseLatch_ = true;
    if (!Paused) {
        PauseTime = GameTime;
        Paused = true;
    } else {
        SetTimeOffset(clock_.TimeOfDay() - PauseTime);
        Paused = false;
    }
}

} // namespace zw
