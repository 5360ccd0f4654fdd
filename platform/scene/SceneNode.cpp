#include "platform/scene/SceneNode.h"

#include "util/Errors.h"

#include <algorithm>
#include <cmath>

namespace zw {

const char* NodeKindName(NodeKind k) {
    switch (k) {
    case NodeKind::Dummy: return "dummy";
    case NodeKind::FreeForm: return "free-form mesh";
    case NodeKind::Mesh: return "mesh";
    case NodeKind::Proxy: return "proxy";
    case NodeKind::Plane: return "plane";
    case NodeKind::Sprite: return "sprite";
    case NodeKind::Cylinder: return "cylinder";
    case NodeKind::ArrowLine: return "arrow line";
    case NodeKind::HudSprite: return "HUD sprite";
    case NodeKind::HudText: return "HUD text";
    case NodeKind::Camera: return "camera";
    case NodeKind::Light: return "light";
    case NodeKind::SkyBox: return "sky box";
    case NodeKind::SkyDome: return "sky dome";
    case NodeKind::Terrain: return "terrain";
    case NodeKind::Particles: return "particles";
    case NodeKind::DirectGL: return "direct OpenGL";
    }
    return "node";
}

SceneNode::~SceneNode() = default;

SceneNode* SceneNode::Adopt(std::unique_ptr<SceneNode> child, size_t index) {
    if (!child) throw ERangeError("no node to attach to \"" + name_ + "\"");
    if (child->IsAncestorOf(this)) throw ERangeError("a node cannot be attached under its own subtree");
    SceneNode* c = child.get();
    c->parent_ = this;
    index = std::min(index, children_.size());
    children_.insert(children_.begin() + long(index), std::move(child));
    c->Invalidate();
    return c;
}

std::unique_ptr<SceneNode> SceneNode::Detach() {
    if (!parent_) return nullptr;
    auto& sib = parent_->children_;
    auto it = std::find_if(sib.begin(), sib.end(), [&](const auto& p) { return p.get() == this; });
    std::unique_ptr<SceneNode> self = std::move(*it);
    sib.erase(it);
    parent_ = nullptr;
    Invalidate();
    return self;
}

void SceneNode::MoveTo(SceneNode* newParent) {
    if (!newParent || newParent == parent_ || IsAncestorOf(newParent)) {
        if (newParent == parent_ && parent_) SetIndexInParent(parent_->children_.size());
        return;
    }
    if (!parent_) throw ERangeError("node \"" + name_ + "\" has no parent to move from");
    newParent->Adopt(Detach());
}

void SceneNode::Destroy() {
    if (!parent_) throw ERangeError("node \"" + name_ + "\" has no parent to be destroyed by");
    Detach(); // the returned owner frees this node and its subtree
}

size_t SceneNode::IndexInParent() const {
    if (!parent_) return 0;
    const auto& sib = parent_->children_;
    for (size_t i = 0; i < sib.size(); ++i)
        if (sib[i].get() == this) return i;
    return 0;
}

void SceneNode::SetIndexInParent(size_t index) {
    if (!parent_) return;
    auto& sib = parent_->children_;
    size_t from = IndexInParent();
    index = std::min(index, sib.size() - 1);
    if (from == index) return;
    auto self = std::move(sib[from]);
    sib.erase(sib.begin() + long(from));
    sib.insert(sib.begin() + long(index), std::move(self));
}

bool SceneNode::IsAncestorOf(const SceneNode* n) const {
    for (; n; n = n->parent_)
        if (n == this) return true;
    return false;
}

SceneNode* SceneNode::FindByName(const std::string& name) {
    if (name_ == name) return this;
    for (auto& c : children_)
        if (SceneNode* f = c->FindByName(name)) return f;
    return nullptr;
}

void SceneNode::Invalidate() {
    if (absDirty_) return; // a dirty node's subtree is dirty already
    absDirty_ = true;
    for (auto& c : children_) c->Invalidate();
}

void SceneNode::SetPosition(const Vec3& p) {
    position_ = p;
    Invalidate();
}

void SceneNode::SetScale(const Vec3& s) {
    scale_ = s;
    Invalidate();
}

void SceneNode::SetDirection(const Vec3& d) {
    Vec3 n = Normalized(d);
    if (Length(n) == 0) return;
    Vec3 right = Cross(up_, n);
    if (Length(right) < 1e-6f) right = Right(); // new direction along up: keep the old right
    right = Normalized(right);
    direction_ = n;
    up_ = Normalized(Cross(n, right));
    Invalidate();
}

void SceneNode::SetUp(const Vec3& u) {
    Vec3 n = Normalized(u);
    if (Length(n) == 0) return;
    Vec3 right = Cross(n, direction_);
    if (Length(right) < 1e-6f) right = Right();
    right = Normalized(right);
    up_ = n;
    direction_ = Normalized(Cross(right, n));
    Invalidate();
}

void SceneNode::Rotate(const Vec3& axis, float deg, bool dir, bool up) {
    float a = deg * kDegToRad;
    Vec3 ax = Normalized(axis);
    if (dir) direction_ = Normalized(Rotated(direction_, ax, a));
    if (up) up_ = Normalized(Rotated(up_, ax, a));
    Invalidate();
}

void SceneNode::Turn(float deg) { Rotate(up_, deg, true, false); }
void SceneNode::Pitch(float deg) { Rotate(Right(), deg, true, true); }
void SceneNode::Roll(float deg) { Rotate(direction_, deg, false, true); }

void SceneNode::SetTurnAngle(float deg) {
    Turn(deg - turnAngle_);
    turnAngle_ = deg;
}
void SceneNode::SetPitchAngle(float deg) {
    Pitch(deg - pitchAngle_);
    pitchAngle_ = deg;
}
void SceneNode::SetRollAngle(float deg) {
    Roll(deg - rollAngle_);
    rollAngle_ = deg;
}

void SceneNode::ResetTransform() {
    position_ = Vec3{};
    direction_ = Vec3{0, 0, 1};
    up_ = Vec3{0, 1, 0};
    scale_ = Vec3{1, 1, 1};
    turnAngle_ = pitchAngle_ = rollAngle_ = 0;
    Invalidate();
}

void SceneNode::CopyTransformFrom(const SceneNode& o) {
    position_ = o.position_;
    scale_ = o.scale_;
    up_ = o.up_;
    direction_ = o.direction_;
    Invalidate();
}

void SceneNode::CopyAbsoluteFrom(const SceneNode& o) {
    const Mat4& a = o.AbsoluteMatrix();
    Vec3 pos = a.Origin(), dir = Normalized(a.Column(2)), up = Normalized(a.Column(1));
    if (parent_) {
        Mat4 inv = parent_->AbsoluteMatrix().Inverse();
        pos = inv.TransformPoint(pos);
        dir = Normalized(inv.TransformVector(dir));
        up = Normalized(inv.TransformVector(up));
    }
    position_ = pos;
    direction_ = dir;
    // Scaled parents can skew the axes slightly: keep them perpendicular.
    Vec3 right = Normalized(Cross(up, dir));
    up_ = Length(right) > 0 ? Normalized(Cross(dir, right)) : up;
    Invalidate();
}

Mat4 SceneNode::LocalMatrix() const {
    Vec3 x = Right() * scale_.x, y = up_ * scale_.y, z = direction_ * scale_.z;
    return Mat4::FromAxes(x, y, z, position_);
}

const Mat4& SceneNode::AbsoluteMatrix() const {
    if (absDirty_) {
        abs_ = parent_ ? parent_->AbsoluteMatrix() * LocalMatrix() : LocalMatrix();
        absDirty_ = false;
    }
    return abs_;
}

void SceneNode::SetAbsolutePosition(const Vec3& p) {
    SetPosition(parent_ ? parent_->AbsoluteMatrix().Inverse().TransformPoint(p) : p);
}

bool SceneNode::VisibleInTree() const {
    for (const SceneNode* n = this; n; n = n->parent_)
        if (!n->visible_) return false;
    return true;
}

} // namespace zw
