#pragma once
// Materials: colours, blending, lighting and one texture. Every change bumps
// Version(), so the renderer re-uploads only what changed.
#include "platform/format/Image.h"
#include "platform/scene/RenderData.h"
#include "util/Vec.h"

#include <cstdint>
#include <memory>
#include <string>

namespace zw {

enum class BlendMode { Opaque, Transparency, Additive };
enum class TextureFilter { Nearest, Linear, NearestMipmapNearest, LinearMipmapNearest, NearestMipmapLinear, LinearMipmapLinear };
// Modulate: texel times the lit colour; Replace: the texel colour as it stands.
enum class TextureMode { Modulate, Replace };
// Default: the picture's own alpha; TopLeftPointColorTransparent: every texel
// of the top-left texel's colour is transparent, the rest opaque.
enum class TextureAlpha { Default, TopLeftPointColorTransparent, Opaque };

// A decoded picture shared by every material that loaded the same file.
struct TextureImage {
    std::string path; // resolved path it came from ("" when made in memory)
    Image image;
    RenderSlot renderSlot;
};

class Material {
public:
    explicit Material(std::string name = "") : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    void SetName(std::string n) { name_ = std::move(n), Touch(); }
    uint64_t Version() const { return version_; }

    const Color& Ambient() const { return ambient_; }
    const Color& Diffuse() const { return diffuse_; }
    const Color& Specular() const { return specular_; }
    const Color& Emission() const { return emission_; }
    void SetAmbient(const Color& c) { ambient_ = c, Touch(); }
    void SetDiffuse(const Color& c) { diffuse_ = c, Touch(); }
    void SetSpecular(const Color& c) { specular_ = c, Touch(); }
    void SetEmission(const Color& c) { emission_ = c, Touch(); }

    BlendMode Blending() const { return blending_; }
    void SetBlending(BlendMode b) { blending_ = b, Touch(); }
    bool IsBlended() const { return blending_ != BlendMode::Opaque; }
    // Unlit: drawn in its own colours whatever the lights.
    bool NoLighting() const { return noLighting_; }
    void SetNoLighting(bool v) { noLighting_ = v, Touch(); }
    bool DepthWrite() const { return depthWrite_; }
    void SetDepthWrite(bool v) { depthWrite_ = v, Touch(); }
    bool TwoSided() const { return twoSided_; }
    void SetTwoSided(bool v) { twoSided_ = v, Touch(); }

    // Texture. The file is read when set; failures throw (EInOutError,
    // EConvertError) and leave the material without a picture.
    bool TextureEnabled() const { return textureEnabled_; }
    void SetTextureEnabled(bool v) { textureEnabled_ = v, Touch(); }
    bool HasTexture() const { return texture_ != nullptr; }
    const std::shared_ptr<const TextureImage>& Texture() const { return texture_; }
    // Reads the picture (BMP, JPEG or PNG, path resolved). Pictures are shared by path.
    void LoadTexture(const std::string& path);
    void SetTextureImage(Image img);
    void SetTexture(std::shared_ptr<const TextureImage> t) { texture_ = std::move(t), Touch(); }
    void ClearTexture() { texture_.reset(), Touch(); }
    const std::string& TextureFile() const { return textureFile_; }

    TextureFilter MinFilter() const { return minFilter_; }
    TextureFilter MagFilter() const { return magFilter_; }
    void SetMinFilter(TextureFilter f) { minFilter_ = f, Touch(); }
    void SetMagFilter(TextureFilter f) { magFilter_ = f, Touch(); }
    TextureMode Mode() const { return mode_; }
    void SetTextureMode(TextureMode m) { mode_ = m, Touch(); }
    TextureAlpha AlphaMode() const { return alpha_; }
    void SetAlphaMode(TextureAlpha a) { alpha_ = a, Touch(); }
    // Multiplies the picture's colours (1 leaves them; 0.2 darkens for night).
    float ImageBrightness() const { return brightness_; }
    void SetImageBrightness(float b) { brightness_ = b, Touch(); }

    // Everything but the name and the render slot.
    void Assign(const Material& o);

    RenderSlot renderSlot; // for the renderer only

private:
    void Touch() { ++version_; }

    std::string name_;
    uint64_t version_ = 1;
    Color ambient_{0.2f, 0.2f, 0.2f, 1}, diffuse_{0.8f, 0.8f, 0.8f, 1}, specular_{0, 0, 0, 1}, emission_{0, 0, 0, 1};
    BlendMode blending_ = BlendMode::Opaque;
    bool noLighting_ = false, depthWrite_ = true, twoSided_ = false;
    bool textureEnabled_ = false;
    std::shared_ptr<const TextureImage> texture_;
    std::string textureFile_;
    TextureFilter minFilter_ = TextureFilter::LinearMipmapLinear, magFilter_ = TextureFilter::Linear;
    TextureMode mode_ = TextureMode::Modulate;
    TextureAlpha alpha_ = TextureAlpha::Default;
    float brightness_ = 1;
};

// The picture as the renderer uploads it: alpha mode and brightness applied,
// rows top-down (row 0 is the top of the picture, where texture v = 1).
Image PrepareTextureImage(const Image& src, TextureAlpha alpha, float brightness);

} // namespace zw
