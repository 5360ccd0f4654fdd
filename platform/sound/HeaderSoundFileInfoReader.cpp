#include "platform/sound/SoundFileInfo.h"
#include "util/Errors.h"
#include "util/Paths.h"

namespace zw {

bool HeaderSoundFileInfoReader::Read(const std::string& path, SoundFileInfo& info, std::string& error) {
    error.clear();
    if (!FileExists(path)) return false;
    try {
        info = ParseSoundFileInfo(ReadFileBytes(path), path);
        return true;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}

} // namespace zw
