#pragma once
// The bus's engine, gearbox and longitudinal dynamics. All reals are 32-bit:
// the figures bus makers tune against come from single-precision arithmetic.
#include "shell/tzdlogger.h"

#include <array>
#include <cstdint>
#include <string>

namespace zw {

class tnaped {
public:
    static constexpr int MaxGears = 8;

    tnaped(); // Create: defaults, object log "d_log.txt", slopes, shift speeds

    // Ratio(-1) reverse, Ratio(0) neutral, Ratio(1..GearCount) forward.
    float& Ratio(int gear) { return Ratios[static_cast<size_t>(gear + 1)]; }
    float Ratio(int gear) const { return Ratios[static_cast<size_t>(gear + 1)]; }

    std::array<float, MaxGears + 2> Ratios{};       // index gear + 1
    std::array<float, MaxGears + 1> ShiftSpeed{};   // [2..GearCount], m/s
    int16_t GearCount = 5;
    int16_t Gear = 0;
    int32_t AutoGear = 0;
    float FinalDrive = 6.2f;
    float Efficiency = 0.7f;
    float WheelRadius = 0.45f;
    float Mass = 25000.0f;
    float BrakeForce = 50000.0f;
    float RollResistance = 2000.0f;
    std::array<float, 5> CurveRPM{};    // [1..4]
    std::array<float, 5> CurveTorque{}; // [1..4]
    std::array<float, 4> CurveSlope{};  // [1..3]
    float Throttle = 0;
    float Brake = 0;
    bool Clutch = false;
    bool EngineOn = false;
    bool AutoShift = false;
    float RPM = 0;
    float Torque = 0;
    float WheelSpeed = 0;
    float DriveForce = 0;
    float BrakeApplied = 0;
    float NetForce = 0;
    float Accel = 0;
    float Speed = 0;
    tzdlogger Log;

    // Read "BusEngine\" + file (relative to the current directory). The whole
    // file is checked before anything is applied: EInOutError when it cannot be
    // read, EConvertError (file and line) for a malformed or impossible value.
    void WczytajSkrzynie(const std::string& file);
    void WczytajSilnik(const std::string& file);

    void Krok(float dt);
    void ShiftUp();
    void ShiftDown();

    // Full-load torque at engine speed n, scaled by Throttle.
    float TorqueAt(float n) const;
    void ComputeSlopes();
    void ComputeShiftSpeeds();

private:
    void LogLine(const std::string& text);
};

} // namespace zw
