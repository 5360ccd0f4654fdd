// Runs zwtool view --list as a model maker would.
#include "tests/support/RunCommand.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {
using ViewResult = zwtest::CommandResult;

ViewResult RunView(const std::string& args) {
    return zwtest::RunCommand(std::string(ZW_GAME_DIR) + "/zwtool view " + args + " 2>&1");
}
const std::string kModel = std::string(ZW_TEST_DIR) + "/format/fixtures/two_parts.3ds";
} // namespace

TEST(ViewCommand, ListsObjectsInFileOrderAndMaterials) {
    ViewResult r = RunView(kModel + " --list");
    ASSERT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(r.out,
              "object \"box\": 8 vertices, 12 triangles, materials: \"red\", \"tex\"\n"
              "object \"roof\": 3 vertices, 1 triangles, materials: \"red\"\n"
              "material \"red\": texture (none)\n"
              "material \"tex\": texture \"brick.bmp\"\n");
}

TEST(ViewCommand, BadFilesAndOptionsAreReported) {
    std::string junk = std::string(ZW_BUILD_DIR) + "/view_junk.3ds";
    std::ofstream(junk, std::ios::binary) << "MM\x20\x00\x00\x00garbage";
    struct Case {
        std::string args;
        int code;
        const char* says;
    } cases[] = {
        {junk + " --list", 1, "view_junk.3ds"},
        {"/nonexistent/model.3ds --list", 1, "EInOutError"},
        {kModel + " --frobnicate", 2, "unknown option"},
        {"--list", 2, "which 3DS file"},
    };
    for (auto& c : cases) {
        ViewResult r = RunView(c.args);
        EXPECT_EQ(r.code, c.code) << c.args << "\n" << r.out;
        EXPECT_NE(r.out.find("zwtool view: "), std::string::npos) << r.out;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;
    }
}
