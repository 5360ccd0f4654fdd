#pragma once
// The program between creating and freeing the engine: the launcher as the
// main window, the statistics window, and the message loop.
#include "app/CommandLine.h"

namespace zw {

int RunLauncherProgram(const CommandLine& options);

} // namespace zw
