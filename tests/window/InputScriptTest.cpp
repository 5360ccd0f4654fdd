#include "platform/window/InputScript.h"
#include "platform/window/VirtualKeys.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

using namespace zw;
using K = InputEvent::Kind;

TEST(InputScript, ReadsEveryKindOfEventInTimeOrder) {
    auto events = LoadInputScript(std::string(ZW_TEST_DIR) + "/window/fixtures/drive.zws");
    struct Want {
        double time;
        K kind;
        int key, x, y, delta;
    } want[] = {
        {0.0, K::KeyDown, vk::Up, 0, 0, 0},   {0.25, K::KeyDown, vk::Space, 0, 0, 0},
        {0.5, K::KeyUp, vk::Up, 0, 0, 0},     {0.5, K::KeyUp, vk::Space, 0, 0, 0},
        {1.0, K::MouseDown, 0, 100, 200, 0},  {1.0, K::MouseMove, 0, 110, 190, 0},
        {1.1, K::MouseUp, 0, 110, 190, 0},    {1.2, K::MouseWheel, 0, 0, 0, 240},
        {1.3, K::MouseWheel, 0, 0, 0, -120},  {1.5, K::JoyAxes, 0, -50, 100, 0},
        {1.5, K::JoyButtonDown, 3, 0, 0, 0},  {2.0, K::Close, 0, 0, 0, 0},
    };
    ASSERT_EQ(events.size(), std::size(want));
    for (size_t i = 0; i < events.size(); ++i) {
        const auto& e = events[i];
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(e.time, want[i].time);
        EXPECT_EQ(e.event.kind, want[i].kind);
        EXPECT_EQ(e.event.key, want[i].key);
        EXPECT_EQ(e.event.x, want[i].x);
        EXPECT_EQ(e.event.y, want[i].y);
        EXPECT_EQ(e.event.delta, want[i].delta);
    }
    EXPECT_EQ(events[4].event.button, MouseButton::Right);
    EXPECT_EQ(events[5].event.shift, shiftstate::Right | shiftstate::Shift);
    EXPECT_TRUE(events[11].toFrontWindow);
    EXPECT_FALSE(events[9].toFrontWindow) << "the joystick belongs to no window";
}

TEST(InputScript, BadLinesNameTheLineAndWhatWasExpected) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"x key down UP", "line 1: expected a time"},
        {"-1 key down UP", "line 1: expected a time"},
        {"# ok\n1 key sideways UP", "line 2: expected down or up"},
        {"1 key down NOSUCH", "line 1: expected a key code"},
        {"1 key down 300", "line 1: expected a key code"},
        {"1 key down", "line 1: expected a key code"},
        {"1 mouse down 10", "line 1: expected the Y pixel"},
        {"1 mouse down 10 20 thumb", "left, right or middle"},
        {"1 joy 0 101", "joystick positions -100..100"},
        {"1 joy button 32 down", "button 0..31"},
        {"1 wheel many", "expected the wheel notches"},
        {"1 jump", "expected key, press, mouse"},
        {"1 quit now", "expected the end of the line"},
        {"1 press A -2", "seconds the key is held"},
    };
    for (auto c : cases) {
        try {
            ParseInputScript(c.text, "t.zws");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EConvertError& e) {
            std::string msg = e.what();
            EXPECT_NE(msg.find("t.zws"), std::string::npos) << msg;
            EXPECT_NE(msg.find(c.expected), std::string::npos) << msg;
        }
    }
}

TEST(InputScript, MissingFileIsAnInputOutputError) {
    EXPECT_THROW(LoadInputScript("/nonexistent/x.zws"), EInOutError);
}
