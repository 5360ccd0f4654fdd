#pragma once
// The configuration: every user setting (config.ini in the application
// directory) and the installed content the launcher offers (languages, maps,
// bus models and their texture sets). One object, created by the engine.
#include "platform/format/IniFile.h"
#include "shell/TSettingsRec.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zw {

struct TTexturesRec {
    std::string Model; // empty when the model has no texture set
    std::vector<std::string> Textures;
};

// Lists every entry (files and folders) of a folder in directory order; a
// folder that does not exist has no entries. Throws when a folder cannot be read.
using DirectoryLister = std::function<std::vector<std::string>(const std::string& dir)>;
std::vector<std::string> ListEntries(const std::string& dir);

class TZwConfig {
  public:
    // Create: loads everything and writes config.ini when there is none.
    // Never throws; every step is logged.
    explicit TZwConfig(DirectoryLister lister = ListEntries);

    std::unique_ptr<zw::IniFile> IniFile;
    std::vector<std::string> slFLanguages;
    std::vector<std::string> slFMaps;
    std::vector<std::string> slFModels;
    std::vector<TTexturesRec> FTextures; // one per model, same order
    TSettingsRec Settings;

    void Refresh();
    void Save();
    // The texture sets of a model (exact name); empty for an unknown model.
    std::vector<std::string> ListOfTextures(const std::string& Model);

    std::vector<std::string> FListOfResolutions();
    std::vector<std::string> slFListOfScreenDepths();
    std::vector<std::string> slFListOfBufferDepths();

    // Full path of config.ini.
    static std::string FilePath();

  private:
    void LoadSettings();
    bool LoadLanguages();
    bool LoadMaps();
    bool LoadModels();
    bool LoadTextureSets();
    std::vector<std::string> FixedList(const char* routine, const std::vector<std::string>& values);

    DirectoryLister list_;
    bool unreadable_ = false; // config.ini exists but could not be read: never overwritten
};

} // namespace zw
