#pragma once
// The SDL2 window system: windows with GL contexts, events turned into our
// own InputEvents, the joystick, the display's size and modes.
#include "platform/window/InputScript.h"
#include "platform/window/WindowSystem.h"

#include <SDL.h>
#include <string>
#include <vector>

namespace zw {

class SdlWindow;

class SdlWindowSystem : public WindowSystem {
public:
    // Throws ZwError when there is no display or no OpenGL 3.3 core context.
    SdlWindowSystem();
    ~SdlWindowSystem() override;

    const char* Name() const override { return "sdl"; }
    bool Headless() const override { return false; }
    std::unique_ptr<Window> CreateWindow(const WindowDesc& desc) override;
    void PollEvents(std::vector<InputEvent>& out) override;
    double Now() override;
    bool WaitUntil(double t) override;
    ScreenSize Screen() const override;
    bool OpenUrl(const std::string& url) override;
    void SetJoystickThreshold(int raw) override { threshold_ = raw; }

    // Scripted input also works with real windows (events at real time).
    void SetScript(std::vector<ScriptEvent> events);

private:
    friend class SdlWindow;
    SdlWindow* Find(uint32_t id) const;
    void Convert(const SDL_Event& ev, std::vector<InputEvent>& out);
    void Joystick(const SDL_Event& ev, std::vector<InputEvent>& out);
    int JoyAxis(int raw) const;
    uint32_t FrontWindow() const;

    std::vector<SdlWindow*> windows_;
    SDL_Joystick* joystick_ = nullptr;
    int threshold_ = 0;
    int joyRawX_ = 0, joyRawY_ = 0;
    uint64_t start_ = 0;
    double freq_ = 1;
    std::vector<ScriptEvent> script_;
    size_t next_ = 0;
};

} // namespace zw
