#include "util/Fields.h"

namespace zw {

std::string CommaField(std::string_view line, int n) {
    size_t start = 0;
    for (int i = 0; i < n; ++i) {
        size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) break; // fewer fields: the last one
        start = comma + 1;
    }
    size_t end = line.find(',', start);
    if (end == std::string_view::npos) end = line.size();
    return std::string(line.substr(start, end - start));
}

std::string Trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    size_t b = 0, e = s.size();
    while (b < e && blank(s[b])) ++b;
    while (e > b && blank(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

std::string UpperAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return r;
}

std::string LowerAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return r;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = char(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = char(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

} // namespace zw
