#pragma once
// Choosing the sound system: the program option "--sound openal|null".
#include "platform/sound/SoundSystem.h"

#include <memory>
#include <optional>
#include <string>

namespace zw {

enum class SoundBackendKind { OpenAl, Null };

// "openal" or "null" (any letter case); nothing for another word.
std::optional<SoundBackendKind> ParseSoundBackendKind(const std::string& text);
const char* SoundBackendKindName(SoundBackendKind kind);

// The OpenAL system when asked for and a device opens, else the null one (one
// engine-log line says why). Defined in zw_platform.
std::unique_ptr<SoundSystem> CreateSoundSystem(SoundBackendKind kind);

} // namespace zw
