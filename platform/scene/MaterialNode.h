#pragma once
// A node drawn with a material: its own, or one of a library by name.
#include "platform/scene/MaterialLibrary.h"
#include "platform/scene/SceneNode.h"

namespace zw {

class MaterialNode : public SceneNode {
public:
    MaterialBinding& Mat() { return material_; }
    const MaterialBinding& Mat() const { return material_; }
    // Shorthands: bind to a library material by name, or detach from it.
    void UseLibMaterial(MaterialLibrary* lib, const std::string& name) { material_.Bind(lib, name); }
    void UseOwnMaterial() { material_.Unbind(); }
    // The material drawn: the bound library material when found, else the own one.
    const Material& EffectiveMaterial() const { return material_.Effective(); }

protected:
    MaterialNode(NodeKind kind, std::string name) : SceneNode(kind, std::move(name)) {}

private:
    MaterialBinding material_;
};

} // namespace zw
