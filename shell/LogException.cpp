#include "shell/LogMarkup.h"

#include "util/Cp1250.h"

namespace zw {

namespace {
const char* kBullet = "\xE2\x80\xA2"; // U+2022

std::string Bullets(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += kBullet;
    return s;
}

bool ValidUtf8(const std::string& s) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + len > s.size()) return false;
        for (size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        if (len == 2 && c < 0xC2) return false; // overlong
        i += len;
    }
    return true;
}
} // namespace

std::string LogLineUtf8(const std::string& line) {
    return ValidUtf8(line) ? line : Cp1250ToUtf8(line);
}

std::vector<std::string> ExceptionEntryLines(const std::string& message, const std::string& className,
                                             const std::string& routine,
                                             const std::vector<std::pair<std::string, std::string>>& args) {
    std::string caption = Bullets(3) + "    E R R O R    " + Bullets(3) + " \"" + LogLineUtf8(message) + "\"";
    if (!routine.empty()) {
        caption += " in " + LogLineUtf8(routine);
        if (!args.empty()) {
            caption += "(";
            for (size_t i = 0; i < args.size(); ++i) {
                if (i > 0) caption += ", ";
                caption += LogLineUtf8(args[i].first) + ": " + LogLineUtf8(args[i].second);
            }
            caption += ")";
        }
    }
    if (!className.empty()) caption += " [" + className + "]";
    return {"", Bullets(80), caption, Bullets(80), ""};
}

} // namespace zw
