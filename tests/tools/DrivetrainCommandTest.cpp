// Runs zwtool drivetrain as a bus maker would, on the demo world's files.
#include "tests/support/RunCommand.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {
using Result = zwtest::CommandResult;

Result RunTool(const std::string& args) {
    return zwtest::RunCommand(std::string(ZW_GAME_DIR) + "/zwtool drivetrain " + args + " 2>&1");
}
} // namespace

TEST(DrivetrainCommand, CsvHasOneLinePerStep) {
    Result r = RunTool("--csv --seconds 2 --dt 0.02 --auto");
    ASSERT_EQ(r.code, 0) << r.out;
    std::istringstream in(r.out);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "t,speed,rpm,gear,torque");
    int rows = 0;
    std::string last;
    while (std::getline(in, line)) ++rows, last = line;
    EXPECT_EQ(rows, 100);
    EXPECT_EQ(last.rfind("2.000,", 0), 0u) << last;
}

TEST(DrivetrainCommand, AutomaticRunReachesCitySpeedsThroughEveryGear) {
    Result r = RunTool("--gearbox zf5hp500.gbx --engine su15.eng --auto");
    ASSERT_EQ(r.code, 0) << r.out;
    for (const char* want : {"gear 1 -> 2", "gear 4 -> 5", "0-30 km/h: ", "0-50 km/h: ", "top speed: "})
        EXPECT_NE(r.out.find(want), std::string::npos) << want << "\n" << r.out;
    EXPECT_EQ(r.out.find("not reached"), std::string::npos) << r.out;
}

TEST(DrivetrainCommand, BadInputIsReportedNotRun) {
    for (const char* args : {"--gearbox nosuch.gbx", "--throttle 2", "--dt 0", "--frobnicate"}) {
        Result r = RunTool(args);
        EXPECT_EQ(r.code, 2) << args << "\n" << r.out;
        EXPECT_NE(r.out.find("zwtool drivetrain: "), std::string::npos) << r.out;
    }
}
