#include "shell/TZwLanguages.h"

#include "shell/ZwLog.h"
#include "util/Paths.h"

namespace zw {

namespace {
// Lines without their CR LF or LF.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t i = 0;
    while (i < text.size()) {
        size_t e = text.find('\n', i);
        if (e == std::string::npos) e = text.size();
        std::string l = text.substr(i, e - i);
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lines.push_back(std::move(l));
        i = e + 1;
    }
    return lines;
}
} // namespace

std::string TZwLanguages::LanguageDir(const std::string& name) {
    return JoinPath(JoinPath(AppDir(), "Languages"), name);
}

TZwLanguages::TZwLanguages(const std::string& name) {
    auto& log = EngineLog();
    // "{*30}" pads with "0" to 3 characters: the label stays as it is.
    log.AddParts(
        {"{@3}>>> Entering{@16}TZwLanguages.Create({/}", "{@15}Language{*30}: " + name, "{/}{@10})"});
    log.Add("{@5}> Opening language file(s)");
    try {
        std::string own = JoinPath(LanguageDir(name), "Text.lng");
        if (!name.empty() && FileExists(own)) {
            LangFile = zw::IniFile(own);
            Language = name;
        }
        std::string english = JoinPath(LanguageDir("English"), "Text.lng");
        if (name != "English" && FileExists(english)) EnglishFile = zw::IniFile(english);
        log.Add("{@7}[  OK  ]");
    } catch (const std::exception& e) {
        log.Add("{@7}[ FAIL ]");
        log.AddException(e);
    }
    log.Add("{@3}>>> Exiting{@16}TZwLanguages.Create");
}

std::string TZwLanguages::GetText(const std::string& section, const std::string& key) const {
    std::string s = LangFile.ReadString(section, key, "");
    if (s.empty()) s = EnglishFile.ReadString(section, key, "");
    if (s.empty()) s = section + "." + key;
    return s;
}

std::string TZwLanguages::TexturePath(const std::string& name) const {
    std::string own = JoinPath(JoinPath(LanguageDir(Language), "Textures"), name);
    if (!Language.empty() && FileExists(own)) return ResolvePath(own);
    return ResolvePath(JoinPath(JoinPath(AppDir(), "Textures"), name));
}

std::vector<std::string> TZwLanguages::Manual() const {
    std::string own = JoinPath(LanguageDir(Language), "Manual.txt");
    std::string english = JoinPath(LanguageDir("English"), "Manual.txt");
    try {
        if (!Language.empty() && FileExists(own)) return SplitLines(ReadFileText(own));
        if (FileExists(english)) return SplitLines(ReadFileText(english));
    } catch (const std::exception& e) {
        EngineLog().AddException(e, "TZwLanguages.Manual");
    }
    return {"Manual not found"};
}

void TZwLanguages::Free() {
    auto& log = EngineLog();
    log.Add("{@3}>>> Entering{@16}TZwLanguages.Free");
    try {
        LangFile = zw::IniFile();
        EnglishFile = zw::IniFile();
    } catch (const std::exception& e) {
        log.AddException(e);
    }
    log.Add("{@3}>>> Exiting{@16}TZwLanguages.Free");
}

} // namespace zw
