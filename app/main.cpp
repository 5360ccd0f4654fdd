// Program start: the command line, the application directory, the engine
// object; later the launcher and the game plug in at RunProgram.
#include "app/CommandLine.h"
#include "app/LauncherProgram.h"
#include "shell/TZwEngine.h"
#include "util/Paths.h"

#include <cstdio>
#include <unistd.h>

namespace {

// What the program does between creating and freeing the engine.
int RunProgram(const zw::CommandLine& options, bool soundGiven) {
    return zw::RunLauncherProgram(options, soundGiven);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    zw::CommandLineResult cl = zw::ParseCommandLine(args);
    bool soundGiven = false;
    for (const std::string& a : args) soundGiven = soundGiven || a == "--sound" || a.rfind("--sound=", 0) == 0;
    if (!cl.error.empty()) {
        std::fprintf(stderr, "zwolta: %s\n", cl.error.c_str());
        return 2;
    }
    if (cl.options.help) {
        std::fputs(zw::CommandLineHelp().c_str(), stdout);
        return 0;
    }
    if (cl.options.version) {
        std::printf("Zwolta %s\n", zw::kEngineVersion);
        return 0;
    }
    // Data paths, the maps folder included, are relative to the executable's
    // folder wherever the program was started from.
    zw::SetAppDir(zw::ExecutableDir());
    if (::chdir(zw::AppDir().c_str()) != 0)
        std::fprintf(stderr, "zwolta: cannot enter %s\n", zw::AppDir().c_str());

    zw::Engine = new zw::TZwEngine();
    int rc = 1;
    try {
        rc = RunProgram(cl.options, soundGiven);
    } catch (const std::exception& e) {
        zw::EngineLog().AddException(e, "main");
        std::fprintf(stderr, "zwolta: %s\n", e.what());
    }
    delete zw::Engine;
    zw::Engine = nullptr;
    return rc;
}
