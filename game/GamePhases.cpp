// The loading phases of Startuj that belong to the game window itself.
#include "game/TZwGameForm.h"

#include "boards/TWyswietlacze.h"
#include "platform/sound/SoundSystem.h"
#include "shell/TZwEngine.h"
#include "shell/ZwLog.h"
#include "util/Errors.h"
#include "util/Paths.h"
#include "util/Random.h"

namespace zw {

void TZwGameForm::PhaseLoadHud() {
    int failures = LoadHudMaterials();
    EngineLog().Add(settings_->Game.Debug ? "{@5}> Debug is enabled" : "{@5}> Debug is disabled");
    if (!settings_->Game.HUD) {
        for (SceneNode* n : std::initializer_list<SceneNode*>{HUDtlo, GLHUDSprite1, dr[1], dr[2], dr[3], dr[4], sk1,
                                                              sk9, podklad_napisy, eng, hud_ki, hud_mi, hud_przykl,
                                                              pozpal1, pozpal2, hud_bieg})
            n->Hide();
    }
    skaluj();
    if (failures > 0) throw EInOutError(std::to_string(failures) + " HUD picture(s) could not be read");
}

void TZwGameForm::PhaseConfigureScene() {
    if (SeedRandom) SeedRandom();
    else RandomizeFromClock();
    AutoServe = false;
    if (Wyswietlacze) Wyswietlacze->NrKierunku = 0;

    ScreenSize screen = loop_.System().Screen();
    FormLeft = int(RoundHalfEven(screen.width / 2.0 - FormWidth / 2.0));
    FormTop = int(RoundHalfEven(screen.height / 2.0 - FormHeight / 2.0));

    Exchanging = false;
    DemandActive = false;
    NeutralHeld = false;
    WindowStateLatch = false;
    OnBoard = 0;
    // Numbers and times are written and parsed with "." and ":" everywhere
    // (util/NumText), whatever the locale.

    nettimer.SetInterval(Launcher.NetTimerInterval);
    MojNumer = Launcher.MojNumer;
    if (MojNumer < 1 || MojNumer > BusCount) {
        EngineLog().Add("{@9}Bus number " + std::to_string(MojNumer) + " does not exist: the player drives bus 1");
        MojNumer = 1;
    }
    alphaTestRequest_ = settings_->Graphics.Transparency;

    for (CameraNode** mirror : {&lustrolewe, &lustroprawe}) {
        if (*mirror) (*mirror)->Destroy();
        *mirror = nullptr;
    }
    float focal = float(GLFullScreenViewer1.Width()) / 12;
    float depth = float(settings_->Graphics.DistanceOfView) * 100 + 10;
    for (CameraNode* c : {CabinCamera, GLCamera1, GLCamera3, GLCamera4, cam_d_l, cam_d_r, cam_l_l, cam_l_r}) {
        c->SetFocalLength(focal);
        c->SetDepthOfView(depth);
    }
    if (settings_->Graphics.Fog) {
        GLScene1.fog.start = 0;
        GLScene1.fog.end = depth;
    }
}

void TZwGameForm::PhaseSound() {
    if (!sound_.Init(44100)) throw EInOutError("the sound library could not be initialised");
    if (!sound_.Start()) throw EInOutError("the sound output could not be started");
}

void TZwGameForm::PhaseControls() { WczytajKlawisze("joyst.bu", Controls, MapLog.get()); }

void TZwGameForm::PhaseMaterials() {
    bool mip = settings_->Graphics.Mipmapping;
    for (size_t i = 0; i < GLMaterialLibrary1.Count(); ++i) {
        Material* m = GLMaterialLibrary1.At(i);
        m->SetMinFilter(TextureFilter::Nearest);
        if (!mip) m->SetMagFilter(TextureFilter::Nearest);
    }
    if (!mip) {
        for (MaterialLibrary* lib : {&GLMaterialLibrary2, &GLMaterialLibrary3}) {
            for (size_t i = 0; i < lib->Count(); ++i) {
                lib->At(i)->SetMinFilter(TextureFilter::Nearest);
                lib->At(i)->SetMagFilter(TextureFilter::Nearest);
            }
        }
    }
    if (settings_->Game.Night) {
        for (size_t i : {2, 17, 18, 19})
            if (Material* m = GLMaterialLibrary2.At(i)) m->SetImageBrightness(0.2f);
    }
}

void TZwGameForm::PhaseSounds() { Sounds = LoadGameSounds(sound_, AppDir(), Launcher.BusFolder); }

void TZwGameForm::PhaseMusic() {
    // The music player's folder search (mp3scan) comes with the music player.
    EngineLog().Add("{@9}Music player: not part of the game yet, nothing searched");
}

} // namespace zw
