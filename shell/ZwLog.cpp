#include "shell/ZwLog.h"

namespace zw {

namespace {
class DroppingLog final : public ZwLog {
public:
    void Add(const std::string&) override {}
    void AddParts(const std::vector<LogPart>&) override {}
    void AddException(const std::exception&, const std::string&,
                      const std::vector<std::pair<std::string, std::string>>&) override {}
};
ZwLog* g_log = nullptr;
} // namespace

ZwLog& EngineLog() {
    static DroppingLog dropping;
    return g_log ? *g_log : dropping;
}

void SetEngineLog(ZwLog* log) { g_log = log; }

} // namespace zw
