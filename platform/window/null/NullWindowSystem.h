#pragma once
// The headless window system: windows without pixels, a virtual clock that
// advances by a fixed step per drawn frame (and jumps to the next timer when
// nothing draws), and input from a script.
#include "platform/window/InputScript.h"
#include "platform/window/WindowSystem.h"

#include <string>
#include <vector>

namespace zw {

class NullWindow;

class NullWindowSystem : public WindowSystem {
public:
    explicit NullWindowSystem(double frameStep = 1.0 / 60, ScreenSize screen = {1280, 1024});
    ~NullWindowSystem() override;

    const char* Name() const override { return "null"; }
    bool Headless() const override { return true; }
    std::unique_ptr<Window> CreateWindow(const WindowDesc& desc) override;
    void PollEvents(std::vector<InputEvent>& out) override;
    double Now() override { return now_; }
    bool WaitUntil(double t) override;
    void FrameDone() override { now_ += step_; }
    ScreenSize Screen() const override { return screen_; }
    bool OpenUrl(const std::string& url) override;
    void SetJoystickThreshold(int raw) override { threshold_ = raw; }

    void SetScript(std::vector<ScriptEvent> events);
    // Events queued for the next poll, at the current virtual time.
    void Inject(const InputEvent& e) { injected_.push_back(e); }
    bool ScriptDone() const { return next_ >= script_.size(); }
    double FrameStep() const { return step_; }
    const std::vector<std::string>& OpenedUrls() const { return urls_; }
    int JoystickThreshold() const { return threshold_; }

private:
    friend class NullWindow;
    uint32_t FrontWindow() const;
    double step_;
    double now_ = 0;
    ScreenSize screen_;
    std::vector<ScriptEvent> script_;
    size_t next_ = 0;
    std::vector<InputEvent> injected_;
    std::vector<NullWindow*> windows_; // in showing order, front last
    std::vector<std::string> urls_;
    uint32_t nextId_ = 1;
    int threshold_ = 0;
};

} // namespace zw
