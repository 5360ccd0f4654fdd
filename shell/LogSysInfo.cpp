#include "shell/LogSysInfo.h"

#include "util/Fields.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sched.h>
#include <sstream>
#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace zw {

namespace {

const char* kRule83 = "===================================================================================";

std::string ReadProcText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "";
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string OrNa(const std::string& s) {
    return s.empty() ? "n/a" : s;
}

std::string Hex(uint64_t v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%016llX", static_cast<unsigned long long>(v));
    return buf;
}

// Label padded so that every colon of a block stands in one column.
std::string Row(const std::string& label, const std::string& value) {
    std::string s = label;
    if (s.size() < 32) s.append(32 - s.size(), ' ');
    return s + ": " + value;
}

std::string Percent(uint64_t part, uint64_t whole) {
    if (part > whole) part = whole;
    return std::to_string(whole ? (part * 100 + whole / 2) / whole : 0);
}

std::string ActiveMask() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0) return "";
    uint64_t mask = 0;
    for (int i = 0; i < 64; ++i)
        if (CPU_ISSET(i, &set)) mask |= uint64_t(1) << i;
    return Hex(mask);
}

struct MemFigures {
    uint64_t total = 0, avail = 0, swapTotal = 0, swapFree = 0, commitLimit = 0, committed = 0;
};

MemFigures ReadMemFigures() {
    auto m = ParseMemInfo(ReadProcText("/proc/meminfo"));
    MemFigures f;
    f.total = m["MemTotal"];
    f.avail = m.count("MemAvailable") ? m["MemAvailable"] : m["MemFree"];
    f.swapTotal = m["SwapTotal"];
    f.swapFree = m["SwapFree"];
    f.commitLimit = m["CommitLimit"];
    f.committed = m["Committed_AS"];
    return f;
}

} // namespace

std::map<std::string, uint64_t> ParseMemInfo(const std::string& text) {
    std::map<std::string, uint64_t> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        size_t colon = line.find(':');
        if (colon == std::string::npos || colon == 0) continue;
        unsigned long long v = 0;
        char unit[8] = {0};
        int got = std::sscanf(line.c_str() + colon + 1, "%llu %7s", &v, unit);
        if (got < 1) continue;
        uint64_t mult = (got == 2 && std::string(unit) == "kB") ? 1024 : 1;
        out[line.substr(0, colon)] = uint64_t(v) * mult;
    }
    return out;
}

std::string CpuInfoField(const std::string& text, const std::string& name) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        if (Trim(line.substr(0, colon)) == name) return Trim(line.substr(colon + 1));
    }
    return "";
}

std::string MegabytesText(uint64_t bytes) {
    return std::to_string((bytes + 524288) / 1048576) + " MB (" + std::to_string(bytes) + " B)";
}

std::vector<std::string> CpuInfoLines() {
    std::string cpu = ReadProcText("/proc/cpuinfo");
    struct utsname un {};
    std::string arch = ::uname(&un) == 0 ? un.machine : "";
    long page = ::sysconf(_SC_PAGESIZE);
    std::string pageText = page > 0 ? std::to_string(page) : "";
    std::string mhz = CpuInfoField(cpu, "cpu MHz");
    std::string model = CpuInfoField(cpu, "model");
    std::string stepping = CpuInfoField(cpu, "stepping");
    std::string revision =
        model.empty() ? "" : "model " + model + (stepping.empty() ? "" : ", stepping " + stepping);
    std::string minAddr = Trim(ReadProcText("/proc/sys/vm/mmap_min_addr"));
    if (!minAddr.empty()) minAddr = Hex(std::strtoull(minAddr.c_str(), nullptr, 10));
    std::string maxAddr;
#if defined(__x86_64__) || defined(__aarch64__)
    maxAddr = Hex(0x00007FFFFFFFFFFFull);
#endif
    return {
        "==================================  CPU info  =====================================",
        Row("  Architecture", OrNa(arch)),
        Row("  OEM ID (vendor)", OrNa(CpuInfoField(cpu, "vendor_id"))),
        Row("  Active processor mask", OrNa(ActiveMask())),
        Row("  Number of processors", std::to_string(::sysconf(_SC_NPROCESSORS_ONLN))),
        Row("  Processor type", OrNa(CpuInfoField(cpu, "model name"))),
        Row("  Processor level", OrNa(CpuInfoField(cpu, "cpu family"))),
        Row("  Speed (registry)", mhz.empty() ? "n/a" : mhz + " MHz"),
        Row("  VMem allocation granularity", OrNa(pageText)),
        Row("  ProcessorRevision", OrNa(revision)),
        Row("  Page size", OrNa(pageText)),
        Row("  Minimum application address", OrNa(minAddr)),
        Row("  Maximum application address", OrNa(maxAddr)),
        kRule83,
    };
}

std::vector<std::string> MemoryStatusLines() {
    MemFigures m = ReadMemFigures();
    uint64_t virtAvail = m.commitLimit > m.committed ? m.commitLimit - m.committed : 0;
    struct statvfs vfs {};
    uint64_t diskTotal = 0, diskFree = 0;
    if (::statvfs(".", &vfs) == 0) {
        diskTotal = uint64_t(vfs.f_blocks) * vfs.f_frsize;
        diskFree = uint64_t(vfs.f_bavail) * vfs.f_frsize;
    }
    return {
        "=================================  Memory status  =================================",
        Row("  Memory (Total)", MegabytesText(m.total)),
        Row("  Memory (Available)", MegabytesText(m.avail)),
        "  => Memory load : " + Percent(m.total > m.avail ? m.total - m.avail : 0, m.total) + "%",
        Row("  Page(Swap)File (Total)", MegabytesText(m.swapTotal)),
        Row("  Page(Swap)File (Available)", MegabytesText(m.swapFree)),
        Row("  Virtual Memory (Total)", MegabytesText(m.commitLimit)),
        Row("  Virtual Memory (Available)", MegabytesText(virtAvail)),
        Row("  Current Disk (Total)", MegabytesText(diskTotal)),
        Row("  Current disk (Available)", MegabytesText(diskFree)),
        "  => Free space : " + Percent(diskFree, diskTotal) + "%",
        kRule83,
    };
}

std::vector<std::string> RamMonitorLines() {
    MemFigures m = ReadMemFigures();
    return {
        "",
        "============  RAM Monitor  ============",
        "  Memory (Total) : " + MegabytesText(m.total),
        "  Memory (Avail) : " + MegabytesText(m.avail),
        "================(" + Percent(m.total > m.avail ? m.total - m.avail : 0, m.total) +
            "%)==================",
        "",
    };
}

std::vector<std::string> HeapMonitorLines() {
    return {
        "",
        "===========  Heap Monitor  ============",
        "  AllocMemCount (Blocks) : " + (HeapCounting() ? std::to_string(HeapBlockCount()) : "n/a"),
        "  AllocMemSize  (Bytes)  : " + (HeapCounting() ? std::to_string(HeapByteCount()) : "n/a"),
        "=======================================",
        "",
    };
}

} // namespace zw
