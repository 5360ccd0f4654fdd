#include "shell/tzdlogger.h"

#include "util/Errors.h"
#include "util/Paths.h"

#include <cstdio>
#include <sys/stat.h>

namespace zw {

namespace {
void Append(const std::string& fileName, const std::string& text, bool lineEnd) {
    std::string path = ResolvePath(fileName);
    // Appending needs an existing file, as the object log is cleared before use.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) throw EInOutError("File not found: \"" + fileName + "\"");
    FILE* f = std::fopen(path.c_str(), "ab");
    if (!f) throw EInOutError("Cannot open \"" + fileName + "\" for appending");
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (lineEnd) ok = ok && std::fwrite("\r\n", 1, 2, f) == 2;
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) throw EInOutError("Cannot write to \"" + fileName + "\"");
}
} // namespace

tzdlogger::tzdlogger(const std::string& fileName) : FileName(fileName), Enabled(true) {}

void tzdlogger::Clear() {
    FILE* f = std::fopen(ResolvePath(FileName).c_str(), "wb");
    if (!f) throw EInOutError("Cannot create \"" + FileName + "\"");
    std::fclose(f);
}

void tzdlogger::Write(const std::string& text) {
    if (Enabled) Append(FileName, text, false);
}

void tzdlogger::WriteLine(const std::string& text) {
    if (Enabled) Append(FileName, text, true);
}

} // namespace zw
