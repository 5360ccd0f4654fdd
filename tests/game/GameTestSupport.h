#pragma once
// A game window on the null window system and the null sound system, in a
// temporary application folder with the demo world's HUD pictures.
#include "game/TZwGameForm.h"
#include "platform/sound/NullSoundSystem.h"
#include "platform/window/null/NullWindowSystem.h"
#include "shell/TZwEngine.h"
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

inline void WriteText(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/zwgame-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
        ASSERT_NE(::getcwd(oldCwd, sizeof oldCwd), nullptr);
        ASSERT_EQ(::chdir(dir.c_str()), 0);
        zw::SetAppDir(dir.string());
        fs::path demo = ZW_GAME_DIR;
        fs::copy(demo / "Textures", dir / "Textures", fs::copy_options::recursive);
        fs::create_directories(dir / "tab");
        for (const char* f : {"blank_przod_myl.bmp", "blank_bok_myl.bmp", "blank_tyl_myl.bmp"})
            fs::copy_file(demo / "Textures" / "d_cl.bmp", dir / "tab" / f);
        fs::copy_file(std::string(ZW_TEST_DIR) + "/game/fixtures/joyst.bu", dir / "joyst.bu");
        zw::Engine = new zw::TZwEngine();
        Settings().Game.HUD = true;
        Settings().Game.EscKeyExit = true;
        system = std::make_unique<zw::NullWindowSystem>(1.0 / 50, zw::ScreenSize{1280, 1024});
        loop = std::make_unique<zw::MessageLoop>(*system);
        clock = zw::MakeSteppedClock(7.0 / 24, [this] { return clockSeconds; });
    }
    void TearDown() override {
        game.reset();
        loop.reset();
        system.reset();
        delete zw::Engine;
        zw::Engine = nullptr;
        if (::chdir(oldCwd) != 0) ADD_FAILURE() << "cannot go back to " << oldCwd;
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    zw::TSettingsRec& Settings() { return zw::Engine->Config->Settings; }
    // The game window; Startuj when start is set.
    zw::TZwGameForm& MakeGame(bool start = true) {
        game = std::make_unique<zw::TZwGameForm>(*loop, zw::RendererFactory{}, sound, *clock);
        game->Launcher.BusFolder = "Test Bus";
        game->Launcher.MojNumer = 1;
        game->EngineStart = [](zw::FullScreenViewer& v, zw::Scene&) {
            v.SetWidth(1024);
            v.SetHeight(768);
            v.SetActive(true);
        };
        game->Statistics = &statistics;
        if (start) game->Startuj();
        return *game;
    }
    // A frame of dt seconds; the computer's clock moves on by as much.
    void Frame(double dt) {
        clockSeconds += dt;
        frameTime += dt;
        game->GLCadencer1Progress(dt, frameTime);
    }
    void Key(int vk, bool down) {
        zw::InputEvent e;
        e.kind = down ? zw::InputEvent::Kind::KeyDown : zw::InputEvent::Kind::KeyUp;
        e.key = vk;
        loop->Input().Apply(e);
    }
    std::vector<std::string> LogLines() {
        zw::Engine->Log().Flush();
        std::ifstream in(dir / "zwlog.txt", std::ios::binary);
        std::string t((std::istreambuf_iterator<char>(in)), {});
        std::vector<std::string> out;
        size_t i = 0;
        while (i < t.size()) {
            size_t e = t.find("\r\n", i);
            if (e == std::string::npos) e = t.size();
            out.push_back(t.substr(i, e - i));
            i = e + 2;
        }
        return out;
    }
    // The line after the phase's words ("> Loading HUD"), skipping the lines
    // the phase itself writes.
    std::string PhaseResult(const std::string& words) {
        auto lines = LogLines();
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i] != "    > " + words) continue;
            for (size_t j = i + 1; j < lines.size(); ++j)
                if (lines[j].find("[  OK  ]") != std::string::npos || lines[j].find("[ FAIL ]") != std::string::npos)
                    return lines[j];
        }
        return "<no phase " + words + ">";
    }
    bool Logged(const std::string& line) {
        for (const std::string& l : LogLines())
            if (l == line) return true;
        return false;
    }

    // A bus as the frame loop sees it, with a drive train of its own.
    struct FakeBus : zw::GameBus {
        void Policz(double dt) override {
            if (failPolicz) throw zw::ERangeError("bus out of the map");
            policzDt.push_back(dt);
        }
        void Rusz(double dt) override { ruszDt.push_back(dt); }
        void Migaj() override { ++migaj, blink = !blink; }
        int Indicator() const override { return indicator; }
        bool BlinkPhase() const override { return blink; }
        zw::tnaped& Naped() override { return naped; }
        zw::tnaped naped;
        bool failPolicz = false, blink = false;
        int indicator = 0, migaj = 0;
        std::vector<double> policzDt, ruszDt;
    };
    FakeBus& AddBus() {
        auto bus = std::make_unique<FakeBus>();
        FakeBus& b = *bus;
        game->Bus[1] = std::move(bus);
        return b;
    }

    struct Statistics : zw::GameStatistics {
        void Append(const std::string& line) override { lines.push_back(line); }
        void Show() override { ++shown; }
        std::vector<std::string> lines;
        int shown = 0;
    } statistics;

    fs::path dir;
    char oldCwd[4096] = {};
    std::unique_ptr<zw::NullWindowSystem> system;
    std::unique_ptr<zw::MessageLoop> loop;
    zw::NullSoundSystem sound;
    double clockSeconds = 0, frameTime = 0;
    std::unique_ptr<zw::GameClockService> clock;
    std::unique_ptr<zw::TZwGameForm> game;
};

} // namespace zwtest
