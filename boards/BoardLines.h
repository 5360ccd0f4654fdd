#pragma once
// The board files are read line by line: lines end with CR LF, LF or CR,
// and a last line without an end still counts.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

// Receives each line a board reader reads ("[" n "]:" line, then "..ok"),
// so that a log shows where reading stopped. Empty: nothing is logged.
using BoardLineLog = std::function<void(const std::string&)>;

std::vector<std::string_view> SplitLines(std::string_view bytes);

// Walks the lines of one file, naming the file and line in every error.
class BoardLineReader {
public:
    BoardLineReader(std::string_view bytes, std::string name, const BoardLineLog* log = nullptr);

    int LineCount() const { return int(lines_.size()); }
    int LinesLeft() const { return int(lines_.size()) - next_; }
    int LineNumber() const { return next_; } // number of the line last read (1-based)
    const std::string& Name() const { return name_; }

    // The next line (logged); EInOutError when the file has ended ("expected"
    // says what was wanted). Call Ok() once the line has been taken.
    std::string_view Next(const char* expected);
    void Ok() const;
    // The next line as an integer; EConvertError when it is not one.
    int NextInt(const char* expected);
    // The first character of the next line; EConvertError when the line is empty.
    char NextChar(const char* expected);

    // "name, line n: " for messages about the line last read.
    std::string Where() const;

private:
    std::vector<std::string_view> lines_;
    std::string name_;
    const BoardLineLog* log_;
    int next_ = 0;
};

} // namespace zw
