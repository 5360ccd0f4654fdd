#include "platform/format/TextFile.h"

#include "util/Paths.h"

namespace zw {

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0, i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

TextFileReader::TextFileReader(const std::string& path)
    : name_(path), lines_(SplitTextLines(ReadFileText(path))) {}

TextFileReader TextFileReader::FromText(std::string_view text, std::string name) {
    TextFileReader r;
    r.name_ = std::move(name);
    r.lines_ = SplitTextLines(text);
    return r;
}

std::string TextFileReader::ReadLine() {
    if (Eof()) return std::string();
    return lines_[next_++];
}

std::vector<std::string> ReadTextLines(const std::string& path) { return SplitTextLines(ReadFileText(path)); }

} // namespace zw
