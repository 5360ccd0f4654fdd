#pragma once
// Small fonts with block glyphs, matrix pictures as text, and a throw-away
// application folder for the generator tests.
#include "boards/TBoardFonts.h"
#include "boards/TTabl.h"
#include "platform/format/Bitmap8.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace boardtest {

// Every font gets the same glyphs; each row of a glyph has the same pattern,
// so a glyph is a block as tall as its font. Other glyphs stay 0 (1 dot wide, dark).
zw::TBoardFonts BlockFonts(const std::vector<std::pair<char, uint32_t>>& glyphs);

// The fonts as the five "matryca" files and dykta.csv would hold them.
std::string MatrycaCsv(const zw::TBoardFonts& fonts, int font);
std::string DyktaCsv(const zw::TBoardFonts& fonts);

// One text row per matrix row: '#' lit, '.' unlit.
std::string Picture(const zw::TTabl& m);
zw::TTabl FromPicture(const std::vector<std::string>& rows);
std::string Joined(const std::vector<std::string>& rows);

// A fresh application folder that is also the current directory while the
// object lives; restores both afterwards.
class AppFolder {
public:
    AppFolder();
    ~AppFolder();
    const std::filesystem::path& Dir() const { return dir_; }
    void Write(const std::string& relative, const std::string& text) const;
    void WriteBitmap(const std::string& relative, const zw::Bitmap8& bmp) const;
    void Remove(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

private:
    std::filesystem::path dir_;
    std::filesystem::path oldCwd_;
    std::string oldApp_;
};

// Colours of the test dot tiles.
constexpr zw::Rgba LitColour{255, 200, 0, 255};
constexpr zw::Rgba UnlitColour{40, 40, 40, 255};

// An application folder with the fonts, the two dot tiles ("t" prefix) and
// one bus "Bus" with texture set "Set" listing the given boards.
void WriteFontsAndTiles(const AppFolder& app, const zw::TBoardFonts& fonts);
void WriteBus(const AppFolder& app, const std::vector<std::pair<std::string, std::string>>& boards);
// The dot picture of a saved dot-matrix board: each 8x8 cell must be exactly
// one of the two tiles, else the picture holds '?'.
std::string DotsOfBitmap(const zw::Bitmap8& bmp);

} // namespace boardtest
