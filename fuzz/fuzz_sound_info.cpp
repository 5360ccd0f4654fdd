// WAV and MP3 header reading: bad bytes give EInOutError, never a crash.
#include "platform/sound/SoundFileInfo.h"
#include "util/Errors.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data, data + size);
    try {
        zw::SoundFileInfo info = zw::ParseSoundFileInfo(bytes, "fuzz");
        if (info.frames < 0 || info.sampleRate <= 0 || info.channels <= 0) __builtin_trap();
    } catch (const zw::EInOutError&) {
    }
    return 0;
}
