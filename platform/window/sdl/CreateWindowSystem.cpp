#include "platform/window/WindowOptions.h"

#include "platform/window/sdl/SdlWindowSystem.h"
#include "shell/ZwLog.h"
#include "util/Errors.h"

#include <cstdio>

namespace zw {

std::unique_ptr<WindowSystem> CreateWindowSystem(const WindowOptions& o) {
    if (o.headless) return CreateNullWindowSystem(o);
    try {
        auto sys = std::make_unique<SdlWindowSystem>();
        sys->SetWindowed(o.windowed);
        if (!o.script.empty()) sys->SetScript(LoadInputScript(o.script));
        return sys;
    } catch (const EConvertError&) {
        throw; // a bad script is the caller's to report
    } catch (const EInOutError&) {
        throw;
    } catch (const std::exception& e) {
        std::string line = std::string("Window system: ") + e.what() + "; running headless";
        EngineLog().Add(line);
        std::fprintf(stderr, "%s\n", line.c_str());
        return CreateNullWindowSystem(o);
    }
}

} // namespace zw
