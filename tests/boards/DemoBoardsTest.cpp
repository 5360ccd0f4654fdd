// The demo world's board data, as the build leaves it in the game folder.
#include "boards/TWyswietlacze.h"
#include "util/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace zw;

namespace {
struct InGameFolder {
    std::filesystem::path old = std::filesystem::current_path();
    std::string oldApp = AppDir();
    InGameFolder() {
        SetAppDir(ZW_GAME_DIR);
        std::filesystem::current_path(ZW_GAME_DIR);
    }
    ~InGameFolder() {
        std::filesystem::current_path(old);
        SetAppDir(oldApp);
    }
};
} // namespace

TEST(DemoBoards, EveryGlyphOfEveryFontHasDotsWithinItsRows) {
    InGameFolder in;
    TWyswietlacze w;
    w.Autobus.Diody = "zolte";
    w.Wczytaj();
    for (int f = 1; f <= BoardFontCount; ++f) {
        char font = FontLetter(f);
        for (int g = 1; g <= BoardGlyphCount; ++g) {
            uint32_t any = 0;
            for (int r = 1; r <= FontHeight(font); ++r) any |= w.Fonty.Matryce[size_t(f)][size_t(g)][size_t(r)];
            EXPECT_NE(any, 0u) << "font " << font << " glyph " << g;
            EXPECT_GE(w.Fonty.Dykta[size_t(f)][size_t(g)].w, 1) << "plywood font " << font << " glyph " << g;
        }
        // Letters are narrower than the boards' fonts are tall, give or take the widest.
        EXPECT_LE(w.Fonty.Dlugosc('w', font, 'm'), FontHeight(font) + 4) << font;
        EXPECT_GE(w.Fonty.Dykta[size_t(f)][48].w, 1);
    }
}

TEST(DemoBoards, DemoBusesDrawFifteenBoards) {
    InGameFolder in;
    auto out = std::filesystem::temp_directory_path() / ("zw_demo_boards_" + std::to_string(::getpid()));
    std::filesystem::create_directories(out);
    for (const char* bus : {"Orvena City", "Orvena Duo"})
        for (const char* set : {"Plofmar", "Miejski"}) {
            TWyswietlacze w;
            w.BusFolder = bus;
            w.TextureSet = set;
            w.OutputDir = out.string() + "/";
            w.Teksty.LineNumber = "101";
            w.Teksty.Kierunek(1).Linia1 = "Dworzec";
            w.Teksty.Kierunek(1).Rodzaj = RodzajOneLine;
            auto written = w.DrawAllDirections();
            ASSERT_EQ(written.size(), 15u) << bus << " " << set;
            EXPECT_EQ(written[0].File, out.string() + "/przod1.bmp");
            EXPECT_EQ(written[0].Width, 1280);
            EXPECT_EQ(written[0].Height, 128);
            // The destination fits on the front at the single-line font.
            ASSERT_EQ(written[0].Placements.size(), 2u);
            EXPECT_EQ(written[0].Placements[1].Font, 'b') << bus << " " << set;
            Bitmap8 front = ReadBmp8File(written[0].File);
            EXPECT_EQ(front.Width(), 1280);
        }
    std::filesystem::remove_all(out);
}
