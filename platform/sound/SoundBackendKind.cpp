#include "platform/sound/SoundBackendKind.h"
#include "util/Fields.h"

namespace zw {

std::optional<SoundBackendKind> ParseSoundBackendKind(const std::string& text) {
    if (EqualsNoCase(text, "openal")) return SoundBackendKind::OpenAl;
    if (EqualsNoCase(text, "null")) return SoundBackendKind::Null;
    return std::nullopt;
}

const char* SoundBackendKindName(SoundBackendKind kind) {
    return kind == SoundBackendKind::OpenAl ? "openal" : "null";
}

} // namespace zw
