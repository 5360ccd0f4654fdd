#pragma once
// What draws a viewer's picture: the OpenGL renderer of platform/render, or
// nothing at all in headless runs. Made for a window once its GL context
// exists.
#include <functional>
#include <memory>
#include <string>

namespace zw {

class FullScreenViewer;
class SceneNode;
class Window;

struct FrameStats {
    int drawCalls = 0;
    long long triangles = 0;
};

class ViewRenderer {
public:
    virtual ~ViewRenderer() = default;
    // The viewer's scene through its camera, then the HUD.
    virtual void RenderScene(FullScreenViewer& viewer) = 0;
    // One node with its children at once, on the background colour (the
    // progress screen while the frame clock is not running).
    virtual void RenderNode(FullScreenViewer& viewer, SceneNode& node) = 0;
    // The picture last drawn, as a PNG; EInOutError when it cannot be written.
    virtual void SaveScreenshot(FullScreenViewer& viewer, const std::string& path) = 0;
    virtual FrameStats LastFrame() const = 0;
};

using RendererFactory = std::function<std::unique_ptr<ViewRenderer>(Window& window)>;

} // namespace zw
