#pragma once
// The controls file "joyst.bu": joystick buttons, dead zones and the key
// table, one integer per line (the rest of a line is ignored).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zw {

class tzdlogger;

inline constexpr int kKeyActions = 64;

struct TControls {
    std::array<int32_t, 5> JoyButtons{};          // [1..4]: button numbers 0..3
    int32_t JoyDeadZoneX = 0, JoyDeadZoneY = 0;
    std::array<int32_t, kKeyActions + 1> Klawisze{}; // [1..64]: virtual-key codes
};

// Reads the file's bytes into controls, line by line: the values read before
// a bad line keep what they got. Each line is written to log ("[n]:" line),
// then "..ok". EConvertError names the file and line of a line that is not an
// integer. Lines past the 64th action are ignored.
void ReadControls(const std::string& fileName, const std::vector<uint8_t>& bytes, TControls& controls,
                  tzdlogger* log);

// The file from disk (EInOutError when it cannot be read).
void WczytajKlawisze(const std::string& fileName, TControls& controls, tzdlogger* log);

} // namespace zw
