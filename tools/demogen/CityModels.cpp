// The city's 3DS models: buildings, the bus shelter with its glass, the
// office tower with lit windows, kiosk, petrol station and the street lamp.
// Every model stands with its front facing model -y and its origin at the
// middle of the front's foot, z up (the lamp: pole at the origin, arm along +x).
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Mesh.h"

#include <string>

namespace demogen {
namespace {

const std::string kCity = "scene\\city\\";

// A flat-roofed block w wide (x), d deep (+y), h high, with one facade
// material on the front and back and another on the sides.
void Block(MeshObject& o, float w, float d, float h, const std::string& front, float fu, float fv,
           const std::string& side, float su, float sv, const std::string& roof, float z0 = 0) {
    float x0 = -w / 2, x1 = w / 2;
    o.Wall(x0, 0, x1, 0, z0, h, front, fu, fv);
    o.Wall(x1, d, x0, d, z0, h, front, fu, fv);
    o.Wall(x1, 0, x1, d, z0, h, side, su, sv);
    o.Wall(x0, d, x0, 0, z0, h, side, su, sv);
    o.TiledQuad({x0, 0, h}, {x1, 0, h}, {x1, d, h}, {x0, d, h}, roof, 8, 8);
}

// A low parapet round a flat roof.
void Parapet(MeshObject& o, float w, float d, float h, const std::string& m) {
    const float t = 0.3f, ph = 0.6f;
    o.Box({-w / 2, 0, h}, {w / 2, t, h + ph}, m, 2, MeshObject::kBottom);
    o.Box({-w / 2, d - t, h}, {w / 2, d, h + ph}, m, 2, MeshObject::kBottom);
    o.Box({-w / 2, t, h}, {-w / 2 + t, d - t, h + ph}, m, 2, MeshObject::kBottom);
    o.Box({w / 2 - t, t, h}, {w / 2, d - t, h + ph}, m, 2, MeshObject::kBottom);
}

void PanelBlock(const std::string& dir) {
    MeshModel m;
    m.Material("blok", 0.9f, 0.9f, 0.88f, "blok.bmp");
    m.Material("tynk", 0.85f, 0.84f, 0.8f, "tynk.bmp");
    m.Material("papa", 0.4f, 0.4f, 0.4f, "papa.bmp");
    m.Material("drzwi", 0.7f, 0.6f, 0.5f, "drzwi.bmp");
    MeshObject& o = m.Object("blok");
    const float w = 34, d = 12, h = 14;
    // Ground floor plain, five floors of windows above a 0.6 m plinth.
    o.Wall(-w / 2, 0, w / 2, 0, 0, 0.6f, "tynk", 4, 4);
    o.Wall(-w / 2, 0, w / 2, 0, 0.6f, h, "blok", 6.8f, 5.6f);
    o.Wall(w / 2, d, -w / 2, d, 0, h, "blok", 6.8f, 5.6f);
    o.Wall(w / 2, 0, w / 2, d, 0, h, "tynk", 4, 4);
    o.Wall(-w / 2, d, -w / 2, 0, 0, h, "tynk", 4, 4);
    o.TiledQuad({-w / 2, 0, h}, {w / 2, 0, h}, {w / 2, d, h}, {-w / 2, d, h}, "papa", 8, 8);
    Parapet(o, w, d, h, "tynk");
    // Two entrances with canopies.
    for (float x : {-8.5f, 8.5f}) {
        o.Quad({x - 1, -0.05f, 0}, {x + 1, -0.05f, 0}, {x + 1, -0.05f, 2.6f}, {x - 1, -0.05f, 2.6f}, "drzwi");
        o.Box({x - 1.4f, -1.2f, 2.6f}, {x + 1.4f, 0, 2.8f}, "tynk", 2);
    }
    m.Save(dir, kCity + "blok.3ds");
}

// variant 1: ochre plaster; 2: pale green plaster.
void Tenement(const std::string& dir, int variant) {
    MeshModel m;
    m.Material("kamienica", 0.95f, 0.85f, 0.65f, variant == 1 ? "kamienica.bmp" : "kamienica2.bmp");
    m.Material("parter", 0.6f, 0.6f, 0.6f, "parter.bmp");
    m.Material("cegla", 0.7f, 0.4f, 0.3f, "cegla.bmp");
    m.Material("dachowka", 0.7f, 0.3f, 0.2f, "dachowka.bmp");
    m.Material("gzyms", 0.9f, 0.85f, 0.75f, "tynk.bmp");
    MeshObject& o = m.Object("kamienica");
    const float w = 22, d = 14, h0 = 4, h = 4 + 3 * 3.5f;
    o.Wall(-w / 2, 0, w / 2, 0, 0, h0, "parter", 5.5f, 4);
    o.Wall(-w / 2, 0, w / 2, 0, h0, h, "kamienica", 5.5f, 3.5f);
    o.Wall(w / 2, d, -w / 2, d, 0, h, "kamienica", 5.5f, 3.5f);
    o.Wall(w / 2, 0, w / 2, d, 0, h, "cegla", 3, 3);
    o.Wall(-w / 2, d, -w / 2, 0, 0, h, "cegla", 3, 3);
    // Cornice and a pitched roof along the street.
    o.Box({-w / 2 - 0.1f, -0.5f, h}, {w / 2 + 0.1f, d + 0.5f, h + 0.5f}, "gzyms", 2, MeshObject::kTop);
    float rh = 4, top = h + 0.5f;
    o.TiledQuad({-w / 2, -0.5f, top}, {w / 2, -0.5f, top}, {w / 2, d / 2, top + rh},
                {-w / 2, d / 2, top + rh}, "dachowka", 4, 4);
    o.TiledQuad({w / 2, d + 0.5f, top}, {-w / 2, d + 0.5f, top}, {-w / 2, d / 2, top + rh},
                {w / 2, d / 2, top + rh}, "dachowka", 4, 4);
    o.Polygon({{-0.5f, top}, {d / 2, top + rh}, {d + 0.5f, top}}, {w / 2, 0, 0}, {0, 1, 0}, {0, 0, 1},
              "cegla", 3);
    o.Polygon({{d + 0.5f, top}, {d / 2, top + rh}, {-0.5f, top}}, {-w / 2, d, 0}, {0, -1, 0}, {0, 0, 1},
              "cegla", 3);
    m.Save(dir, kCity + (variant == 1 ? "kamienica.3ds" : "kamienica2.3ds"));
}

void Shop(const std::string& dir) {
    MeshModel m;
    m.Material("sklep", 0.6f, 0.6f, 0.7f, "sklep.bmp");
    m.Material("tynk", 0.85f, 0.84f, 0.8f, "tynk.bmp");
    m.Material("papa", 0.4f, 0.4f, 0.4f, "papa.bmp");
    MeshObject& o = m.Object("sklep");
    Block(o, 18, 10, 4.5f, "tynk", 4, 4, "tynk", 4, 4, "papa");
    // The shop front slightly proud of the wall, three shops wide.
    o.Wall(-8.25f, -0.05f, 8.25f, -0.05f, 0, 4, "sklep", 5.5f, 4);
    Parapet(o, 18, 10, 4.5f, "tynk");
    m.Save(dir, kCity + "sklep.3ds");
}

void House(const std::string& dir) {
    MeshModel m;
    m.Material("dom", 0.95f, 0.9f, 0.75f, "dom.bmp");
    m.Material("dachowka", 0.7f, 0.3f, 0.2f, "dachowka.bmp");
    m.Material("tynk", 0.85f, 0.84f, 0.8f, "tynk.bmp");
    m.Material("drzwi", 0.7f, 0.6f, 0.5f, "drzwi.bmp");
    MeshObject& o = m.Object("dom");
    const float w = 10, d = 9, h = 6;
    o.Wall(-w / 2, 2, w / 2, 2, 0, h, "dom", 5, 3);
    o.Wall(w / 2, 2 + d, -w / 2, 2 + d, 0, h, "dom", 5, 3);
    o.Wall(w / 2, 2, w / 2, 2 + d, 0, h, "dom", 4.5f, 3);
    o.Wall(-w / 2, 2 + d, -w / 2, 2, 0, h, "dom", 4.5f, 3);
    o.Quad({-0.8f, 1.95f, 0}, {0.8f, 1.95f, 0}, {0.8f, 1.95f, 2.3f}, {-0.8f, 1.95f, 2.3f}, "drzwi");
    // Gable roof with the ridge along x.
    float rh = 3.5f, y0 = 1.5f, y1 = 2 + d + 0.5f, ym = 2 + d / 2;
    o.TiledQuad({-w / 2 - 0.4f, y0, h}, {w / 2 + 0.4f, y0, h}, {w / 2 + 0.4f, ym, h + rh},
                {-w / 2 - 0.4f, ym, h + rh}, "dachowka", 4, 4);
    o.TiledQuad({w / 2 + 0.4f, y1, h}, {-w / 2 - 0.4f, y1, h}, {-w / 2 - 0.4f, ym, h + rh},
                {w / 2 + 0.4f, ym, h + rh}, "dachowka", 4, 4);
    o.Polygon({{2, h}, {ym, h + rh}, {2 + d, h}}, {w / 2, 0, 0}, {0, 1, 0}, {0, 0, 1}, "tynk", 3);
    o.Polygon({{2 + d, h}, {ym, h + rh}, {2, h}}, {-w / 2, 2 + d + 2, 0}, {0, -1, 0}, {0, 0, 1}, "tynk", 3);
    // A chimney.
    o.Box({2, ym + 1, h + 1}, {2.8f, ym + 1.8f, h + rh + 1}, "tynk", 1);
    m.Save(dir, kCity + "dom.3ds");
}

void Warehouse(const std::string& dir) {
    MeshModel m;
    m.Material("blacha", 0.7f, 0.75f, 0.8f, "blacha.bmp");
    m.Material("papa", 0.4f, 0.4f, 0.4f, "papa.bmp");
    m.Material("brama", 0.3f, 0.4f, 0.55f, "");
    MeshObject& o = m.Object("magazyn");
    Block(o, 32, 20, 8, "blacha", 3, 3, "blacha", 3, 3, "papa");
    o.Quad({-4, -0.05f, 0}, {4, -0.05f, 0}, {4, -0.05f, 5}, {-4, -0.05f, 5}, "brama");
    m.Save(dir, kCity + "magazyn.3ds");
}

void OfficeTower(const std::string& dir, bool litWindows) {
    MeshModel m;
    m.Material("biuro", 0.6f, 0.7f, 0.85f, "biuro.bmp");
    m.Material("beton", 0.75f, 0.75f, 0.75f, "tynk.bmp");
    m.Material("papa", 0.4f, 0.4f, 0.4f, "papa.bmp");
    m.Material("okno", 1.0f, 0.9f, 0.6f, "biuro_noc.bmp");
    MeshObject& o = m.Object(litWindows ? "biurowiec_noc" : "biurowiec");
    const float w = 26, d = 20, h = litWindows ? 24.6f : 30.6f;
    o.Box({-w / 2 - 0.5f, -0.5f, 0}, {w / 2 + 0.5f, d + 0.5f, 4.2f}, "beton", 3, MeshObject::kBottom);
    Block(o, w, d, h, "biuro", 6, 7.2f, "biuro", 6, 7.2f, "papa", 4.2f);
    Parapet(o, w, d, h, "beton");
    if (litWindows) {
        // Lit windows a few centimetres in front of the glass: the game draws
        // them additively with the night lamps.
        MeshObject& lit = m.Object("l_1");
        int n = 0;
        for (int floor = 0; floor < 5; ++floor)
            for (int bay = 0; bay < 8; ++bay) {
                if ((floor * 5 + bay * 3) % 7 > 3) continue;
                float x0 = -w / 2 + bay * 3.25f + 0.3f, z0 = 4.2f + floor * 3.6f + 0.6f;
                lit.Quad({x0, -0.06f, z0}, {x0 + 2.6f, -0.06f, z0}, {x0 + 2.6f, -0.06f, z0 + 2.2f},
                         {x0, -0.06f, z0 + 2.2f}, "okno");
                ++n;
            }
    }
    m.Save(dir, kCity + (litWindows ? "biurowiec_noc.3ds" : "biurowiec.3ds"));
}

void Shelter(const std::string& dir) {
    MeshModel m;
    m.Material("rama", 0.35f, 0.4f, 0.45f, "");
    m.Material("dach", 0.25f, 0.3f, 0.35f, "");
    m.Material("szklo", 0.6f, 0.75f, 0.8f, "");
    m.Material("lawka", 0.6f, 0.45f, 0.3f, "");
    // Frame first: the game never splits off the first object.
    MeshObject& o = m.Object("wiata");
    const float w = 4, d = 1.6f, h = 2.6f;
    for (float x : {-w / 2, w / 2 - 0.08f})
        for (float y : {0.0f, d - 0.08f})
            o.Box({x, y, 0}, {x + 0.08f, y + 0.08f, h}, "rama", 0, MeshObject::kBottom);
    o.Box({-w / 2 - 0.1f, -0.1f, h}, {w / 2 + 0.1f, d + 0.1f, h + 0.12f}, "dach");
    o.Box({-1.5f, d - 0.5f, 0.42f}, {1.5f, d - 0.1f, 0.48f}, "lawka");
    MeshObject& glass = m.Object("b_1");
    // Both faces of each pane, a centimetre apart so they never fight for depth.
    glass.Wall(w / 2, d - 0.03f, -w / 2, d - 0.03f, 0.1f, h - 0.1f, "szklo");
    glass.Wall(-w / 2, d - 0.05f, w / 2, d - 0.05f, 0.1f, h - 0.1f, "szklo");
    glass.Wall(w / 2 - 0.05f, 0.1f, w / 2 - 0.05f, d - 0.1f, 0.1f, h - 0.1f, "szklo");
    glass.Wall(w / 2 - 0.03f, d - 0.1f, w / 2 - 0.03f, 0.1f, 0.1f, h - 0.1f, "szklo");
    m.Save(dir, kCity + "wiata.3ds");
}

void Kiosk(const std::string& dir) {
    MeshModel m;
    m.Material("kiosk", 0.2f, 0.45f, 0.3f, "");
    m.Material("szyba", 0.5f, 0.6f, 0.7f, "");
    m.Material("dach", 0.8f, 0.8f, 0.8f, "");
    MeshObject& o = m.Object("kiosk");
    o.Box({-1.5f, 0, 0}, {1.5f, 2, 2.5f}, "kiosk", 0, MeshObject::kBottom);
    o.Quad({-1.2f, -0.02f, 1.0f}, {1.2f, -0.02f, 1.0f}, {1.2f, -0.02f, 2.1f}, {-1.2f, -0.02f, 2.1f}, "szyba");
    o.Box({-1.7f, -0.3f, 2.5f}, {1.7f, 2.2f, 2.7f}, "dach");
    m.Save(dir, kCity + "kiosk.3ds");
}

void PetrolStation(const std::string& dir) {
    MeshModel m;
    m.Material("beton", 0.75f, 0.75f, 0.75f, "tynk.bmp");
    m.Material("daszek", 0.95f, 0.95f, 0.95f, "");
    m.Material("pas", 0.1f, 0.5f, 0.2f, "");
    m.Material("dystrybutor", 0.85f, 0.2f, 0.15f, "");
    m.Material("sklep", 0.6f, 0.6f, 0.7f, "sklep.bmp");
    MeshObject& o = m.Object("stacja");
    // Canopy on four pillars over two pump islands.
    for (float x : {-5.5f, 5.5f})
        for (float y : {3.0f, 11.0f})
            o.Box({x - 0.25f, y - 0.25f, 0}, {x + 0.25f, y + 0.25f, 5}, "beton", 2);
    o.Box({-7, 1.5f, 5}, {7, 12.5f, 5.6f}, "daszek");
    o.Box({-7.02f, 1.48f, 5.0f}, {7.02f, 12.52f, 5.35f}, "pas", 0, MeshObject::kTop | MeshObject::kBottom);
    for (float x : {-2.5f, 2.5f}) {
        o.Box({x - 1.5f, 5.5f, 0}, {x + 1.5f, 8.5f, 0.2f}, "beton", 2);
        o.Box({x - 0.4f, 6.6f, 0.2f}, {x + 0.4f, 7.4f, 1.9f}, "dystrybutor");
    }
    // The shop behind.
    MeshObject& shop = m.Object("sklep");
    Block(shop, 12, 7, 3.8f, "beton", 3, 3, "beton", 3, 3, "beton");
    shop.Wall(-5.5f, -0.05f, 5.5f, -0.05f, 0, 3.6f, "sklep", 5.5f, 3.6f);
    shop.Translate({0, 15, 0});
    m.Save(dir, kCity + "stacja.3ds");
}

void Lamp(const std::string& dir) {
    MeshModel m;
    m.Material("metal", 0.45f, 0.47f, 0.5f, "");
    m.Material("klosz", 1.0f, 0.95f, 0.8f, "");
    MeshObject& o = m.Object("lampa");
    o.Cylinder({0, 0, 0}, {0, 0, 1}, 0.16f, 1.2f, 10, "metal");
    o.Cylinder({0, 0, 1.2f}, {0, 0, 1}, 0.09f, 10.6f, 8, "metal");
    // The arm rises a little towards the lamp head 2.5 m out.
    o.Cylinder({0, 0, 11.6f}, Normalized({2.5f, 0, 0.15f}), 0.06f, 2.5f, 6, "metal");
    o.Box({2.1f, -0.22f, 11.55f}, {2.9f, 0.22f, 11.85f}, "metal");
    o.Box({2.15f, -0.18f, 11.45f}, {2.85f, 0.18f, 11.55f}, "klosz");
    m.Save(dir, "scene\\lampa.3ds");
}

void CityModels(const std::string& dir) {
    PanelBlock(dir);
    Tenement(dir, 1);
    Tenement(dir, 2);
    Shop(dir);
    House(dir);
    Warehouse(dir);
    OfficeTower(dir, false);
    OfficeTower(dir, true);
    Shelter(dir);
    Kiosk(dir);
    PetrolStation(dir);
    Lamp(dir);
}

PartRegistrar reg("city-models", &CityModels);

} // namespace
} // namespace demogen
