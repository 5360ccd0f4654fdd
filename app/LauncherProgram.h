#pragma once
// The program between creating and freeing the engine: the launcher as the
// main window, the statistics window, and the message loop.
#include "app/CommandLine.h"

namespace zw {

// soundGiven: --sound was on the command line (headless runs are silent otherwise).
int RunLauncherProgram(const CommandLine& options, bool soundGiven = false);

} // namespace zw
