#include "app/LauncherProgram.h"

#include "app/GameLauncherLink.h"
#include "platform/render/SceneRenderer.h"
#include "platform/ui/UiInput.h"
#include "platform/ui/imgui/UiWindow.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/WindowOptions.h"
#include "platform/window/sdl/SdlWindow.h"
#include "shell/TZwEngine.h"
#include "shell/TZwLauncherForm.h"
#include "shell/TZwStatisticsForm.h"
#include "shell/ZwLog.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace zw {

namespace {
// A form on screen: the ImGui view in a real window, or, headless, a window
// without pixels whose scripted keys still reach the model.
struct FormWindow {
    MessageLoop& loop;
    std::unique_ptr<Window> window;
    std::unique_ptr<ui::UiWindow> view;

    FormWindow(WindowSystem& system, MessageLoop& l, ui::UiModel& model) : loop(l) {
        window = system.CreateWindow(ui::FormWindowDesc(model));
        if (auto* sdl = dynamic_cast<SdlWindow*>(window.get())) {
            view = std::make_unique<ui::UiWindow>(model, *sdl);
        } else {
            window->onInput = [&model](const InputEvent& e) { ui::HandleInput(model, e); };
            window->onClose = [&model] { model.UserClose(); };
        }
        loop.AddWindow(window.get());
    }
    ~FormWindow() { loop.RemoveWindow(window.get()); }
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
};
} // namespace

int RunLauncherProgram(const CommandLine& o, bool soundGiven) {
    WindowOptions wo;
    wo.headless = o.headless;
    wo.windowed = o.windowed;
    wo.script = o.script;
    if (o.dt) wo.frameStep = *o.dt;
    const bool noDisplay = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY");
    std::unique_ptr<WindowSystem> system =
        o.headless || noDisplay ? CreateNullWindowSystem(wo) : CreateWindowSystem(wo);
    if (!o.headless && system->Headless()) {
        // Nobody could press a button on a launcher that has no window.
        std::fprintf(stderr, "Zwolta needs a display to open its windows, and none could be opened.\n"
                             "Run it with --headless to play without one.\n");
        EngineLog().Add("{@5}> No display: the program ends (run with --headless to play without one)");
        return 1;
    }
    MessageLoop loop(*system);

    // The windows in their order: the launcher (the main window), the game
    // window, the statistics window; the board generator comes with the game.
    TZwLauncherForm launcher(*Engine);
    GameProgram game(o, soundGiven, loop, o.headless ? RendererFactory{} : GlRendererFactory());
    TZwStatisticsForm statistics;
    GameLauncherLink link(game, launcher, statistics);
    launcher.SetGameLink(&link);
    launcher.OpenUrl = [&system](const std::string& url) { return system->OpenUrl(url); };
    if (!o.dumpUi.empty()) launcher.SetDumpFile(o.dumpUi);
    launcher.Model.onClose = [&loop] { loop.Quit(); };
    statistics.Model.onClose = [&loop] { loop.Quit(); };

    launcher.FormCreate();
    statistics.FormCreate(*Engine->Languages);
    launcher.FormShow();
    if (o.autostart) launcher.Model.UserClick("btnStart");
    else if (o.quit) launcher.Model.UserClose();

    // At the end of a game the statistics window is filled and shown; its
    // window opens below. Headless or with --frames, its text goes to stdout
    // and it closes.
    if (!launcher.Model.Closed()) {
        try {
            FormWindow main(*system, loop, launcher.Model);
            if (main.view) main.view->Sync();
            std::unique_ptr<FormWindow> stats;
            // Whatever escapes a pass of the loop is logged and the loop goes on.
            for (bool more = true; more;) {
                try {
                    more = loop.Step();
                    game.AfterStep();
                    if ((o.headless || o.frames) && game.Ended() && statistics.Visible() && !statistics.Closed()) {
                        for (const std::string& line : game.Statistics().lines) std::printf("%s\n", line.c_str());
                        std::fflush(stdout);
                        statistics.Model.UserClose();
                        break;
                    }
                    if (!stats && statistics.Visible())
                        stats = std::make_unique<FormWindow>(*system, loop, statistics.Model);
                    if (stats && stats->view) stats->view->Sync();
                } catch (const std::exception& e) {
                    launcher.OnExc(e);
                }
            }
        } catch (const std::exception& e) {
            launcher.OnExc(e); // a window could not be made
        }
    }
    launcher.FormDestroy();
    return 0;
}

} // namespace zw
