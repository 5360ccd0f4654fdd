#pragma once
// The engine log's layout markup: turns one message into its lines.
//
// Tags in braces: {/} line end, {@N} start at column N, {N@} right-align to
// end at column N, {*Nc} pad the piece before with c to N characters,
// {&}..{&} group pieces, {dte} {hms} {App_name} values, {CPUI} {Mem} {RAM}
// {HEAP} system blocks. Anything else is written as "#HLTag(name)".
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zw {

enum class LogBlock { Cpu, Memory, Ram, Heap };

struct MarkupContext {
    std::string date;    // "yyyy-mm-dd"
    std::string time;    // "hh:mm:ss"
    std::string appName; // file name of the running program
    // Lines of a system block; unset gives no lines.
    std::function<std::vector<std::string>(LogBlock)> block;
};

// The lines of one message, without line ends. "A{/}" is one line; "{/}{/}A"
// is two empty lines and "A".
std::vector<std::string> RenderMarkup(const std::string& message, const MarkupContext& ctx);

// "yyyy-mm-dd" and "hh:mm:ss" of a local time.
std::string LogDateText(long long unixSeconds);
std::string LogTimeText(long long unixSeconds);

} // namespace zw

namespace zw {

// The exception entry: an empty line, a row of bullets, the caption with the
// message in double quotes (and the routine with its arguments when named),
// another row, an empty line. UTF-8 lines.
std::vector<std::string> ExceptionEntryLines(const std::string& message, const std::string& className,
                                             const std::string& routine,
                                             const std::vector<std::pair<std::string, std::string>>& args);

// A log line as UTF-8: lines that already are valid UTF-8 stay as they are,
// others are taken as Windows-1250 (the data files' texts).
std::string LogLineUtf8(const std::string& line);

} // namespace zw
