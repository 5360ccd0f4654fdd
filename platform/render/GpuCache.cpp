#include "platform/render/GpuCache.h"

#include "util/Fields.h"

#include <memory>

namespace zw {
namespace {

struct TextureData : RenderData {
    GlTexture texture;
};

struct MaterialData : RenderData {
    RMaterial r;
    uint64_t version = 0;
    std::shared_ptr<const TextureImage> image; // the picture the texture came from
    std::unique_ptr<GlTexture> own;            // pictures changed by alpha mode or brightness
};

struct FontData : RenderData {
    explicit FontData(const std::string& file, int px) : atlas(file, px) {}
    FontAtlas atlas;
};

bool LinearFilter(TextureFilter f) {
    return f == TextureFilter::Linear || f == TextureFilter::LinearMipmapNearest ||
           f == TextureFilter::LinearMipmapLinear;
}

const GlTexture* TextureOf(const Material& m, MaterialData& d) {
    if (!m.TextureEnabled() || !m.HasTexture() || m.Texture()->image.Empty()) {
        d.own.reset();
        return nullptr;
    }
    const TextureImage& img = *m.Texture();
    if (m.AlphaMode() == TextureAlpha::Default && m.ImageBrightness() == 1.0f) {
        // The plain picture is uploaded once, whichever materials share it.
        d.own.reset();
        auto* t = img.renderSlot.As<TextureData>();
        if (!t) {
            auto nt = std::make_unique<TextureData>();
            nt->texture.UploadRgba(img.image.Data(), img.image.Width(), img.image.Height(), true, true);
            t = nt.get();
            img.renderSlot.Set(std::move(nt));
        }
        return &t->texture;
    }
    Image prepared = PrepareTextureImage(img.image, m.AlphaMode(), m.ImageBrightness());
    d.own = std::make_unique<GlTexture>();
    d.own->UploadRgba(prepared.Data(), prepared.Width(), prepared.Height(), true, true);
    return d.own.get();
}

} // namespace

const RMaterial& GpuMaterial(const Material& m) {
    auto* d = m.renderSlot.As<MaterialData>();
    if (!d) {
        auto nd = std::make_unique<MaterialData>();
        d = nd.get();
        m.renderSlot.Set(std::move(nd));
    }
    if (d->version == m.Version() && d->image == m.Texture()) return d->r;
    d->version = m.Version();
    d->image = m.Texture();
    RMaterial& r = d->r;
    r.diffuse = m.Diffuse();
    r.ambient = m.Ambient();
    r.emission = m.Emission();
    r.unlit = m.NoLighting();
    r.twoSided = true; // models come with either winding; drawing both sides is safe
    r.depthWrite = m.DepthWrite();
    r.blend = m.Blending() == BlendMode::Additive       ? GlBlend::Additive
              : m.Blending() == BlendMode::Transparency ? GlBlend::Transparent
                                                        : GlBlend::Opaque;
    r.texture = TextureOf(m, *d);
    if (r.texture && m.Mode() == TextureMode::Replace) {
        r.diffuse = {1, 1, 1, m.Diffuse().a};
        r.unlit = true;
    }
    r.linearMin = LinearFilter(m.MinFilter());
    r.linearMag = LinearFilter(m.MagFilter());
    return r;
}

std::string FontFileFor(const std::string& family, bool bold) {
    const std::string dir = "/usr/share/fonts/truetype/dejavu/";
    std::string f = LowerAscii(family);
    bool condensed = f.find("tahoma") != std::string::npos || f.find("condensed") != std::string::npos;
    if (f.find("mono") != std::string::npos || f.find("courier") != std::string::npos)
        return dir + (bold ? "DejaVuSansMono-Bold.ttf" : "DejaVuSansMono.ttf");
    if (condensed) return dir + (bold ? "DejaVuSansCondensed-Bold.ttf" : "DejaVuSansCondensed.ttf");
    return dir + (bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf");
}

const FontAtlas& GpuFont(const HudFont& f) {
    auto* d = f.renderSlot.As<FontData>();
    if (!d) {
        // DejaVu runs a little larger than Arial at one size.
        int px = f.pixelSize;
        if (LowerAscii(f.family).find("arial") != std::string::npos && px > 8) --px;
        auto nd = std::make_unique<FontData>(FontFileFor(f.family, f.bold), px < 4 ? 4 : px);
        d = nd.get();
        f.renderSlot.Set(std::move(nd));
    }
    return d->atlas;
}

} // namespace zw
