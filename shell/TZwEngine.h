#pragma once
// The engine object: opens the engine log, brings up the configuration and
// the language texts, and writes the closing lines at program end. One
// instance, the global Engine, alive from program start to program end.
#include "shell/LogWriter.h"
#include "shell/TZwConfig.h"
#include "shell/TZwLanguages.h"
#include "platform/scene/TerrainNode.h"

#include <memory>
#include <string>

namespace zw {

class FullScreenViewer;
class Scene;

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

    // At the start of a game: applies the Graphics settings to the viewer,
    // makes it active, and lays the seasonal ground into the scene. Each step
    // fails on its own into the log; never throws (shell/ZwEngineStart.cpp).
    void Start(FullScreenViewer& viewer, class Scene& scene);
    class Scene* Scene = nullptr;
    FullScreenViewer* Viewer = nullptr;
    std::unique_ptr<BitmapHeightData> HeightData;
    TerrainNode* Terrain = nullptr; // owned by the scene

    // The engine log file (never null while the engine lives).
    LogWriter& Log() { return *log_; }

  private:
    std::unique_ptr<LogWriter> log_;
};

// The one engine object, created by the program's start and freed at its end.
extern TZwEngine* Engine;

} // namespace zw
