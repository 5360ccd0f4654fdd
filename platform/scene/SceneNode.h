#pragma once
// A node of the scene graph: a place in the tree and a frame.
//
// Frames: local Y is Up, local Z is Direction, local X is Up x Direction.
// Turn rotates about Up, pitch about local X, roll about Direction (degrees,
// right-handed). Setting an angle rotates the node by the difference from the
// angle last set, about its current axis; Turn/Pitch/Roll(d) rotate by d and
// leave the set angles alone. With up (0,0,-1) and direction (0,1,0) a node's
// x is world X, y is world -Z and z is world Y.
//
// Ownership: a node owns its children. A node made on its own (MakeNode) is
// owned by whoever holds it until it is attached with Adopt.
#include "platform/scene/RenderData.h"
#include "util/Mat4.h"
#include "util/Vec.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zw {

enum class NodeKind {
    Dummy, FreeForm, Mesh, Proxy, Plane, Sprite, Cylinder, ArrowLine, HudSprite, HudText,
    Camera, Light, SkyBox, SkyDome, Terrain, Particles, DirectGL
};
const char* NodeKindName(NodeKind k);

class SceneNode {
public:
    explicit SceneNode(std::string name = "") : SceneNode(NodeKind::Dummy, std::move(name)) {}
    virtual ~SceneNode();
    SceneNode(const SceneNode&) = delete;
    SceneNode& operator=(const SceneNode&) = delete;

    NodeKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string n) { name_ = std::move(n); }

    // Tree.
    SceneNode* Parent() const { return parent_; }
    size_t ChildCount() const { return children_.size(); }
    SceneNode* Child(size_t i) const { return children_[i].get(); }
    const std::vector<std::unique_ptr<SceneNode>>& Children() const { return children_; }
    // Creates a child of class T as the last child (AddFirst: the first).
    template <class T = SceneNode, class... A> T* Add(A&&... args) {
        return static_cast<T*>(Adopt(std::make_unique<T>(std::forward<A>(args)...)));
    }
    template <class T = SceneNode, class... A> T* AddFirst(A&&... args) {
        return static_cast<T*>(Adopt(std::make_unique<T>(std::forward<A>(args)...), 0));
    }
    // Attaches a node made elsewhere (or detached) at index (default: last).
    SceneNode* Adopt(std::unique_ptr<SceneNode> child, size_t index = SIZE_MAX);
    // Takes this node out of its parent; the caller owns it then.
    std::unique_ptr<SceneNode> Detach();
    // Moves this node (with its subtree) under another parent as its last
    // child, keeping its local frame. Moving under its own subtree is refused.
    void MoveTo(SceneNode* newParent);
    // Destroys this node and its subtree (it must have a parent).
    void Destroy();
    size_t IndexInParent() const;
    // Moves this node to position index among its siblings (clamped).
    void SetIndexInParent(size_t index);
    void MoveUp() { if (IndexInParent() > 0) SetIndexInParent(IndexInParent() - 1); }
    void MoveDown() { SetIndexInParent(IndexInParent() + 1); }
    bool IsAncestorOf(const SceneNode* n) const;
    // The first node of the subtree (this one included) with that name; a
    // set-up call, never for the frame loop.
    SceneNode* FindByName(const std::string& name);

    // Frame (relative to the parent).
    const Vec3& Position() const { return position_; }
    void SetPosition(const Vec3& p);
    void SetPosition(float x, float y, float z) { SetPosition(Vec3{x, y, z}); }
    void SetX(float v) { SetPosition(Vec3{v, position_.y, position_.z}); }
    void SetY(float v) { SetPosition(Vec3{position_.x, v, position_.z}); }
    void SetZ(float v) { SetPosition(Vec3{position_.x, position_.y, v}); }
    void Translate(const Vec3& d) { SetPosition(position_ + d); }
    const Vec3& Direction() const { return direction_; }
    const Vec3& Up() const { return up_; }
    Vec3 Right() const { return Cross(up_, direction_); }
    // Direction and up stay unit length and perpendicular: setting one turns
    // the other as little as possible (about the local X axis).
    void SetDirection(const Vec3& d);
    void SetUp(const Vec3& u);
    void SetDirection(float x, float y, float z) { SetDirection(Vec3{x, y, z}); }
    void SetUp(float x, float y, float z) { SetUp(Vec3{x, y, z}); }
    const Vec3& Scale() const { return scale_; }
    void SetScale(const Vec3& s);
    void SetScale(float x, float y, float z) { SetScale(Vec3{x, y, z}); }
    void SetScale(float s) { SetScale(Vec3{s, s, s}); }

    float TurnAngle() const { return turnAngle_; }
    float PitchAngle() const { return pitchAngle_; }
    float RollAngle() const { return rollAngle_; }
    void SetTurnAngle(float deg);
    void SetPitchAngle(float deg);
    void SetRollAngle(float deg);
    void Turn(float deg);
    void Pitch(float deg);
    void Roll(float deg);
    // Back to position 0, direction (0,0,1), up (0,1,0), scale 1, angles 0.
    void ResetTransform();

    // Local position, scale, up and direction of another node.
    void CopyTransformFrom(const SceneNode& other);
    // Another node's absolute position, direction and up, expressed in this
    // node's parent so that this node lands on it (its scale stays).
    void CopyAbsoluteFrom(const SceneNode& other);

    Mat4 LocalMatrix() const;
    // Parent's absolute matrix times the local one; cached until something above changes.
    const Mat4& AbsoluteMatrix() const;
    Vec3 AbsolutePosition() const { return AbsoluteMatrix().Origin(); }
    Vec3 AbsoluteDirection() const { return Normalized(AbsoluteMatrix().Column(2)); }
    Vec3 AbsoluteUp() const { return Normalized(AbsoluteMatrix().Column(1)); }
    void SetAbsolutePosition(const Vec3& p);
    // A point in this node's frame from world coordinates, and back.
    Vec3 WorldToLocal(const Vec3& p) const { return AbsoluteMatrix().Inverse().TransformPoint(p); }
    Vec3 LocalToWorld(const Vec3& p) const { return AbsoluteMatrix().TransformPoint(p); }

    // Drawing.
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    void Show() { visible_ = true; }
    void Hide() { visible_ = false; }
    // Shown and every ancestor shown.
    bool VisibleInTree() const;
    // Children with blended materials are drawn after the opaque ones, back to front.
    bool BlendedChildrenLast() const { return blendedLast_; }
    void SetBlendedChildrenLast(bool v) { blendedLast_ = v; }
    bool DepthWrite() const { return depthWrite_; }
    void SetDepthWrite(bool v) { depthWrite_ = v; }

    RenderSlot renderSlot; // for the renderer only

protected:
    SceneNode(NodeKind kind, std::string name) : kind_(kind), name_(std::move(name)) {}

private:
    void Invalidate();
    void Rotate(const Vec3& axis, float deg, bool dir, bool up);

    NodeKind kind_;
    std::string name_;
    SceneNode* parent_ = nullptr;
    std::vector<std::unique_ptr<SceneNode>> children_;
    Vec3 position_{};
    Vec3 direction_{0, 0, 1};
    Vec3 up_{0, 1, 0};
    Vec3 scale_{1, 1, 1};
    float turnAngle_ = 0, pitchAngle_ = 0, rollAngle_ = 0;
    bool visible_ = true;
    bool blendedLast_ = false;
    bool depthWrite_ = true;
    mutable bool absDirty_ = true;
    mutable Mat4 abs_;
};

// A node of class T owned by nobody yet (a master mesh, a node to attach later).
template <class T = SceneNode, class... A> std::unique_ptr<T> MakeNode(A&&... args) {
    return std::make_unique<T>(std::forward<A>(args)...);
}

} // namespace zw
