#include "platform/window/InputState.h"

#include "platform/window/VirtualKeys.h"

namespace zw {

void InputState::Apply(const InputEvent& e) {
    switch (e.kind) {
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp:
        if (e.key > 0 && e.key < 256 && e.key != vk::WheelForward && e.key != vk::WheelBackward)
            keys_[size_t(e.key)] = e.kind == InputEvent::Kind::KeyDown;
        break;
    case InputEvent::Kind::MouseDown:
    case InputEvent::Kind::MouseUp: {
        uint32_t bit = e.button == MouseButton::Left    ? shiftstate::Left
                       : e.button == MouseButton::Right ? shiftstate::Right
                                                        : shiftstate::Middle;
        if (e.kind == InputEvent::Kind::MouseDown) mouseButtons_ |= bit;
        else mouseButtons_ &= ~bit;
        mouseX_ = e.x;
        mouseY_ = e.y;
        break;
    }
    case InputEvent::Kind::MouseMove:
        mouseX_ = e.x;
        mouseY_ = e.y;
        break;
    case InputEvent::Kind::MouseWheel: {
        // Whole notches only; fine-grained wheels add up to one.
        int total = wheelRemainder_ + e.delta;
        wheel_ += total / 120;
        wheelRemainder_ = total % 120;
        break;
    }
    case InputEvent::Kind::JoyAxes:
        joy_.x = e.x < -100 ? -100 : e.x > 100 ? 100 : e.x;
        joy_.y = e.y < -100 ? -100 : e.y > 100 ? 100 : e.y;
        break;
    case InputEvent::Kind::JoyButtonDown:
    case InputEvent::Kind::JoyButtonUp:
        if (e.key >= 0 && e.key < 32) {
            uint32_t bit = 1u << e.key;
            if (e.kind == InputEvent::Kind::JoyButtonDown) joy_.buttons |= bit;
            else joy_.buttons &= ~bit;
        }
        break;
    default:
        break;
    }
}

bool InputState::PeekKeyDown(int code) const {
    switch (code) {
    case vk::LButton: return mouseButtons_ & shiftstate::Left;
    case vk::RButton: return mouseButtons_ & shiftstate::Right;
    case vk::MButton: return mouseButtons_ & shiftstate::Middle;
    case vk::WheelForward: return wheel_ > 0;
    case vk::WheelBackward: return wheel_ < 0;
    case vk::Shift: return keys_[vk::LShift] || keys_[vk::RShift];
    case vk::Control: return keys_[vk::LControl] || keys_[vk::RControl];
    case vk::Menu: return keys_[vk::LMenu] || keys_[vk::RMenu];
    default: return code > 0 && code < 256 && keys_[size_t(code)];
    }
}

bool InputState::IsKeyDown(int code) {
    bool down = PeekKeyDown(code);
    if (down && (code == vk::WheelForward || code == vk::WheelBackward)) wheel_ = 0;
    return down;
}

void InputState::ReleaseAll() {
    keys_.fill(false);
    mouseButtons_ = 0;
}

} // namespace zw
