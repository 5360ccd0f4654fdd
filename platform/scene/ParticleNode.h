#pragma once
// Point-light particles: glowing points that drift, slow down with friction
// and fade through their life colours. The game creates them; Progress(dt)
// ages them (call it once a frame); the renderer draws them as additive
// camera-facing quads. The particle store is fixed in size: creating one
// when it is full replaces the oldest, so nothing allocates in the frame loop.
#include "platform/scene/SceneNode.h"

#include <vector>

namespace zw {

struct LifeColor {
    Color color{1, 1, 1, 1};
    float lifeTime = 1;  // seconds this colour lasts
    float sizeScale = 1;
};

struct Particle {
    Vec3 position; // in the node's frame
    Vec3 velocity;
    float age = 0;
};

class ParticleNode : public SceneNode {
public:
    explicit ParticleNode(std::string name = "", size_t capacity = 1024);

    float Friction() const { return friction_; }
    void SetFriction(float f) { friction_ = f; }
    float AspectRatio() const { return aspect_; }
    void SetAspectRatio(float a) { aspect_ = a; }
    float ParticleSize() const { return size_; }
    void SetParticleSize(float s) { size_ = s; }
    const std::vector<LifeColor>& LifeColors() const { return life_; }
    void SetLifeColors(std::vector<LifeColor> l) { life_ = std::move(l); }
    bool DepthTest() const { return depthTest_; }
    void SetDepthTest(bool v) { depthTest_ = v; }

    void CreateParticle(const Vec3& position, const Vec3& velocity);
    // Moves and ages every particle; those past their last life colour die.
    void Progress(float dt);
    size_t Count() const { return count_; }
    const Particle& At(size_t i) const { return particles_[i]; }
    // Colour and size scale of a particle of that age (interpolated between life colours).
    LifeColor ColorAt(float age) const;
    float TotalLifeTime() const;

private:
    std::vector<Particle> particles_;
    size_t count_ = 0;
    float friction_ = 1, aspect_ = 1, size_ = 1;
    std::vector<LifeColor> life_{LifeColor{}};
    bool depthTest_ = true;
};

} // namespace zw
