#pragma once
// A window of the platform: the full-screen viewer's, or a form (the
// launcher's ImGui window). Each has its own GL context. Events reach it
// through the message loop; the loop paints visible windows that ask for it.
#include "platform/window/InputEvent.h"

#include <cstdint>
#include <functional>
#include <string>

namespace zw {

// In the order of the AntiAliasing setting (0..5).
enum class AntiAliasing { X2 = 0, X2HQ = 1, X4 = 2, X4HQ = 3, Default = 4, None = 5 };
// Samples per pixel of a mode (0: no multisampling, -1: the driver's default).
int AntiAliasingSamples(AntiAliasing aa);

enum class WindowState { Normal, Minimized, Maximized };
// How a full-screen window got the screen.
enum class FullScreenKind { Off, Mode, Desktop };

struct WindowDesc {
    std::string title = "Zwolta";
    int width = 800, height = 600;
    bool fullScreen = false; // the configured size as a display mode when offered, else desktop
    int colorDepth = 24;     // 8, 16, 24 or 32 bits
    int depthBits = 0;       // 0: the default precision
    AntiAliasing antiAliasing = AntiAliasing::None;
    bool vsync = true;
    bool resizable = false;
    bool hidden = false;
};

struct ScreenSize {
    int width = 0, height = 0;
};

class Window {
public:
    virtual ~Window() = default;
    virtual uint32_t Id() const = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetSize(int width, int height) = 0;
    // Drawable size in pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetPosition(int left, int top) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    // Full screen per the window's description; false restores the desktop mode.
    virtual void SetFullScreen(bool on) = 0;
    virtual FullScreenKind FullScreen() const = 0;
    virtual WindowState State() const = 0;
    virtual void SetState(WindowState s) = 0;
    virtual void SetVSync(bool on) = 0;
    // Makes its GL context current (false when it has none, as in headless runs).
    virtual bool MakeCurrent() = 0;
    virtual void Present() = 0;
    // What the window was asked for and what it got (samples, depth bits).
    virtual const WindowDesc& Desc() const = 0;
    virtual int Samples() const = 0;

    std::function<void()> onClose;                 // the system's close command
    std::function<void(const InputEvent&)> onInput; // events sent to this window
    std::function<void()> onPaint;                 // called by the loop while visible
};

} // namespace zw
