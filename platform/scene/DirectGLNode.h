#pragma once
// A hook the renderer calls each time it reaches this node, in tree order,
// with a small set of state switches (the scene graph has no GL of its own).
#include "platform/scene/SceneNode.h"

#include <functional>

namespace zw {

class DirectRenderContext {
public:
    virtual ~DirectRenderContext() = default;
    // Fragments pass only where alpha is greater than threshold.
    virtual void EnableAlphaTest(float threshold) = 0;
    virtual void DisableAlphaTest() = 0;
};

class DirectGLNode : public SceneNode {
public:
    using RenderFn = std::function<void(DirectRenderContext&)>;
    explicit DirectGLNode(std::string name = "") : SceneNode(NodeKind::DirectGL, std::move(name)) {}
    void SetOnRender(RenderFn fn) { onRender_ = std::move(fn); }
    // Called by the renderer.
    void Render(DirectRenderContext& ctx) const {
        if (onRender_) onRender_(ctx);
    }

private:
    RenderFn onRender_;
};

} // namespace zw
