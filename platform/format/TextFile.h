#pragma once
// Plain text files read line by line. Lines end at CR LF, LF or CR; the bytes
// are kept as they stand (Windows-1250 in the data files), nothing is converted.
#include <string>
#include <string_view>
#include <vector>

namespace zw {

// Splits text into lines; a last line without an end is kept, an end at the
// very end adds no empty line.
std::vector<std::string> SplitTextLines(std::string_view text);

class TextFileReader {
public:
    TextFileReader() = default;
    // Reads the whole file (path resolved); EInOutError naming it when it cannot.
    explicit TextFileReader(const std::string& path);
    static TextFileReader FromText(std::string_view text, std::string name);

    bool Eof() const { return next_ >= lines_.size(); }
    // The next line, "" at the end. LineNumber() is then its 1-based number.
    std::string ReadLine();
    size_t LineNumber() const { return next_; }
    const std::string& Name() const { return name_; }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::string name_;
    std::vector<std::string> lines_;
    size_t next_ = 0;
};

// All lines of a file (path resolved).
std::vector<std::string> ReadTextLines(const std::string& path);

} // namespace zw
