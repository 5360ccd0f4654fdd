#pragma once
// zwtool's commands register themselves, one file per command, so that adding
// a command touches no shared file.
#include <string>
#include <vector>

namespace zwtool {

using CommandFn = int (*)(const std::vector<std::string>& args);

struct CommandRegistrar {
    CommandRegistrar(const char* name, const char* usage, CommandFn fn);
};

} // namespace zwtool
