#pragma once
// The scene: the root of the node tree and what the viewer draws it with
// (background, fog, lighting). The renderer walks Root() in child order.
#include "platform/scene/CameraNode.h"
#include "platform/scene/DirectGLNode.h"
#include "platform/scene/FreeForm.h"
#include "platform/scene/Hud.h"
#include "platform/scene/LightNode.h"
#include "platform/scene/MeshNode.h"
#include "platform/scene/ParticleNode.h"
#include "platform/scene/ProxyNode.h"
#include "platform/scene/SceneNode.h"
#include "platform/scene/Shapes.h"
#include "platform/scene/SkyNodes.h"
#include "platform/scene/TerrainNode.h"

namespace zw {

struct FogSettings {
    bool enabled = false;
    float start = 150, end = 250;
    Color color{0.5f, 0.5f, 0.5f, 1};
};

class Scene {
public:
    Scene() : root_(std::make_unique<SceneNode>("root")) {}
    SceneNode& Root() { return *root_; }
    const SceneNode& Root() const { return *root_; }

    Color background{0.53f, 0.69f, 0.84f, 1};
    FogSettings fog;
    bool lighting = false;
    // The camera the viewer draws through (null: none, nothing 3-D is drawn).
    CameraNode* camera = nullptr;

private:
    std::unique_ptr<SceneNode> root_;
};

} // namespace zw
