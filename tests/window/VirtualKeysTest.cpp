#include "platform/window/VirtualKeys.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace zw;

TEST(VirtualKeys, EveryPhysicalKeyReportsOneCode) {
    int count = 0;
    const VirtualKeyEntry* table = VirtualKeyTable(count);
    ASSERT_GT(count, 100);
    std::map<int, int> codeOfScan;
    for (int i = 0; i < count; ++i) {
        const auto& e = table[i];
        ASSERT_GT(e.scancode, 0) << e.name;
        if (e.vk == vk::Shift || e.vk == vk::Control || e.vk == vk::Menu) {
            // The generic codes are reported through their left key.
            EXPECT_NE(VirtualKeyOfScancode(e.scancode), e.vk);
            continue;
        }
        EXPECT_EQ(VirtualKeyOfScancode(e.scancode), e.vk) << e.name;
        auto [it, fresh] = codeOfScan.emplace(e.scancode, e.vk);
        EXPECT_TRUE(fresh || it->second == e.vk) << "scancode " << e.scancode << " reports two codes";
    }
}

TEST(VirtualKeys, KnownKeysMapToTheirScancodes) {
    struct Case {
        int vk, scancode;
    } cases[] = {{'A', 4}, {'Z', 29}, {'0', 39}, {'1', 30}, {vk::Return, 40}, {vk::Escape, 41},
                 {vk::Space, 44}, {vk::Left, 80}, {vk::Up, 82}, {vk::Right, 79}, {vk::Down, 81},
                 {vk::Pause, 72}, {vk::F1, 58}, {vk::Numpad0, 98}, {vk::LShift, 225}, {vk::RControl, 228},
                 {186, 51}, {220, 49}, {226, 100}};
    for (auto c : cases) {
        EXPECT_EQ(ScancodeOfVirtualKey(c.vk), c.scancode) << c.vk;
        EXPECT_EQ(VirtualKeyOfScancode(c.scancode), c.vk) << c.vk;
    }
    // Keypad Enter reports Enter, as on the original platform.
    EXPECT_EQ(VirtualKeyOfScancode(88), vk::Return);
}

TEST(VirtualKeys, WheelCodesHaveNoKey) {
    EXPECT_EQ(ScancodeOfVirtualKey(vk::WheelForward), 0);
    EXPECT_EQ(ScancodeOfVirtualKey(vk::WheelBackward), 0);
    // F23 and F24 would report them; they must not.
    EXPECT_EQ(VirtualKeyOfScancode(114), 0);
    EXPECT_EQ(VirtualKeyOfScancode(115), 0);
    EXPECT_EQ(VirtualKeyOfScancode(-1), 0);
    EXPECT_EQ(VirtualKeyOfScancode(100000), 0);
}

TEST(VirtualKeys, NamesRoundTrip) {
    int count = 0;
    const VirtualKeyEntry* table = VirtualKeyTable(count);
    for (int i = 0; i < count; ++i) EXPECT_EQ(VirtualKeyByName(table[i].name), table[i].vk) << table[i].name;
    EXPECT_EQ(VirtualKeyByName("vk_up"), vk::Up);
    EXPECT_EQ(VirtualKeyByName(" a "), 'A');
    EXPECT_EQ(VirtualKeyByName("WHEEL_FORWARD"), 134);
    EXPECT_EQ(VirtualKeyByName("NOSUCHKEY"), 0);
    EXPECT_EQ(VirtualKeyByName(""), 0);
    EXPECT_STREQ(VirtualKeyName(vk::Escape), "ESCAPE");
    EXPECT_STREQ(VirtualKeyName(999), "");
}
