// The HUD's pictures and material libraries ("Loading HUD") and its
// placement for the viewer's size (skaluj).
#include "game/TZwGameForm.h"
#include "shell/TZwEngine.h"
#include "shell/ZwLog.h"
#include "util/Errors.h"

namespace zw {

namespace {

// Reads a picture into a material; a picture that cannot be read is logged
// and counted, and the material stays without one.
class PictureLoader {
public:
    void Load(Material& m, const std::string& file) {
        try {
            m.LoadTexture(file);
            m.SetTextureEnabled(true);
        } catch (const std::exception& e) {
            EngineLog().Add(std::string("cla- ") + ErrorClassName(e) + " -WYJ- " + e.what());
            ++failures;
        }
    }
    Material* Lib(MaterialLibrary& lib, const char* name, const char* file, BlendMode blend) {
        Material* m = lib.Add(name);
        m->SetTextureEnabled(true);
        if (file) Load(*m, file);
        m->SetBlending(blend);
        return m;
    }
    int failures = 0;
};

void SpritePicture(PictureLoader& l, HudSpriteNode* s, const std::string& file, BlendMode blend) {
    Material& m = s->Mat().Own();
    l.Load(m, file);
    m.SetBlending(blend);
}

} // namespace

int TZwGameForm::LoadHudMaterials() {
    PictureLoader l;
    l.Lib(EnMatLib, "eng1", "Textures\\en1.bmp", BlendMode::Opaque);
    l.Lib(EnMatLib, "eng2", "Textures\\en2.bmp", BlendMode::Opaque);
    eng->UseLibMaterial(&EnMatLib, "eng2");

    l.Lib(PalMatLib, "skala", "Textures\\palskala.bmp", BlendMode::Transparency);
    l.Lib(PalMatLib, "wskaz", "Textures\\palwskaz.bmp", BlendMode::Transparency);
    PalMatLib.Add("");
    pozpal1->UseLibMaterial(&PalMatLib, "skala");
    pozpal2->UseLibMaterial(&PalMatLib, "wskaz");

    // GLMaterialLibrary2: 29 materials by number; the unnamed ones are the
    // places of the lit boards (14 to 16) and the darkened ones at night.
    struct Entry {
        int index;
        const char* name;
        const char* file;
        bool additive;
    };
    static const Entry kLib2[] = {
        {1, "d_op", "Textures\\d_op.bmp", true},      {2, "d_cl", "Textures\\d_cl.bmp", true},
        {3, "sk3_y", "Textures\\sk3_y.bmp", true},    {4, "sk3_g", "Textures\\sk3_g.bmp", true},
        {5, "tb_bp", "tab\\blank_przod_myl.bmp", false}, {6, "tb_bb", "tab\\blank_bok_myl.bmp", false},
        {7, "tb_bt", "tab\\blank_tyl_myl.bmp", false}, {8, "ki_0", "Textures\\ki_0.bmp", true},
        {9, "ki_1", "Textures\\ki_1.bmp", true},      {10, "mi_0", "Textures\\mi_0.bmp", true},
        {11, "mi_1", "Textures\\mi_1.bmp", true},     {12, "r_t", nullptr, true},
        {17, "p_0", "Textures\\p_0.bmp", true},       {18, "p_1", "Textures\\p_1.bmp", true},
    };
    const Entry* next = kLib2;
    for (int i = 0; i < 29; ++i) {
        if (next != std::end(kLib2) && next->index == i) {
            l.Lib(GLMaterialLibrary2, next->name, next->file, next->additive ? BlendMode::Additive : BlendMode::Opaque);
            ++next;
        } else {
            GLMaterialLibrary2.Add("")->SetTextureEnabled(true);
        }
    }
    for (int k = 1; k <= 4; ++k) dr[size_t(k)]->UseLibMaterial(&GLMaterialLibrary2, "d_cl");
    hud_ki->UseLibMaterial(&GLMaterialLibrary2, "ki_0");
    hud_mi->UseLibMaterial(&GLMaterialLibrary2, "mi_0");
    hud_przykl->UseLibMaterial(&GLMaterialLibrary2, "p_0");
    r_bieg->UseLibMaterial(&GLMaterialLibrary2, "r_n");

    SpritePicture(l, podklad_napisy, "Textures\\podklad_napisy.bmp", BlendMode::Opaque);
    SpritePicture(l, GLHUDSprite1, "Textures\\zegary.bmp", BlendMode::Additive);
    SpritePicture(l, sk1, "Textures\\sk.bmp", BlendMode::Additive);
    SpritePicture(l, sk9, "Textures\\sk.bmp", BlendMode::Additive);
    SpritePicture(l, sk3, "Textures\\sk.bmp", BlendMode::Additive);
    sk3->UseLibMaterial(&GLMaterialLibrary2, "sk3_g");
    SpritePicture(l, sterownik, Engine->Languages->TexturePath("sterownik.bmp"), BlendMode::Opaque);

    Material& panel = HUDtlo->Mat().Own();
    panel.SetBlending(BlendMode::Transparency);
    panel.SetNoLighting(true);
    panel.SetDiffuse(Color{0, 0, 0, 0.45f});
    return l.failures;
}

void TZwGameForm::skaluj() {
    const float W = float(GLFullScreenViewer1.Width()), H = float(GLFullScreenViewer1.Height());
    GLHUDSprite1->SetXY(140, H - 113);
    HUDtlo->SetXY(140, GLHUDSprite1->Y() + 30);
    sk1->SetXY(45, H - 101);
    sk9->SetXY(227, H - 101);
    for (int k = 1; k <= 4; ++k) dr[size_t(k)]->SetXY(dr[size_t(k)]->X(), H - 43);
    for (HudSpriteNode* s : {eng, hud_ki, hud_mi, hud_przykl, r_bieg}) s->SetXY(s->X(), H - 43);
    hud_bieg->SetXY(5, H - 190);
    podklad_napisy->SetXY(138, H - 13);
    podklad_napisy->SetWidth(270);
    for (HudTextNode* t : {bus_text, bus_liczba_1, bus_liczba_2, przystanek_text, przystanek_liczba})
        t->SetXY(t->X(), H - 23);
    pozpal1->SetXY(50, H - 195);
    pozpal2->SetXY(pozpal2->X(), H - 195);
    hud_servermsg->SetXY(300, H - 20);
    hud_dist->SetXY(W / 2, 85);
    sk3->SetXY(W / 2, 55);
}

} // namespace zw
