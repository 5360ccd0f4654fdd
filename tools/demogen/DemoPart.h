#pragma once
// The demo world's generator is split into parts, one file each, that
// register themselves; each writes its binary assets under the game folder.
#include <string>

namespace demogen {

using PartFn = void (*)(const std::string& gameDir);

struct PartRegistrar {
    PartRegistrar(const char* name, PartFn fn);
};

} // namespace demogen
