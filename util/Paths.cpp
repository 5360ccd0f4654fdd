#include "util/Paths.h"

#include "util/Errors.h"
#include "util/Fields.h"

#include <algorithm>
#include <dirent.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace zw {

namespace {
std::string g_appDir = ".";

bool Exists(const std::string& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0;
}
} // namespace

void SetAppDir(const std::string& dir) {
    g_appDir = dir;
    while (g_appDir.size() > 1 && g_appDir.back() == '/') g_appDir.pop_back();
    if (g_appDir.empty()) g_appDir = ".";
}

const std::string& AppDir() { return g_appDir; }

std::string AppDirSlash() { return g_appDir == "/" ? g_appDir : g_appDir + "/"; }

std::string AppPath(const std::string& name) { return ResolvePath(JoinPath(g_appDir, name)); }

std::string ExecutablePath() {
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    buf[n] = 0;
    return buf;
}

std::string ExecutableDir() {
    std::string p = ExecutablePath();
    return p.empty() ? "." : DirOf(p);
}

std::string JoinPath(const std::string& a, const std::string& b) {
    std::string bb = b;
    std::replace(bb.begin(), bb.end(), '\\', '/');
    if (a.empty()) return bb;
    size_t i = 0;
    while (i < bb.size() && bb[i] == '/') ++i;
    std::string aa = a;
    std::replace(aa.begin(), aa.end(), '\\', '/');
    while (aa.size() > 1 && aa.back() == '/') aa.pop_back();
    if (aa == "/") return "/" + bb.substr(i);
    return aa + "/" + bb.substr(i);
}

std::string ResolvePath(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    if (p.empty() || Exists(p)) return p;
    // Walk the components, fixing case where the exact name is missing.
    std::string done = p[0] == '/' ? "/" : "";
    size_t pos = p[0] == '/' ? 1 : 0;
    bool lost = false;
    while (pos <= p.size()) {
        size_t slash = p.find('/', pos);
        if (slash == std::string::npos) slash = p.size();
        std::string comp = p.substr(pos, slash - pos);
        pos = slash + 1;
        if (comp.empty()) continue;
        std::string base = done.empty() ? "." : done;
        std::string candidate = done.empty() ? comp : (done == "/" ? "/" + comp : done + "/" + comp);
        if (!lost && !Exists(candidate) && comp != "." && comp != "..") {
            if (DIR* d = ::opendir(base.c_str())) {
                while (dirent* e = ::readdir(d)) {
                    if (EqualsNoCase(e->d_name, comp)) {
                        candidate = done.empty() ? e->d_name
                                                 : (done == "/" ? "/" + std::string(e->d_name)
                                                                : done + "/" + e->d_name);
                        break;
                    }
                }
                ::closedir(d);
            }
            if (!Exists(candidate)) lost = true;
        }
        done = candidate;
    }
    return done;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st;
    return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::string p = ResolvePath(path);
    // A folder opens as a stream but has no size to read.
    struct stat st;
    if (::stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) throw EInOutError("Cannot open file \"" + path + "\"");
    std::ifstream in(p, std::ios::binary);
    if (!in) throw EInOutError("Cannot open file \"" + path + "\"");
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0) throw EInOutError("Cannot read file \"" + path + "\"");
    in.seekg(0);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        throw EInOutError("Cannot read file \"" + path + "\"");
    return bytes;
}

std::string ReadFileText(const std::string& path) {
    auto b = ReadFileBytes(path);
    return std::string(b.begin(), b.end());
}

void WriteFileBytes(const std::string& path, const void* data, size_t size) {
    std::string p = ResolvePath(path);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    if (!out) throw EInOutError("Cannot create file \"" + path + "\"");
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) throw EInOutError("Cannot write file \"" + path + "\"");
}

std::vector<std::string> ListDirectory(const std::string& dir, bool dirs, bool files,
                                       const std::string& suffix) {
    std::vector<std::string> out;
    std::string d = ResolvePath(dir);
    DIR* h = ::opendir(d.empty() ? "." : d.c_str());
    if (!h) return out;
    while (dirent* e = ::readdir(h)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        struct stat st;
        if (::stat(JoinPath(d, name).c_str(), &st) != 0) continue;
        bool isDir = S_ISDIR(st.st_mode);
        if ((isDir && !dirs) || (!isDir && !files)) continue;
        if (!suffix.empty() &&
            (name.size() < suffix.size() ||
             !EqualsNoCase(std::string_view(name).substr(name.size() - suffix.size()), suffix)))
            continue;
        out.push_back(name);
    }
    ::closedir(h);
    std::sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) {
        std::string la = LowerAscii(a), lb = LowerAscii(b);
        return la != lb ? la < lb : a < b;
    });
    return out;
}

std::string FileNameOf(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    size_t s = p.rfind('/');
    return s == std::string::npos ? p : p.substr(s + 1);
}

std::string StemOf(const std::string& name) {
    std::string f = FileNameOf(name);
    size_t dot = f.rfind('.');
    return dot == std::string::npos ? f : f.substr(0, dot);
}

std::string DirOf(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    size_t s = p.rfind('/');
    if (s == std::string::npos) return ".";
    if (s == 0) return "/";
    return p.substr(0, s);
}

} // namespace zw
