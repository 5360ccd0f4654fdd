#include "platform/format/IniFile.h"

#include "util/Errors.h"
#include "util/Fields.h"
#include "util/Paths.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace zw {

namespace {

// "[Name]" (blanks allowed around) gives Name; other lines give false.
bool SectionName(const std::string& line, std::string& name) {
    std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[') return false;
    size_t close = t.find(']');
    if (close == std::string::npos) return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

bool IsComment(const std::string& t) {
    return !t.empty() && (t[0] == ';' || t[0] == '#');
}

// "Key=Value" gives Key (trimmed); comments and lines without "=" give false.
bool KeyName(const std::string& line, std::string& key) {
    std::string t = Trim(line);
    if (t.empty() || IsComment(t) || t[0] == '[') return false;
    size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    key = Trim(line.substr(0, eq));
    return !key.empty();
}

} // namespace

bool ParseIniInteger(const std::string& text, int& out) {
    std::string t = Trim(text);
    if (t.empty()) return false;
    bool neg = false;
    size_t i = 0;
    if (t[0] == '+' || t[0] == '-') {
        neg = t[0] == '-';
        i = 1;
    }
    int base = 10;
    if (t.size() > i + 1 && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= t.size()) return false;
    long long v = 0;
    for (; i < t.size(); ++i) {
        char c = t[i];
        int d = c >= '0' && c <= '9'                 ? c - '0'
                : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10
                : base == 16 && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
        if (d < 0) return false;
        v = v * base + d;
        if (v > 0xFFFFFFFFll) return false;
    }
    if (neg) v = -v;
    // Hexadecimal values name the 32 bits ("0xFFFFFFFF" is -1).
    if (base == 16 && !neg && v > INT_MAX) v -= 0x100000000ll;
    if (v < INT_MIN || v > INT_MAX) return false;
    out = int(v);
    return true;
}

IniFile::IniFile(const std::string& path) : path_(path) {
    struct stat st;
    if (::stat(ResolvePath(path).c_str(), &st) != 0) return;
    *this = FromText(ReadFileText(path), path);
}

IniFile IniFile::FromText(const std::string& text, const std::string& name) {
    IniFile ini;
    ini.path_ = name;
    size_t i = 0;
    while (i < text.size()) {
        size_t e = text.find_first_of("\r\n", i);
        Line l;
        if (e == std::string::npos) {
            l.text = text.substr(i);
            i = text.size();
        } else {
            l.text = text.substr(i, e - i);
            size_t len = (text[e] == '\r' && e + 1 < text.size() && text[e + 1] == '\n') ? 2 : 1;
            l.end = text.substr(e, len);
            i = e + len;
        }
        ini.lines_.push_back(std::move(l));
    }
    return ini;
}

int IniFile::FindSection(const std::string& section) const {
    std::string name;
    for (size_t i = 0; i < lines_.size(); ++i)
        if (SectionName(lines_[i].text, name) && EqualsNoCase(name, section)) return int(i);
    return -1;
}

int IniFile::FindKey(const std::string& section, const std::string& key) const {
    bool inside = false;
    std::string name;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (SectionName(lines_[i].text, name)) {
            inside = EqualsNoCase(name, section);
            continue;
        }
        if (inside && KeyName(lines_[i].text, name) && EqualsNoCase(name, key)) return int(i);
    }
    return -1;
}

bool IniFile::SectionExists(const std::string& section) const {
    return FindSection(section) >= 0;
}

bool IniFile::ValueExists(const std::string& section, const std::string& key) const {
    return FindKey(section, key) >= 0;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    int i = FindKey(section, key);
    if (i < 0) return def;
    const std::string& t = lines_[size_t(i)].text;
    return Trim(t.substr(t.find('=') + 1));
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    int v = 0;
    return ParseIniInteger(ReadString(section, key, ""), v) ? v : def;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::string IniFile::NewLineEnd() const {
    for (const auto& l : lines_)
        if (!l.end.empty()) return l.end;
    return "\r\n";
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& text) {
    // A line end inside a value would split its line in two.
    std::string value = text;
    for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    int k = FindKey(section, key);
    if (k >= 0) {
        // The key keeps its spelling and the blanks before "=".
        std::string& t = lines_[size_t(k)].text;
        t = t.substr(0, t.find('=') + 1) + value;
    } else {
        std::string nl = NewLineEnd();
        int s = FindSection(section);
        if (s < 0) {
            if (!lines_.empty() && lines_.back().end.empty()) lines_.back().end = nl;
            lines_.push_back({"[" + section + "]", nl});
            lines_.push_back({key + "=" + value, nl});
        } else {
            // After the section's last line that is not blank.
            size_t at = size_t(s) + 1;
            std::string name;
            for (size_t i = at; i < lines_.size() && !SectionName(lines_[i].text, name); ++i)
                if (!Trim(lines_[i].text).empty()) at = i + 1;
            if (at == lines_.size() && lines_.back().end.empty()) lines_.back().end = nl;
            lines_.insert(lines_.begin() + long(at), Line{key + "=" + value, nl});
        }
    }
    if (!deferred_) UpdateFile();
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::EndUpdate() {
    deferred_ = false;
    UpdateFile();
}

std::string IniFile::Text() const {
    std::string s;
    for (const auto& l : lines_)
        s += l.text + l.end;
    return s;
}

void IniFile::UpdateFile() {
    if (path_.empty()) return;
    // Written beside the file and renamed over it, so that a failed write
    // never leaves half a configuration behind.
    std::string target = ResolvePath(path_);
    std::string tmp = target + ".tmp";
    std::string text = Text();
    WriteFileBytes(tmp, text.data(), text.size());
    if (std::rename(tmp.c_str(), target.c_str()) != 0) {
        std::remove(tmp.c_str());
        throw EInOutError("Cannot write file \"" + path_ + "\"");
    }
}

} // namespace zw
