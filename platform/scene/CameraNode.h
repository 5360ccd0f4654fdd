#pragma once
// A camera looks along its Direction with its Up; with a target it aims at
// the target's absolute position instead.
#include "platform/scene/SceneNode.h"

namespace zw {

class CameraNode : public SceneNode {
public:
    explicit CameraNode(std::string name = "") : SceneNode(NodeKind::Camera, std::move(name)) {}

    // Focal length in the viewer's terms: the horizontal view angle is
    // 2 atan(width / 2 / (focal length * 96 / 12.7)) for a viewer width in pixels.
    float FocalLength() const { return focal_; }
    void SetFocalLength(float f) { focal_ = f < 1 ? 1 : f; }
    // Nothing farther than this is drawn.
    float DepthOfView() const { return depth_; }
    void SetDepthOfView(float d) { depth_ = d; }
    float NearPlane() const { return near_; }
    void SetNearPlane(float n) { near_ = n; }

    SceneNode* Target() const { return target_; }
    void SetTarget(SceneNode* t) { target_ = t; }

    // Swings the camera about its target (its position in the camera's parent
    // frame): turn about the camera's up axis, pitch about its right axis,
    // degrees; the distance stays. Without a target nothing moves.
    void MoveAroundTarget(float pitchDeg, float turnDeg);
    // Multiplies the distance to the target by factor.
    void AdjustDistanceToTarget(float factor);
    float DistanceToTarget() const;

    float HorizontalFov(float viewportWidth) const; // radians
    Mat4 ViewMatrix() const;
    Mat4 ProjectionMatrix(float viewportWidth, float viewportHeight) const;

private:
    // The target's position in this camera's parent frame.
    Vec3 TargetInParent() const;

    float focal_ = 50, depth_ = 100, near_ = 0.1f;
    SceneNode* target_ = nullptr;
};

} // namespace zw
