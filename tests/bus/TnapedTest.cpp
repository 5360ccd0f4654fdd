#include "bus/tnaped.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace zw;
namespace fs = std::filesystem;

namespace {
// Runs each test in a fresh folder with a BusEngine\ subfolder, since the
// readers resolve against the current directory.
class DriveTrain : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("zw_tnaped_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "BusEngine");
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / "BusEngine" / name, std::ios::binary) << text;
    }
    fs::path old_, dir_;
};

float RunFor(tnaped& n, float seconds, float dt = 0.01f) {
    for (float t = 0; t < seconds; t += dt) n.Krok(dt);
    return n.Speed;
}
} // namespace

TEST_F(DriveTrain, DefaultsGiveTheDocumentedSpeeds) {
    tnaped n;
    EXPECT_EQ(n.GearCount, 5);
    EXPECT_FLOAT_EQ(n.Ratio(-1), -4.84f);
    EXPECT_FLOAT_EQ(n.Ratio(6), 0.0f);
    EXPECT_FLOAT_EQ(n.Ratio(8), 0.0f);
    // First gear at 1000/min: 0.45 * 1000 / (3.43 * 6.2 * 30/pi).
    float first = n.WheelRadius * n.CurveRPM[1] / (n.Ratio(1) * n.FinalDrive * 30.0f / 3.14159265f);
    EXPECT_NEAR(first, 2.22f, 0.005f);
    EXPECT_NEAR(n.ShiftSpeed[2], 4.55f, 0.01f);
    for (int i = 3; i <= 5; ++i) EXPECT_GT(n.ShiftSpeed[size_t(i)], n.ShiftSpeed[size_t(i - 1)]);
    EXPECT_FLOAT_EQ(n.CurveSlope[1], (1100.0f - 870.0f) / 400.0f);
    EXPECT_FLOAT_EQ(n.CurveSlope[2], 0.0f);
    EXPECT_TRUE(fs::exists("d_log.txt"));
}

TEST_F(DriveTrain, TorqueCurveRunsOneHundredBeyondItsLastPoint) {
    tnaped n;
    n.Throttle = 0.5f;
    struct Case { float rpm, torque; } cases[] = {
        {999, 0}, {1000, 435}, {1200, (870 + 200 * 0.575f) * 0.5f}, {1500, 550}, {2400, 412.5f},
        {2499, (1100 + 799 * (825.0f - 1100.0f) / 700.0f) * 0.5f}, {2500, 0}, {3000, 0},
    };
    for (auto& c : cases) EXPECT_NEAR(n.TorqueAt(c.rpm), c.torque, 0.05f) << c.rpm;
}

TEST_F(DriveTrain, NeutralFullThrottleRevsPastTheCurveWithNoTorque) {
    tnaped n;
    n.EngineOn = true;
    n.Throttle = 1;
    for (int i = 0; i < 200; ++i) n.Krok(0.01f);
    EXPECT_NEAR(n.RPM, 2960.0f, 5.0f);
    EXPECT_FLOAT_EQ(n.Torque, 0.0f);
    EXPECT_FLOAT_EQ(n.Speed, 0.0f);
}

TEST_F(DriveTrain, EngineOffDecaysByAQuarterPerStep) {
    tnaped n;
    n.EngineOn = true;
    n.Throttle = 1;
    n.Krok(0.01f);
    n.EngineOn = false;
    float before = n.RPM;
    n.Krok(0.01f);
    EXPECT_FLOAT_EQ(n.RPM, 0.75f * before);
    for (int i = 0; i < 10; ++i) n.Krok(0.01f);
    EXPECT_LT(n.RPM, 1000.0f);
    EXPECT_FLOAT_EQ(n.Torque, 0.0f);
}

TEST_F(DriveTrain, CreepAndRollingBackInFirstGear) {
    tnaped n;
    n.EngineOn = true;
    n.Gear = 1;
    n.Krok(0.01f);
    EXPECT_FLOAT_EQ(n.Speed, 0.1f); // a standing bus creeps
    n.Brake = 1;
    n.Krok(0.01f);
    EXPECT_FLOAT_EQ(n.Speed, 0.0f); // the brake holds it
    n.Clutch = true;
    n.Brake = 0;
    n.EngineOn = false;
    n.Speed = -1.0f; // rolling back in first gear
    n.Krok(0.01f);
    EXPECT_FLOAT_EQ(n.Speed, 0.0f);
    n.Gear = -1;
    n.Speed = 0.5f; // rolling forward in reverse
    n.Krok(0.01f);
    EXPECT_FLOAT_EQ(n.Speed, 0.0f);
}

TEST_F(DriveTrain, ShiftingWalksReverseNeutralForward) {
    tnaped n;
    n.ShiftDown();
    EXPECT_EQ(n.Gear, -1);
    n.ShiftDown();
    EXPECT_EQ(n.Gear, -1);
    n.ShiftUp();
    EXPECT_EQ(n.Gear, 0);
    for (int i = 0; i < 10; ++i) n.ShiftUp();
    EXPECT_EQ(n.Gear, 5);
}

TEST_F(DriveTrain, AutomaticEngagesFirstAndShiftsUpWithSpeed) {
    tnaped n;
    n.AutoShift = true;
    n.Speed = 1.0f; // rolling forward in neutral
    n.Krok(0.01f);
    EXPECT_EQ(n.Gear, 1);
    n.EngineOn = true;
    n.Throttle = 1;
    int lastGear = n.Gear;
    for (int i = 0; i < 6000; ++i) {
        n.Krok(0.01f);
        EXPECT_GE(n.Gear, lastGear);
        lastGear = n.Gear;
    }
    EXPECT_EQ(n.Gear, 5);
    EXPECT_GT(n.Speed, 15.0f);
}

TEST_F(DriveTrain, BrakingStopsAndHolds) {
    tnaped n;
    n.EngineOn = true;
    n.Gear = 1;
    n.Speed = 10.0f;
    n.Brake = 1;
    RunFor(n, 8);
    EXPECT_FLOAT_EQ(n.Speed, 0.0f);
}

TEST_F(DriveTrain, ReadsGearboxAndEngineFiles) {
    Write("six.gbx", "Six speed\n6\n  -5.1 reverse\n4.0\n2.5\n1.7\n1.25 fourth\n1.0\n0.8\n");
    Write("big.eng", "Strong\nignored\n900 1000\n 1300  1400\n1800 1400\n2200 1100 rest\n");
    tnaped n;
    n.WczytajSkrzynie("six.gbx");
    EXPECT_EQ(n.GearCount, 6);
    EXPECT_FLOAT_EQ(n.Ratio(-1), -5.1f);
    EXPECT_FLOAT_EQ(n.Ratio(4), 1.25f);
    EXPECT_FLOAT_EQ(n.Ratio(6), 0.8f);
    EXPECT_GT(n.ShiftSpeed[6], n.ShiftSpeed[5]);
    n.WczytajSilnik("big.eng");
    EXPECT_FLOAT_EQ(n.CurveRPM[1], 900.0f);
    EXPECT_FLOAT_EQ(n.CurveTorque[2], 1400.0f);
    EXPECT_FLOAT_EQ(n.CurveSlope[1], 1.0f);
    EXPECT_FLOAT_EQ(n.CurveRPM[4], 2200.0f);
    // The shift speeds follow the new curve.
    float want = 0.5f * (2200 / (4.0f * 6.2f * 30 / 3.14159265f) * 0.45f + 900 / (2.5f * 6.2f * 30 / 3.14159265f) * 0.45f);
    EXPECT_NEAR(n.ShiftSpeed[2], want, 1e-4f);
}

TEST_F(DriveTrain, BadFilesChangeNothing) {
    Write("nine.gbx", "Nine\n9\n-5\n5\n4\n3\n2\n1.5\n1.2\n1\n0.9\n0.8\n");
    Write("short.gbx", "Short\n4\n-5\n3\n2\n");
    Write("word.gbx", "Word\n2\n-5\nthree\n2\n");
    Write("flat.eng", "a\nb\n1000 800\n1000 900\n1500 900\n2000 700\n");
    Write("word.eng", "a\nb\n1000 800\n1400 x\n");
    struct Case { const char* file; bool gearbox; bool io; const char* mention; } cases[] = {
        {"nine.gbx", true, false, "line 2"},  {"short.gbx", true, false, "line 6"},
        {"word.gbx", true, false, "line 4"},  {"missing.gbx", true, true, "missing.gbx"},
        {"flat.eng", false, false, "line 4"}, {"word.eng", false, false, "line 4"},
        {"missing.eng", false, true, "missing.eng"},
    };
    for (auto& c : cases) {
        tnaped n;
        auto before = n.Ratios;
        auto curve = n.CurveRPM;
        try {
            if (c.gearbox) n.WczytajSkrzynie(c.file);
            else n.WczytajSilnik(c.file);
            ADD_FAILURE() << c.file << " was accepted";
        } catch (const EInOutError& e) {
            EXPECT_TRUE(c.io) << c.file << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.mention), std::string::npos) << e.what();
        } catch (const EConvertError& e) {
            EXPECT_FALSE(c.io) << c.file << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.mention), std::string::npos) << e.what();
        }
        EXPECT_EQ(n.Ratios, before) << c.file;
        EXPECT_EQ(n.CurveRPM, curve) << c.file;
        EXPECT_EQ(n.GearCount, 5) << c.file;
    }
}
