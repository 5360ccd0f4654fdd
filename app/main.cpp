// Program start. The engine object and the windows come from the shell and
// game layers; this file only wires them up.
#include "util/Paths.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    zw::SetAppDir(zw::ExecutableDir());
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Zwolta %s\n", ZW_VERSION);
            return 0;
        }
    }
    return 0;
}
