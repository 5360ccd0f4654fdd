// The default map of the demo world: every model, texture, script and stop
// its lines name is there and reads with the project's own readers.
#include "DemoTestSupport.h"

#include <cmath>
#include <map>
#include <set>

namespace zw::demotest {
namespace {

TEST(CityMap, HeaderAndEveryKeyAppear) {
    std::vector<std::string> lines = MapLines();
    ASSERT_GT(lines.size(), 100u);
    EXPECT_NO_THROW(ParseInt(lines[0]));
    EXPECT_NO_THROW(ParseInt(CommaField(lines[1], 0)));
    EXPECT_NO_THROW(ParseInt(CommaField(lines[1], 1)));
    std::map<std::string, int> keys;
    for (size_t i = 2; i < lines.size(); ++i)
        if (lines[i].size() >= 2) ++keys[lines[i].substr(0, 2)];
    for (const char* k : {"R1", "J1", "L1", "M1", "M3", "ML", "PP", "U1", "ST", "PS", "SP", "P2", "P3",
                          "SE", "B2", "B3", "M2", "A1", "RB", "RS", "RZ", "RE", "LN", "##", "D1", "D5"})
        EXPECT_GT(keys[k], 0) << "no " << k << " line";
    for (const char* k : {"K1", "K2", "K3", "K4", "K5", "K6", "K7", "K8", "K9", "K0"})
        EXPECT_EQ(keys[k], 1) << k;
    for (char d = '1'; d <= '4'; ++d)
        for (char e = 'A'; e <= 'E'; ++e)
            EXPECT_EQ(keys[std::string(1, d) + e], 1) << d << e;
    EXPECT_GE(keys["M1"], 40);
    EXPECT_GE(keys["ST"], 8);
    EXPECT_GE(keys["SE"], 7) << "signal heads at two junctions";
    EXPECT_EQ(keys["U1"], 2) << "a second ground line exercises the one-ground rule";
    // The launcher reads the description from lines 3 to 10.
    int described = 0;
    for (size_t i = 2; i < 10 && i < lines.size(); ++i)
        described += lines[i].rfind("##", 0) == 0;
    EXPECT_GE(described, 2);
}

TEST(CityMap, ModelsPartsAndTheirTexturesRead) {
    std::set<std::string> seen;
    std::map<std::string, int> consecutiveRepeats;
    std::string previous;
    for (const std::string& line : MapLines()) {
        std::string key = line.substr(0, 2);
        if (key != "M1" && key != "M3" && key != "ML" && key != "U1") continue;
        std::string path = QuotedPath(line);
        ASSERT_FALSE(path.empty()) << line;
        if (key == "M1" && path == previous) ++consecutiveRepeats[path];
        previous = key == "M1" ? path : "";
        if (!seen.insert(key + path).second) continue;
        ThreeDsFile model = CheckModel(path);
        ASSERT_FALSE(model.meshes.empty()) << path;
        // Parts the city splits off are never the first object.
        if (key == "M3") {
            EXPECT_NE(model.FindMesh("b_1"), nullptr) << path;
            EXPECT_NE(model.meshes[0].name, "b_1") << path;
        }
        if (key == "ML") {
            EXPECT_NE(model.FindMesh("l_1"), nullptr) << path;
            EXPECT_NE(model.meshes[0].name, "l_1") << path;
        }
    }
    EXPECT_GE(consecutiveRepeats.size(), 3u) << "models shared through the one-entry cache";
    CheckModel("scene\\lampa.3ds");
}

TEST(CityMap, PlanesScriptsAndLightsHaveTheirPictures) {
    for (const std::string& line : MapLines()) {
        std::string key = line.substr(0, 2);
        if (key == "P2" || key == "P3" || key == "B2" || key == "B3") {
            Image img = CheckImage(QuotedPath(line));
            if (img.Empty() || key[0] != 'P') continue;
            // Transparent planes: the top-left texel's colour is the hole, and
            // the picture is not all hole.
            Rgba key0 = img.At(0, 0);
            bool other = false;
            for (int y = 0; y < img.Height() && !other; y += 3)
                for (int x = 0; x < img.Width() && !other; x += 3)
                    other = !(img.At(x, y) == key0);
            EXPECT_TRUE(other) << line;
        }
    }
    for (const char* t : {"Textures\\lampa1.bmp", "Textures\\lamp1.bmp", "Textures\\sem1.bmp",
                          "Textures\\sem2.bmp", "Textures\\sem3.bmp", "Textures\\sem4.bmp"})
        CheckImage(t);
}

// Mesh scripts: only the seven commands, builders within 65 vertices and
// triangles, faces naming stored vertices, textures beside the script.
TEST(CityMap, MeshScriptsAreWellFormed) {
    std::set<std::string> scripts;
    for (const std::string& line : MapLines())
        if (line.rfind("M2", 0) == 0) scripts.insert(QuotedPath(line));
    ASSERT_GE(scripts.size(), 2u);
    std::set<std::string> commandsUsed;
    for (const std::string& script : scripts) {
        std::vector<std::string> lines = ReadTextLines(Game(script));
        int vertices = 0, triangles = 0;
        bool active = false;
        for (const std::string& l : lines) {
            auto is = [&](const char* c) {
                bool yes = l.rfind(c, 0) == 0;
                if (yes) commandsUsed.insert(c);
                return yes;
            };
            std::string args = l.substr(std::min(l.size(), l.find(',') + 1));
            if (is("CreateMeshBuilder,")) {
                active = true;
                vertices = triangles = 0;
            } else if (is("AddVertex,")) {
                ASSERT_TRUE(active) << l;
                for (int i = 0; i < 3; ++i)
                    EXPECT_NO_THROW(ParseFloat(Trim(CommaField(args, i)))) << l;
                EXPECT_LE(++vertices, 65) << script;
            } else if (is("AddFace,") || is("AddFace2,")) {
                for (int i = 0; i < 4; ++i)
                    EXPECT_LT(ParseInt(Trim(CommaField(args, i))), vertices) << l;
                triangles += 2;
                EXPECT_LE(triangles, 65) << script;
            } else if (is("SetTextureCoordinates,")) {
                EXPECT_LT(ParseInt(Trim(CommaField(args, 0))), vertices) << l;
            } else if (is("LoadTexture,")) {
                std::string name;
                for (char ch : args)
                    if (ch != ',') name += ch;
                CheckImage(FolderOf(script) + "\\" + name);
            } else if (is("SetColor,")) {
                for (int i = 0; i < 3; ++i)
                    EXPECT_NO_THROW(ParseFloat(Trim(CommaField(args, i)))) << l;
            }
        }
    }
    EXPECT_EQ(commandsUsed.size(), 7u) << "every script command appears";
}

TEST(CityMap, StopsArePlatformedAndOnTheStreets) {
    std::set<int> declared;
    int platforms = 0;
    for (const std::string& line : MapLines()) {
        std::string key = line.substr(0, 2);
        if (key == "ST") {
            declared.insert(int(Value(line, 0)));
            double x = Value(line, 1), y = Value(line, 2);
            // Stops stand on a carriageway: within 6 m of a street's centre line.
            bool onStreet = false;
            for (double c : {-200.0, 0.0, 200.0})
                onStreet = onStreet || std::fabs(x - c) <= 6 || std::fabs(y - c) <= 6;
            EXPECT_TRUE(onStreet) << line;
            EXPECT_FALSE(QuotedPath(line).empty()) << line;
        }
        if (key == "SP") {
            EXPECT_TRUE(declared.count(int(Value(line, 0)))) << "platform before its stop: " << line;
            ++platforms;
        }
    }
    EXPECT_GE(declared.size(), 8u);
    EXPECT_GE(platforms, 3);
}

} // namespace
} // namespace zw::demotest
