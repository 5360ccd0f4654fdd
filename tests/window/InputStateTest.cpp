#include "platform/window/InputState.h"
#include "platform/window/VirtualKeys.h"

#include <gtest/gtest.h>

using namespace zw;

namespace {
InputEvent Key(int code, bool down) {
    InputEvent e;
    e.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
    e.key = code;
    return e;
}
InputEvent Wheel(int delta) {
    InputEvent e;
    e.kind = InputEvent::Kind::MouseWheel;
    e.delta = delta;
    return e;
}
} // namespace

TEST(InputState, KeysFollowTheirEvents) {
    InputState s;
    EXPECT_FALSE(s.IsKeyDown(vk::Up));
    s.Apply(Key(vk::Up, true));
    EXPECT_TRUE(s.IsKeyDown(vk::Up));
    EXPECT_TRUE(s.IsKeyDown(vk::Up)) << "polling does not consume a key";
    s.Apply(Key(vk::Up, false));
    EXPECT_FALSE(s.IsKeyDown(vk::Up));
    EXPECT_FALSE(s.IsKeyDown(0)) << "code 0 is never down";
    EXPECT_FALSE(s.IsKeyDown(-5));
    EXPECT_FALSE(s.IsKeyDown(300));
}

TEST(InputState, GenericModifiersFollowEitherSide) {
    InputState s;
    s.Apply(Key(vk::RShift, true));
    EXPECT_TRUE(s.IsKeyDown(vk::Shift));
    EXPECT_FALSE(s.IsKeyDown(vk::LShift));
    s.Apply(Key(vk::LControl, true));
    EXPECT_TRUE(s.IsKeyDown(vk::Control));
    EXPECT_FALSE(s.IsKeyDown(vk::Menu));
    s.ReleaseAll();
    EXPECT_FALSE(s.IsKeyDown(vk::Shift));
}

TEST(InputState, WheelCodesReportTurnsAndClearTheCount) {
    InputState s;
    s.Apply(Wheel(240));
    EXPECT_FALSE(s.IsKeyDown(vk::WheelBackward)) << "a forward turn is not a backward one";
    EXPECT_TRUE(s.IsKeyDown(vk::WheelForward));
    EXPECT_FALSE(s.IsKeyDown(vk::WheelForward)) << "reporting down clears the count";
    s.Apply(Wheel(-120));
    EXPECT_TRUE(s.PeekKeyDown(vk::WheelBackward));
    EXPECT_TRUE(s.IsKeyDown(vk::WheelBackward));
    EXPECT_FALSE(s.IsKeyDown(vk::WheelBackward));
    // Fine-grained wheels add up to a notch.
    s.Apply(Wheel(60));
    EXPECT_FALSE(s.IsKeyDown(vk::WheelForward));
    s.Apply(Wheel(60));
    EXPECT_TRUE(s.IsKeyDown(vk::WheelForward));
    // Key events never set the wheel codes.
    s.Apply(Key(vk::WheelForward, true));
    EXPECT_FALSE(s.IsKeyDown(vk::WheelForward));
}

TEST(InputState, MouseButtonsAreKeysToo) {
    InputState s;
    InputEvent e;
    e.kind = InputEvent::Kind::MouseDown;
    e.button = MouseButton::Right;
    e.x = 10;
    e.y = 20;
    s.Apply(e);
    EXPECT_TRUE(s.IsKeyDown(vk::RButton));
    EXPECT_FALSE(s.IsKeyDown(vk::LButton));
    EXPECT_EQ(s.MouseX(), 10);
    EXPECT_EQ(s.MouseY(), 20);
    e.kind = InputEvent::Kind::MouseUp;
    s.Apply(e);
    EXPECT_FALSE(s.IsKeyDown(vk::RButton));
}

TEST(InputState, JoystickIsClampedAndCaptured) {
    InputState s;
    InputEvent e;
    e.kind = InputEvent::Kind::JoyAxes;
    e.x = -250;
    e.y = 40;
    s.Apply(e);
    e.kind = InputEvent::Kind::JoyButtonDown;
    e.key = 2;
    s.Apply(e);
    e.key = 40; // no such button: ignored, not a shift past 31
    s.Apply(e);
    EXPECT_EQ(s.Joystick().x, -100);
    EXPECT_EQ(s.Joystick().y, 40);
    EXPECT_EQ(s.Joystick().buttons, 4u);
    s.SetJoystickCapture(false);
    EXPECT_EQ(s.Joystick().x, 0);
    EXPECT_EQ(s.Joystick().buttons, 0u);
    s.SetJoystickCapture(true);
    e.kind = InputEvent::Kind::JoyButtonUp;
    e.key = 2;
    s.Apply(e);
    EXPECT_EQ(s.Joystick().buttons, 0u);
}
