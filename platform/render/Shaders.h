#pragma once
// The renderer's two programs: one for everything in the world (meshes,
// instanced proxies, sprites, terrain, sky, particles) and one for the HUD.
#include "platform/render/GlProgram.h"

namespace zw {

// Vertex attribute locations shared by every mesh buffer.
namespace attr {
constexpr GLuint Position = 0, Normal = 1, TexCoord = 2, Color = 3, Model = 4; // Model: 4..7 (mat4)
}

struct WorldProgram {
    GlProgram program;
    GLint viewProj, view, diffuse, ambient, emission, lighting, lightDir, lightDiffuse, lightAmbient;
    GLint lightPos, pointLight;
    GLint texture, hasTexture, alphaTest, fogOn, fogStart, fogEnd, fogColor, useVertexColor;
    WorldProgram();
};

struct HudProgram {
    GlProgram program;
    GLint screen, texture, hasTexture, alphaTexture;
    HudProgram();
};

} // namespace zw
