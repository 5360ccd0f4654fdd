#include "game/ControlsFile.h"

#include "shell/tzdlogger.h"
#include "util/Errors.h"
#include "util/Paths.h"

#include <cctype>
#include <climits>

namespace zw {

namespace {

// The integer at the start of a line (leading blanks skipped); false when
// the line does not begin with one or it does not fit 32 bits.
bool LeadingInteger(const std::string& line, int32_t& value) {
    size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) negative = line[i++] == '-';
    size_t digits = 0;
    long long v = 0;
    for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i, ++digits) {
        v = v * 10 + (line[i] - '0');
        if (v > INT_MAX + 1LL) return false;
    }
    if (digits == 0) return false;
    v = negative ? -v : v;
    if (v > INT_MAX || v < INT_MIN) return false;
    value = int32_t(v);
    return true;
}

std::vector<std::string> SplitLines(const std::vector<uint8_t>& bytes) {
    std::vector<std::string> lines;
    std::string cur;
    for (uint8_t b : bytes) {
        if (b == '\n') {
            lines.push_back(cur);
            cur.clear();
        } else if (b != '\r') {
            cur.push_back(char(b));
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    // Blank lines at the end of the file are not entries.
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos) lines.pop_back();
    return lines;
}

void Store(TControls& c, size_t lineNo, int32_t v) {
    if (lineNo <= 4) {
        if (v >= 1 && v <= 4) c.JoyButtons[lineNo] = v - 1;
    } else if (lineNo == 5) {
        c.JoyDeadZoneY = v;
    } else if (lineNo == 6) {
        c.JoyDeadZoneX = v;
    } else {
        c.Klawisze[lineNo - 6] = v;
    }
}

} // namespace

void ReadControls(const std::string& fileName, const std::vector<uint8_t>& bytes, TControls& controls,
                  tzdlogger* log) {
    std::vector<std::string> lines = SplitLines(bytes);
    for (size_t n = 1; n <= lines.size() && n <= size_t(6 + kKeyActions); ++n) {
        const std::string& line = lines[n - 1];
        if (log) log->WriteLine("[" + std::to_string(n) + "]:" + line);
        int32_t v = 0;
        if (!LeadingInteger(line, v))
            throw EConvertError(fileName + " line " + std::to_string(n) + ": '" + line + "' is not an integer");
        Store(controls, n, v);
    }
    if (log) log->WriteLine("..ok");
}

void WczytajKlawisze(const std::string& fileName, TControls& controls, tzdlogger* log) {
    std::vector<uint8_t> bytes = ReadFileBytes(fileName);
    ReadControls(fileName, bytes, controls, log);
}

} // namespace zw
