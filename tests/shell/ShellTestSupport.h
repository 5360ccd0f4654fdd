#pragma once
// A fresh application directory per test, with the engine log captured in it.
#include "shell/LogWriter.h"
#include "shell/ZwLog.h"
#include "util/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace zwtest {

namespace fs = std::filesystem;

inline std::string Fixture(const std::string& name) {
    return std::string(ZW_TEST_DIR) + "/shell/fixtures/" + name;
}

inline void WriteText(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

inline std::string ReadText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Lines of a CR LF file, without their ends.
inline std::vector<std::string> ReadCrLfLines(const fs::path& p) {
    std::string t = ReadText(p);
    std::vector<std::string> out;
    size_t i = 0;
    while (i < t.size()) {
        size_t e = t.find("\r\n", i);
        if (e == std::string::npos) {
            out.push_back(t.substr(i) + "<no CR LF>");
            break;
        }
        out.push_back(t.substr(i, e - i));
        i = e + 2;
    }
    return out;
}

// Makes a temporary folder the application and current directory.
class AppDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/zwshell-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
        ASSERT_NE(::getcwd(oldCwd, sizeof oldCwd), nullptr);
        ASSERT_EQ(::chdir(dir.c_str()), 0);
        zw::SetAppDir(dir.string());
    }
    void TearDown() override {
        StopLog();
        if (::chdir(oldCwd) != 0) ADD_FAILURE() << "cannot go back to " << oldCwd;
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    // Installs a log file in the folder as the engine log.
    void StartLog() {
        logWriter = std::make_unique<zw::LogWriter>((dir / "test.log").string(), "zwtest");
        zw::SetEngineLog(logWriter.get());
    }
    void StopLog() {
        zw::SetEngineLog(nullptr);
        logWriter.reset();
    }
    // Everything logged so far.
    std::vector<std::string> LogLines() {
        if (logWriter) logWriter->Flush();
        return ReadCrLfLines(dir / "test.log");
    }
    bool Logged(const std::string& line) {
        for (const auto& l : LogLines())
            if (l == line) return true;
        return false;
    }

    fs::path dir;
    char oldCwd[4096] = {0};
    std::unique_ptr<zw::LogWriter> logWriter;
};

} // namespace zwtest
