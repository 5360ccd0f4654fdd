#include "ShellTestSupport.h"

#include "shell/tzdlogger.h"
#include "util/Errors.h"

using namespace zw;
using namespace zwtest;

using TzdLoggerTest = AppDirTest;

TEST_F(TzdLoggerTest, WriteThenWriteLineGiveOneLineAndEveryCallLeavesTheFileComplete) {
    tzdlogger log("MapLog.txt"); // relative: the current directory
    EXPECT_TRUE(log.Enabled);
    EXPECT_FALSE(fs::exists(dir / "MapLog.txt")); // creating touches nothing
    log.Clear();
    EXPECT_EQ(ReadText(dir / "MapLog.txt"), "");
    log.Write("[1]:");
    EXPECT_EQ(ReadText(dir / "MapLog.txt"), "[1]:");
    log.WriteLine("line one");
    log.WriteLine("..ok");
    EXPECT_EQ(ReadText(dir / "MapLog.txt"), "[1]:line one\r\n..ok\r\n");
    log.Clear();
    EXPECT_EQ(ReadText(dir / "MapLog.txt"), "");
}

TEST_F(TzdLoggerTest, WritingToAFileNeverClearedFailsWithAnInputOutputError) {
    tzdlogger log((dir / "never.txt").string());
    EXPECT_THROW(log.WriteLine("x"), EInOutError);
    EXPECT_THROW(log.Write("x"), EInOutError);
    EXPECT_FALSE(fs::exists(dir / "never.txt"));
}

TEST_F(TzdLoggerTest, ADisabledLogWritesNothing) {
    tzdlogger log("MapLog.txt");
    log.Clear();
    log.Enabled = false;
    log.WriteLine("skipped");
    tzdlogger absent("absent.txt");
    absent.Enabled = false;
    EXPECT_NO_THROW(absent.WriteLine("skipped too")); // skipped before the file is looked for
    EXPECT_EQ(ReadText(dir / "MapLog.txt"), "");
}
