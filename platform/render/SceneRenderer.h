#pragma once
// The OpenGL renderer of the scene graph: walks the tree each frame and
// queues what it meets into a GlFrame. Geometry is uploaded to the GPU once
// per object (again only when its geometry version changes); per frame only
// matrices, visibility and material choices go over.
#include "platform/render/GlFrame.h"
#include "platform/render/ShapeGeometry.h"
#include "platform/scene/Scene.h"
#include "platform/window/ViewRenderer.h"

namespace zw {

class SceneRenderer : public ViewRenderer, private DirectRenderContext {
public:
    SceneRenderer();
    void RenderScene(FullScreenViewer& viewer) override;
    void RenderNode(FullScreenViewer& viewer, SceneNode& node) override;
    void SaveScreenshot(FullScreenViewer& viewer, const std::string& path) override;
    FrameStats LastFrame() const override { return {frame_.Stats().drawCalls, frame_.Stats().triangles}; }

    // The drawing itself, for tools and tests without a viewer: the scene
    // through its camera into a viewport, with HUD pixels of hudW x hudH.
    void Draw(Scene& scene, int viewportW, int viewportH, int hudW, int hudH);
    // The alpha test as the direct-GL hook last set it (-1: off).
    float AlphaTest() const { return alphaTest_; }

private:
    void EnableAlphaTest(float threshold) override { alphaTest_ = threshold; }
    void DisableAlphaTest() override { alphaTest_ = -1; }
    void Begin(Scene& scene, int viewportW, int viewportH, int hudW, int hudH);
    void UseLight(const LightNode& l);
    void Visit(SceneNode& n);
    void DrawGeometryOf(SceneNode& geometryNode, const Mat4& m, int depth);
    void VisitHud(SceneNode& n);
    void VisitSky(SceneNode& n);
    void VisitTerrain(SceneNode& n);
    void VisitParticles(SceneNode& n);

    GlFrame frame_;
    Geometry scratch_;
    Scene* scene_ = nullptr;
    CameraNode* camera_ = nullptr;
    Vec3 eye_;
    float alphaTest_ = -1;
    float planes_[6][4] = {};
    bool lightFound_ = false;
    int hudW_ = 1, hudH_ = 1;
};

// The factory the viewer uses for real windows.
RendererFactory GlRendererFactory();

} // namespace zw
