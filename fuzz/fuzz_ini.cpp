// INI store: any bytes parse, every lookup answers, and a write keeps every
// line it does not own.
#include "platform/format/IniFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    zw::IniFile ini = zw::IniFile::FromText(text, "fuzz.ini");
    if (ini.Text() != text) std::abort(); // reading changes nothing
    for (const char* key : {"Language", "Season", "Resolution", "NickName", ""}) {
        (void)ini.ReadString("Main", key, "d");
        (void)ini.ReadInteger("Game", key, 1);
        (void)ini.ReadBool("Graphics", key, false);
    }
    ini.WriteString("Main", "Language", "English");
    ini.WriteInteger("Game", "Season", 2);
    ini.WriteBool("New", "Flag", true);
    if (ini.ReadString("Main", "Language", "") != "English") std::abort();
    if (ini.ReadInteger("Game", "Season", 0) != 2) std::abort();
    if (!ini.ReadBool("New", "Flag", false)) std::abort();
    zw::IniFile again = zw::IniFile::FromText(ini.Text());
    if (again.ReadInteger("Game", "Season", 0) != 2) std::abort();
    return 0;
}
