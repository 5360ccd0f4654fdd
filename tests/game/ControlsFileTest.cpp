#include "game/ControlsFile.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

using namespace zw;

namespace {
std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }
} // namespace

TEST(ControlsFileTest, ReadsButtonsDeadZonesAndKeys) {
    TControls c;
    ReadControls("joyst.bu", Bytes("1\r\n4\r\n2\r\n3\r\n12\r\n-7\r\n38 accelerator\r\n  40\r\n0\r\n"), c, nullptr);
    EXPECT_EQ(c.JoyButtons[1], 0);
    EXPECT_EQ(c.JoyButtons[2], 3);
    EXPECT_EQ(c.JoyButtons[3], 1);
    EXPECT_EQ(c.JoyButtons[4], 2);
    EXPECT_EQ(c.JoyDeadZoneY, 12);
    EXPECT_EQ(c.JoyDeadZoneX, -7);
    EXPECT_EQ(c.Klawisze[1], 38);
    EXPECT_EQ(c.Klawisze[2], 40);
    EXPECT_EQ(c.Klawisze[3], 0);
    EXPECT_EQ(c.Klawisze[4], 0);
}

TEST(ControlsFileTest, ButtonValuesOutsideOneToFourLeaveTheEntry) {
    TControls c;
    ReadControls("joyst.bu", Bytes("0\n5\n-1\n4\n"), c, nullptr);
    EXPECT_EQ(c.JoyButtons[1], 0);
    EXPECT_EQ(c.JoyButtons[2], 0);
    EXPECT_EQ(c.JoyButtons[3], 0);
    EXPECT_EQ(c.JoyButtons[4], 3);
}

TEST(ControlsFileTest, ABadLineNamesFileAndLineAndKeepsWhatWasRead) {
    struct Case {
        const char* text;
        int line;
    };
    for (Case k : {Case{"1\n2\nx\n", 3}, Case{"1\n\n3\n", 2}, Case{"1\n2\n3\n4\n5\n6\n99999999999\n", 7},
                   Case{"1\n2\n3\n4\n5\n6\n37\n- 3\n", 8}}) {
        TControls c;
        try {
            ReadControls("joyst.bu", Bytes(k.text), c, nullptr);
            ADD_FAILURE() << k.text;
        } catch (const EConvertError& e) {
            EXPECT_NE(std::string(e.what()).find("joyst.bu line " + std::to_string(k.line)), std::string::npos)
                << e.what();
        }
        EXPECT_EQ(c.JoyButtons[1], 0) << k.text;
        if (k.line > 2) {
            EXPECT_EQ(c.JoyButtons[2], 1) << k.text;
        }
    }
}

TEST(ControlsFileTest, LinesPastTheKeyTableAreIgnored) {
    std::string text = "1\n1\n1\n1\n0\n0\n";
    for (int i = 1; i <= 70; ++i) text += std::to_string(i + 100) + "\n";
    TControls c;
    ReadControls("joyst.bu", Bytes(text), c, nullptr);
    EXPECT_EQ(c.Klawisze[64], 164);
}

TEST(ControlsFileTest, AMissingFileIsAnInputOutputError) {
    TControls c;
    EXPECT_THROW(WczytajKlawisze("/nonexistent/joyst.bu", c, nullptr), EInOutError);
}
