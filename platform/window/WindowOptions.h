#pragma once
// Command-line options of the window layer, shared by zwolta and zwtool:
// --headless, --windowed, --script FILE, --dt SECONDS.
#include "platform/window/WindowSystem.h"

#include <memory>
#include <string>
#include <vector>

namespace zw {

struct WindowOptions {
    bool headless = false;
    bool windowed = false;
    std::string script;        // scripted input for the run
    double frameStep = 1.0 / 60; // virtual seconds per frame when headless
};

// Takes the options it knows out of args (the rest stay, in order).
// EConvertError for a missing or bad value.
WindowOptions TakeWindowOptions(std::vector<std::string>& args);

// The null window system with the options' step and script (EConvertError
// or EInOutError for a bad script).
std::unique_ptr<WindowSystem> CreateNullWindowSystem(const WindowOptions& o);

// Real when it can be (defined in the SDL backend): a missing display or GL
// 3.3 falls back to the null system with one log line, never a crash.
std::unique_ptr<WindowSystem> CreateWindowSystem(const WindowOptions& o);

} // namespace zw
