#include "platform/scene/Material.h"

#include "util/Paths.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sys/stat.h>

namespace zw {
namespace {
// Pictures by resolved path: a city loads one texture for many models. A file
// written again (the generated board pictures) is read again.
struct Cached {
    std::weak_ptr<const TextureImage> image;
    long long mtime = 0, size = 0;
};
std::map<std::string, Cached>& Cache() {
    static std::map<std::string, Cached> cache;
    return cache;
}
void Stamp(const std::string& path, long long& mtime, long long& size) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        mtime = (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
        size = (long long)st.st_size;
    }
}
} // namespace

void Material::LoadTexture(const std::string& path) {
    std::string resolved = ResolvePath(path);
    long long mtime = 0, size = 0;
    Stamp(resolved, mtime, size);
    auto& cache = Cache();
    auto it = cache.find(resolved);
    std::shared_ptr<const TextureImage> t;
    if (it != cache.end() && it->second.mtime == mtime && it->second.size == size) t = it->second.image.lock();
    if (!t) {
        auto fresh = std::make_shared<TextureImage>();
        fresh->path = resolved;
        fresh->image = ReadImageFile(resolved);
        t = fresh;
        cache[resolved] = Cached{t, mtime, size};
    }
    texture_ = std::move(t);
    textureFile_ = path;
    Touch();
}

void Material::SetTextureImage(Image img) {
    auto t = std::make_shared<TextureImage>();
    t->image = std::move(img);
    texture_ = std::move(t);
    textureFile_.clear();
    Touch();
}

void Material::Assign(const Material& o) {
    ambient_ = o.ambient_, diffuse_ = o.diffuse_, specular_ = o.specular_, emission_ = o.emission_;
    blending_ = o.blending_;
    noLighting_ = o.noLighting_, depthWrite_ = o.depthWrite_, twoSided_ = o.twoSided_;
    textureEnabled_ = o.textureEnabled_;
    texture_ = o.texture_;
    textureFile_ = o.textureFile_;
    minFilter_ = o.minFilter_, magFilter_ = o.magFilter_;
    mode_ = o.mode_;
    alpha_ = o.alpha_;
    brightness_ = o.brightness_;
    Touch();
}

Image PrepareTextureImage(const Image& src, TextureAlpha alpha, float brightness) {
    Image out = src;
    if (out.Empty()) return out;
    uint8_t* p = out.Data();
    size_t n = out.ByteSize();
    if (alpha == TextureAlpha::TopLeftPointColorTransparent) {
        uint8_t r = p[0], g = p[1], b = p[2];
        for (size_t i = 0; i < n; i += 4) p[i + 3] = (p[i] == r && p[i + 1] == g && p[i + 2] == b) ? 0 : 255;
    } else if (alpha == TextureAlpha::Opaque) {
        for (size_t i = 3; i < n; i += 4) p[i] = 255;
    }
    if (brightness != 1.0f) {
        float k = std::max(0.0f, brightness);
        for (size_t i = 0; i < n; i += 4)
            for (size_t c = 0; c < 3; ++c) p[i + c] = uint8_t(std::min(255.0f, std::round(float(p[i + c]) * k)));
    }
    return out;
}

} // namespace zw
