#pragma once
// A light source: omni (all around from the node's position; the spot
// cut-off is then ignored), spot (along Direction within the cut-off) or
// parallel (along Direction from far away).
#include "platform/scene/SceneNode.h"

namespace zw {

class LightNode : public SceneNode {
public:
    explicit LightNode(std::string name = "") : SceneNode(NodeKind::Light, std::move(name)) {}
    enum class Style { Omni, Spot, Parallel };
    Style LightStyle() const { return style_; }
    void SetLightStyle(Style s) { style_ = s; }
    bool Shining() const { return shining_; }
    void SetShining(bool v) { shining_ = v; }
    const Color& Ambient() const { return ambient_; }
    const Color& Diffuse() const { return diffuse_; }
    const Color& Specular() const { return specular_; }
    void SetAmbient(const Color& c) { ambient_ = c; }
    void SetDiffuse(const Color& c) { diffuse_ = c; }
    void SetSpecular(const Color& c) { specular_ = c; }
    float ConstAttenuation() const { return constAtt_; }
    float LinearAttenuation() const { return linAtt_; }
    float QuadraticAttenuation() const { return quadAtt_; }
    void SetAttenuation(float constant, float linear, float quadratic) {
        constAtt_ = constant, linAtt_ = linear, quadAtt_ = quadratic;
    }
    float SpotCutOff() const { return cutOff_; }
    void SetSpotCutOff(float deg) { cutOff_ = deg; }

private:
    Style style_ = Style::Omni;
    bool shining_ = true;
    Color ambient_{0, 0, 0, 1}, diffuse_{1, 1, 1, 1}, specular_{1, 1, 1, 1};
    float constAtt_ = 1, linAtt_ = 0, quadAtt_ = 0, cutOff_ = 180;
};

} // namespace zw
