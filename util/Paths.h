#pragma once
// Every data path goes through here: Windows-style names from data files
// ("Maps\x.ms1") are resolved on Linux.
#include <cstdint>
#include <string>
#include <vector>

namespace zw {

// Fixes the application directory (the executable's folder), no trailing separator.
void SetAppDir(const std::string& dir);
// The application directory without a trailing separator.
const std::string& AppDir();
// The application directory with a trailing separator.
std::string AppDirSlash();
// AppDir + one separator + name (backslashes in name allowed), resolved.
std::string AppPath(const std::string& name);
// Directory of the running executable (from /proc/self/exe).
std::string ExecutableDir();
// Full path of the running executable ("" when unknown).
std::string ExecutablePath();

// Backslashes become slashes; a component missing with its exact case is
// matched case-insensitively in its folder. Relative paths resolve against
// the current directory. A path that matches nothing is returned normalised.
std::string ResolvePath(const std::string& path);

// Joins with exactly one separator between a and b.
std::string JoinPath(const std::string& a, const std::string& b);

bool FileExists(const std::string& path);      // a regular file (resolved)
bool DirectoryExists(const std::string& path); // a folder (resolved)

// Whole file as bytes; EInOutError naming the file when it cannot be read.
std::vector<uint8_t> ReadFileBytes(const std::string& path);
std::string ReadFileText(const std::string& path);
// Writes the whole file; EInOutError when it cannot be written.
void WriteFileBytes(const std::string& path, const void* data, size_t size);

// Entries of a folder, sorted by name without regard to case (the order a
// player sees in a file manager). dirsOnly / filesOnly filter; pattern is a
// suffix such as ".ms1" matched without regard to case ("" for all).
std::vector<std::string> ListDirectory(const std::string& dir, bool dirs, bool files,
                                       const std::string& suffix = "");

// "a/b/c.txt" -> "c.txt"; "c.txt" -> "c"; "a/b/c.txt" -> "a/b".
std::string FileNameOf(const std::string& path);
std::string StemOf(const std::string& name);
std::string DirOf(const std::string& path);

} // namespace zw
