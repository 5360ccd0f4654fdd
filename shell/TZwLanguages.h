#pragma once
// The texts of one language (Languages/<name>/Text.lng), with English as the
// fallback, its manual and its localised images.
#include "platform/format/IniFile.h"

#include <string>
#include <vector>

namespace zw {

class TZwLanguages {
  public:
    // Create: opens the language's Text.lng and, for another language, the
    // English one. Never throws; a missing file is an empty store.
    explicit TZwLanguages(const std::string& name);

    std::string Language; // set only when its Text.lng exists
    zw::IniFile LangFile;
    zw::IniFile EnglishFile;

    // Chosen language, then English, then "section.key".
    std::string GetText(const std::string& section, const std::string& key) const;
    // The language's Textures/<name> when it exists, else the common Textures/<name>.
    std::string TexturePath(const std::string& name) const;
    // Lines of the language's Manual.txt, else the English one, else "Manual not found".
    std::vector<std::string> Manual() const;
    // Closes both files (logged). Lookups afterwards find nothing.
    void Free();

    static std::string LanguageDir(const std::string& name);
};

} // namespace zw
