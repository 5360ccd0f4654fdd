#pragma once
// One frame's drawing, independent of the scene graph: the scene adapter
// queues meshes, sprites, particles, sky and HUD items; End draws them in
// order: background and sky, opaque geometry sorted by material (a master
// and its proxies as one instanced draw), blended geometry and sprites back
// to front, particles, then the HUD in pixels. Queues keep their capacity,
// so a steady scene allocates nothing per frame.
#include "platform/render/FontAtlas.h"
#include "platform/render/GlMesh.h"
#include "platform/render/GlTexture.h"
#include "platform/render/Shaders.h"
#include "util/Mat4.h"
#include "util/Vec.h"

#include <string_view>
#include <vector>

namespace zw {

enum class GlBlend : uint8_t { Opaque, Transparent, Additive };

struct RMaterial {
    Color diffuse{0.8f, 0.8f, 0.8f, 1};
    Color ambient{0.2f, 0.2f, 0.2f, 1};
    Color emission{0, 0, 0, 1};
    const GlTexture* texture = nullptr;
    GlBlend blend = GlBlend::Opaque;
    bool unlit = false;      // ignores lighting
    bool twoSided = true;
    bool depthTest = true;
    bool depthWrite = true;    // opaque draws only; blended ones never write depth
    bool vertexColors = false; // the vertices' colours instead of diffuse
    bool linearMin = true, linearMag = true;
};

struct FrameParams {
    int viewportWidth = 1, viewportHeight = 1; // pixels of the window
    int hudWidth = 1, hudHeight = 1;           // the viewer's size: HUD pixels
    Color background{0, 0, 0, 1};
    Mat4 view, projection;
    Vec3 eye;
    bool lighting = true;
    Vec3 lightDir{0, -1, 0};
    bool pointLight = false; // an omni light at lightPos instead of the direction
    Vec3 lightPos;
    Color lightDiffuse{1, 1, 1, 1}, lightAmbient{0.3f, 0.3f, 0.3f, 1};
    bool fog = false;
    float fogStart = 150, fogEnd = 250;
    Color fogColor{0.5f, 0.5f, 0.5f, 1};
    float alphaTest = -1; // fragments with alpha <= this are dropped (-1: off)
};

enum class HudAlign : uint8_t { Left, Center, Right };

class GlFrame {
public:
    GlFrame();
    GlFrame(const GlFrame&) = delete;
    GlFrame& operator=(const GlFrame&) = delete;

    void Begin(const FrameParams& p);
    // Drawn first, around the eye, without depth (sky dome, sky box faces).
    void AddBackground(GlMesh* mesh, uint32_t first, uint32_t count, const RMaterial* m, const Mat4& model);
    void AddMesh(GlMesh* mesh, uint32_t first, uint32_t count, const RMaterial* m, const Mat4& model);
    void AddLines(GlMesh* mesh, uint32_t first, uint32_t count, const RMaterial* m, const Mat4& model);
    // A quad facing the camera, centre in world space, rotated in the view plane.
    void AddSprite(const Vec3& centre, float width, float height, float rotationDeg, const RMaterial* m);
    void AddParticle(const Vec3& centre, float size, const Color& c);
    // HUD items in pixels from the top-left; quads by their centre.
    void AddHudQuad(float cx, float cy, float width, float height, float rotationDeg, const RMaterial* m);
    void AddHudText(const FontAtlas& font, float x, float y, std::string_view cp1250, const Color& c,
                    HudAlign align = HudAlign::Left);
    // Everything queued, in order. Call with the window's context current.
    void End();
    const DrawStats& Stats() const { return stats_; }
    // The frame's settings between Begin and End (lights found while queueing).
    FrameParams& Params() { return p_; }

private:
    struct MeshItem {
        GlMesh* mesh;
        uint32_t first, count;
        const RMaterial* material;
        Mat4 model;
        float depth;
        GLenum mode;
    };
    struct SpriteItem {
        Vec3 centre;
        float width, height, rotation;
        const RMaterial* material;
        float depth;
    };
    // A blended thing in back-to-front order: a mesh item or a sprite.
    struct BlendedRef {
        float depth;
        bool sprite;
        uint32_t index;
        uint32_t matrix = 0;    // meshes: place in the instance buffer
        int32_t run = -1;       // sprites: the run this one starts, -1 when it continues one
    };
    struct QuadRun {
        const GlTexture* texture;
        GlBlend blend;
        bool alphaTexture;
        uint32_t firstIndex, indexCount;
        const RMaterial* material;
    };
    void ApplyMaterial(const RMaterial& m);
    void ApplyBlend(GlBlend b, bool depthWrite);
    void Prepare();
    void DrawBackground();
    void DrawOpaque();
    void DrawBlended();
    void DrawParticles();
    void DrawHud();
    void PushSprite(const SpriteItem& s);
    void DrawSpriteRun(const QuadRun& r);
    void DrawMeshItem(const MeshItem& it, size_t matrixIndex, int instances);
    void AddHudRun(const GlTexture* t, GlBlend b, bool alphaTexture, const RMaterial* m, uint32_t indexStart);

    WorldProgram world_;
    HudProgram hud_;
    GLuint instances_ = 0;
    size_t instanceCapacity_ = 0;
    GlMesh spriteMesh_, particleMesh_, hudMesh_;
    GlTexture particleTexture_;
    FrameParams p_;
    Mat4 viewProj_;
    DrawStats stats_;
    std::vector<MeshItem> background_, opaque_, blended_;
    std::vector<SpriteItem> sprites_;
    std::vector<BlendedRef> blendOrder_;
    Vec3 camRight_, camUp_;
    std::vector<float> matrices_;
    std::vector<GlVertex> spriteV_, particleV_, hudV_;
    std::vector<uint32_t> spriteI_, particleI_, hudI_;
    std::vector<QuadRun> spriteRuns_, hudRuns_;
    std::vector<size_t> order_;
    std::vector<size_t> spriteOrder_;
    size_t opaqueSpriteRuns_ = 0;
};

} // namespace zw
