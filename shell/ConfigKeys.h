#pragma once
// The 40 keys of config.ini bound to the members of a settings record, in the
// order they are read and written.
#include "shell/TSettingsRec.h"

#include <string>
#include <vector>

namespace zw {

struct ConfigKey {
    enum class Type { Text, Bool, Int };
    const char* section = "";
    const char* key = "";      // as read
    const char* writeKey = ""; // as written ("Nickname" for "NickName")
    Type type = Type::Text;
    std::string* text = nullptr;
    bool* flag = nullptr;
    int32_t* number = nullptr;
    std::string textDefault; // the default of its type
    bool flagDefault = false;
    int32_t numberDefault = 0;
};

// The keys of s, in file order, with their defaults (MP3Path from the
// application directory).
std::vector<ConfigKey> ConfigKeys(TSettingsRec& s);

// The fixed choice lists.
const std::vector<std::string>& ResolutionNames();  // the 13 resolutions
const std::vector<std::string>& ScreenDepthNames(); // "8bits" .. "32bits"
const std::vector<std::string>& BufferDepthNames(); // "Default", "16bits" .. "32bits"

} // namespace zw
