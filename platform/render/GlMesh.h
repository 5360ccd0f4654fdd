#pragma once
// Geometry on the GPU: one vertex buffer and one index buffer, uploaded once.
// Draws take their model matrices from the renderer's per-frame instance
// buffer, so a master and all its proxies are one instanced draw.
#include <epoxy/gl.h>

#include <cstddef>
#include <cstdint>

namespace zw {

struct GlVertex {
    float px = 0, py = 0, pz = 0;
    float nx = 0, ny = 1, nz = 0;
    float u = 0, v = 0;
    uint8_t r = 255, g = 255, b = 255, a = 255;
};

struct DrawStats {
    int drawCalls = 0;
    long long triangles = 0;
};

class GlMesh {
public:
    GlMesh();
    ~GlMesh();
    GlMesh(const GlMesh&) = delete;
    GlMesh& operator=(const GlMesh&) = delete;

    // Static geometry; a second call replaces it (for geometry that changed).
    void Upload(const GlVertex* vertices, size_t vertexCount, const uint32_t* indices, size_t indexCount);
    // Streaming geometry (quads of sprites, glyphs): the buffers keep their
    // capacity and are rewritten each frame.
    void Stream(const GlVertex* vertices, size_t vertexCount, const uint32_t* indices, size_t indexCount);
    size_t IndexCount() const { return indexCount_; }
    size_t VertexCount() const { return vertexCount_; }

    // Triangles [first, first + count) of the index buffer, once per matrix
    // at instanceOffset (bytes) of instances. instances == 0: the model
    // matrix is the current constant attribute (see SetConstantModel).
    void Draw(uint32_t first, uint32_t count, GLuint instanceBuffer, size_t instanceOffset, int instances,
              DrawStats& stats, GLenum mode = GL_TRIANGLES);

private:
    GLuint vao_ = 0, vbo_ = 0, ibo_ = 0;
    size_t vertexCount_ = 0, indexCount_ = 0;
    size_t vboCapacity_ = 0, iboCapacity_ = 0;
};

// Sets the model matrix attribute (locations 4..7) for non-instanced draws.
void SetConstantModel(const float* m16);

} // namespace zw
