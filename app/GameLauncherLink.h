#pragma once
// The launcher's Start handing over to the game window, and the game's end
// filling the statistics window.
#include "app/GameRun.h"
#include "shell/TZwGameLink.h"
#include "shell/TZwLauncherForm.h"
#include "shell/TZwStatisticsForm.h"

namespace zw {

class GameLauncherLink : public TZwGameLink, public GameStatistics {
public:
    GameLauncherLink(GameProgram& program, TZwLauncherForm& launcher, TZwStatisticsForm& statistics);

    // TZwGameLink
    void HideNavigationSprite() override;
    void SetViewerBackground(uint8_t red, uint8_t green, uint8_t blue) override;
    void SetViewerFog(bool on) override;
    void Startuj() override;
    // GameStatistics
    void Append(const std::string& line) override;
    void Show() override;

private:
    GameProgram& program_;
    TZwLauncherForm& launcher_;
    TZwStatisticsForm& statistics_;
};

} // namespace zw
