#include "platform/scene/Scene.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zw;

namespace {
const std::string kTex = std::string(ZW_TEST_DIR) + "/scene/fixtures/tex";
}

TEST(Materials, EveryChangeBumpsTheVersion) {
    Material m("m");
    struct Change {
        const char* what;
        std::function<void()> fn;
    } changes[] = {
        {"blending", [&] { m.SetBlending(BlendMode::Additive); }},
        {"texture on", [&] { m.SetTextureEnabled(true); }},
        {"min filter", [&] { m.SetMinFilter(TextureFilter::Nearest); }},
        {"mag filter", [&] { m.SetMagFilter(TextureFilter::Nearest); }},
        {"mode", [&] { m.SetTextureMode(TextureMode::Replace); }},
        {"alpha", [&] { m.SetAlphaMode(TextureAlpha::TopLeftPointColorTransparent); }},
        {"brightness", [&] { m.SetImageBrightness(0.2f); }},
        {"no lighting", [&] { m.SetNoLighting(true); }},
        {"diffuse", [&] { m.SetDiffuse({0.5f, 0.5f, 0.5f, 0.1f}); }},
        {"texture", [&] { m.LoadTexture(kTex + "/brick.bmp"); }},
    };
    for (auto& c : changes) {
        uint64_t v = m.Version();
        c.fn();
        EXPECT_GT(m.Version(), v) << c.what;
    }
    EXPECT_TRUE(m.IsBlended());
}

TEST(Materials, TexturesAreSharedByPathAndFoundThroughSearchPaths) {
    MaterialLibrary lib;
    lib.SetTexturePaths("/nonexistent;" + kTex);
    ASSERT_EQ(lib.TexturePaths().size(), 2u);
    Material* a = lib.Add("a");
    Material* b = lib.Add("b");
    lib.LoadTexture(*a, "brick.bmp");
    lib.LoadTexture(*b, "BRICK.BMP"); // letter case does not matter
    EXPECT_EQ(a->Texture().get(), b->Texture().get());
    EXPECT_EQ(a->Texture()->image.Width(), 4);
    EXPECT_THROW(lib.LoadTexture(*a, "none.bmp"), EInOutError);
    EXPECT_TRUE(a->HasTexture()); // a failed load keeps what was there
    EXPECT_EQ(lib.IndexOf("b"), 1);
    EXPECT_EQ(lib.GetOrAdd("b"), b);
    EXPECT_EQ(lib.Count(), 2u);
}

TEST(Materials, BindingsResolveByNameAndFallBackToTheOwnMaterial) {
    MaterialLibrary lib;
    PlaneNode plane;
    plane.Mat().Own().SetDiffuse({0, 1, 0, 1});
    plane.UseLibMaterial(&lib, "skala");
    EXPECT_FALSE(plane.Mat().IsBound());
    EXPECT_EQ(plane.EffectiveMaterial().Diffuse().g, 1); // no such material yet: the own one
    Material* skala = lib.Add("skala");
    EXPECT_EQ(&plane.EffectiveMaterial(), skala);
    lib.Add("other")->SetName("x");
    skala->SetName("renamed");
    EXPECT_EQ(&plane.EffectiveMaterial(), &plane.Mat().Own());
    plane.UseLibMaterial(&lib, "renamed");
    EXPECT_EQ(&plane.EffectiveMaterial(), skala);
    plane.UseOwnMaterial();
    EXPECT_EQ(&plane.EffectiveMaterial(), &plane.Mat().Own());
}

TEST(Materials, UploadPictureAppliesTopLeftTransparencyAndBrightness) {
    Image img(2, 2, Rgba{255, 0, 255, 255});
    img.Set(1, 0, Rgba{100, 200, 50, 255});
    Image keyed = PrepareTextureImage(img, TextureAlpha::TopLeftPointColorTransparent, 1);
    EXPECT_EQ(keyed.At(0, 0).a, 0);
    EXPECT_EQ(keyed.At(1, 1).a, 0);
    EXPECT_EQ(keyed.At(1, 0).a, 255);
    Image dark = PrepareTextureImage(img, TextureAlpha::Default, 0.2f);
    EXPECT_EQ(dark.At(1, 0), (Rgba{20, 40, 10, 255}));
    Image same = PrepareTextureImage(img, TextureAlpha::Default, 1);
    EXPECT_EQ(same.At(1, 0), img.At(1, 0));
}

TEST(Materials, APictureWrittenAgainIsReadAgain) {
    auto dir = std::filesystem::temp_directory_path() / "zw_tex_reload";
    std::filesystem::create_directories(dir);
    std::string path = (dir / "przod1.bmp").string();
    WriteBmp24File(path, Image(2, 2, Rgba{10, 10, 10, 255}));
    Material a, b, c;
    a.LoadTexture(path);
    b.LoadTexture(path);
    EXPECT_EQ(a.Texture().get(), b.Texture().get());
    WriteBmp24File(path, Image(3, 2, Rgba{200, 10, 10, 255})); // the board generator's next picture
    c.LoadTexture(path);
    EXPECT_NE(c.Texture().get(), a.Texture().get());
    EXPECT_EQ(c.Texture()->image.Width(), 3);
    EXPECT_EQ(a.Texture()->image.Width(), 2); // what was loaded stays until loaded again
    std::filesystem::remove_all(dir);
}
