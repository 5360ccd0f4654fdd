#include "tests/boards/BoardTestKit.h"

#include "util/Paths.h"

#include <fstream>
#include <random>
#include <unistd.h>

namespace boardtest {
using namespace zw;

TBoardFonts BlockFonts(const std::vector<std::pair<char, uint32_t>>& glyphs) {
    TBoardFonts f;
    for (int font = 1; font <= BoardFontCount; ++font)
        for (auto& [c, pattern] : glyphs) {
            int g = Znak(static_cast<unsigned char>(c));
            for (int r = 1; r <= FontHeight(FontLetter(font)); ++r) f.Matryce[size_t(font)][size_t(g)][size_t(r)] = pattern;
        }
    return f;
}

std::string MatrycaCsv(const TBoardFonts& fonts, int font) {
    std::string out;
    int h = FontHeight(FontLetter(font));
    for (int g = 1; g <= BoardGlyphCount; ++g) {
        for (int r = 1; r <= h; ++r) out += std::to_string(fonts.Matryce[size_t(font)][size_t(g)][size_t(r)]) + ";";
        out += "\r\n";
    }
    return out;
}

std::string DyktaCsv(const TBoardFonts& fonts) {
    std::string out;
    for (int e = 1; e <= DyktaEntries; ++e) {
        for (int k = 0; k < BoardFontCount; ++k) {
            const TDyktaPole& p = fonts.Dykta[size_t(BoardFontCount - k)][size_t(e)];
            out += std::to_string(p.x) + ";" + std::to_string(p.w) + (k < BoardFontCount - 1 ? ";" : "");
        }
        out += "\r\n";
    }
    return out;
}

std::string Picture(const TTabl& m) {
    std::string out;
    for (int r = 1; r <= m.Height(); ++r) {
        for (int c = 1; c <= m.Width(); ++c) out += m.Lit(c, r) ? '#' : '.';
        out += '\n';
    }
    return out;
}

TTabl FromPicture(const std::vector<std::string>& rows) {
    TTabl m;
    m.Resize(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) m.Set(int(c) + 1, int(r) + 1, rows[r][c] == '#');
    return m;
}

std::string Joined(const std::vector<std::string>& rows) {
    std::string out;
    for (auto& r : rows) out += r + '\n';
    return out;
}

AppFolder::AppFolder() {
    static int serial = 0;
    dir_ = std::filesystem::temp_directory_path() /
           ("zw_boards_" + std::to_string(::getpid()) + "_" + std::to_string(serial++));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ / "tab" / "matryce");
    std::filesystem::create_directories(dir_ / "tab" / "elementy");
    std::filesystem::create_directories(dir_ / "tab" / "tablice");
    oldCwd_ = std::filesystem::current_path();
    oldApp_ = AppDir();
    std::filesystem::current_path(dir_);
    SetAppDir(dir_.string());
}

AppFolder::~AppFolder() {
    std::filesystem::current_path(oldCwd_);
    SetAppDir(oldApp_);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void AppFolder::Write(const std::string& relative, const std::string& text) const {
    auto p = dir_ / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

void AppFolder::WriteBitmap(const std::string& relative, const Bitmap8& bmp) const {
    auto p = dir_ / relative;
    std::filesystem::create_directories(p.parent_path());
    WriteBmp8File(p.string(), bmp);
}

void AppFolder::Remove(const std::string& relative) const { std::filesystem::remove(dir_ / relative); }
bool AppFolder::Exists(const std::string& relative) const { return std::filesystem::exists(dir_ / relative); }

namespace {
Bitmap8 Tile(Rgba colour) {
    Bitmap8 b(8, 8);
    uint8_t i = b.IndexOf(colour);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) b.Set(x, y, (x == 0 || y == 0) ? 0 : i); // a dark frame
    return b;
}
} // namespace

void WriteFontsAndTiles(const AppFolder& app, const TBoardFonts& fonts) {
    for (int f = 1; f <= BoardFontCount; ++f)
        app.Write("tab/matryce/matryca" + std::to_string(FontHeight(FontLetter(f))) + ".csv", MatrycaCsv(fonts, f));
    app.Write("tab/matryce/dykta.csv", DyktaCsv(fonts));
    app.WriteBitmap("tab/elementy/toff.bmp", Tile(LitColour));
    app.WriteBitmap("tab/elementy/tcloff.bmp", Tile(UnlitColour));
}

void WriteBus(const AppFolder& app, const std::vector<std::pair<std::string, std::string>>& boards) {
    std::string text = "test bus\r\nt\r\n" + std::to_string(boards.size()) + "\r\n";
    for (auto& [name, file] : boards) text += name + "\r\n" + file + "\r\n";
    app.Write("model/Bus/Set/wysw.bus", text);
}

std::string DotsOfBitmap(const Bitmap8& bmp) {
    std::string out;
    for (int r = 0; r < bmp.Height() / 8; ++r) {
        for (int c = 0; c < bmp.Width() / 8; ++c) {
            Rgba inner = bmp.ColourAt(c * 8 + 4, r * 8 + 4);
            char dot = inner == LitColour ? '#' : inner == UnlitColour ? '.' : '?';
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) {
                    Rgba want = (x == 0 || y == 0) ? Rgba{0, 0, 0, 255} : inner;
                    if (!(bmp.ColourAt(c * 8 + x, r * 8 + y) == want)) dot = '?';
                }
            out += dot;
        }
        out += '\n';
    }
    return out;
}

} // namespace boardtest
