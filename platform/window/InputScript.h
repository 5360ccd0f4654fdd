#pragma once
// Scripted input for headless runs (--script FILE): timed key, mouse and
// joystick events, one per line, on the run's virtual clock.
//
//   # comment; blank lines are ignored
//   TIME key down|up KEY          KEY: a code (38, 0x26) or a name (UP, VK_UP, A, F1)
//   TIME press KEY [SECONDS]      down at TIME, up SECONDS later (default 0.1)
//   TIME mouse down|up X Y [left|right|middle]
//   TIME mouse move X Y [left|right|middle|shift|ctrl|alt ...]
//   TIME wheel NOTCHES            forward when positive; one notch is 120 units
//   TIME joy X Y                  stick position, -100..100
//   TIME joy button N down|up     button 0..31
//   TIME close                    the system's close command on the front window
//   TIME quit                     ends the message loop
//
// TIME is in seconds from the start of the run (12.5).
#include "platform/window/InputEvent.h"

#include <string>
#include <string_view>
#include <vector>

namespace zw {

struct ScriptEvent {
    double time = 0;
    InputEvent event;
    bool toFrontWindow = false; // the event goes to the front window
};

// Events in time order (lines with the same time keep file order).
// EConvertError naming the file and line and what was expected.
std::vector<ScriptEvent> ParseInputScript(std::string_view text, const std::string& name);
std::vector<ScriptEvent> LoadInputScript(const std::string& path);

} // namespace zw
