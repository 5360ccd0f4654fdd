#include "shell/TZwConfig.h"

#include "shell/ConfigKeys.h"
#include "shell/ZwLog.h"
#include "util/Errors.h"
#include "util/Fields.h"
#include "util/Paths.h"

#include <algorithm>
#include <dirent.h>

namespace zw {

namespace {
const char* kOk = "{@7}[  OK  ]";
const char* kFail = "{@7}[ FAIL ]";

bool Contains(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

void LogFail(const std::exception& e) {
    EngineLog().Add(kFail);
    EngineLog().AddException(e);
}
} // namespace

std::vector<std::string> ListEntries(const std::string& dir) {
    if (!DirectoryExists(dir)) return {};
    DIR* d = ::opendir(ResolvePath(dir).c_str());
    if (!d) throw EInOutError("Cannot search folder \"" + dir + "\"");
    ::closedir(d);
    return ListDirectory(dir, true, true);
}

std::string TZwConfig::FilePath() {
    return AppPath("config.ini");
}

TZwConfig::TZwConfig(DirectoryLister lister) : list_(std::move(lister)) {
    auto& log = EngineLog();
    log.Add("{@3}>>> Entering{@16}TZwConfig.Create");
    log.Add("{@5}> Creating classes instances");
    try {
        slFLanguages.clear();
        slFMaps.clear();
        slFModels.clear();
        log.Add(kOk);
    } catch (const std::exception& e) {
        LogFail(e);
    }
    try {
        std::string path = FilePath();
        bool existed = FileExists(path);
        try {
            IniFile = std::make_unique<zw::IniFile>(path);
        } catch (const std::exception& e) {
            // Unreadable: the defaults apply and the file is left alone.
            unreadable_ = true;
            IniFile = std::make_unique<zw::IniFile>();
            log.Add("{@5}> Opening configuration file");
            LogFail(e);
        }
        Refresh();
        if (!existed && !unreadable_) Save();
    } catch (const std::exception& e) {
        log.AddException(e, "TZwConfig.Create");
    }
    log.Add("{@3}>>> Exiting{@16}TZwConfig.Create");
}

void TZwConfig::Refresh() {
    auto& log = EngineLog();
    try {
        log.Add("{@3}>>> Entering{@16}TZwConfig.Refresh");
        log.Add("{@4}>> Configuration");
        log.Add("{@5}> Loading configuration");
        try {
            LoadSettings();
            log.Add(kOk);
        } catch (const std::exception& e) {
            LogFail(e);
        }
        int errors = 0;
        log.Add("{@5}> Loading languages");
        errors += LoadLanguages() ? 0 : 1;
        log.Add("{@5}> Loading maps");
        errors += LoadMaps() ? 0 : 1;
        log.Add("{@5}> Loading models");
        errors += LoadModels() ? 0 : 1;
        log.Add("{@5}> Loading texture sets");
        errors += LoadTextureSets() ? 0 : 1;
        if (errors == 0)
            log.Add("{@4}>> Configuration loaded without errors");
        else if (errors == 1)
            log.Add("{@4}>> Configuration loaded with one error");
        else
            log.AddParts({"{@4}>> Configuration loaded with ", errors, " errors"});
    } catch (const std::exception& e) {
        log.AddException(e, "TZwConfig.Refresh");
    }
    log.Add("{@3}>>> Exiting{@16}TZwConfig.Refresh");
}

void TZwConfig::LoadSettings() {
    const zw::IniFile& ini = *IniFile;
    for (const ConfigKey& k : ConfigKeys(Settings)) {
        if (k.type == ConfigKey::Type::Text)
            *k.text = ini.ReadString(k.section, k.key, k.textDefault);
        else if (k.type == ConfigKey::Type::Bool)
            *k.flag = ini.ReadBool(k.section, k.key, k.flagDefault);
        else
            *k.number = ini.ReadInteger(k.section, k.key, k.numberDefault);
    }
    auto& g = Settings.Graphics;
    if (!Contains(ResolutionNames(), g.Resolution)) g.Resolution = "800x600";
    if (!Contains(ScreenDepthNames(), g.ScreenDepth)) g.ScreenDepth = "16bits";
    if (!Contains(BufferDepthNames(), g.BufferDepthPrecision)) g.BufferDepthPrecision = "Default";
}

bool TZwConfig::LoadLanguages() {
    try {
        std::string dir = JoinPath(AppDir(), "Languages");
        for (const auto& name : list_(dir))
            if (FileExists(JoinPath(JoinPath(dir, name), "Text.lng"))) slFLanguages.push_back(name);
        EngineLog().Add(kOk);
        return true;
    } catch (const std::exception& e) {
        LogFail(e);
        return false;
    }
}

bool TZwConfig::LoadMaps() {
    try {
        // Relative to the current directory, as the launcher's route lists are.
        for (const auto& name : list_("Maps")) {
            if (name.size() > 4 && EqualsNoCase(std::string_view(name).substr(name.size() - 4), ".ms1"))
                slFMaps.push_back(name);
        }
        EngineLog().Add(kOk);
        return true;
    } catch (const std::exception& e) {
        LogFail(e);
        return false;
    }
}

bool TZwConfig::LoadModels() {
    try {
        std::string dir = JoinPath(AppDir(), "model");
        for (const auto& name : list_(dir))
            if (FileExists(JoinPath(JoinPath(dir, name), "desc.bs1"))) slFModels.push_back(name);
        EngineLog().Add(kOk);
        return true;
    } catch (const std::exception& e) {
        LogFail(e);
        return false;
    }
}

bool TZwConfig::LoadTextureSets() {
    size_t i = 0;
    std::string entry;
    try {
        FTextures.assign(slFModels.size(), TTexturesRec{});
        for (i = 0; i < slFModels.size(); ++i) {
            std::string dir = JoinPath(JoinPath(AppDir(), "model"), slFModels[i]);
            entry.clear();
            for (const auto& name : list_(dir)) {
                entry = name;
                if (!FileExists(JoinPath(JoinPath(dir, name), "desc.ts1"))) continue;
                FTextures[i].Model = slFModels[i];
                FTextures[i].Textures.push_back(name);
            }
        }
        EngineLog().Add(kOk);
        return true;
    } catch (const std::exception& e) {
        EngineLog().Add(kFail);
        std::string model = i < slFModels.size() ? slFModels[i] : "";
        EngineLog().AddParts({"{@15}I{*30.}: ", int(i), "{/}{@15}slFModels.Strings[I]{*30.}: ", model,
                              "{/}{@15}srSearchResult.Name{*30.}: ", entry});
        EngineLog().AddException(e);
        return false;
    }
}

void TZwConfig::Save() {
    auto& log = EngineLog();
    try {
        log.Add("{@3}>>> Entering{@16}TZwConfig.Save");
        log.Add("{@5}> Saving configuration");
        try {
            if (unreadable_)
                throw EInOutError("\"" + FilePath() + "\" could not be read; it is not overwritten");
            IniFile->BeginUpdate();
            try {
                for (const ConfigKey& k : ConfigKeys(Settings)) {
                    if (k.type == ConfigKey::Type::Text)
                        IniFile->WriteString(k.section, k.writeKey, *k.text);
                    else if (k.type == ConfigKey::Type::Bool)
                        IniFile->WriteBool(k.section, k.writeKey, *k.flag);
                    else
                        IniFile->WriteInteger(k.section, k.writeKey, *k.number);
                }
            } catch (...) {
                IniFile->EndUpdate(); // keys already written stay written
                throw;
            }
            IniFile->EndUpdate();
            log.Add(kOk);
        } catch (const std::exception& e) {
            LogFail(e);
        }
    } catch (const std::exception& e) {
        log.AddException(e, "TZwConfig.Save");
    }
    log.Add("{@3}>>> Exiting{@16}TZwConfig.Save");
}

std::vector<std::string> TZwConfig::ListOfTextures(const std::string& Model) {
    auto& log = EngineLog();
    std::vector<std::string> result;
    try {
        log.AddParts(
            {"{@3}>>> Entering{@16}TZwConfig.ListOfTextures({/}", "{@15}Model{*30.}: " + Model, "{/}{@10})"});
        log.Add("{@5}> Looking for texture sets for model " + Model);
        for (const auto& t : FTextures)
            if (t.Model == Model) result = t.Textures;
        log.AddParts({"{@15}Texture sets found{*30.}: ", int(result.size())});
    } catch (const std::exception& e) {
        log.AddException(e, "ListOfTextures", {{"Model", Model}});
    }
    log.Add("{@3}>>> Exiting{@16}TZwConfig.ListOfTextures");
    return result;
}

std::vector<std::string> TZwConfig::FixedList(const char* routine, const std::vector<std::string>& values) {
    EngineLog().Add(std::string("{@3}>>> Entering{@16}") + routine);
    std::vector<std::string> result;
    try {
        result = values;
    } catch (const std::exception& e) {
        EngineLog().AddException(e, routine);
    }
    EngineLog().Add(std::string("{@3}>>> Exiting{@16}") + routine);
    return result;
}

std::vector<std::string> TZwConfig::FListOfResolutions() {
    return FixedList("TZwConfig.FListOfResolutions", ResolutionNames());
}

std::vector<std::string> TZwConfig::slFListOfScreenDepths() {
    return FixedList("TZwConfig.slFListOfScreenDepths", ScreenDepthNames());
}

std::vector<std::string> TZwConfig::slFListOfBufferDepths() {
    return FixedList("TZwConfig.slFListOfBufferDepths", BufferDepthNames());
}

} // namespace zw
