#include "ShellTestSupport.h"

#include "shell/LogSysInfo.h"
#include "util/Errors.h"

using namespace zw;
using namespace zwtest;

using LogWriterTest = AppDirTest;

TEST_F(LogWriterTest, WritesEveryQueuedMessageInCallOrderBeforeClosing) {
    fs::path file = dir / "order.log";
    {
        LogWriter w(file.string(), "app");
        ASSERT_TRUE(w.IsOpen());
        for (int i = 0; i < 5000; ++i)
            w.AddParts({"{@3}line ", i});
        // No Flush: the destructor must write what is queued.
    }
    auto lines = ReadCrLfLines(file);
    ASSERT_EQ(lines.size(), 5000u);
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(lines[size_t(i)], "  line " + std::to_string(i));
}

TEST_F(LogWriterTest, OverwritesThePreviousLogWithCrLfLines) {
    fs::path file = dir / "zwlog.txt";
    WriteText(file, "old run\nmore\n");
    {
        LogWriter w(file.string(), "app");
        w.Add("{*80*}");
        w.Add("a{/}b");
    }
    EXPECT_EQ(ReadText(file), std::string(80, '*') + "\r\na\r\nb\r\n");
}

TEST_F(LogWriterTest, FlushWaitsForTheDisk) {
    fs::path file = dir / "flush.log";
    LogWriter w(file.string(), "app");
    w.Add("first");
    w.Flush();
    EXPECT_EQ(ReadText(file), "first\r\n");
    w.Add("second");
    w.Flush();
    EXPECT_EQ(ReadText(file), "first\r\nsecond\r\n");
}

TEST_F(LogWriterTest, ComposedMessagesJoinTextsIntegersCharsAndClassNames) {
    EXPECT_EQ(LogWriter::JoinParts({"a", 12, 'c', LogPart::Object("TZwConfig"), -3LL, std::string("z")}),
              "a12cTZwConfig-3z");
}

TEST_F(LogWriterTest, ExceptionEntriesNameTheRoutineAndClass) {
    fs::path file = dir / "ex.log";
    {
        LogWriter w(file.string(), "app");
        w.Add("before");
        w.AddException(EInOutError("disk gone"), "TZwConfig.Save");
        w.Add("after");
    }
    auto lines = ReadCrLfLines(file);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "before");
    EXPECT_EQ(lines[1], "");
    EXPECT_NE(lines[3].find("E R R O R"), std::string::npos);
    EXPECT_NE(lines[3].find("\"disk gone\" in TZwConfig.Save"), std::string::npos);
    EXPECT_NE(lines[3].find("EInOutError"), std::string::npos);
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "after");
}

TEST_F(LogWriterTest, AnUnwritableFolderGivesALogThatDropsEverything) {
    LogWriter w((dir / "no" / "such" / "folder" / "zwlog.txt").string(), "app");
    EXPECT_FALSE(w.IsOpen());
    w.Add("dropped");
    w.AddException(std::runtime_error("x"));
    w.Flush(); // returns at once
    EXPECT_FALSE(fs::exists(dir / "no"));
}

TEST_F(LogWriterTest, DataTextsAreWrittenAsUtf8) {
    fs::path file = dir / "cp.log";
    {
        LogWriter w(file.string(), "app");
        w.Add("Przystanek \xA3\xF3\x64\xBF"); // Windows-1250 "Łódż"
    }
    EXPECT_EQ(ReadText(file), "Przystanek \xC5\x81\xC3\xB3\x64\xC5\xBC\r\n");
}

TEST_F(LogWriterTest, SystemBlocksComeFromTheSystem) {
    fs::path file = dir / "sys.log";
    {
        LogWriter w(file.string(), "app");
        w.Add("{CPUI}");
        w.Add("{Mem}");
        w.Add("{RAM}");
        w.Add("{HEAP}");
    }
    auto lines = ReadCrLfLines(file);
    std::string all;
    for (auto& l : lines)
        all += l + "\n";
    EXPECT_NE(all.find("==================================  CPU info  ====================================="),
              std::string::npos);
    EXPECT_NE(all.find("  Number of processors"), std::string::npos);
    EXPECT_NE(all.find("=================================  Memory status  ================================="),
              std::string::npos);
    EXPECT_NE(all.find("  => Memory load : "), std::string::npos);
    EXPECT_NE(all.find("  => Free space : "), std::string::npos);
    EXPECT_NE(all.find("\n\n============  RAM Monitor  ============\n  Memory (Total) : "),
              std::string::npos);
    EXPECT_NE(all.find("\n\n===========  Heap Monitor  ============\n  AllocMemCount (Blocks) : "),
              std::string::npos);
    EXPECT_NE(all.find(std::string(83, '=')), std::string::npos);
    EXPECT_EQ(all.find("#HLTag"), std::string::npos);
}

TEST(LogSysInfo, ParsesProcTexts) {
    auto m =
        ParseMemInfo("MemTotal:       16318412 kB\nMemAvailable:    8000000 kB\nHugePages_Total:       0\n"
                     "garbage line\n:5\n");
    EXPECT_EQ(m["MemTotal"], 16318412ull * 1024);
    EXPECT_EQ(m["MemAvailable"], 8000000ull * 1024);
    EXPECT_EQ(m["HugePages_Total"], 0ull);
    EXPECT_EQ(m.count("garbage line"), 0u);
    EXPECT_EQ(CpuInfoField("processor\t: 0\nvendor_id\t: GenuineX\nmodel name\t: Chip 9\n", "vendor_id"),
              "GenuineX");
    EXPECT_EQ(CpuInfoField("model\t\t: 158\nmodel name\t: Chip\n", "model"), "158");
    EXPECT_EQ(CpuInfoField("", "model"), "");
    EXPECT_EQ(MegabytesText(1048576 * 3 + 524288), "4 MB (3670016 B)");
    EXPECT_EQ(MegabytesText(0), "0 MB (0 B)");
}

TEST(LogSysInfo, HeapCountersFollowAllocations) {
    if (!HeapCounting()) GTEST_SKIP() << "not counted under AddressSanitizer";
    uint64_t blocks = HeapBlockCount();
    uint64_t bytes = HeapByteCount();
    auto* p = new std::vector<char>(100000);
    EXPECT_GE(HeapBlockCount(), blocks + 2);
    EXPECT_GE(HeapByteCount(), bytes + 100000);
    delete p;
    EXPECT_LT(HeapByteCount(), bytes + 100000);
}
