// The demo buses as the game opens them: every file their descriptions,
// texture sets, sounds and passengers name exists in the game folder and
// parses with the project's own readers.
#include "bus/tnaped.h"
#include "platform/format/Image.h"
#include "platform/format/ThreeDs.h"
#include "platform/sound/SoundFileInfo.h"
#include "util/Fields.h"
#include "util/NumText.h"
#include "util/Paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

struct BusCase {
    const char* bus;
    const char* set;
    bool articulated;
};

void PrintTo(const BusCase& c, std::ostream* os) {
    *os << c.bus << " / " << c.set;
}

const BusCase kCases[] = {{"Orvena City", "Plofmar", false},
                          {"Orvena City", "Miejski", false},
                          {"Orvena Duo", "Plofmar", true},
                          {"Orvena Duo", "Miejski", true}};

std::string Game(const std::string& rel) {
    std::string p = std::string(ZW_GAME_DIR) + "/" + rel;
    std::replace(p.begin(), p.end(), '\\', '/');
    return zw::ResolvePath(p);
}

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream f(path);
    EXPECT_TRUE(f.good()) << path;
    std::vector<std::string> out;
    for (std::string l; std::getline(f, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
    }
    return out;
}

std::string Quoted(const std::string& line) {
    size_t a = line.find('"'), b = line.find('"', a + 1);
    return a == std::string::npos || b == std::string::npos ? "" : line.substr(a + 1, b - a - 1);
}

bool Starts(const std::string& line, const std::string& key) {
    return line.rfind(key, 0) == 0;
}

// Reads a model and every texture its materials name from the first folder
// (of the search path) that holds it.
zw::ThreeDsFile Model(const std::string& rel, const std::vector<std::string>& texDirs) {
    std::string path = Game(rel);
    EXPECT_TRUE(zw::FileExists(path)) << rel;
    zw::ThreeDsFile f = zw::Read3dsFile(path);
    EXPECT_GT(f.TriangleCount(), 0u) << rel;
    for (const auto& m : f.materials) {
        if (m.textureFile.empty()) continue;
        bool found = false;
        for (const auto& d : texDirs) {
            std::string t = Game(d + "\\" + m.textureFile);
            if (!zw::FileExists(t)) continue;
            found = true;
            zw::Image img = zw::ReadImageFile(t);
            EXPECT_FALSE(img.Empty()) << t;
            break;
        }
        EXPECT_TRUE(found) << rel << ": texture " << m.textureFile << " of material " << m.name;
    }
    return f;
}

bool Has(const zw::ThreeDsFile& f, const std::string& part) {
    return f.FindMesh(part) != nullptr;
}

// The door probe: 2 with a right side, 1 with a left side only, -1 without.
int Probe(const zw::ThreeDsFile& f, const std::string& d) {
    if (Has(f, d + "r1_1") && Has(f, d + "r2_1")) return 2;
    if (Has(f, d + "l1_1") && Has(f, d + "l2_1")) return 1;
    return -1;
}

class DemoBus : public ::testing::TestWithParam<BusCase> {
  protected:
    std::string BusDir() const { return std::string("model\\") + GetParam().bus; }
    std::string SetDir() const { return BusDir() + "\\" + GetParam().set; }
    std::vector<std::string> Desc() const { return Lines(Game(BusDir() + "\\desc.bs1")); }
    std::vector<std::string> TexSet() const { return Lines(Game(SetDir() + "\\desc.ts1")); }
    std::vector<std::string> ModelSearch() const { return {"temp", SetDir()}; }
};

TEST_P(DemoBus, BodyModelsHoldTheNamedParts) {
    zw::ThreeDsFile main, trailer;
    bool hasTrailer = false, hasBellows = false;
    for (const auto& l : Desc()) {
        if (Starts(l, "MO")) main = Model(BusDir() + "\\" + Quoted(l), ModelSearch());
        if (Starts(l, "MB")) trailer = Model(BusDir() + "\\" + Quoted(l), {SetDir()}), hasTrailer = true;
        if (Starts(l, "KA")) Model(BusDir() + "\\" + Quoted(l), {SetDir()}), hasBellows = true;
        if (l.size() > 2 && l[0] == 'W' && std::isdigit(uint8_t(l[1])))
            Model(BusDir() + "\\" + Quoted(l), ModelSearch());
    }
    ASSERT_FALSE(main.meshes.empty());
    EXPECT_EQ(hasTrailer, GetParam().articulated);
    EXPECT_EQ(hasBellows, GetParam().articulated);
    // The first object stays with the model: it must be the body, not a part.
    EXPECT_EQ(main.meshes.front().name, "karoseria");
    EXPECT_EQ(Probe(main, "d0"), 1);
    int doors = 0;
    for (int u = 1; u <= 4; ++u)
        doors += Probe(main, "d" + std::to_string(u)) > 0;
    for (int u = 1; u <= 4 && hasTrailer; ++u)
        doors += Probe(trailer, "d" + std::to_string(u)) > 0;
    EXPECT_EQ(doors, GetParam().articulated ? 4 : 3);
    EXPECT_TRUE(Has(main, "b_2"));
    EXPECT_TRUE(Has(hasTrailer ? trailer : main, "b_3"));
    EXPECT_TRUE(main.FindMaterial("b_3") || (hasTrailer && trailer.FindMaterial("b_3")));
    for (const char* p : {"sw_S_0", "sw_S_1", "sw_IL_0", "sw_IL_1", "sw_IR_0", "sw_IR_1", "sw_R_0", "sw_R_1",
                          "sw_CO_0", "sw_CO_1"})
        EXPECT_TRUE(Has(main, p) || (hasTrailer && Has(trailer, p))) << p;
    for (const char* p : {"dkier1_1", "dkier1_2", "dkier2_1", "dkier2_2"})
        EXPECT_TRUE(Has(main, p)) << p;
    // Glass parts of every leaf, so the doors show panes as they swing.
    for (const auto& m : main.meshes)
        if (m.name.size() == 6 && m.name[0] == 'd' && m.name.substr(4) == "_1") {
            EXPECT_TRUE(Has(main, m.name.substr(0, 4) + "_2")) << m.name;
        }
}

TEST_P(DemoBus, DashboardHasEveryElementAndBothNeedles) {
    std::string pu;
    for (const auto& l : Desc())
        if (Starts(l, "PU")) pu = zw::CommaField(l.substr(3), 0);
    ASSERT_GE(pu.size(), 3u);
    std::string file = pu.substr(1, pu.size() - 2);
    zw::ThreeDsFile d = Model(BusDir() + "\\" + file, {BusDir()});
    std::vector<std::string> names = {
        "P1",      "P2",      "ST_0",    "ST_1",   "kon1_0", "kon1_1", "kon1P_0", "kon1P_1", "kon1L_0",
        "kon1L_1", "konST_0", "konST_1", "kon3_0", "kon3_1", "n1",     "n2",      "L1",      "L2",
        "H1",      "H2",      "dzw1_1",  "dzw1_2", "dzw1_3", "DK0",    "DK1",     "saD_1",   "saD_2",
        "saN_1",   "saN_2",   "saR_1",   "saR_2",  "CG1",    "CG2",    "HP1",     "HP2",     "D2Z_0",
        "D2Z_1",   "D3Z_0",   "D3Z_1",   "D4Z_0",  "D4Z_1"};
    const char* big[] = {"A", "B", "C", "D"};
    const char* small[] = {"a", "b", "c", "d"};
    const char* led[] = {"aA", "bB", "cC", "dD"};
    for (int k = 0; k < 4; ++k) {
        for (int s = 1; s <= 3; ++s)
            names.push_back(big[k] + std::to_string(s));
        for (int s = 1; s <= 2; ++s)
            names.push_back(small[k] + std::to_string(s));
        for (int s = 1; s <= 3; ++s)
            names.push_back(led[k] + std::to_string(s));
        names.push_back("K" + std::to_string(k + 1) + "_0");
        names.push_back("K" + std::to_string(k + 1) + "_1");
    }
    for (const auto& n : names)
        EXPECT_TRUE(Has(d, n)) << n;
    // Each needle turns about its longest edge: the axle, longer than the pointer.
    for (const char* n : {"wsk_0", "wsk_1"}) {
        const zw::ThreeDsMesh* m = d.FindMesh(n);
        ASSERT_NE(m, nullptr) << n;
        float longest = 0, reach = 0;
        zw::Vec3 s{}, e{};
        for (const auto& f : m->faces) {
            const zw::Vec3 p[3] = {m->vertices[f.a], m->vertices[f.b], m->vertices[f.c]};
            for (int i = 0; i < 3; ++i) {
                float len = zw::Length(p[(i + 1) % 3] - p[i]);
                if (len > longest) longest = len, s = p[i], e = p[(i + 1) % 3];
            }
        }
        zw::Vec3 axis = zw::Normalized(e - s);
        for (const auto& v : m->vertices) {
            zw::Vec3 r = v - s;
            reach = std::max(reach, zw::Length(r - axis * zw::Dot(r, axis)));
        }
        EXPECT_GT(reach, 0.05f) << n << ": the pointer must stand off the axle";
    }
}

TEST_P(DemoBus, SteeringWheelAndFlatPicture) {
    bool k3 = false;
    for (const auto& l : Desc())
        k3 = k3 || Starts(l, "K3");
    if (k3) Model(BusDir() + "\\SteeringWheel.3ds", {BusDir()});
    zw::Image flat = zw::ReadImageFile(Game(BusDir() + "\\kierownica.bmp"));
    ASSERT_FALSE(flat.Empty());
    // The top-left colour is the see-through key: the wheel itself must differ.
    EXPECT_NE(flat.At(flat.Width() / 2, flat.Height() / 2 - flat.Height() * 44 / 100), flat.At(0, 0));
}

TEST_P(DemoBus, TextureSetNamesItsFiles) {
    std::set<std::string> keys;
    for (const auto& l : TexSet()) {
        std::string key = l.substr(0, 2);
        keys.insert(key);
        if (key == "WP" || key == "WJ" || key == "WD" || key == "WT") {
            for (int i = 0; i < 8; ++i)
                EXPECT_NO_THROW(zw::ParseFloat(zw::Trim(zw::CommaField(l.substr(3), i)))) << l;
        }
        if (key == "EX" || key == "IN") {
            std::string rest = l.substr(3);
            int skip = key == "EX" ? 5 : 6;
            for (int i = 0; i < skip; ++i)
                rest = rest.substr(rest.find(',') + 1);
            Model(SetDir() + "\\" + rest, {SetDir()});
        }
    }
    for (const char* k : {"WP", "WJ", "WD", "WT", "EX", "IN", "EN", "GB"})
        EXPECT_TRUE(keys.count(k)) << k;
    // The drive train reads its files relative to the game folder.
    auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(ZW_GAME_DIR);
    zw::tnaped naped;
    for (const auto& l : TexSet()) {
        if (Starts(l, "EN")) {
            EXPECT_NO_THROW(naped.WczytajSilnik(Quoted(l))) << l;
        }
        if (Starts(l, "GB")) {
            EXPECT_NO_THROW(naped.WczytajSkrzynie(Quoted(l))) << l;
        }
    }
    std::filesystem::current_path(cwd);
    for (const char* t : {"bi.bmp", "wh01.bmp", "wh02.bmp", "rejp.bmp", "rejt.bmp"})
        EXPECT_FALSE(zw::ReadImageFile(Game(SetDir() + "\\" + t)).Empty()) << t;
    // Lamp sprites and light pools of every bus.
    for (const char* t : {"kierunek.bmp", "stop.bmp", "drog.bmp", "swiatlo.bmp", "swiatlo2.bmp"})
        EXPECT_FALSE(zw::ReadImageFile(Game(std::string("Textures\\") + t)).Empty()) << t;
}

TEST_P(DemoBus, SoundsOfTheBusFolder) {
    std::vector<std::string> names = {"engine.wav",  "dopen.wav",    "dclose.wav",  "kier.wav",
                                      "klakson.wav", "syg_kier.wav", "dzwonek.wav", "start.wav",
                                      "stop.wav",    "pff.wav",      "var.wav"};
    for (int k = 1; k <= 4; ++k) {
        names.push_back("d" + std::to_string(k) + "open.wav");
        names.push_back("d" + std::to_string(k) + "close.wav");
    }
    for (const auto& n : names) {
        std::string path = Game(BusDir() + "\\" + n);
        auto bytes = zw::ReadFileBytes(path);
        zw::SoundFileInfo info = zw::ParseWavInfo(bytes, path);
        EXPECT_GT(info.frames, 0) << n;
        EXPECT_GE(info.Seconds(), 0.05) << n;
    }
    // The engine loop is heard at its own pitch near idle (about 11 kHz) and
    // closes without a click.
    std::string path = Game(BusDir() + "\\engine.wav");
    auto bytes = zw::ReadFileBytes(path);
    zw::SoundFileInfo info = zw::ParseWavInfo(bytes, path);
    EXPECT_EQ(info.sampleRate, 11025);
    EXPECT_EQ(info.channels, 1);
    EXPECT_GT(info.Seconds(), 1.0);
    ASSERT_GT(bytes.size(), 48u);
    auto sample = [&](size_t i) { return int16_t(bytes[44 + 2 * i] | (bytes[45 + 2 * i] << 8)); };
    size_t n = (bytes.size() - 44) / 2;
    int peak = 0;
    for (size_t i = 0; i < n; ++i)
        peak = std::max(peak, std::abs(int(sample(i))));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(std::abs(sample(n - 1) - sample(0)), peak / 4);
}

INSTANTIATE_TEST_SUITE_P(Sets, DemoBus, ::testing::ValuesIn(kCases), [](const auto& param) {
    std::string n = std::string(param.param.bus) + "_" + param.param.set;
    n.erase(std::remove(n.begin(), n.end(), ' '), n.end());
    return n;
});

// Keys both descriptions use between them: every key the reader knows.
TEST(DemoBuses, DescriptionsUseEveryKey) {
    std::vector<std::string> lines = Lines(Game("model\\Orvena City\\desc.bs1"));
    for (const auto& l : Lines(Game("model\\Orvena Duo\\desc.bs1")))
        lines.push_back(l);
    const char* keys[] = {"BH 0", "SK", "TS", "BF", "VW", "MG", "K3", "KS", "DU", "DD", "DV", "DWL", "DWP",
                          "NF 1", "CG", "PB", "PZ", "MO", "MB", "KA", "L1", "L2", "TY", "O1", "O3",  "KR",
                          "KD",   "I1", "W1", "S1", "SZ", "DS", "DK", "PL", "B1", "A1", "P1", "P2",  "Y1",
                          "Y2",   "T1", "T2", "R1", "R2", "CO", "PP", "PT", "RP", "RT", "CZ", "PA",  "PU"};
    for (const char* k : keys)
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
            return Starts(l, k);
        })) << k;
}

// Seats sit inside the capacity, with a figure of the passengers' set and on
// the section that exists.
TEST(DemoBuses, SeatsMatchTheirBus) {
    for (const char* bus : {"Orvena City", "Orvena Duo"}) {
        int capacity = 30, maxPart = 0;
        std::set<int> seats;
        for (const auto& l : Lines(Game(std::string("model\\") + bus + "\\desc.bs1"))) {
            if (Starts(l, "CZ")) capacity = zw::ParseInt(zw::Trim(l.substr(l.find(' ') + 1)));
            if (!Starts(l, "PA")) continue;
            std::string v = l.substr(3);
            int seat = zw::ParseInt(zw::CommaField(v, 0)), fig = zw::ParseInt(zw::CommaField(v, 5));
            EXPECT_TRUE(seats.insert(seat).second) << bus << ": seat twice: " << l;
            EXPECT_GE(seat, 1) << l;
            EXPECT_LE(seat, capacity) << l;
            EXPECT_GE(fig, 1) << l;
            EXPECT_LE(fig, 7) << l;
            maxPart = std::max(maxPart, zw::ParseInt(zw::CommaField(v, 6)));
        }
        EXPECT_GE(seats.size(), 30u) << bus;
        EXPECT_EQ(maxPart, std::string(bus) == "Orvena Duo" ? 2 : 1) << bus;
    }
}

TEST(DemoBuses, PassengerFiguresStandAndSit) {
    for (int m = 1; m <= 4; ++m)
        for (int p = 1; p <= 2; ++p) {
            std::string rel = "scene\\m" + std::to_string(m) + "_p" + std::to_string(p) + ".3ds";
            zw::ThreeDsFile f = Model(rel, {"scene"});
            float lo = 1e9f, hi = -1e9f;
            for (const auto& mesh : f.meshes)
                for (const auto& v : mesh.vertices)
                    lo = std::min(lo, v.z), hi = std::max(hi, v.z);
            EXPECT_NEAR(lo, 0.0f, 0.01f) << rel << ": feet on the ground";
            if (p == 1) {
                EXPECT_GT(hi, 1.4f) << rel;
            } else {
                EXPECT_LT(hi, 1.45f) << rel;
            }
        }
}

} // namespace
