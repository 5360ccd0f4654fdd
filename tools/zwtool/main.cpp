// zwtool: inspect and check data folders for map and bus makers.
#include "tools/zwtool/Command.h"
#include "util/Paths.h"

#include <cstdio>
#include <map>

namespace zwtool {
namespace {
struct Entry {
    const char* usage;
    CommandFn fn;
};
std::map<std::string, Entry>& Commands() {
    static std::map<std::string, Entry> commands;
    return commands;
}
} // namespace

CommandRegistrar::CommandRegistrar(const char* name, const char* usage, CommandFn fn) {
    Commands()[name] = Entry{usage, fn};
}
} // namespace zwtool

int main(int argc, char** argv) {
    zw::SetAppDir(zw::ExecutableDir());
    std::vector<std::string> args(argv + 1, argv + argc);
    auto& commands = zwtool::Commands();
    if (args.empty() || args[0] == "--help" || args[0] == "help" || !commands.count(args[0])) {
        std::printf("usage: zwtool COMMAND [options]\n\ncommands:\n");
        for (auto& [name, e] : commands) std::printf("  %s\n", e.usage);
        return args.empty() || args[0] == "--help" || args[0] == "help" ? 0 : 2;
    }
    std::string name = args[0];
    args.erase(args.begin());
    return commands[name].fn(args);
}
