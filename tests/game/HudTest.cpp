#include "GameTestSupport.h"

using namespace zw;
using namespace zwtest;

using HudTest = GameTest;

TEST_F(HudTest, SkalujPlacesTheHudFor1024x768) {
    TZwGameForm& g = MakeGame();
    for (int k = 1; k <= 4; ++k) {
        EXPECT_FLOAT_EQ(g.dr[size_t(k)]->Y(), 725) << k;
        EXPECT_FLOAT_EQ(g.dr[size_t(k)]->X(), 20 + 34.0f * float(k - 1)) << k;
    }
    EXPECT_FLOAT_EQ(g.GLHUDSprite1->Y(), 655);
    EXPECT_FLOAT_EQ(g.HUDtlo->Y(), 685);
    EXPECT_FLOAT_EQ(g.sk1->Y(), 667);
    EXPECT_FLOAT_EQ(g.sk9->Y(), 667);
    for (HudSpriteNode* s : {g.eng, g.hud_ki, g.hud_mi, g.hud_przykl}) EXPECT_FLOAT_EQ(s->Y(), 725) << s->Name();
    EXPECT_FLOAT_EQ(g.hud_bieg->Y(), 578);
    EXPECT_FLOAT_EQ(g.podklad_napisy->Y(), 755);
    EXPECT_FLOAT_EQ(g.podklad_napisy->Width(), 270);
    EXPECT_FLOAT_EQ(g.przystanek_liczba->Y(), 745);
    EXPECT_FLOAT_EQ(g.pozpal1->Y(), 573);
    EXPECT_FLOAT_EQ(g.hud_servermsg->Y(), 748);
    EXPECT_FLOAT_EQ(g.hud_dist->X(), 512);
    EXPECT_FLOAT_EQ(g.hud_dist->Y(), 85);
    EXPECT_FLOAT_EQ(g.sk3->X(), 512);
    EXPECT_FLOAT_EQ(g.sk3->Y(), 55);
    // Items without a rule keep their design place.
    EXPECT_FLOAT_EQ(g.sterownik->X(), 200);
    EXPECT_FLOAT_EQ(g.sterownik->Y(), 38);
}

TEST_F(HudTest, HudOffHidesItsListAndLeavesTheCountersAndConsole) {
    Settings().Game.HUD = false;
    TZwGameForm& g = MakeGame();
    for (SceneNode* n : std::initializer_list<SceneNode*>{g.HUDtlo, g.GLHUDSprite1, g.dr[1], g.dr[4], g.sk1, g.sk9,
                                                          g.podklad_napisy, g.eng, g.hud_ki, g.hud_mi, g.hud_przykl,
                                                          g.pozpal1, g.pozpal2, g.hud_bieg})
        EXPECT_FALSE(n->Visible()) << n->Name();
    EXPECT_TRUE(g.hud_dist->Visible());
    EXPECT_TRUE(g.sk3->Visible());
    EXPECT_TRUE(g.hud_servermsg->Visible());
    EXPECT_TRUE(g.wysw_ster_text[1]->Visible());
}

TEST_F(HudTest, TheThreeLibrariesHoldTheirMaterials) {
    TZwGameForm& g = MakeGame();
    ASSERT_EQ(g.EnMatLib.Count(), 2u);
    EXPECT_EQ(g.eng->Mat().LibMaterialName(), "eng2");
    EXPECT_TRUE(g.EnMatLib.Find("eng1")->HasTexture());
    ASSERT_EQ(g.PalMatLib.Count(), 3u);
    EXPECT_EQ(g.PalMatLib.At(0)->Name(), "skala");
    EXPECT_EQ(g.PalMatLib.At(1)->Name(), "wskaz");
    EXPECT_EQ(g.PalMatLib.At(0)->Blending(), BlendMode::Transparency);
    ASSERT_EQ(g.GLMaterialLibrary2.Count(), 29u);
    struct Want {
        int index;
        const char* name;
        bool additive;
    };
    for (Want w : {Want{1, "d_op", true}, {2, "d_cl", true}, {3, "sk3_y", true}, {4, "sk3_g", true},
                   {5, "tb_bp", false}, {7, "tb_bt", false}, {8, "ki_0", true}, {11, "mi_1", true},
                   {12, "r_t", true}, {17, "p_0", true}, {18, "p_1", true}}) {
        Material* m = g.GLMaterialLibrary2.At(size_t(w.index));
        EXPECT_EQ(m->Name(), w.name) << w.index;
        EXPECT_EQ(m->Blending(), w.additive ? BlendMode::Additive : BlendMode::Opaque) << w.name;
        EXPECT_TRUE(m->TextureEnabled()) << w.name;
    }
    EXPECT_TRUE(g.GLMaterialLibrary2.At(1)->HasTexture());
    EXPECT_FALSE(g.GLMaterialLibrary2.At(12)->HasTexture());
    EXPECT_EQ(g.dr[3]->Mat().LibMaterialName(), "d_cl");
    EXPECT_EQ(g.sk3->Mat().LibMaterialName(), "sk3_g");
    EXPECT_EQ(&g.sk3->EffectiveMaterial(), g.GLMaterialLibrary2.At(4));
    EXPECT_EQ(g.hud_ki->Mat().LibMaterialName(), "ki_0");
    EXPECT_FALSE(g.r_bieg->Mat().IsBound()); // "r_n" is not in the library
    EXPECT_EQ(g.GLHUDSprite1->EffectiveMaterial().Blending(), BlendMode::Additive);
    EXPECT_TRUE(g.sterownik->EffectiveMaterial().HasTexture());
}

TEST_F(HudTest, NightDarkensFourMaterialsAndMipmappingOffMakesFiltersNearest) {
    Settings().Game.Night = true;
    Settings().Graphics.Mipmapping = false;
    TZwGameForm& g = MakeGame();
    for (size_t i = 0; i < g.GLMaterialLibrary2.Count(); ++i) {
        bool dark = i == 2 || i == 17 || i == 18 || i == 19;
        EXPECT_FLOAT_EQ(g.GLMaterialLibrary2.At(i)->ImageBrightness(), dark ? 0.2f : 1.0f) << i;
        EXPECT_EQ(g.GLMaterialLibrary2.At(i)->MinFilter(), TextureFilter::Nearest) << i;
        EXPECT_EQ(g.GLMaterialLibrary2.At(i)->MagFilter(), TextureFilter::Nearest) << i;
    }
}

TEST_F(HudTest, WithMipmappingTheHudKeepsItsFilters) {
    Settings().Graphics.Mipmapping = true;
    TZwGameForm& g = MakeGame();
    EXPECT_EQ(g.GLMaterialLibrary2.At(1)->MagFilter(), TextureFilter::Linear);
    EXPECT_FLOAT_EQ(g.GLMaterialLibrary2.At(2)->ImageBrightness(), 1.0f);
}

TEST_F(HudTest, NightWithoutSkyboxKeepsTheDome) {
    Settings().Game.Night = true;
    Settings().Graphics.Skybox = false;
    TZwGameForm& g = MakeGame();
    EXPECT_EQ(g.GLSkyBox1, nullptr);
    EXPECT_TRUE(g.GLSkyDome1->Visible());
    EXPECT_EQ(g.skyboxmatlib.Count(), 0u);
    EXPECT_FLOAT_EQ(g.GLMaterialLibrary2.At(17)->ImageBrightness(), 0.2f);
    EXPECT_EQ(PhaseResult("Loading scenery"), "      [  OK  ]");
}

TEST_F(HudTest, SkyboxMakesTheBoxOfSixFacesAndHidesTheDome) {
    Settings().Graphics.Skybox = true;
    Settings().Game.Night = true;
    TZwGameForm& g = MakeGame();
    ASSERT_NE(g.GLSkyBox1, nullptr);
    EXPECT_EQ(g.GLSkyBox1->Parent(), g.tuskybox);
    EXPECT_FALSE(g.GLSkyDome1->Visible());
    ASSERT_EQ(g.skyboxmatlib.Count(), 6u);
    const char* names[] = {"dn", "up", "bk", "ft", "lt", "rt"};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(g.skyboxmatlib.At(i)->Name(), names[i]);
    EXPECT_EQ(g.GLSkyBox1->FaceMaterialName(SkyBoxNode::Top), "up");
    EXPECT_EQ(g.GLSkyBox1->FaceMaterialName(SkyBoxNode::Bottom), "dn");
    EXPECT_EQ(g.GLSkyBox1->FaceMaterialName(SkyBoxNode::Left), "lt");
    EXPECT_EQ(g.GLSkyBox1->FaceMaterialName(SkyBoxNode::Front), "ft");
    EXPECT_EQ(g.GLSkyBox1->FaceMaterialName(SkyBoxNode::Back), "bk");
    // Night: a dark background and a black light.
    EXPECT_FLOAT_EQ(g.GLScene1.background.g, 16.0f / 255);
    EXPECT_FLOAT_EQ(g.GLLightSource1->Diffuse().r, 0);
}
