#include "platform/render/GlFrame.h"

#include <algorithm>
#include <cmath>

namespace zw {
namespace {

const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

void SetColor(GLint loc, const Color& c) { glUniform4f(loc, c.r, c.g, c.b, c.a); }

uint8_t Byte(float v) { return uint8_t(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); }

float DistanceSq(const Vec3& a, const Vec3& b) {
    Vec3 d = a - b;
    return Dot(d, d);
}

} // namespace

GlFrame::GlFrame() {
    glGenBuffers(1, &instances_);
    // Point-light particles: a soft round spot.
    const int n = 32;
    std::vector<uint8_t> spot(size_t(n) * n * 4);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float dx = (x + 0.5f) / n * 2 - 1, dy = (y + 0.5f) / n * 2 - 1;
            float a = std::clamp(1.0f - std::sqrt(dx * dx + dy * dy), 0.0f, 1.0f);
            uint8_t* px = &spot[(size_t(y) * n + x) * 4];
            px[0] = px[1] = px[2] = 255;
            px[3] = Byte(a * a);
        }
    particleTexture_.UploadRgba(spot.data(), n, n, false, false);
}

void GlFrame::Begin(const FrameParams& p) {
    p_ = p;
    viewProj_ = p.projection * p.view;
    camRight_ = Vec3{p.view(0, 0), p.view(0, 1), p.view(0, 2)};
    camUp_ = Vec3{p.view(1, 0), p.view(1, 1), p.view(1, 2)};
    stats_ = DrawStats{};
    background_.clear();
    opaque_.clear();
    blended_.clear();
    sprites_.clear();
    particleV_.clear();
    particleI_.clear();
    hudV_.clear();
    hudI_.clear();
    hudRuns_.clear();
}

void GlFrame::AddBackground(GlMesh* mesh, uint32_t first, uint32_t count, const RMaterial* m, const Mat4& model) {
    background_.push_back({mesh, first, count, m, model, 0, GL_TRIANGLES});
}

void GlFrame::AddMesh(GlMesh* mesh, uint32_t first, uint32_t count, const RMaterial* m, const Mat4& model) {
    MeshItem it{mesh, first, count, m, model, DistanceSq(model.Origin(), p_.eye), GL_TRIANGLES};
    (m->blend == GlBlend::Opaque ? opaque_ : blended_).push_back(it);
}

void GlFrame::AddLines(GlMesh* mesh, uint32_t first, uint32_t count, const RMaterial* m, const Mat4& model) {
    MeshItem it{mesh, first, count, m, model, DistanceSq(model.Origin(), p_.eye), GL_LINES};
    (m->blend == GlBlend::Opaque ? opaque_ : blended_).push_back(it);
}

void GlFrame::AddSprite(const Vec3& centre, float width, float height, float rotationDeg, const RMaterial* m) {
    sprites_.push_back({centre, width, height, rotationDeg, m, DistanceSq(centre, p_.eye)});
}

void GlFrame::AddParticle(const Vec3& c, float size, const Color& col) {
    uint32_t base = uint32_t(particleV_.size());
    float h = size / 2;
    const float corner[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (auto& k : corner) {
        Vec3 p = c + camRight_ * (k[0] * h) + camUp_ * (k[1] * h);
        GlVertex v;
        v.px = p.x, v.py = p.y, v.pz = p.z;
        v.u = (k[0] + 1) / 2, v.v = (k[1] + 1) / 2;
        v.r = Byte(col.r), v.g = Byte(col.g), v.b = Byte(col.b), v.a = Byte(col.a);
        particleV_.push_back(v);
    }
    for (uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u}) particleI_.push_back(base + i);
}

void GlFrame::AddHudRun(const GlTexture* t, GlBlend b, bool alphaTexture, const RMaterial* m, uint32_t start) {
    if (!hudRuns_.empty()) {
        QuadRun& last = hudRuns_.back();
        if (last.texture == t && last.blend == b && last.alphaTexture == alphaTexture) {
            last.indexCount = uint32_t(hudI_.size()) - last.firstIndex;
            return;
        }
    }
    hudRuns_.push_back({t, b, alphaTexture, start, uint32_t(hudI_.size()) - start, m});
}

void GlFrame::AddHudQuad(float cx, float cy, float w, float h, float rotationDeg, const RMaterial* m) {
    uint32_t start = uint32_t(hudI_.size()), base = uint32_t(hudV_.size());
    float a = rotationDeg * kDegToRad, cs = std::cos(a), sn = std::sin(a);
    // Corners from the top-left, clockwise on screen; v is 1 at the picture's top.
    const float corner[4][4] = {{-0.5f, -0.5f, 0, 1}, {0.5f, -0.5f, 1, 1}, {0.5f, 0.5f, 1, 0}, {-0.5f, 0.5f, 0, 0}};
    for (auto& k : corner) {
        float x = k[0] * w, y = k[1] * h;
        GlVertex v;
        // Positive rotation turns the item counter-clockwise as seen (y runs down).
        v.px = cx + x * cs + y * sn;
        v.py = cy - x * sn + y * cs;
        v.u = k[2], v.v = k[3];
        v.r = Byte(m->diffuse.r), v.g = Byte(m->diffuse.g), v.b = Byte(m->diffuse.b), v.a = Byte(m->diffuse.a);
        hudV_.push_back(v);
    }
    for (uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u}) hudI_.push_back(base + i);
    AddHudRun(m->texture, m->blend, false, m, start);
}

void GlFrame::AddHudText(const FontAtlas& font, float x, float y, std::string_view text, const Color& c,
                         HudAlign align) {
    uint32_t start = uint32_t(hudI_.size());
    float penX = std::floor(x);
    if (align != HudAlign::Left) {
        float w = float(font.TextWidth(text));
        penX -= align == HudAlign::Center ? std::floor(w / 2) : w;
    }
    float baseline = std::floor(y) + float(font.Ascender());
    uint8_t r = Byte(c.r), g = Byte(c.g), b = Byte(c.b), al = Byte(c.a);
    for (unsigned char ch : text) {
        const Glyph& gl = font.Of(ch);
        if (gl.width > 0 && gl.height > 0) {
            float x0 = penX + float(gl.left), y0 = baseline - float(gl.top);
            float x1 = x0 + float(gl.width), y1 = y0 + float(gl.height);
            uint32_t base = uint32_t(hudV_.size());
            const float q[4][4] = {{x0, y0, gl.u0, gl.v0}, {x1, y0, gl.u1, gl.v0}, {x1, y1, gl.u1, gl.v1},
                                   {x0, y1, gl.u0, gl.v1}};
            for (auto& k : q) {
                GlVertex v;
                v.px = k[0], v.py = k[1], v.u = k[2], v.v = k[3];
                v.r = r, v.g = g, v.b = b, v.a = al;
                hudV_.push_back(v);
            }
            for (uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u}) hudI_.push_back(base + i);
        }
        penX += float(gl.advance);
    }
    if (hudI_.size() > start) AddHudRun(&font.Texture(), GlBlend::Transparent, true, nullptr, start);
}

void GlFrame::ApplyBlend(GlBlend b, bool depthWrite) {
    if (b == GlBlend::Opaque) {
        glDisable(GL_BLEND);
    } else {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, b == GlBlend::Additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
    }
    glDepthMask(depthWrite ? GL_TRUE : GL_FALSE);
}

void GlFrame::ApplyMaterial(const RMaterial& m) {
    SetColor(world_.diffuse, m.diffuse);
    SetColor(world_.ambient, m.ambient);
    SetColor(world_.emission, m.emission);
    glUniform1i(world_.lighting, p_.lighting && !m.unlit);
    glUniform1i(world_.hasTexture, m.texture != nullptr);
    glUniform1i(world_.useVertexColor, m.vertexColors);
    if (m.texture) {
        m.texture->Bind(0);
        m.texture->UseFilters(m.linearMin, m.linearMag);
    }
    // Added light fades into black, not into the fog's colour.
    SetColor(world_.fogColor, m.blend == GlBlend::Additive ? Color{0, 0, 0, 1} : p_.fogColor);
    if (m.twoSided) glDisable(GL_CULL_FACE);
    else glEnable(GL_CULL_FACE);
    if (m.depthTest) glEnable(GL_DEPTH_TEST);
    else glDisable(GL_DEPTH_TEST);
}

void GlFrame::DrawMeshItem(const MeshItem& it, size_t matrixIndex, int instances) {
    it.mesh->Draw(it.first, it.count, instances_, matrixIndex * 64, instances, stats_, it.mode);
}

void GlFrame::PushSprite(const SpriteItem& s) {
    float a = s.rotation * kDegToRad, cs = std::cos(a), sn = std::sin(a);
    Vec3 right = camRight_ * cs + camUp_ * sn, up = camUp_ * cs - camRight_ * sn;
    uint32_t base = uint32_t(spriteV_.size());
    const float corner[4][2] = {{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}};
    for (auto& k : corner) {
        Vec3 p = s.centre + right * (k[0] * s.width) + up * (k[1] * s.height);
        GlVertex v;
        v.px = p.x, v.py = p.y, v.pz = p.z;
        v.nx = -p_.view(2, 0), v.ny = -p_.view(2, 1), v.nz = -p_.view(2, 2);
        v.u = k[0] + 0.5f, v.v = k[1] + 0.5f;
        spriteV_.push_back(v);
    }
    for (uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u}) spriteI_.push_back(base + i);
}

void GlFrame::DrawSpriteRun(const QuadRun& r) {
    ApplyMaterial(*r.material);
    ApplyBlend(r.blend, r.blend == GlBlend::Opaque && r.material->depthWrite);
    SetConstantModel(kIdentity);
    spriteMesh_.Draw(r.firstIndex, r.indexCount, 0, 0, 0, stats_);
}

void GlFrame::End() {
    glViewport(0, 0, p_.viewportWidth, p_.viewportHeight);
    glDisable(GL_SCISSOR_TEST);
    glDepthMask(GL_TRUE);
    glClearColor(p_.background.r, p_.background.g, p_.background.b, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    world_.program.Use();
    glUniformMatrix4fv(world_.viewProj, 1, GL_FALSE, viewProj_.m);
    glUniformMatrix4fv(world_.view, 1, GL_FALSE, p_.view.m);
    Vec3 ld = Normalized(p_.lightDir);
    glUniform3f(world_.lightDir, ld.x, ld.y, ld.z);
    glUniform3f(world_.lightPos, p_.lightPos.x, p_.lightPos.y, p_.lightPos.z);
    glUniform1i(world_.pointLight, p_.pointLight);
    SetColor(world_.lightDiffuse, p_.lightDiffuse);
    SetColor(world_.lightAmbient, p_.lightAmbient);
    glUniform1i(world_.texture, 0);
    glUniform1i(world_.useVertexColor, 0);
    glUniform1f(world_.alphaTest, p_.alphaTest);
    glUniform1i(world_.fogOn, p_.fog);
    glUniform1f(world_.fogStart, p_.fogStart);
    glUniform1f(world_.fogEnd, p_.fogEnd);

    Prepare();
    DrawBackground();
    DrawOpaque();
    DrawBlended();
    DrawParticles();
    DrawHud();
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glBindVertexArray(0);
}

void GlFrame::DrawBackground() {
    if (background_.empty()) return;
    glUniform1i(world_.fogOn, 0);
    glDisable(GL_DEPTH_TEST);
    for (const MeshItem& it : background_) {
        ApplyMaterial(*it.material);
        glDisable(GL_DEPTH_TEST);
        ApplyBlend(it.material->blend, false);
        Mat4 m = Mat4::Translation(p_.eye) * it.model;
        SetConstantModel(m.m);
        it.mesh->Draw(it.first, it.count, 0, 0, 0, stats_);
    }
    glUniform1i(world_.fogOn, p_.fog);
}

} // namespace zw
