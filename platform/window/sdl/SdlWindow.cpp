#include "platform/window/sdl/SdlWindow.h"

#include "platform/window/sdl/SdlWindowSystem.h"
#include "util/Errors.h"

#include <algorithm>
#include <string>

namespace zw {
namespace {

void SetColourAttributes(int depth) {
    int r = 8, g = 8, b = 8, a = 0;
    if (depth <= 8) r = 3, g = 3, b = 2;
    else if (depth <= 16) r = 5, g = 6, b = 5;
    else if (depth >= 32) a = 8;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, r);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, g);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, b);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, a);
}

void SetCoreAttributes(int depthBits, int samples) {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits > 0 ? depthBits : 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, samples > 0 ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, samples > 0 ? samples : 0);
}

} // namespace

SdlWindow::SdlWindow(SdlWindowSystem& sys, const WindowDesc& desc) : sys_(sys), desc_(desc) {
    CreateContext();
    id_ = SDL_GetWindowID(window_);
    sys_.windows_.push_back(this);
    SetVSync(desc_.vsync);
    if (desc_.fullScreen) SetFullScreen(true);
    if (!desc_.hidden) Show();
}

void SdlWindow::CreateContext() {
    int wanted = AntiAliasingSamples(desc_.antiAliasing);
    // What the driver cannot give is dropped step by step: the samples, then
    // the depth precision, then the colour depth.
    struct Try {
        int samples, depthBits, colour;
    };
    const Try tries[] = {{wanted, desc_.depthBits, desc_.colorDepth},
                         {0, desc_.depthBits, desc_.colorDepth},
                         {0, 0, desc_.colorDepth},
                         {0, 0, 24}};
    std::string lastError;
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
    if (desc_.resizable) flags |= SDL_WINDOW_RESIZABLE;
    for (const Try& t : tries) {
        SDL_GL_ResetAttributes();
        SetColourAttributes(t.colour);
        SetCoreAttributes(t.depthBits, t.samples < 0 ? 0 : t.samples);
        window_ = SDL_CreateWindow(desc_.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   std::max(1, desc_.width), std::max(1, desc_.height), flags);
        if (window_) context_ = SDL_GL_CreateContext(window_);
        if (window_ && context_) {
            samples_ = 0;
            SDL_GL_GetAttribute(SDL_GL_MULTISAMPLESAMPLES, &samples_);
            return;
        }
        lastError = SDL_GetError();
        if (window_) SDL_DestroyWindow(window_);
        window_ = nullptr;
        context_ = nullptr;
    }
    throw ZwError("no OpenGL 3.3 core window: " + lastError);
}

SdlWindow::~SdlWindow() {
    auto& v = sys_.windows_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    if (full_ != FullScreenKind::Off) SDL_SetWindowFullscreen(window_, 0);
    if (context_) SDL_GL_DeleteContext(context_);
    if (window_) SDL_DestroyWindow(window_);
}

void SdlWindow::Show() {
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    auto& v = sys_.windows_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    v.push_back(this);
}

void SdlWindow::Hide() { SDL_HideWindow(window_); }

bool SdlWindow::Visible() const {
    Uint32 f = SDL_GetWindowFlags(window_);
    return (f & SDL_WINDOW_SHOWN) && !(f & SDL_WINDOW_MINIMIZED);
}

void SdlWindow::SetTitle(const std::string& title) {
    desc_.title = title;
    SDL_SetWindowTitle(window_, title.c_str());
}

void SdlWindow::SetSize(int width, int height) {
    desc_.width = std::max(1, width);
    desc_.height = std::max(1, height);
    SDL_SetWindowSize(window_, desc_.width, desc_.height);
    if (full_ != FullScreenKind::Off) SetFullScreen(true);
}

int SdlWindow::Width() const {
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    return w;
}

int SdlWindow::Height() const {
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    return h;
}

void SdlWindow::SetPosition(int left, int top) { SDL_SetWindowPosition(window_, left, top); }

int SdlWindow::Left() const {
    int x = 0, y = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    return x;
}

int SdlWindow::Top() const {
    int x = 0, y = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    return y;
}

void SdlWindow::SetFullScreen(bool on) {
    if (!on || sys_.Windowed()) {
        if (full_ != FullScreenKind::Off) SDL_SetWindowFullscreen(window_, 0);
        full_ = FullScreenKind::Off;
        if (on) SDL_SetWindowSize(window_, desc_.width, desc_.height);
        return;
    }
    // The configured size as a real display mode when the display offers it.
    int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
    int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(display, i, &m) != 0) continue;
        if (m.w != desc_.width || m.h != desc_.height) continue;
        if (SDL_SetWindowDisplayMode(window_, &m) == 0 && SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) == 0) {
            full_ = FullScreenKind::Mode;
            return;
        }
    }
    full_ = SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0 ? FullScreenKind::Desktop
                                                                                : FullScreenKind::Off;
}

WindowState SdlWindow::State() const {
    Uint32 f = SDL_GetWindowFlags(window_);
    if (f & SDL_WINDOW_MINIMIZED) return WindowState::Minimized;
    if (f & SDL_WINDOW_MAXIMIZED) return WindowState::Maximized;
    return WindowState::Normal;
}

void SdlWindow::SetState(WindowState s) {
    if (s == WindowState::Minimized) SDL_MinimizeWindow(window_);
    else if (s == WindowState::Maximized) SDL_MaximizeWindow(window_);
    else SDL_RestoreWindow(window_);
}

void SdlWindow::SetVSync(bool on) {
    desc_.vsync = on;
    if (MakeCurrent()) SDL_GL_SetSwapInterval(on ? 1 : 0);
}

bool SdlWindow::MakeCurrent() { return context_ && SDL_GL_MakeCurrent(window_, context_) == 0; }

void SdlWindow::Present() { SDL_GL_SwapWindow(window_); }

} // namespace zw
