#pragma once
// Windows virtual-key codes, the codes the key table of "joyst.bu" stores,
// and their physical keys. The physical key is given as a USB HID usage id,
// which is what SDL's scancodes are, so this table needs no SDL header.
#include <cstdint>
#include <string_view>

namespace zw {

namespace vk {
constexpr int LButton = 1, RButton = 2, MButton = 4;
constexpr int Back = 8, Tab = 9, Clear = 12, Return = 13;
constexpr int Shift = 16, Control = 17, Menu = 18, Pause = 19, Capital = 20, Escape = 27;
constexpr int Space = 32, Prior = 33, Next = 34, End = 35, Home = 36;
constexpr int Left = 37, Up = 38, Right = 39, Down = 40;
constexpr int Insert = 45, Delete = 46;
constexpr int Numpad0 = 96, F1 = 112;
// Not keys: down when the mouse wheel turned forward / backward since the
// last poll of either (they take the places of F23 and F24).
constexpr int WheelForward = 134, WheelBackward = 135;
constexpr int LShift = 160, RShift = 161, LControl = 162, RControl = 163, LMenu = 164, RMenu = 165;
} // namespace vk

struct VirtualKeyEntry {
    int vk;
    uint16_t scancode; // USB HID usage id (SDL scancode)
    const char* name;  // without the "VK_" prefix
};

// The whole table, in code order. A code may appear more than once when
// several physical keys report it (Enter and keypad Enter).
const VirtualKeyEntry* VirtualKeyTable(int& count);

// The virtual key a physical key reports, 0 for keys without one.
int VirtualKeyOfScancode(int scancode);
// The first physical key of a code, 0 when the code names no key.
int ScancodeOfVirtualKey(int vk);
// "UP", "VK_UP", "a", "F1" (no regard to case) -> code; 0 when unknown.
int VirtualKeyByName(std::string_view name);
// Name of a code ("" when it has none).
const char* VirtualKeyName(int vk);

} // namespace zw
