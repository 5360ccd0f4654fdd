#pragma once
// A 2-D texture uploaded once from RGBA pixels (rows top-down) or a single
// channel (glyph atlases).
#include <epoxy/gl.h>

#include <cstdint>

namespace zw {

class GlTexture {
public:
    GlTexture();
    ~GlTexture();
    GlTexture(const GlTexture&) = delete;
    GlTexture& operator=(const GlTexture&) = delete;

    void UploadRgba(const uint8_t* pixels, int width, int height, bool mipmaps, bool repeat);
    void UploadAlpha(const uint8_t* pixels, int width, int height);
    // linear: GL_LINEAR magnification; mipmapped textures get trilinear minification when linear.
    void SetFilters(bool linearMin, bool linearMag);
    // SetFilters when they differ from the texture's current ones (bound texture).
    void UseFilters(bool linearMin, bool linearMag) const;
    void Bind(int unit = 0) const;
    GLuint Id() const { return id_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    GLuint id_ = 0;
    int width_ = 0, height_ = 0;
    bool mipmaps_ = false;
    mutable bool linMin_ = true, linMag_ = true;
};

} // namespace zw
