#include "platform/window/null/NullWindowSystem.h"

#include <algorithm>
#include <cmath>

namespace zw {

class NullWindow : public Window {
public:
    NullWindow(NullWindowSystem& sys, uint32_t id, const WindowDesc& d) : sys_(sys), id_(id), desc_(d) {
        width_ = d.width;
        height_ = d.height;
        if (d.fullScreen) SetFullScreen(true);
        if (!d.hidden) Show();
    }
    ~NullWindow() override {
        auto& v = sys_.windows_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
    uint32_t Id() const override { return id_; }
    void Show() override {
        visible_ = true;
        auto& v = sys_.windows_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
        v.push_back(this);
    }
    void Hide() override { visible_ = false; }
    bool Visible() const override { return visible_ && state_ != WindowState::Minimized; }
    void SetTitle(const std::string& t) override { desc_.title = t; }
    void SetSize(int w, int h) override {
        desc_.width = w;
        desc_.height = h;
        if (full_ != FullScreenKind::Desktop) {
            width_ = w;
            height_ = h;
        }
    }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetPosition(int l, int t) override {
        left_ = l;
        top_ = t;
    }
    int Left() const override { return left_; }
    int Top() const override { return top_; }
    void SetFullScreen(bool on) override {
        if (!on) {
            full_ = FullScreenKind::Off;
            width_ = desc_.width;
            height_ = desc_.height;
            return;
        }
        // The virtual display offers its own size only, like a plain X server.
        bool offered = desc_.width == sys_.screen_.width && desc_.height == sys_.screen_.height;
        full_ = offered ? FullScreenKind::Mode : FullScreenKind::Desktop;
        width_ = sys_.screen_.width;
        height_ = sys_.screen_.height;
    }
    FullScreenKind FullScreen() const override { return full_; }
    WindowState State() const override { return state_; }
    void SetState(WindowState s) override { state_ = s; }
    void SetVSync(bool on) override { desc_.vsync = on; }
    bool MakeCurrent() override { return false; }
    void Present() override {}
    const WindowDesc& Desc() const override { return desc_; }
    int Samples() const override {
        int s = AntiAliasingSamples(desc_.antiAliasing);
        return s < 0 ? 0 : s;
    }

private:
    NullWindowSystem& sys_;
    uint32_t id_;
    WindowDesc desc_;
    int width_, height_, left_ = 0, top_ = 0;
    bool visible_ = false;
    WindowState state_ = WindowState::Normal;
    FullScreenKind full_ = FullScreenKind::Off;
};

NullWindowSystem::NullWindowSystem(double frameStep, ScreenSize screen)
    : step_(frameStep > 0 && std::isfinite(frameStep) ? frameStep : 1.0 / 60), screen_(screen) {}

NullWindowSystem::~NullWindowSystem() = default;

std::unique_ptr<Window> NullWindowSystem::CreateWindow(const WindowDesc& desc) {
    return std::make_unique<NullWindow>(*this, nextId_++, desc);
}

uint32_t NullWindowSystem::FrontWindow() const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if ((*it)->Visible()) return (*it)->Id();
    return 0;
}

void NullWindowSystem::SetScript(std::vector<ScriptEvent> events) {
    script_ = std::move(events);
    next_ = 0;
}

void NullWindowSystem::PollEvents(std::vector<InputEvent>& out) {
    for (const InputEvent& e : injected_) out.push_back(e);
    injected_.clear();
    // A small tolerance: times written as 0.1 land on the frame they name.
    while (next_ < script_.size() && script_[next_].time <= now_ + 1e-9) {
        InputEvent e = script_[next_].event;
        if (script_[next_].toFrontWindow) e.window = FrontWindow();
        out.push_back(e);
        ++next_;
    }
}

bool NullWindowSystem::WaitUntil(double t) {
    double scriptNext = next_ < script_.size() ? script_[next_].time : INFINITY;
    double target = std::min(t, scriptNext);
    if (!injected_.empty()) return true;
    if (!std::isfinite(target)) return false;
    if (target > now_) now_ = target;
    return true;
}

bool NullWindowSystem::OpenUrl(const std::string& url) {
    urls_.push_back(url);
    return true;
}

} // namespace zw
