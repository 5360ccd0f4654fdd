#pragma once
// A linked GLSL 3.30 program; compile and link errors are thrown with the
// driver's log.
#include <epoxy/gl.h>
#include <string>

namespace zw {

class GlProgram {
public:
    GlProgram() = default;
    GlProgram(const char* vertexSrc, const char* fragmentSrc, const char* name);
    ~GlProgram();
    GlProgram(const GlProgram&) = delete;
    GlProgram& operator=(const GlProgram&) = delete;
    GlProgram(GlProgram&& o) noexcept : id_(o.id_) { o.id_ = 0; }
    GlProgram& operator=(GlProgram&& o) noexcept;

    GLuint Id() const { return id_; }
    GLint Uniform(const char* name) const { return glGetUniformLocation(id_, name); }
    void Use() const { glUseProgram(id_); }

private:
    GLuint id_ = 0;
};

} // namespace zw
