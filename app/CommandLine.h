#pragma once
// The program's command line: every option, parsed once in main.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zw {

struct CommandLine {
    bool help = false;
    bool version = false;
    bool headless = false;           // null platform services, no window
    bool quit = false;               // end right after start-up
    bool autostart = false;          // press the launcher's Start at once
    std::optional<long long> frames; // end after this many frames
    std::optional<double> dt;        // fixed frame time in seconds
    std::optional<double> clock;     // game clock start, day fraction
    std::optional<uint64_t> seed;    // random seed
    std::string script;              // timed input events to replay (absolute path)
    std::string screenshot;          // PNG written at the end (absolute path)
    bool windowed = false;           // a window of the configured size instead of full screen
    std::string sound = "openal";    // "openal" or "null"
    std::string dumpUi;              // the launcher's controls as text (absolute path)
};

struct CommandLineResult {
    CommandLine options;
    std::string error; // empty when the command line is good
};

// Relative file names are made absolute against the current directory, so
// they keep their meaning after the program changes it.
CommandLineResult ParseCommandLine(const std::vector<std::string>& args);

// The --help text.
std::string CommandLineHelp();

} // namespace zw
