#include "platform/window/VirtualKeys.h"

#include "util/Fields.h"

#include <array>
#include <string>

namespace zw {
namespace {

// Scancodes are USB HID usage ids (keyboard page); the SDL backend checks a
// sample of them against SDL's own constants at compile time.
const VirtualKeyEntry kTable[] = {
    {8, 42, "BACK"}, {9, 43, "TAB"}, {12, 156, "CLEAR"}, {13, 40, "RETURN"}, {13, 88, "RETURN"},
    {16, 225, "SHIFT"}, {17, 224, "CONTROL"}, {18, 226, "MENU"}, {19, 72, "PAUSE"}, {20, 57, "CAPITAL"},
    {27, 41, "ESCAPE"}, {32, 44, "SPACE"}, {33, 75, "PRIOR"}, {34, 78, "NEXT"}, {35, 77, "END"},
    {36, 74, "HOME"}, {37, 80, "LEFT"}, {38, 82, "UP"}, {39, 79, "RIGHT"}, {40, 81, "DOWN"},
    {41, 119, "SELECT"}, {43, 116, "EXECUTE"}, {44, 70, "SNAPSHOT"}, {45, 73, "INSERT"},
    {46, 76, "DELETE"}, {47, 117, "HELP"},
    {48, 39, "0"}, {49, 30, "1"}, {50, 31, "2"}, {51, 32, "3"}, {52, 33, "4"}, {53, 34, "5"},
    {54, 35, "6"}, {55, 36, "7"}, {56, 37, "8"}, {57, 38, "9"},
    {65, 4, "A"}, {66, 5, "B"}, {67, 6, "C"}, {68, 7, "D"}, {69, 8, "E"}, {70, 9, "F"}, {71, 10, "G"},
    {72, 11, "H"}, {73, 12, "I"}, {74, 13, "J"}, {75, 14, "K"}, {76, 15, "L"}, {77, 16, "M"},
    {78, 17, "N"}, {79, 18, "O"}, {80, 19, "P"}, {81, 20, "Q"}, {82, 21, "R"}, {83, 22, "S"},
    {84, 23, "T"}, {85, 24, "U"}, {86, 25, "V"}, {87, 26, "W"}, {88, 27, "X"}, {89, 28, "Y"},
    {90, 29, "Z"},
    {91, 227, "LWIN"}, {92, 231, "RWIN"}, {93, 101, "APPS"}, {95, 282, "SLEEP"},
    {96, 98, "NUMPAD0"}, {97, 89, "NUMPAD1"}, {98, 90, "NUMPAD2"}, {99, 91, "NUMPAD3"},
    {100, 92, "NUMPAD4"}, {101, 93, "NUMPAD5"}, {102, 94, "NUMPAD6"}, {103, 95, "NUMPAD7"},
    {104, 96, "NUMPAD8"}, {105, 97, "NUMPAD9"}, {106, 85, "MULTIPLY"}, {107, 87, "ADD"},
    {108, 159, "SEPARATOR"}, {109, 86, "SUBTRACT"}, {110, 99, "DECIMAL"}, {111, 84, "DIVIDE"},
    {112, 58, "F1"}, {113, 59, "F2"}, {114, 60, "F3"}, {115, 61, "F4"}, {116, 62, "F5"},
    {117, 63, "F6"}, {118, 64, "F7"}, {119, 65, "F8"}, {120, 66, "F9"}, {121, 67, "F10"},
    {122, 68, "F11"}, {123, 69, "F12"}, {124, 104, "F13"}, {125, 105, "F14"}, {126, 106, "F15"},
    {127, 107, "F16"}, {128, 108, "F17"}, {129, 109, "F18"}, {130, 110, "F19"}, {131, 111, "F20"},
    {132, 112, "F21"}, {133, 113, "F22"},
    // 134 and 135 (F23, F24) report the mouse wheel and have no key.
    {144, 83, "NUMLOCK"}, {145, 71, "SCROLL"},
    {160, 225, "LSHIFT"}, {161, 229, "RSHIFT"}, {162, 224, "LCONTROL"}, {163, 228, "RCONTROL"},
    {164, 226, "LMENU"}, {165, 230, "RMENU"},
    {166, 270, "BROWSER_BACK"}, {167, 271, "BROWSER_FORWARD"}, {168, 273, "BROWSER_REFRESH"},
    {169, 272, "BROWSER_STOP"}, {170, 268, "BROWSER_SEARCH"}, {171, 274, "BROWSER_FAVORITES"},
    {172, 269, "BROWSER_HOME"}, {173, 127, "VOLUME_MUTE"}, {174, 129, "VOLUME_DOWN"},
    {175, 128, "VOLUME_UP"}, {176, 258, "MEDIA_NEXT_TRACK"}, {177, 259, "MEDIA_PREV_TRACK"},
    {178, 260, "MEDIA_STOP"}, {179, 261, "MEDIA_PLAY_PAUSE"}, {180, 265, "LAUNCH_MAIL"},
    {181, 263, "LAUNCH_MEDIA_SELECT"}, {182, 267, "LAUNCH_APP1"}, {183, 266, "LAUNCH_APP2"},
    {186, 51, "OEM_1"}, {187, 46, "OEM_PLUS"}, {188, 54, "OEM_COMMA"}, {189, 45, "OEM_MINUS"},
    {190, 55, "OEM_PERIOD"}, {191, 56, "OEM_2"}, {192, 53, "OEM_3"}, {219, 47, "OEM_4"},
    {220, 49, "OEM_5"}, {221, 48, "OEM_6"}, {222, 52, "OEM_7"}, {226, 100, "OEM_102"},
    {247, 163, "CRSEL"}, {248, 164, "EXSEL"},
};
constexpr int kCount = int(sizeof(kTable) / sizeof(kTable[0]));
constexpr int kMaxScancode = 512;

struct Maps {
    std::array<uint8_t, kMaxScancode> vkOfScan{};
    std::array<uint16_t, 256> scanOfVk{};
    std::array<const char*, 256> nameOfVk{};
    Maps() {
        for (auto& n : nameOfVk) n = "";
        for (const auto& e : kTable) {
            // Generic Shift, Control and Menu share their keys with the left
            // ones; a physical key reports its side's code.
            if (e.vk != vk::Shift && e.vk != vk::Control && e.vk != vk::Menu) vkOfScan[e.scancode] = uint8_t(e.vk);
            if (!scanOfVk[e.vk]) scanOfVk[e.vk] = e.scancode;
            if (!*nameOfVk[e.vk]) nameOfVk[e.vk] = e.name;
        }
        nameOfVk[vk::LButton] = "LBUTTON";
        nameOfVk[vk::RButton] = "RBUTTON";
        nameOfVk[vk::MButton] = "MBUTTON";
        nameOfVk[vk::WheelForward] = "WHEEL_FORWARD";
        nameOfVk[vk::WheelBackward] = "WHEEL_BACKWARD";
    }
};
const Maps& TheMaps() {
    static const Maps maps;
    return maps;
}

} // namespace

const VirtualKeyEntry* VirtualKeyTable(int& count) {
    count = kCount;
    return kTable;
}

int VirtualKeyOfScancode(int scancode) {
    if (scancode < 0 || scancode >= kMaxScancode) return 0;
    return TheMaps().vkOfScan[scancode];
}

int ScancodeOfVirtualKey(int code) {
    if (code < 0 || code > 255) return 0;
    return TheMaps().scanOfVk[code];
}

const char* VirtualKeyName(int code) {
    if (code < 0 || code > 255) return "";
    return TheMaps().nameOfVk[code];
}

int VirtualKeyByName(std::string_view name) {
    std::string n = UpperAscii(Trim(name));
    if (n.rfind("VK_", 0) == 0) n = n.substr(3);
    if (n.empty()) return 0;
    for (int code = 1; code < 256; ++code)
        if (n == TheMaps().nameOfVk[code]) return code;
    return 0;
}

} // namespace zw
