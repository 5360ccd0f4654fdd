#include "platform/render/Shaders.h"

namespace zw {
namespace {

const char* kWorldVs = R"(#version 330 core
layout(location = 0) in vec3 aPos;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aUv;
layout(location = 3) in vec4 aColor;
layout(location = 4) in mat4 aModel;
uniform mat4 uViewProj;
uniform mat4 uView;
out vec3 vNormal;
out vec2 vUv;
out vec4 vColor;
out float vDepth;
out vec3 vWorld;
void main() {
    vec4 world = aModel * vec4(aPos, 1.0);
    vWorld = world.xyz;
    gl_Position = uViewProj * world;
    vNormal = mat3(aModel) * aNormal;
    vUv = aUv;
    vColor = aColor;
    vDepth = length((uView * world).xyz);
}
)";

const char* kWorldFs = R"(#version 330 core
in vec3 vNormal;
in vec2 vUv;
in vec4 vColor;
in float vDepth;
in vec3 vWorld;
uniform vec3 uLightPos;
uniform bool uPointLight;
uniform vec4 uDiffuse;
uniform vec4 uAmbient;
uniform vec4 uEmission;
uniform bool uLighting;
uniform vec3 uLightDir;
uniform vec4 uLightDiffuse;
uniform vec4 uLightAmbient;
uniform sampler2D uTexture;
uniform bool uHasTexture;
uniform bool uUseVertexColor;
uniform float uAlphaTest;
uniform bool uFogOn;
uniform float uFogStart;
uniform float uFogEnd;
uniform vec4 uFogColor;
out vec4 outColor;
void main() {
    vec4 base = uUseVertexColor ? vColor : uDiffuse;
    if (uHasTexture) base *= texture(uTexture, vUv);
    vec4 c = base;
    if (uLighting) {
        vec3 n = normalize(vNormal);
        vec3 l = uPointLight ? normalize(uLightPos - vWorld) : -uLightDir;
        float d = abs(dot(n, l));
        c.rgb = base.rgb * (uLightAmbient.rgb + uAmbient.rgb * 0.2 + d * uLightDiffuse.rgb) + uEmission.rgb;
    }
    if (c.a <= uAlphaTest) discard;
    if (uFogOn) {
        float f = clamp((uFogEnd - vDepth) / max(uFogEnd - uFogStart, 0.0001), 0.0, 1.0);
        c.rgb = mix(uFogColor.rgb, c.rgb, f);
    }
    outColor = c;
}
)";

const char* kHudVs = R"(#version 330 core
layout(location = 0) in vec3 aPos;
layout(location = 2) in vec2 aUv;
layout(location = 3) in vec4 aColor;
uniform vec2 uScreen;
out vec2 vUv;
out vec4 vColor;
void main() {
    gl_Position = vec4(aPos.x / uScreen.x * 2.0 - 1.0, 1.0 - aPos.y / uScreen.y * 2.0, 0.0, 1.0);
    vUv = aUv;
    vColor = aColor;
}
)";

const char* kHudFs = R"(#version 330 core
in vec2 vUv;
in vec4 vColor;
uniform sampler2D uTexture;
uniform bool uHasTexture;
uniform bool uAlphaTexture;
out vec4 outColor;
void main() {
    vec4 c = vColor;
    if (uAlphaTexture) c.a *= texture(uTexture, vUv).r;
    else if (uHasTexture) c *= texture(uTexture, vUv);
    if (c.a <= 0.0) discard;
    outColor = c;
}
)";

} // namespace

WorldProgram::WorldProgram() : program(kWorldVs, kWorldFs, "world") {
    GLuint p = program.Id();
    viewProj = glGetUniformLocation(p, "uViewProj");
    view = glGetUniformLocation(p, "uView");
    diffuse = glGetUniformLocation(p, "uDiffuse");
    ambient = glGetUniformLocation(p, "uAmbient");
    emission = glGetUniformLocation(p, "uEmission");
    lighting = glGetUniformLocation(p, "uLighting");
    lightDir = glGetUniformLocation(p, "uLightDir");
    lightDiffuse = glGetUniformLocation(p, "uLightDiffuse");
    lightAmbient = glGetUniformLocation(p, "uLightAmbient");
    lightPos = glGetUniformLocation(p, "uLightPos");
    pointLight = glGetUniformLocation(p, "uPointLight");
    texture = glGetUniformLocation(p, "uTexture");
    hasTexture = glGetUniformLocation(p, "uHasTexture");
    useVertexColor = glGetUniformLocation(p, "uUseVertexColor");
    alphaTest = glGetUniformLocation(p, "uAlphaTest");
    fogOn = glGetUniformLocation(p, "uFogOn");
    fogStart = glGetUniformLocation(p, "uFogStart");
    fogEnd = glGetUniformLocation(p, "uFogEnd");
    fogColor = glGetUniformLocation(p, "uFogColor");
}

HudProgram::HudProgram() : program(kHudVs, kHudFs, "hud") {
    GLuint p = program.Id();
    screen = glGetUniformLocation(p, "uScreen");
    texture = glGetUniformLocation(p, "uTexture");
    hasTexture = glGetUniformLocation(p, "uHasTexture");
    alphaTexture = glGetUniformLocation(p, "uAlphaTexture");
}

} // namespace zw
