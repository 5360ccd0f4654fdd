#pragma once
// The system blocks of the engine log ({CPUI}, {Mem}, {RAM}, {HEAP}), filled
// from /proc, the C library and the program's own heap counters.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zw {

std::vector<std::string> CpuInfoLines();
std::vector<std::string> MemoryStatusLines();
std::vector<std::string> RamMonitorLines();
std::vector<std::string> HeapMonitorLines();

// "MemTotal:  16318412 kB" lines to bytes by name; lines that do not parse are skipped.
std::map<std::string, uint64_t> ParseMemInfo(const std::string& text);
// The first "name : value" of /proc/cpuinfo text, trimmed; "" when missing.
std::string CpuInfoField(const std::string& text, const std::string& name);
// " MB (" form: megabytes rounded from bytes / 1048576, then the bytes.
std::string MegabytesText(uint64_t bytes);

// Blocks and bytes the program holds through operator new (when counted:
// not under AddressSanitizer).
bool HeapCounting();
uint64_t HeapBlockCount();
uint64_t HeapByteCount();

} // namespace zw
