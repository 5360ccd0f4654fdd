#pragma once
// Helpers for the demo world's tests: paths in the built game folder, the
// quoted path of a map line and the numeric fields of a line.
#include "platform/format/Image.h"
#include "platform/format/TextFile.h"
#include "platform/format/ThreeDs.h"
#include "util/Fields.h"
#include "util/NumText.h"
#include "util/Paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zw::demotest {

inline std::string Game(const std::string& rel) {
    return ResolvePath(JoinPath(ZW_GAME_DIR, rel));
}

inline const char* kMapName = "Tralnik_101-1_DP_4.33-13.27";

// The text between the first and the second double quote ("" when none).
inline std::string QuotedPath(const std::string& line) {
    size_t a = line.find('"');
    if (a == std::string::npos) return "";
    size_t b = line.find('"', a + 1);
    return b == std::string::npos ? "" : line.substr(a + 1, b - a - 1);
}

// Value n (0-based) of a map line after its key and separator, as a number.
inline double Value(const std::string& line, int n) {
    return ParseFloat(Trim(CommaField(line.substr(3), n)));
}

// The folder part of a backslash path ("scene\city\x.3ds" -> "scene\city").
inline std::string FolderOf(const std::string& path) {
    size_t k = path.find_last_of("\\/");
    return k == std::string::npos ? "" : path.substr(0, k);
}

inline std::vector<std::string> MapLines() {
    return ReadTextLines(Game(std::string("Maps\\") + kMapName + ".ms1"));
}

// A 3DS model that exists, parses, and whose textures exist beside it (or in texDir).
inline ThreeDsFile CheckModel(const std::string& rel, const std::string& texDir = "") {
    std::string path = Game(rel);
    EXPECT_TRUE(FileExists(path)) << rel;
    ThreeDsFile file;
    try {
        file = Read3dsFile(path);
    } catch (const std::exception& e) {
        ADD_FAILURE() << rel << ": " << e.what();
        return file;
    }
    EXPECT_FALSE(file.meshes.empty()) << rel;
    EXPECT_GT(file.TriangleCount(), 0u) << rel;
    std::string folder = texDir.empty() ? FolderOf(rel) : texDir;
    for (const ThreeDsMaterial& m : file.materials) {
        if (m.textureFile.empty()) continue;
        std::string tex = folder + "\\" + m.textureFile;
        EXPECT_TRUE(FileExists(Game(tex))) << rel << " names " << tex;
    }
    for (const ThreeDsMesh& mesh : file.meshes)
        for (const ThreeDsFaceGroup& g : mesh.groups)
            EXPECT_NE(file.FindMaterial(g.material), nullptr) << rel;
    return file;
}

// A picture that exists and parses; returns it (empty on failure).
inline Image CheckImage(const std::string& rel) {
    std::string path = Game(rel);
    if (!FileExists(path)) {
        ADD_FAILURE() << "missing picture " << rel;
        return {};
    }
    try {
        Image img = ReadImageFile(path);
        EXPECT_GE(img.Width(), 2) << rel;
        EXPECT_GE(img.Height(), 2) << rel;
        return img;
    } catch (const std::exception& e) {
        ADD_FAILURE() << rel << ": " << e.what();
        return {};
    }
}

} // namespace zw::demotest
