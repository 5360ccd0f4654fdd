#pragma once
// The full-screen viewer (GLFullScreenViewer): a window of its own that
// takes over the screen while active, with the picture settings the engine
// applies at start-up. Leaving the active state restores the desktop mode.
#include "platform/window/MessageLoop.h"
#include "platform/window/ViewRenderer.h"
#include "platform/window/Window.h"

#include <functional>
#include <memory>
#include <string>

namespace zw {

class Scene;

enum class DepthPrecision { Default = 0, Bits16 = 16, Bits24 = 24, Bits32 = 32 };

class FullScreenViewer {
public:
    // factory may be empty: nothing is drawn (headless).
    FullScreenViewer(MessageLoop& loop, RendererFactory factory);
    ~FullScreenViewer();
    FullScreenViewer(const FullScreenViewer&) = delete;
    FullScreenViewer& operator=(const FullScreenViewer&) = delete;

    // Picture settings; they take effect when the viewer becomes active
    // (width, height and v-sync also at once when it already is).
    void SetWidth(int w);
    void SetHeight(int h);
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetScreenDepth(int bits); // 8, 16, 24 or 32; ERangeError otherwise
    int ScreenDepth() const { return screenDepth_; }
    void SetDepthPrecision(DepthPrecision p) { depthPrecision_ = p; }
    DepthPrecision GetDepthPrecision() const { return depthPrecision_; }
    void SetAntiAliasing(AntiAliasing a) { antiAliasing_ = a; }
    AntiAliasing GetAntiAliasing() const { return antiAliasing_; }
    void SetVSync(bool on);
    bool VSync() const { return vsync_; }

    // What is drawn: the scene with its camera, background, fog and lighting.
    Scene* scene = nullptr;
    std::string title = "Zwolta";

    // Active: the window exists, is shown and has the screen.
    void SetActive(bool on);
    bool Active() const { return active_; }
    // Draws the scene now (the frame clock's render, or a single render).
    void Render();
    // Draws one node with its children now (outside the frame clock).
    void RenderNode(SceneNode& node);
    void SaveScreenshot(const std::string& path);

    // Frames rendered per second over the last whole second.
    float FramesPerSecond() const { return fps_; }
    void ResetPerformanceMonitor();
    FrameStats LastFrame() const;

    Window* GetWindow() { return window_.get(); }
    bool HasRenderer() const { return renderer_ != nullptr; }
    // The system's close command on the viewer's window.
    std::function<void()> onClose;
    // Frame clock hook: after each progress call the clock renders here.
    void AttachClock(FrameClock& clock);

private:
    void CreateTheWindow();
    void CountFrame();

    MessageLoop& loop_;
    RendererFactory factory_;
    std::unique_ptr<Window> window_;
    std::unique_ptr<ViewRenderer> renderer_;
    int width_ = 800, height_ = 600, screenDepth_ = 24;
    DepthPrecision depthPrecision_ = DepthPrecision::Default;
    AntiAliasing antiAliasing_ = AntiAliasing::None;
    bool vsync_ = true;
    bool active_ = false;
    float fps_ = 0;
    int framesThisSecond_ = 0;
    double secondStart_ = 0;
};

} // namespace zw
