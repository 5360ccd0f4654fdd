#include "app/CommandLine.h"

#include "util/NumText.h"
#include "util/Paths.h"

#include <cmath>
#include <unistd.h>

namespace zw {

namespace {

std::string Absolute(const std::string& file) {
    if (file.empty() || file[0] == '/') return file;
    char buf[4096];
    if (!::getcwd(buf, sizeof buf)) return file;
    return JoinPath(buf, file);
}

bool WholeNumber(const std::string& s, long long lo, long long& out) {
    if (s.empty() || s.size() > 18) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    out = std::stoll(s);
    return out >= lo;
}

} // namespace

std::string CommandLineHelp() {
    return "Usage: zwolta [options]\n"
           "  --help               list the options and exit\n"
           "  --version            print the engine version and exit\n"
           "  --headless           run without opening any window (null video and sound)\n"
           "  --quit               end right after start-up\n"
           "  --autostart          start the game at once with the configured choices\n"
           "  --frames N           end after N frames (N >= 1)\n"
           "  --dt S               fixed frame time of S seconds (0 < S <= 1)\n"
           "  --clock HH:MM:SS     start the game clock at this time of day\n"
           "  --seed N             fix the random generator's seed\n"
           "  --script FILE        replay the timed input events of FILE\n"
           "  --screenshot FILE    save a PNG screenshot to FILE at the end\n"
           "  --windowed           a window of the configured size instead of full screen\n"
           "  --sound openal|null  sound backend (default openal)\n"
           "  --dump-ui FILE       write the launcher's controls and their values to FILE\n";
}

CommandLineResult ParseCommandLine(const std::vector<std::string>& args) {
    CommandLineResult r;
    CommandLine& o = r.options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                r.error = a + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string v;
        long long n = 0;
        if (a == "--help" || a == "-h")
            o.help = true;
        else if (a == "--version")
            o.version = true;
        else if (a == "--headless")
            o.headless = true;
        else if (a == "--quit")
            o.quit = true;
        else if (a == "--autostart")
            o.autostart = true;
        else if (a == "--windowed")
            o.windowed = true;
        else if (a == "--frames") {
            if (!value(v)) return r;
            if (!WholeNumber(v, 1, n))
                return r.error = "--frames: \"" + v + "\" is not a whole number >= 1", r;
            o.frames = n;
        } else if (a == "--dt") {
            if (!value(v)) return r;
            double d = 0;
            try {
                d = ParseFloat(v);
            } catch (const std::exception&) {
                d = -1;
            }
            if (!(d > 0 && d <= 1) || !std::isfinite(d))
                return r.error = "--dt: \"" + v + "\" is not a number of seconds in (0, 1]", r;
            o.dt = d;
        } else if (a == "--clock") {
            if (!value(v)) return r;
            int h = 0, m = 0, s = 0;
            char tail = 0;
            if (v.size() != 8 || std::sscanf(v.c_str(), "%2d:%2d:%2d%c", &h, &m, &s, &tail) != 3 ||
                v[2] != ':' || v[5] != ':' || h > 23 || m > 59 || s > 59 || h < 0 || m < 0 || s < 0)
                return r.error = "--clock: \"" + v + "\" is not a time HH:MM:SS", r;
            o.clock = EncodeTime(h, m, s);
        } else if (a == "--seed") {
            if (!value(v)) return r;
            if (!WholeNumber(v, 0, n)) return r.error = "--seed: \"" + v + "\" is not a whole number", r;
            o.seed = uint64_t(n);
        } else if (a == "--script" || a == "--screenshot" || a == "--dump-ui") {
            if (!value(v)) return r;
            if (v.empty()) return r.error = a + " needs a file name", r;
            (a == "--script" ? o.script : a == "--screenshot" ? o.screenshot : o.dumpUi) = Absolute(v);
        } else if (a == "--sound") {
            if (!value(v)) return r;
            if (v != "openal" && v != "null")
                return r.error = "--sound: \"" + v + "\" is not openal or null", r;
            o.sound = v;
        } else {
            r.error = "unknown option \"" + a + "\" (see --help)";
            return r;
        }
    }
    return r;
}

} // namespace zw
