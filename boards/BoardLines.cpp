#include "boards/BoardLines.h"

#include "util/Errors.h"
#include "util/NumText.h"

namespace zw {

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.push_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

BoardLineReader::BoardLineReader(std::string_view bytes, std::string name, const BoardLineLog* log)
    : lines_(SplitLines(bytes)), name_(std::move(name)), log_(log && *log ? log : nullptr) {}

std::string BoardLineReader::Where() const {
    return name_ + ", line " + std::to_string(next_) + ": ";
}

std::string_view BoardLineReader::Next(const char* expected) {
    if (next_ >= int(lines_.size()))
        throw EInOutError(name_ + ": the file ends after line " + std::to_string(lines_.size()) +
                          ", expected " + expected);
    std::string_view line = lines_[size_t(next_++)];
    if (log_) (*log_)("[" + std::to_string(next_) + "]:" + std::string(line));
    return line;
}

void BoardLineReader::Ok() const {
    if (log_) (*log_)("..ok");
}

int BoardLineReader::NextInt(const char* expected) {
    std::string_view line = Next(expected);
    try {
        int v = ParseInt(line);
        Ok();
        return v;
    } catch (const EConvertError&) {
        throw EConvertError(Where() + "\"" + std::string(line) + "\" is not an integer (" + expected + ")");
    }
}

char BoardLineReader::NextChar(const char* expected) {
    std::string_view line = Next(expected);
    if (line.empty()) throw EConvertError(Where() + "empty line, expected " + expected);
    Ok();
    return line[0];
}

} // namespace zw
