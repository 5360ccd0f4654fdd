#pragma once
// Runs a shell command as a person would from a terminal and collects what
// it prints, for tests of the programs themselves.
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace zwtest {

struct CommandResult {
    int code = -1; // exit code; -1 when it could not run or was killed
    std::string out;
};

inline CommandResult RunCommand(const std::string& cmd) {
    CommandResult r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int st = ::pclose(p);
    r.code = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

} // namespace zwtest
