#include "platform/render/GlTexture.h"

#include <vector>

namespace zw {

GlTexture::GlTexture() { glGenTextures(1, &id_); }
GlTexture::~GlTexture() { glDeleteTextures(1, &id_); }

void GlTexture::UploadRgba(const uint8_t* pixels, int width, int height, bool mipmaps, bool repeat) {
    width_ = width;
    height_ = height;
    mipmaps_ = mipmaps;
    glBindTexture(GL_TEXTURE_2D, id_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // Rows come top-down; texture coordinates follow the model files, whose
    // v runs up from the bottom row, so the picture is flipped on upload.
    std::vector<uint8_t> flipped(size_t(width) * height * 4);
    for (int y = 0; y < height; ++y)
        std::copy(pixels + size_t(height - 1 - y) * width * 4, pixels + size_t(height - y) * width * 4,
                  flipped.begin() + size_t(y) * width * 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, flipped.data());
    if (mipmaps) glGenerateMipmap(GL_TEXTURE_2D);
    GLint wrap = repeat ? GL_REPEAT : GL_CLAMP_TO_EDGE;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    SetFilters(true, true);
}

void GlTexture::UploadAlpha(const uint8_t* pixels, int width, int height) {
    width_ = width;
    height_ = height;
    mipmaps_ = false;
    glBindTexture(GL_TEXTURE_2D, id_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, width, height, 0, GL_RED, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    SetFilters(false, false);
}

void GlTexture::UseFilters(bool linearMin, bool linearMag) const {
    if (linearMin == linMin_ && linearMag == linMag_) return;
    const_cast<GlTexture*>(this)->SetFilters(linearMin, linearMag);
}

void GlTexture::SetFilters(bool linearMin, bool linearMag) {
    linMin_ = linearMin;
    linMag_ = linearMag;
    glBindTexture(GL_TEXTURE_2D, id_);
    GLint min = linearMin ? (mipmaps_ ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR)
                          : (mipmaps_ ? GL_NEAREST_MIPMAP_NEAREST : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, linearMag ? GL_LINEAR : GL_NEAREST);
}

void GlTexture::Bind(int unit) const {
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_2D, id_);
}

} // namespace zw
