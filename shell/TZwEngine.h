#pragma once
// The engine object: opens the engine log, brings up the configuration and
// the language texts, and writes the closing lines at program end. One
// instance, the global Engine, alive from program start to program end.
#include "shell/LogWriter.h"
#include "shell/TZwConfig.h"
#include "shell/TZwLanguages.h"

#include <memory>
#include <string>

namespace zw {

inline constexpr const char* kEngineVersion = "0.0.0.16";

class TZwEngine {
public:
    // Create: the start sequence. Fixes nothing itself: the application
    // directory must be set before. Never throws.
    TZwEngine();
    // Free: the closing lines, then the log writes what is queued and closes.
    ~TZwEngine();
    TZwEngine(const TZwEngine&) = delete;
    TZwEngine& operator=(const TZwEngine&) = delete;

    std::string Version;
    std::unique_ptr<TZwConfig> Config;
    std::unique_ptr<TZwLanguages> Languages;

    // Replaces Languages with the texts of another language.
    void SetLanguage(const std::string& name);

    // The engine log file (never null while the engine lives).
    LogWriter& Log() { return *log_; }

private:
    std::unique_ptr<LogWriter> log_;
};

// The one engine object, created by the program's start and freed at its end.
extern TZwEngine* Engine;

} // namespace zw
