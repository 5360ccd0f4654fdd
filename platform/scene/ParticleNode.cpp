#include "platform/scene/ParticleNode.h"

#include <algorithm>
#include <cmath>

namespace zw {

ParticleNode::ParticleNode(std::string name, size_t capacity)
    : SceneNode(NodeKind::Particles, std::move(name)), particles_(std::max<size_t>(capacity, 1)) {}

void ParticleNode::CreateParticle(const Vec3& position, const Vec3& velocity) {
    if (count_ < particles_.size()) {
        particles_[count_++] = Particle{position, velocity, 0};
        return;
    }
    auto oldest = std::max_element(particles_.begin(), particles_.end(),
                                   [](const Particle& a, const Particle& b) { return a.age < b.age; });
    *oldest = Particle{position, velocity, 0};
}

float ParticleNode::TotalLifeTime() const {
    float t = 0;
    for (const LifeColor& l : life_) t += l.lifeTime;
    return t;
}

void ParticleNode::Progress(float dt) {
    float life = TotalLifeTime();
    // Friction 1 keeps the speed; below 1 the speed falls to friction^t of itself.
    float keep = friction_ >= 1 ? 1 : std::pow(std::max(friction_, 0.0f), dt);
    size_t w = 0;
    for (size_t i = 0; i < count_; ++i) {
        Particle p = particles_[i];
        p.age += dt;
        if (p.age > life) continue;
        p.position += p.velocity * dt;
        p.velocity *= keep;
        particles_[w++] = p;
    }
    count_ = w;
}

LifeColor ParticleNode::ColorAt(float age) const {
    if (life_.empty()) return LifeColor{};
    float t = 0;
    for (size_t i = 0; i < life_.size(); ++i) {
        const LifeColor& a = life_[i];
        if (age <= t + a.lifeTime || i + 1 == life_.size()) {
            const LifeColor& b = i + 1 < life_.size() ? life_[i + 1] : a;
            float k = a.lifeTime > 0 ? std::clamp((age - t) / a.lifeTime, 0.0f, 1.0f) : 1;
            LifeColor r;
            r.color = Color{a.color.r + (b.color.r - a.color.r) * k, a.color.g + (b.color.g - a.color.g) * k,
                            a.color.b + (b.color.b - a.color.b) * k, a.color.a + (b.color.a - a.color.a) * k};
            r.sizeScale = a.sizeScale + (b.sizeScale - a.sizeScale) * k;
            r.lifeTime = a.lifeTime;
            return r;
        }
        t += a.lifeTime;
    }
    return life_.back();
}

} // namespace zw
