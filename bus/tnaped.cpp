#include "bus/tnaped.h"

#include "util/Errors.h"
#include "util/NumText.h"
#include "util/Paths.h"

#include <cmath>
#include <sstream>
#include <vector>

namespace zw {

namespace {
constexpr float kRadToRpm = 30.0f / 3.14159265358979f;

std::vector<std::string> ReadLines(const std::string& path) {
    std::string text = ReadFileText(path);
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string Where(const std::string& file, size_t line) {
    return "\"" + file + "\", line " + std::to_string(line);
}

const std::string& LineOf(const std::vector<std::string>& lines, size_t n, const std::string& file,
                          const char* expected) {
    if (n > lines.size()) throw EConvertError(Where(file, n) + ": missing, expected " + expected);
    return lines[n - 1];
}

float RealAt(std::string_view text, const std::string& file, size_t line, size_t* used = nullptr) {
    try {
        size_t b = 0;
        while (b < text.size() && (text[b] == ' ' || text[b] == '\t')) ++b;
        double v = ParseFloatPrefix(text.substr(b));
        if (used) {
            // Skip the number's characters to find where a second value starts.
            size_t e = b;
            while (e < text.size() && text[e] != ' ' && text[e] != '\t') ++e;
            *used = e;
        }
        return static_cast<float>(v);
    } catch (const EConvertError&) {
        throw EConvertError(Where(file, line) + ": '" + std::string(text) + "' is not a number");
    }
}
} // namespace

tnaped::tnaped() : Log("d_log.txt") {
    Ratio(-1) = -4.84f;
    Ratio(0) = 0.0f;
    const float forward[] = {3.43f, 2.01f, 1.42f, 1.0f, 0.83f};
    for (int i = 0; i < 5; ++i) Ratio(i + 1) = forward[i];
    Ratio(6) = 0.0f;
    Ratio(8) = 0.0f;
    const float rpm[] = {1000, 1400, 1700, 2400};
    const float torque[] = {870, 1100, 1100, 825};
    for (int k = 1; k <= 4; ++k) {
        CurveRPM[static_cast<size_t>(k)] = rpm[k - 1];
        CurveTorque[static_cast<size_t>(k)] = torque[k - 1];
    }
    try {
        Log.Clear();
    } catch (const ZwError&) {
        // A folder we cannot write to only costs the drive train its trace.
    }
    ComputeSlopes();
    ComputeShiftSpeeds();
}

void tnaped::LogLine(const std::string& text) {
    try {
        Log.WriteLine(text);
    } catch (const ZwError&) {
    }
}

void tnaped::ComputeSlopes() {
    for (size_t k = 1; k <= 3; ++k)
        CurveSlope[k] = (CurveTorque[k + 1] - CurveTorque[k]) / (CurveRPM[k + 1] - CurveRPM[k]);
}

void tnaped::ComputeShiftSpeeds() {
    ShiftSpeed.fill(0.0f);
    for (int i = 2; i <= GearCount; ++i) {
        float up = CurveRPM[4] / (Ratio(i - 1) * FinalDrive * kRadToRpm) * WheelRadius;
        float down = CurveRPM[1] / (Ratio(i) * FinalDrive * kRadToRpm) * WheelRadius;
        ShiftSpeed[static_cast<size_t>(i)] = 0.5f * (up + down);
    }
}

void tnaped::WczytajSkrzynie(const std::string& file) {
    std::string name = "BusEngine\\" + file;
    LogLine("gearbox " + name);
    std::vector<std::string> lines = ReadLines(name);
    for (size_t i = 0; i < lines.size(); ++i) LogLine("[" + std::to_string(i + 1) + "]:" + lines[i]);
    LineOf(lines, 1, name, "the gearbox's name");
    const std::string& countLine = LineOf(lines, 2, name, "the number of gears");
    float countReal = RealAt(countLine, name, 2);
    if (countReal != std::floor(countReal))
        throw EConvertError(Where(name, 2) + ": '" + countLine + "' is not a whole number of gears");
    if (countReal < 1 || countReal > MaxGears)
        throw EConvertError(Where(name, 2) + ": " + FloatText(countReal) + " forward gears, expected 1 to " +
                            std::to_string(MaxGears));
    int count = static_cast<int>(countReal);
    float reverse = RealAt(LineOf(lines, 3, name, "the reverse ratio"), name, 3);
    std::array<float, MaxGears + 1> forward{};
    for (int i = 1; i <= count; ++i) {
        size_t n = static_cast<size_t>(3 + i);
        forward[static_cast<size_t>(i)] = RealAt(LineOf(lines, n, name, "a gear ratio"), name, n);
    }
    // Everything read: apply at once, so a bad file leaves the old box in force.
    GearCount = static_cast<int16_t>(count);
    Ratio(-1) = reverse;
    for (int i = 1; i <= MaxGears; ++i) Ratio(i) = i <= count ? forward[static_cast<size_t>(i)] : 0.0f;
    if (Gear > GearCount) Gear = GearCount;
    ComputeShiftSpeeds();
    LogLine("..ok");
}

void tnaped::WczytajSilnik(const std::string& file) {
    std::string name = "BusEngine\\" + file;
    LogLine("engine " + name);
    std::vector<std::string> lines = ReadLines(name);
    for (size_t i = 0; i < lines.size(); ++i) LogLine("[" + std::to_string(i + 1) + "]:" + lines[i]);
    std::array<float, 5> rpm{}, torque{};
    for (size_t k = 1; k <= 4; ++k) {
        size_t n = k + 2;
        const std::string& line = LineOf(lines, n, name, "engine speed and torque");
        size_t used = 0;
        rpm[k] = RealAt(line, name, n, &used);
        torque[k] = RealAt(std::string_view(line).substr(used), name, n);
        if (k > 1 && !(rpm[k] > rpm[k - 1]))
            throw EConvertError(Where(name, n) + ": engine speed " + FloatText(rpm[k]) +
                                " does not rise above " + FloatText(rpm[k - 1]));
    }
    CurveRPM = rpm;
    CurveTorque = torque;
    ComputeSlopes();
    ComputeShiftSpeeds();
    LogLine("..ok");
}

float tnaped::TorqueAt(float n) const {
    if (n < CurveRPM[1] || n >= CurveRPM[4] + 100.0f) return 0.0f;
    size_t k = n < CurveRPM[2] ? 1 : (n < CurveRPM[3] ? 2 : 3);
    return (CurveTorque[k] + (n - CurveRPM[k]) * CurveSlope[k]) * Throttle;
}

void tnaped::Krok(float dt) {
    WheelSpeed = Speed / WheelRadius;

    if (EngineOn) {
        float target = Gear != 0 ? WheelSpeed * Ratio(Gear) * FinalDrive * kRadToRpm + 100.0f * Throttle
                                 : 20.0f * FinalDrive * kRadToRpm * Throttle * 2.5f;
        RPM = (3.0f * RPM + target) / 4.0f;
        if (RPM < CurveRPM[1]) RPM = CurveRPM[1]; // the first curve point is idle
    } else {
        RPM = 0.75f * RPM;
    }

    Torque = TorqueAt(RPM);
    DriveForce = Gear != 0 ? Torque * Ratio(Gear) * FinalDrive * Efficiency / WheelRadius : 0.0f;

    BrakeApplied = Brake * BrakeForce;
    if (static_cast<float>(Gear) * Speed < 0.0f || Speed == 0.0f) BrakeApplied = 0.0f;

    float sign = Speed > 0.0f ? 1.0f : (Speed < 0.0f ? -1.0f : 0.0f);
    NetForce = DriveForce - sign * (BrakeApplied + RollResistance);
    Accel = NetForce / Mass;
    Speed = Speed + Accel * dt;

    if (Gear > 0 && Speed < 0.0f) Speed = 0.0f;
    if (Gear < 0 && Speed > 0.0f) Speed = 0.0f;
    if (Speed > -0.1f && Speed < 0.1f && Brake > 0.0f) Speed = 0.0f;

    if (EngineOn && Brake == 0.0f && !Clutch && Gear >= 1 && Gear <= GearCount && Gear != 8 && Speed <= 0.1f)
        Speed = 0.1f;

    AutoGear = Gear;
    if (AutoShift) {
        if (Speed > 0.0f) AutoGear = 1;
        for (int i = 2; i <= GearCount; ++i)
            if (Speed > ShiftSpeed[static_cast<size_t>(i)]) AutoGear = i;
        if (Gear != AutoGear) Gear = static_cast<int16_t>(AutoGear);
    }
}

void tnaped::ShiftUp() {
    if (Gear < GearCount) ++Gear;
}

void tnaped::ShiftDown() {
    if (Gear >= 0 && Gear != 8) --Gear;
}

} // namespace zw
