#pragma once
// The game's side of the program: the sound system, the game clock and the
// game window, the hand-over from the launcher's Start, and the end of a
// headless run (--frames, --screenshot, the statistics text on stdout).
#include "app/CommandLine.h"
#include "boards/TWyswietlacze.h"
#include "game/TZwGameForm.h"
#include "platform/sound/SoundSystem.h"

#include <memory>
#include <string>
#include <vector>

namespace zw {

// The statistics window's text as the end of the game writes it.
class StatisticsText : public GameStatistics {
public:
    void Append(const std::string& line) override { lines.push_back(line); }
    void Show() override { shown = true; }
    std::vector<std::string> lines;
    bool shown = false;
};

class GameProgram {
public:
    // soundGiven: --sound was on the command line (headless runs are silent
    // unless it asks for openal).
    GameProgram(const CommandLine& options, bool soundGiven, MessageLoop& loop, RendererFactory renderer);
    ~GameProgram();

    TZwGameForm& Game() { return *game_; }
    StatisticsText& Statistics() { return statistics_; }
    TWyswietlacze& Boards() { return *boards_; }

    // After each pass of the message loop: the sound update, the last frame
    // of --frames (screenshot, then the viewer's close).
    void AfterStep();
    bool Ended() const { return game_->Ended; }

private:
    const CommandLine& options_;
    MessageLoop& loop_;
    std::unique_ptr<SoundSystem> sound_;
    std::unique_ptr<GameClockService> clock_;
    std::unique_ptr<TZwGameForm> game_;
    StatisticsText statistics_;
    std::unique_ptr<TWyswietlacze> boards_;
    double lastNow_ = 0;
};

} // namespace zw
