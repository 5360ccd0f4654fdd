#pragma once
// A game folder of its own per test: the fixture maps and buses, the
// project's language files, and a config.ini written by the test. The
// engine (log, configuration, languages) is created on it.
#include "platform/ui/FolderChooser.h"
#include "shell/TZwEngine.h"
#include "shell/TZwLauncherForm.h"
#include "util/Errors.h"
#include "util/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace zwtest {

namespace fs = std::filesystem;

inline std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

// "a\nb" with CR LF line ends, as Windows tools write config.ini.
inline std::string CrLf(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < text.size()) {
        size_t e = text.find('\n', i);
        std::string l = text.substr(i, e == std::string::npos ? std::string::npos : e - i);
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
        if (e == std::string::npos) break;
        i = e + 1;
    }
    return out;
}

inline const char* kBaseConfig = "[Main]\n"
                                 "Language=English\n"
                                 "Map=Lipowo_1-1.ms1\n"
                                 "Model=Solin 12\n"
                                 "Texture=Podmiejski\n"
                                 "[Game]\n"
                                 "Navigation=1\n"
                                 "Traffic=1\n"
                                 "Season=3\n"
                                 "InertialForcePower=4\n"
                                 "SteeringWheelSens=35\n"
                                 "AccPedalSens=12\n"
                                 "[Graphics]\n"
                                 "Resolution=1024x768\n"
                                 "AntiAliasing=2\n"
                                 "Fog=1\n"
                                 "GrassQuality=-3\n"
                                 "DistanceOfView=15\n"
                                 "[Sound]\n"
                                 "MP3Path=/music/\n"
                                 "[Network]\n"
                                 "NickName=Zenek\n";

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/zwlauncher-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
        fs::copy(fs::path(ZW_TEST_DIR) / "shell_launcher/fixtures/game", dir, fs::copy_options::recursive);
        fs::copy(fs::path(ZW_GAME_DIR) / "Languages", dir / "Languages", fs::copy_options::recursive);
        ASSERT_NE(::getcwd(oldCwd, sizeof oldCwd), nullptr);
        ASSERT_EQ(::chdir(dir.c_str()), 0);
        zw::SetAppDir(dir.string());
    }
    void TearDown() override {
        launcher.reset();
        engine.reset();
        if (::chdir(oldCwd) != 0) ADD_FAILURE() << "cannot go back to " << oldCwd;
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    // The engine on config (CR LF line ends), and the launcher created.
    void Start(const std::string& config = kBaseConfig, bool create = true) {
        WriteAll(dir / "config.ini", CrLf(config));
        engine = std::make_unique<zw::TZwEngine>();
        launcher = std::make_unique<zw::TZwLauncherForm>(*engine);
        if (create) launcher->FormCreate();
    }
    // Everything the engine logged so far.
    std::vector<std::string> LogLines() {
        engine->Log().Flush();
        return Lines(ReadAll(dir / "zwlog.txt"));
    }
    bool LogHas(const std::string& part) {
        for (const auto& l : LogLines())
            if (l.find(part) != std::string::npos) return true;
        return false;
    }
    std::string Ini() { return ReadAll(dir / "config.ini"); }
    zw::ui::UiModel& M() { return launcher->Model; }

    fs::path dir;
    char oldCwd[4096] = {0};
    std::unique_ptr<zw::TZwEngine> engine;
    std::unique_ptr<zw::TZwLauncherForm> launcher;
};

} // namespace zwtest
