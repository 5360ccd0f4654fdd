#include "platform/window/WindowOptions.h"

#include "platform/window/null/NullWindowSystem.h"
#include "util/Errors.h"
#include "util/NumText.h"

namespace zw {

WindowOptions TakeWindowOptions(std::vector<std::string>& args) {
    WindowOptions o;
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* what) -> std::string {
            if (i + 1 >= args.size()) throw EConvertError(a + ": expected " + what);
            return args[++i];
        };
        if (a == "--headless") o.headless = true;
        else if (a == "--windowed") o.windowed = true;
        else if (a == "--script") o.script = value("a script file");
        else if (a == "--dt") {
            std::string v = value("seconds per frame");
            double dt = ParseFloat(v);
            if (!(dt > 0 && dt <= 10)) throw EConvertError("--dt: expected seconds per frame above 0, found " + v);
            o.frameStep = dt;
        } else rest.push_back(a);
    }
    args = std::move(rest);
    return o;
}

std::unique_ptr<WindowSystem> CreateNullWindowSystem(const WindowOptions& o) {
    auto sys = std::make_unique<NullWindowSystem>(o.frameStep);
    if (!o.script.empty()) sys->SetScript(LoadInputScript(o.script));
    sys->SetWindowed(o.windowed);
    return sys;
}

} // namespace zw
