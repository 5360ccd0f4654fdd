#pragma once
// The polled input state: keys by virtual-key code, the wheel count behind
// codes 134 and 135, the mouse, and the joystick. Fed with InputEvents by
// whichever backend runs (real or scripted), read by the game each frame.
#include "platform/window/InputEvent.h"

#include <array>
#include <cstdint>

namespace zw {

struct JoystickState {
    int x = 0, y = 0;      // -100..100
    uint32_t buttons = 0;  // bit b: button b down
};

class InputState {
public:
    void Apply(const InputEvent& e);
    // Keyboard polling by virtual-key code. 134 / 135 report a wheel turn
    // forward / backward since the last report and clear the count when they
    // report down. Generic Shift, Control and Menu are down with either side.
    bool IsKeyDown(int vk);
    // Without side effects (134 and 135 only look).
    bool PeekKeyDown(int vk) const;
    void ReleaseAll(); // focus lost: nothing stays held

    int MouseX() const { return mouseX_; }
    int MouseY() const { return mouseY_; }
    uint32_t MouseButtons() const { return mouseButtons_; } // shiftstate::Left/Right/Middle
    int WheelCount() const { return wheel_; }

    // The joystick as the game reads it: (0, 0) and no buttons while not captured.
    const JoystickState& Joystick() const { return capture_ ? joy_ : idle_; }
    void SetJoystickCapture(bool on) { capture_ = on; }
    bool JoystickCapture() const { return capture_; }

private:
    std::array<bool, 256> keys_{};
    int wheel_ = 0; // notches, forward positive
    int wheelRemainder_ = 0;
    int mouseX_ = 0, mouseY_ = 0;
    uint32_t mouseButtons_ = 0;
    JoystickState joy_, idle_;
    bool capture_ = true;
};

} // namespace zw
