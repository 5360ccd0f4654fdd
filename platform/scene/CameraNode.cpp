#include "platform/scene/CameraNode.h"

#include <cmath>

namespace zw {

Vec3 CameraNode::TargetInParent() const {
    Vec3 t = target_->AbsolutePosition();
    return Parent() ? Parent()->AbsoluteMatrix().Inverse().TransformPoint(t) : t;
}

void CameraNode::MoveAroundTarget(float pitchDeg, float turnDeg) {
    if (!target_) return;
    Vec3 t = TargetInParent();
    Vec3 off = Position() - t;
    Vec3 up = Normalized(Up()), right = Normalized(Right());
    off = Rotated(off, up, turnDeg * kDegToRad);
    right = Rotated(right, up, turnDeg * kDegToRad);
    off = Rotated(off, right, pitchDeg * kDegToRad);
    SetPosition(t + off);
}

void CameraNode::AdjustDistanceToTarget(float factor) {
    if (!target_) return;
    Vec3 t = TargetInParent();
    SetPosition(t + (Position() - t) * factor);
}

float CameraNode::DistanceToTarget() const {
    if (!target_) return 0;
    return Length(AbsolutePosition() - target_->AbsolutePosition());
}

float CameraNode::HorizontalFov(float w) const {
    const float pixelsPerUnit = 96.0f / 12.7f;
    return 2.0f * std::atan(w / 2.0f / (focal_ * pixelsPerUnit));
}

Mat4 CameraNode::ViewMatrix() const {
    Vec3 eye = AbsolutePosition();
    Vec3 up = AbsoluteUp();
    Vec3 dir = AbsoluteDirection();
    if (target_) {
        Vec3 to = target_->AbsolutePosition() - eye;
        if (Length(to) > 1e-6f) dir = Normalized(to);
    }
    if (Length(Cross(dir, up)) < 1e-6f) up = Normalized(AbsoluteMatrix().Column(0)); // looking along up
    return Mat4::LookAlong(eye, dir, up);
}

Mat4 CameraNode::ProjectionMatrix(float w, float h) const {
    float hfov = HorizontalFov(w);
    float aspect = h > 0 ? w / h : 1;
    float vfov = 2.0f * std::atan(std::tan(hfov / 2) / aspect);
    return Mat4::Perspective(vfov, aspect, near_, depth_ > near_ ? depth_ : near_ * 2);
}

} // namespace zw
