// GlFrame: ordering and drawing of the queued items.
#include "platform/render/GlFrame.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace zw {
namespace {
const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

void GlFrame::Prepare() {
    // Opaque meshes by material, then by geometry: equal neighbours (a master
    // and its proxies) become one instanced draw.
    order_.resize(opaque_.size());
    std::iota(order_.begin(), order_.end(), size_t(0));
    auto key = [this](size_t i) {
        const MeshItem& m = opaque_[i];
        return std::make_tuple(m.material, m.mesh, m.first, m.count, m.mode);
    };
    std::sort(order_.begin(), order_.end(), [&](size_t a, size_t b) { return key(a) < key(b); });
    matrices_.clear();
    for (size_t i : order_) matrices_.insert(matrices_.end(), opaque_[i].model.m, opaque_[i].model.m + 16);

    // Blended meshes and sprites together, far to near.
    blendOrder_.clear();
    for (size_t i = 0; i < blended_.size(); ++i) blendOrder_.push_back({blended_[i].depth, false, uint32_t(i)});
    for (size_t i = 0; i < sprites_.size(); ++i)
        if (sprites_[i].material->blend != GlBlend::Opaque)
            blendOrder_.push_back({sprites_[i].depth, true, uint32_t(i)});
    std::stable_sort(blendOrder_.begin(), blendOrder_.end(),
                     [](const BlendedRef& a, const BlendedRef& b) { return a.depth > b.depth; });
    for (BlendedRef& r : blendOrder_) {
        if (r.sprite) continue;
        r.matrix = uint32_t(matrices_.size() / 16);
        const float* m = blended_[r.index].model.m;
        matrices_.insert(matrices_.end(), m, m + 16);
    }
    if (!matrices_.empty()) {
        size_t bytes = matrices_.size() * sizeof(float);
        glBindBuffer(GL_ARRAY_BUFFER, instances_);
        if (bytes > instanceCapacity_) instanceCapacity_ = bytes * 2;
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(instanceCapacity_), nullptr, GL_STREAM_DRAW);
        glBufferSubData(GL_ARRAY_BUFFER, 0, GLsizeiptr(bytes), matrices_.data());
    }

    // Sprite quads in drawing order: opaque ones by material, then the blended.
    spriteV_.clear();
    spriteI_.clear();
    spriteRuns_.clear();
    spriteOrder_.clear();
    for (size_t i = 0; i < sprites_.size(); ++i)
        if (sprites_[i].material->blend == GlBlend::Opaque) spriteOrder_.push_back(i);
    std::stable_sort(spriteOrder_.begin(), spriteOrder_.end(),
                     [this](size_t a, size_t b) { return sprites_[a].material < sprites_[b].material; });
    for (size_t i : spriteOrder_) {
        uint32_t start = uint32_t(spriteI_.size());
        PushSprite(sprites_[i]);
        const RMaterial* m = sprites_[i].material;
        if (!spriteRuns_.empty() && spriteRuns_.back().material == m) spriteRuns_.back().indexCount += 6;
        else spriteRuns_.push_back({m->texture, m->blend, false, start, 6, m});
    }
    opaqueSpriteRuns_ = spriteRuns_.size();
    const BlendedRef* prev = nullptr;
    for (BlendedRef& r : blendOrder_) {
        if (!r.sprite) {
            prev = &r;
            continue;
        }
        uint32_t start = uint32_t(spriteI_.size());
        PushSprite(sprites_[r.index]);
        const RMaterial* m = sprites_[r.index].material;
        if (prev && prev->sprite && spriteRuns_.back().material == m && spriteRuns_.size() > opaqueSpriteRuns_) {
            spriteRuns_.back().indexCount += 6;
            r.run = -1;
        } else {
            spriteRuns_.push_back({m->texture, m->blend, false, start, 6, m});
            r.run = int32_t(spriteRuns_.size() - 1);
        }
        prev = &r;
    }
    if (!spriteV_.empty()) spriteMesh_.Stream(spriteV_.data(), spriteV_.size(), spriteI_.data(), spriteI_.size());
}

void GlFrame::DrawOpaque() {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    ApplyBlend(GlBlend::Opaque, true);
    const RMaterial* current = nullptr;
    for (size_t k = 0; k < order_.size();) {
        const MeshItem& it = opaque_[order_[k]];
        size_t end = k + 1;
        while (end < order_.size()) {
            const MeshItem& o = opaque_[order_[end]];
            if (o.material != it.material || o.mesh != it.mesh || o.first != it.first || o.count != it.count ||
                o.mode != it.mode)
                break;
            ++end;
        }
        if (it.material != current) {
            ApplyMaterial(*it.material);
            glDepthMask(it.material->depthWrite ? GL_TRUE : GL_FALSE);
            current = it.material;
        }
        DrawMeshItem(it, k, int(end - k));
        k = end;
    }
    for (size_t r = 0; r < opaqueSpriteRuns_; ++r) DrawSpriteRun(spriteRuns_[r]);
}

void GlFrame::DrawBlended() {
    for (const BlendedRef& r : blendOrder_) {
        if (r.sprite) {
            if (r.run >= 0) DrawSpriteRun(spriteRuns_[size_t(r.run)]);
            continue;
        }
        const MeshItem& it = blended_[r.index];
        ApplyMaterial(*it.material);
        ApplyBlend(it.material->blend, false);
        DrawMeshItem(it, r.matrix, 1);
    }
}

void GlFrame::DrawParticles() {
    if (particleI_.empty()) return;
    particleMesh_.Stream(particleV_.data(), particleV_.size(), particleI_.data(), particleI_.size());
    RMaterial m;
    m.diffuse = {1, 1, 1, 1};
    m.texture = &particleTexture_;
    m.blend = GlBlend::Additive;
    m.unlit = true;
    m.depthTest = false;
    ApplyMaterial(m);
    ApplyBlend(GlBlend::Additive, false);
    glUniform1i(world_.useVertexColor, 1);
    SetConstantModel(kIdentity);
    particleMesh_.Draw(0, uint32_t(particleI_.size()), 0, 0, 0, stats_);
}

void GlFrame::DrawHud() {
    if (hudI_.empty()) return;
    hudMesh_.Stream(hudV_.data(), hudV_.size(), hudI_.data(), hudI_.size());
    hud_.program.Use();
    glUniform2f(hud_.screen, float(p_.hudWidth), float(p_.hudHeight));
    glUniform1i(hud_.texture, 0);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    SetConstantModel(kIdentity);
    for (const QuadRun& r : hudRuns_) {
        ApplyBlend(r.blend, false);
        glUniform1i(hud_.hasTexture, r.texture != nullptr);
        glUniform1i(hud_.alphaTexture, r.alphaTexture);
        if (r.texture) r.texture->Bind(0);
        hudMesh_.Draw(r.firstIndex, r.indexCount, 0, 0, 0, stats_);
    }
}

} // namespace zw
