#include "platform/sound/SoundBackendKind.h"

#include "platform/sound/NullSoundSystem.h"
#include "platform/sound/openal/OpenAlSoundSystem.h"
#include "platform/sound/openal/SndfileAudio.h"
#include "shell/ZwLog.h"

namespace zw {

std::unique_ptr<SoundSystem> CreateSoundSystem(SoundBackendKind kind) {
    if (kind == SoundBackendKind::OpenAl) {
        std::string why;
        if (OpenAlSoundSystem::ProbeDevice(why)) return std::make_unique<OpenAlSoundSystem>();
        EngineLog().Add("{@15}Sound device{*30.}: none (" + why + "), the game runs silent");
    }
    // The decoder's own lengths, so that silent runs time sounds as the device would.
    return std::make_unique<NullSoundSystem>(std::make_unique<SndfileInfoReader>());
}

} // namespace zw
