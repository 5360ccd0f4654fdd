#pragma once
// Input as the simulation sees it: our own plain events, never a platform's.
#include <cstdint>

namespace zw {

enum class MouseButton : uint8_t { Left = 0, Right = 1, Middle = 2 };

// Modifier and button bits of a mouse event (a mouse move "with any button
// or modifier held").
namespace shiftstate {
constexpr uint32_t Shift = 1, Ctrl = 2, Alt = 4, Left = 8, Right = 16, Middle = 32;
}

struct InputEvent {
    enum class Kind : uint8_t {
        KeyDown,        // key = virtual-key code
        KeyUp,
        MouseDown,      // button, x, y
        MouseUp,
        MouseMove,      // x, y, shift
        MouseWheel,     // delta in units of 120 per notch, forward positive
        JoyAxes,        // x, y: joystick position, -100..100
        JoyButtonDown,  // button 0..31
        JoyButtonUp,
        Close,          // the system's close command on the window
        Resize,         // x, y: the new drawable size
        Quit,           // the whole program is asked to end
    };
    Kind kind = Kind::KeyDown;
    uint32_t window = 0; // id of the window it went to (0: none)
    int key = 0;
    MouseButton button = MouseButton::Left;
    int x = 0, y = 0;
    int delta = 0;
    uint32_t shift = 0; // shiftstate bits held at the time
};

} // namespace zw
