#include "platform/render/GlProgram.h"

#include "util/Errors.h"

namespace zw {
namespace {

GLuint Compile(GLenum kind, const char* src, const char* name) {
    GLuint s = glCreateShader(kind);
    glShaderSource(s, 1, &src, nullptr);
    glCompileShader(s);
    GLint ok = 0;
    glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[2048] = {};
        glGetShaderInfoLog(s, sizeof log, nullptr, log);
        glDeleteShader(s);
        throw ZwError(std::string("shader ") + name + (kind == GL_VERTEX_SHADER ? " (vertex)" : " (fragment)") +
                      " does not compile: " + log);
    }
    return s;
}

} // namespace

GlProgram::GlProgram(const char* vertexSrc, const char* fragmentSrc, const char* name) {
    GLuint vs = Compile(GL_VERTEX_SHADER, vertexSrc, name);
    GLuint fs = 0;
    try {
        fs = Compile(GL_FRAGMENT_SHADER, fragmentSrc, name);
    } catch (...) {
        glDeleteShader(vs);
        throw;
    }
    id_ = glCreateProgram();
    glAttachShader(id_, vs);
    glAttachShader(id_, fs);
    glLinkProgram(id_);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = 0;
    glGetProgramiv(id_, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[2048] = {};
        glGetProgramInfoLog(id_, sizeof log, nullptr, log);
        glDeleteProgram(id_);
        id_ = 0;
        throw ZwError(std::string("shader ") + name + " does not link: " + log);
    }
}

GlProgram::~GlProgram() {
    if (id_) glDeleteProgram(id_);
}

GlProgram& GlProgram::operator=(GlProgram&& o) noexcept {
    if (this != &o) {
        if (id_) glDeleteProgram(id_);
        id_ = o.id_;
        o.id_ = 0;
    }
    return *this;
}

} // namespace zw
