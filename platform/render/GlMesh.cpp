#include "platform/render/GlMesh.h"

#include "platform/render/Shaders.h"

namespace zw {

GlMesh::GlMesh() {
    glGenVertexArrays(1, &vao_);
    glGenBuffers(1, &vbo_);
    glGenBuffers(1, &ibo_);
    glBindVertexArray(vao_);
    glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo_);
    const GLsizei stride = sizeof(GlVertex);
    glEnableVertexAttribArray(attr::Position);
    glVertexAttribPointer(attr::Position, 3, GL_FLOAT, GL_FALSE, stride, (void*)offsetof(GlVertex, px));
    glEnableVertexAttribArray(attr::Normal);
    glVertexAttribPointer(attr::Normal, 3, GL_FLOAT, GL_FALSE, stride, (void*)offsetof(GlVertex, nx));
    glEnableVertexAttribArray(attr::TexCoord);
    glVertexAttribPointer(attr::TexCoord, 2, GL_FLOAT, GL_FALSE, stride, (void*)offsetof(GlVertex, u));
    glEnableVertexAttribArray(attr::Color);
    glVertexAttribPointer(attr::Color, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride, (void*)offsetof(GlVertex, r));
    glBindVertexArray(0);
}

GlMesh::~GlMesh() {
    glDeleteBuffers(1, &vbo_);
    glDeleteBuffers(1, &ibo_);
    glDeleteVertexArrays(1, &vao_);
}

void GlMesh::Upload(const GlVertex* v, size_t vn, const uint32_t* idx, size_t in) {
    glBindVertexArray(vao_);
    glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vn * sizeof(GlVertex)), v, GL_STATIC_DRAW);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(in * sizeof(uint32_t)), idx, GL_STATIC_DRAW);
    glBindVertexArray(0);
    vertexCount_ = vboCapacity_ = vn;
    indexCount_ = iboCapacity_ = in;
}

void GlMesh::Stream(const GlVertex* v, size_t vn, const uint32_t* idx, size_t in) {
    glBindVertexArray(vao_);
    glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    if (vn > vboCapacity_) {
        vboCapacity_ = vn * 2;
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vboCapacity_ * sizeof(GlVertex)), nullptr, GL_STREAM_DRAW);
    }
    if (vn) glBufferSubData(GL_ARRAY_BUFFER, 0, GLsizeiptr(vn * sizeof(GlVertex)), v);
    if (in > iboCapacity_) {
        iboCapacity_ = in * 2;
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(iboCapacity_ * sizeof(uint32_t)), nullptr, GL_STREAM_DRAW);
    }
    if (in) glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, GLsizeiptr(in * sizeof(uint32_t)), idx);
    glBindVertexArray(0);
    vertexCount_ = vn;
    indexCount_ = in;
}

void GlMesh::Draw(uint32_t first, uint32_t count, GLuint instanceBuffer, size_t instanceOffset, int instances,
                  DrawStats& stats, GLenum mode) {
    if (!count) return;
    glBindVertexArray(vao_);
    const void* at = (const void*)(uintptr_t(first) * sizeof(uint32_t));
    if (instances > 0) {
        glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
        for (GLuint c = 0; c < 4; ++c) {
            glEnableVertexAttribArray(attr::Model + c);
            glVertexAttribPointer(attr::Model + c, 4, GL_FLOAT, GL_FALSE, 64,
                                  (const void*)(instanceOffset + c * 16));
            glVertexAttribDivisor(attr::Model + c, 1);
        }
        glDrawElementsInstanced(mode, GLsizei(count), GL_UNSIGNED_INT, at, instances);
    } else {
        for (GLuint c = 0; c < 4; ++c) glDisableVertexAttribArray(attr::Model + c);
        glDrawElements(mode, GLsizei(count), GL_UNSIGNED_INT, at);
        instances = 1;
    }
    ++stats.drawCalls;
    if (mode == GL_TRIANGLES) stats.triangles += (long long)(count / 3) * instances;
}

void SetConstantModel(const float* m) {
    for (GLuint c = 0; c < 4; ++c) glVertexAttrib4fv(attr::Model + c, m + c * 4);
}

} // namespace zw
