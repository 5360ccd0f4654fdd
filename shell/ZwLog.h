#pragma once
// The engine log "zwlog.txt": messages with layout markup, queued and written
// in call order by a background thread. Every call returns at once.
#include <cstdint>
#include <exception>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace zw {

// One part of a composed message: markup text, an integer, a character, or an
// object written as its class name.
struct LogPart {
    enum class Kind { Text, Integer, Char, Object };
    Kind kind = Kind::Text;
    std::string text;
    long long number = 0;
    LogPart(const char* t) : kind(Kind::Text), text(t) {}
    LogPart(std::string t) : kind(Kind::Text), text(std::move(t)) {}
    LogPart(int n) : kind(Kind::Integer), number(n) {}
    LogPart(long long n) : kind(Kind::Integer), number(n) {}
    LogPart(char c) : kind(Kind::Char), text(1, c) {}
    static LogPart Object(std::string className) {
        LogPart p(std::move(className));
        p.kind = Kind::Object;
        return p;
    }
};

class ZwLog {
public:
    virtual ~ZwLog() = default;
    // A message with markup; yields one or more lines.
    virtual void Add(const std::string& message) = 0;
    // Parts joined, then laid out as one message.
    virtual void AddParts(const std::vector<LogPart>& parts) = 0;
    // The exception entry; routine and its arguments (name, value) when the caller names them.
    virtual void AddException(const std::exception& e, const std::string& routine = "",
                              const std::vector<std::pair<std::string, std::string>>& args = {}) = 0;
};

// The engine log. Before the engine opens it (and when it cannot be written)
// this is a log that drops every message.
ZwLog& EngineLog();

} // namespace zw

namespace zw {
// Installs the log that EngineLog() returns (nullptr: back to the dropping log).
void SetEngineLog(ZwLog* log);
} // namespace zw
