#include "shell/TZwEngine.h"

#include "util/Paths.h"

namespace zw {

TZwEngine* Engine = nullptr;

TZwEngine::TZwEngine() {
    Version = kEngineVersion;
    log_ = std::make_unique<LogWriter>(AppPath("zwlog.txt"), FileNameOf(ExecutablePath()));
    SetEngineLog(log_.get());
    auto& log = *log_;
    log.Add("{*80*}");
    log.AddParts({">>>>> Start of ZwEngine in application{*36.} {App_name}", "{80@}{&}{dte} {hms}{&}"});
    log.AddParts({"{@7}ZwEngine version: ", Version, "{/}{/}"});
    log.Add("{@3}>>> I'm in{@16}TZwEngine.Create");
    try {
        Config = std::make_unique<TZwConfig>();
        Languages = std::make_unique<TZwLanguages>(Config->Settings.Main.Language);
    } catch (const std::exception& e) {
        log.AddException(e);
    }
    if (Config && Config->Settings.Game.LogSysConfig) {
        log.Add("{@3}>>> System configuration");
        log.Add("{CPUI}");
        log.Add("{Mem}");
    }
    log.Add("{@3}>>> Exiting{@16}TZwEngine.Create");
}

TZwEngine::~TZwEngine() {
    auto& log = *log_;
    try {
        log.Add("{@3}>>> Entering{@16}TZwEngine.Free");
        log.Add("{/}{/}>>>>> ZwEngine succesfully stopped {80@}{&}{dte} {hms}{&}");
        log.Add("{*80*}");
    } catch (const std::exception& e) {
        log.Add("{/}{/}>>>>> [ERROR] ZwEngine was not stopped correctly {80@}{&}{dte} {hms}{&}");
        log.AddException(e);
        log.Add("{*80*}");
    }
    // Objects freed after this line write to no file.
    SetEngineLog(nullptr);
    Languages.reset();
    Config.reset();
    log_.reset();
}

void TZwEngine::SetLanguage(const std::string& name) {
    auto& log = EngineLog();
    log.AddParts(
        {"{@3}>>> Entering{@16}TZwEngine.SetLanguage({/}", "{@15}Language{*30}: " + name, "{/}{@10})"});
    try {
        if (Languages) Languages->Free();
        Languages.reset();
        Languages = std::make_unique<TZwLanguages>(name);
    } catch (const std::exception& e) {
        log.AddException(e);
    }
    log.Add("{@3}>>> Exiting{@16}TZwEngine.SetLanguage");
}

} // namespace zw
