#pragma once
// An SDL2 window with its own OpenGL 3.3 core context. Forms drawn by ImGui
// take the SDL window and context from here and get every raw SDL event of
// their window through rawEvent (for ImGui_ImplSDL2_ProcessEvent).
#include "platform/window/Window.h"

#include <SDL.h>
#include <functional>

namespace zw {

class SdlWindowSystem;

class SdlWindow : public Window {
public:
    SdlWindow(SdlWindowSystem& sys, const WindowDesc& desc);
    ~SdlWindow() override;

    uint32_t Id() const override { return id_; }
    void Show() override;
    void Hide() override;
    bool Visible() const override;
    void SetTitle(const std::string& title) override;
    void SetSize(int width, int height) override;
    int Width() const override;
    int Height() const override;
    void SetPosition(int left, int top) override;
    int Left() const override;
    int Top() const override;
    void SetFullScreen(bool on) override;
    FullScreenKind FullScreen() const override { return full_; }
    WindowState State() const override;
    void SetState(WindowState s) override;
    void SetVSync(bool on) override;
    bool MakeCurrent() override;
    void Present() override;
    const WindowDesc& Desc() const override { return desc_; }
    int Samples() const override { return samples_; }

    SDL_Window* Handle() const { return window_; }
    SDL_GLContext Context() const { return context_; }
    std::function<void(const SDL_Event&)> rawEvent;

private:
    void CreateContext();
    SdlWindowSystem& sys_;
    WindowDesc desc_;
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
    uint32_t id_ = 0;
    int samples_ = 0;
    FullScreenKind full_ = FullScreenKind::Off;
};

} // namespace zw
