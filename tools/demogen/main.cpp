// zwdemogen GAMEDIR: writes the demo world's binary assets (3DS models, BMP
// and JPEG textures, WAV sounds, MP3 music, board strips). Deterministic: the
// same bytes on every run.
#include "tools/demogen/DemoPart.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <map>

namespace demogen {
namespace {
std::map<std::string, PartFn>& Parts() {
    static std::map<std::string, PartFn> parts;
    return parts;
}
} // namespace

PartRegistrar::PartRegistrar(const char* name, PartFn fn) { Parts()[name] = fn; }
} // namespace demogen

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: zwdemogen GAMEDIR [PART...]\n");
        return 2;
    }
    std::string dir = argv[1];
    int failures = 0;
    for (auto& [name, fn] : demogen::Parts()) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i) wanted = wanted || name == argv[i];
        if (!wanted) continue;
        auto t0 = std::chrono::steady_clock::now();
        try {
            fn(dir);
            double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            std::printf("zwdemogen: %s done in %.2f s\n", name.c_str(), s);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "zwdemogen: %s failed: %s\n", name.c_str(), e.what());
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
