#pragma once
// The simple shapes: planes, sprites, cylinders and arrow lines. The renderer
// builds their geometry from these numbers; ShapeVersion() changes with them.
#include "platform/scene/MaterialNode.h"

namespace zw {

class ShapeNode : public MaterialNode {
public:
    uint64_t ShapeVersion() const { return shapeVersion_; }

protected:
    using MaterialNode::MaterialNode;
    void Changed() { ++shapeVersion_; }

private:
    uint64_t shapeVersion_ = 1;
};

// A rectangle in the local XY plane, centred on the origin, facing +Z.
class PlaneNode : public ShapeNode {
public:
    explicit PlaneNode(std::string name = "") : ShapeNode(NodeKind::Plane, std::move(name)) {}
    float Width() const { return width_; }
    float Height() const { return height_; }
    void SetWidth(float w) { width_ = w, Changed(); }
    void SetHeight(float h) { height_ = h, Changed(); }
    void SetSize(float w, float h) { width_ = w, height_ = h, Changed(); }

private:
    float width_ = 1, height_ = 1;
};

// A rectangle that always faces the camera, turned by Rotation() degrees in the view.
class SpriteNode : public ShapeNode {
public:
    explicit SpriteNode(std::string name = "") : ShapeNode(NodeKind::Sprite, std::move(name)) {}
    float Width() const { return width_; }
    float Height() const { return height_; }
    float Rotation() const { return rotation_; }
    void SetSize(float w, float h) { width_ = w, height_ = h, Changed(); }
    void SetWidth(float w) { width_ = w, Changed(); }
    void SetHeight(float h) { height_ = h, Changed(); }
    void SetRotation(float deg) { rotation_ = deg, Changed(); }

private:
    float width_ = 1, height_ = 1, rotation_ = 0;
};

// A cylinder (or cone) along the local Y axis, centred on the origin.
class CylinderNode : public ShapeNode {
public:
    enum Part : unsigned { Sides = 1, Top = 2, Bottom = 4, AllParts = 7 };
    explicit CylinderNode(std::string name = "") : ShapeNode(NodeKind::Cylinder, std::move(name)) {}
    float TopRadius() const { return top_; }
    float BottomRadius() const { return bottom_; }
    float Height() const { return height_; }
    int Slices() const { return slices_; }
    int Stacks() const { return stacks_; }
    unsigned Parts() const { return parts_; }
    bool HasPart(Part p) const { return (parts_ & p) != 0; }
    void SetTopRadius(float r) { top_ = r, Changed(); }
    void SetBottomRadius(float r) { bottom_ = r, Changed(); }
    void SetRadius(float r) { top_ = bottom_ = r, Changed(); }
    void SetHeight(float h) { height_ = h, Changed(); }
    void SetSlices(int n) { slices_ = n < 3 ? 3 : n, Changed(); }
    void SetStacks(int n) { stacks_ = n < 1 ? 1 : n, Changed(); }
    void SetParts(unsigned p) { parts_ = p & AllParts, Changed(); }

private:
    float top_ = 0.5f, bottom_ = 0.5f, height_ = 1;
    int slices_ = 16, stacks_ = 1;
    unsigned parts_ = AllParts;
};

// An arrow along the local Z axis (its Direction) from -Height/2 to +Height/2,
// the head at +Z: a shaft cylinder and a cone.
class ArrowLineNode : public ShapeNode {
public:
    explicit ArrowLineNode(std::string name = "") : ShapeNode(NodeKind::ArrowLine, std::move(name)) {}
    float Height() const { return height_; }
    float BottomRadius() const { return bottom_; }
    float TopRadius() const { return top_; }
    float TopArrowHeadHeight() const { return headHeight_; }
    float TopArrowHeadRadius() const { return headRadius_; }
    int Slices() const { return slices_; }
    void SetHeight(float h) { height_ = h, Changed(); }
    void SetRadii(float bottom, float top) { bottom_ = bottom, top_ = top, Changed(); }
    void SetHead(float height, float radius) { headHeight_ = height, headRadius_ = radius, Changed(); }
    void SetSlices(int n) { slices_ = n < 3 ? 3 : n, Changed(); }

private:
    float height_ = 1, bottom_ = 0.1f, top_ = 0.1f, headHeight_ = 0.5f, headRadius_ = 0.2f;
    int slices_ = 8;
};

} // namespace zw
