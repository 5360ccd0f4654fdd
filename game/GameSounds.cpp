#include "game/GameSounds.h"

#include "platform/sound/SoundSystem.h"
#include "shell/ZwLog.h"
#include "util/Paths.h"

namespace zw {

namespace {

class Loader {
public:
    Loader(SoundSystem& s, std::string folder) : sound_(s), folder_(std::move(folder)) {}
    std::string Path(const std::string& name) const { return folder_ + name; }
    bool Exists(const std::string& name) const { return FileExists(Path(name)); }
    SampleHandle Load(const std::string& name, int channels, bool loop = false) {
        if (!Exists(name)) EngineLog().Add("{@9}Sound file not found: " + Path(name));
        return sound_.SampleLoad(ResolvePath(Path(name)), channels, loop, true);
    }

private:
    SoundSystem& sound_;
    std::string folder_;
};

} // namespace

GameSounds LoadGameSounds(SoundSystem& sound, const std::string& appDir, const std::string& busFolder) {
    Loader l(sound, JoinPath(appDir, "model\\" + busFolder + "\\"));
    GameSounds s;
    s.Engine = l.Load("engine.wav", 1, true);
    s.DoorOpen = l.Load("dopen.wav", 4);
    s.DoorClose = l.Load("dclose.wav", 4);
    s.Kier = l.Load("kier.wav", 1);
    s.Klakson = l.Load("klakson.wav", 1);
    for (int k = 1; k <= 4; ++k) {
        std::string open = "d" + std::to_string(k) + "open.wav", close = "d" + std::to_string(k) + "close.wav";
        if (l.Exists(open) && l.Exists(close)) {
            s.DoorKOpen[size_t(k)] = l.Load(open, 4);
            s.DoorKClose[size_t(k)] = l.Load(close, 4);
        } else {
            s.DoorKOpen[size_t(k)] = s.DoorOpen;
            s.DoorKClose[size_t(k)] = s.DoorClose;
        }
    }
    s.SygKier = l.Exists("syg_kier.wav") ? l.Load("syg_kier.wav", 1) : l.Load("kier.wav", 1);
    for (int k = 1; k <= 4; ++k) s.Dzwonek[size_t(k)] = l.Load("dzwonek.wav", 1);
    s.Start = l.Load("start.wav", 1);
    s.Stop = l.Load("stop.wav", 1);
    if (l.Exists("pff.wav")) s.Pff = l.Load("pff.wav", 1);
    s.Var = l.Load("var.wav", 1);
    return s;
}

} // namespace zw
