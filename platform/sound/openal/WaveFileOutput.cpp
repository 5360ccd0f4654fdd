#include "platform/sound/openal/WaveFileOutput.h"

#include "util/Paths.h"

#include <cstdlib>
#include <exception>

namespace zw {

bool UseWaveFileOutput(const std::string& wavPath) {
    std::string conf = wavPath + ".alsoft.conf";
    std::string text = "[general]\ndrivers = wave\n\n[wave]\nfile = " + wavPath + "\n";
    try {
        WriteFileBytes(conf, text.data(), text.size());
    } catch (const std::exception&) {
        return false;
    }
    return setenv("ALSOFT_CONF", conf.c_str(), 1) == 0 && setenv("ALSOFT_DRIVERS", "wave", 1) == 0;
}

} // namespace zw
