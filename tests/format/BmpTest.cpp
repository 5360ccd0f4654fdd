#include "platform/format/Bitmap8.h"
#include "platform/format/Image.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace zw;

namespace {

// A BMP built by hand: header size 40, the given depth, rows as the format
// lays them out (bottom-up unless topDown), pixel values from pixel(x, y).
struct BmpSpec {
    int w, h, bpp;
    bool topDown = false;
    uint32_t compression = 0;
    std::vector<uint32_t> masks = {}; // with compression 3
    std::vector<Rgba> palette = {}; // 1, 4, 8 bits
};

void Put(std::vector<uint8_t>& b, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(uint8_t(v >> (8 * i)));
}

std::vector<uint8_t> MakeBmp(const BmpSpec& s, const std::function<uint32_t(int, int)>& pixel) {
    size_t stride = ((size_t(s.w) * size_t(s.bpp) + 31) / 32) * 4;
    size_t pal = s.palette.size() * 4, masks = s.masks.size() * 4;
    uint32_t off = uint32_t(14 + 40 + masks + pal);
    std::vector<uint8_t> b{'B', 'M'};
    Put(b, off + uint32_t(stride) * uint32_t(s.h), 4);
    Put(b, 0, 4);
    Put(b, off, 4);
    Put(b, 40, 4);
    Put(b, uint32_t(s.w), 4);
    Put(b, uint32_t(s.topDown ? -s.h : s.h), 4);
    Put(b, 1, 2);
    Put(b, uint32_t(s.bpp), 2);
    Put(b, s.compression, 4);
    Put(b, uint32_t(stride * size_t(s.h)), 4);
    Put(b, 0, 4);
    Put(b, 0, 4);
    Put(b, uint32_t(s.palette.size()), 4);
    Put(b, 0, 4);
    for (uint32_t m : s.masks) Put(b, m, 4);
    for (Rgba c : s.palette) b.insert(b.end(), {c.b, c.g, c.r, 0});
    for (int r = 0; r < s.h; ++r) {
        int y = s.topDown ? r : s.h - 1 - r;
        std::vector<uint8_t> row(stride, 0);
        for (int x = 0; x < s.w; ++x) {
            uint32_t v = pixel(x, y);
            if (s.bpp < 8) {
                int per = 8 / s.bpp;
                row[size_t(x / per)] |= uint8_t(v << (8 - s.bpp * (x % per + 1)));
            } else {
                for (int k = 0; k < s.bpp / 8; ++k) row[size_t(x * (s.bpp / 8) + k)] = uint8_t(v >> (8 * k));
            }
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

const std::vector<Rgba> kPalette16 = {{0, 0, 0, 255},     {255, 0, 0, 255},   {0, 255, 0, 255},   {0, 0, 255, 255},
                                      {255, 255, 0, 255}, {0, 255, 255, 255}, {255, 0, 255, 255}, {9, 99, 199, 255},
                                      {1, 2, 3, 255},     {4, 5, 6, 255},     {7, 8, 9, 255},     {10, 11, 12, 255},
                                      {13, 14, 15, 255},  {16, 17, 18, 255},  {19, 20, 21, 255},  {255, 255, 255, 255}};

} // namespace

TEST(BmpRead, EveryDepthGivesTheSamePicture) {
    // Index of pixel (x, y) in a 7 x 3 picture; truecolour values are the palette's colours.
    auto index = [](int x, int y) { return uint32_t((x + 3 * y) % 2); };
    auto index16 = [](int x, int y) { return uint32_t((x * 5 + y * 3) % 16); };
    struct Case {
        const char* what;
        BmpSpec spec;
        std::function<uint32_t(int, int)> idx;
    } cases[] = {
        {"1 bit", {7, 3, 1, false, 0, {}, {kPalette16[3], kPalette16[7]}}, index},
        {"4 bits", {7, 3, 4, false, 0, {}, kPalette16}, index16},
        {"8 bits", {7, 3, 8, false, 0, {}, kPalette16}, index16},
        {"8 bits top-down", {7, 3, 8, true, 0, {}, kPalette16}, index16},
        {"24 bits", {7, 3, 24, false, 0, {}, {}}, index16},
        {"24 bits top-down", {7, 3, 24, true, 0, {}, {}}, index16},
        {"32 bits", {7, 3, 32, false, 0, {}, {}}, index16},
    };
    for (auto& c : cases) {
        const auto& pal = c.spec.palette.empty() ? kPalette16 : c.spec.palette;
        auto bytes = MakeBmp(c.spec, [&](int x, int y) {
            uint32_t i = c.idx(x, y);
            if (c.spec.bpp <= 8) return i;
            Rgba p = pal[i];
            return uint32_t(p.b) | uint32_t(p.g) << 8 | uint32_t(p.r) << 16;
        });
        Image img = ReadBmp(bytes.data(), bytes.size(), "pic.bmp");
        ASSERT_EQ(img.Width(), 7) << c.what;
        ASSERT_EQ(img.Height(), 3) << c.what;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x) EXPECT_EQ(img.At(x, y), pal[c.idx(x, y)]) << c.what << " at " << x << "," << y;
    }
}

TEST(BmpRead, BitFieldsAndAlpha) {
    // 16 bits 5-6-5: pure red, green, blue and white.
    BmpSpec s{4, 1, 16, false, 3, {0xF800, 0x07E0, 0x001F}, {}};
    uint32_t v[4] = {0xF800, 0x07E0, 0x001F, 0xFFFF};
    auto b = MakeBmp(s, [&](int x, int) { return v[x]; });
    Image img = ReadBmp(b.data(), b.size(), "565.bmp");
    EXPECT_EQ(img.At(0, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(img.At(1, 0), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(img.At(2, 0), (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(img.At(3, 0), (Rgba{255, 255, 255, 255}));

    // Plain 32 bits: a fourth byte that is 0 everywhere means opaque; once set it is alpha.
    BmpSpec s32{2, 1, 32};
    auto opaque = MakeBmp(s32, [](int x, int) { return x ? 0x00102030u : 0x00405060u; });
    EXPECT_EQ(ReadBmp(opaque.data(), opaque.size(), "a.bmp").At(0, 0), (Rgba{0x40, 0x50, 0x60, 255}));
    auto alpha = MakeBmp(s32, [](int x, int) { return x ? 0x80102030u : 0x00405060u; });
    Image a = ReadBmp(alpha.data(), alpha.size(), "a.bmp");
    EXPECT_EQ(a.At(0, 0).a, 0);
    EXPECT_EQ(a.At(1, 0), (Rgba{0x10, 0x20, 0x30, 0x80}));
}

TEST(BmpRead, BadFilesRaiseErrorsNamingTheFile) {
    auto good = MakeBmp({5, 4, 24}, [](int x, int y) { return uint32_t(x * 40 + y); });
    auto patched = [&](size_t at, uint32_t v, int n) {
        auto b = good;
        for (int i = 0; i < n; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
        return b;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"no signature", {'X', 'M', 0, 0, 0, 0}},
        {"header only", std::vector<uint8_t>(good.begin(), good.begin() + 20)},
        {"truncated pixels", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"zero width", patched(18, 0, 4)},
        {"huge size in a small file", patched(18, 30000, 4)},
        {"negative width", patched(18, 0xFFFFFFF0u, 4)},
        {"height INT_MIN", patched(22, 0x80000000u, 4)},
        {"7 bits", patched(28, 7, 2)},
        {"RLE", patched(30, 1, 4)},
        {"pixel offset past the end", patched(10, 0xFFFFFF00u, 4)},
        {"bad header size", patched(14, 0xFFFFFFFFu, 4)},
    };
    for (auto& c : cases) {
        try {
            ReadBmp(c.bytes.data(), c.bytes.size(), "dir/broken.bmp");
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EConvertError& e) {
            EXPECT_NE(std::string(e.what()).find("dir/broken.bmp"), std::string::npos) << c.what << ": " << e.what();
        } catch (const EInOutError& e) {
            EXPECT_NE(std::string(e.what()).find("dir/broken.bmp"), std::string::npos) << c.what << ": " << e.what();
        }
    }
    auto pal = MakeBmp({2, 2, 8, false, 0, {}, kPalette16}, [](int, int) { return 0u; });
    pal[46] = 0xE8, pal[47] = 0x03; // 1000 colours
    EXPECT_THROW(ReadBmp(pal.data(), pal.size(), "p.bmp"), EConvertError);
}

TEST(BmpRead, IndexOutsideAShortPaletteIsBlack) {
    auto b = MakeBmp({2, 1, 8, false, 0, {}, {{10, 20, 30, 255}}}, [](int x, int) { return uint32_t(x * 200); });
    Image img = ReadBmp(b.data(), b.size(), "short.bmp");
    EXPECT_EQ(img.At(0, 0), (Rgba{10, 20, 30, 255}));
    EXPECT_EQ(img.At(1, 0), (Rgba{0, 0, 0, 255}));
}

TEST(BmpWrite, TrueColourRoundTripAndPadding) {
    for (int w : {1, 2, 3, 4, 5}) {
        Image img(w, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < w; ++x) img.Set(x, y, Rgba{uint8_t(x * 50), uint8_t(y * 80), uint8_t(x + y), 255});
        auto b = EncodeBmp24(img);
        EXPECT_EQ(b.size(), 54 + size_t((w * 3 + 3) / 4 * 4) * 3);
        Image back = ReadBmp(b.data(), b.size(), "rt.bmp");
        ASSERT_EQ(back.Width(), w);
        EXPECT_EQ(std::memcmp(back.Data(), img.Data(), img.ByteSize()), 0) << "width " << w;
    }
    EXPECT_THROW(EncodeBmp24(Image()), EInOutError);
}

TEST(Bitmap8, WriteReadKeepsIndicesAndPalette) {
    Bitmap8 bmp(5, 3);
    bmp.SetPalette({{0, 0, 0, 255}, {250, 10, 10, 255}, {10, 250, 10, 255}});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) bmp.Set(x, y, uint8_t((x + y) % 3));
    auto bytes = EncodeBmp8(bmp);
    EXPECT_EQ(bytes[28], 8);
    Bitmap8 back = ReadBmp8(bytes.data(), bytes.size(), "b.bmp");
    ASSERT_EQ(back.Width(), 5);
    ASSERT_EQ(back.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(back.At(x, y), bmp.At(x, y));
    EXPECT_EQ(back.Palette()[1], (Rgba{250, 10, 10, 255}));
    EXPECT_EQ(ReadBmp(bytes.data(), bytes.size(), "b.bmp").At(1, 0), (Rgba{250, 10, 10, 255}));
}

TEST(Bitmap8, TilesCopiedFromTrueColourMakeABoard) {
    // A 40 x 8 dot board of 8 x 8 tiles gives 320 x 64 pixels; undrawn pixels stay index 0.
    Image lit(8, 8, Rgba{255, 200, 0, 255}), unlit(8, 8, Rgba{40, 40, 40, 255});
    lit.Set(0, 0, Rgba{0, 0, 0, 255});
    Bitmap8 board(40 * 8, 8 * 8);
    for (int c = 0; c < 40; ++c)
        for (int r = 0; r < 7; ++r) board.CopyRect(c * 8, r * 8, (c + r) % 2 ? lit : unlit, 0, 0, 8, 8);
    EXPECT_EQ(board.Width(), 320);
    EXPECT_EQ(board.Height(), 64);
    EXPECT_EQ(board.ColourAt(9, 1), (Rgba{255, 200, 0, 255}));
    EXPECT_EQ(board.ColourAt(1, 1), (Rgba{40, 40, 40, 255}));
    EXPECT_EQ(board.ColourAt(8, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(board.At(5, 60), 0); // row 8 not drawn
    EXPECT_EQ(board.PaletteUsed(), 3);
    // Clipping: a tile hanging over the edge writes only what fits.
    board.CopyRect(316, 60, lit, 0, 0, 8, 8);
    EXPECT_EQ(board.ColourAt(319, 63), (Rgba{255, 200, 0, 255}));
    board.CopyRect(-4, -4, unlit, 0, 0, 8, 8);
    EXPECT_EQ(board.ColourAt(0, 0), (Rgba{40, 40, 40, 255}));

    // From another 8-bit bitmap the colours are carried through this palette.
    Bitmap8 tile(2, 1);
    tile.SetPalette({{0, 0, 0, 255}, {1, 2, 3, 255}});
    tile.Set(1, 0, 1);
    board.CopyRect(100, 30, tile, 0, 0, 2, 1);
    EXPECT_EQ(board.ColourAt(101, 30), (Rgba{1, 2, 3, 255}));
    EXPECT_EQ(board.ColourAt(100, 30), (Rgba{0, 0, 0, 255}));
}

TEST(Bitmap8, FullPaletteUsesTheNearestColour) {
    Bitmap8 b(1, 1);
    std::vector<Rgba> pal;
    for (int i = 0; i < 256; ++i) pal.push_back(Rgba{uint8_t(i), 0, 0, 255});
    b.SetPalette(pal);
    EXPECT_EQ(b.IndexOf(Rgba{100, 3, 2, 255}), 100);
    EXPECT_EQ(b.PaletteUsed(), 256);
}

TEST(BmpRead, RunLengthCodedEightBits) {
    std::vector<Rgba> pal(8);
    for (int i = 0; i < 8; ++i) pal[size_t(i)] = Rgba{uint8_t(i * 30), 0, 0, 255};
    auto b = MakeBmp({4, 2, 8, false, 1, {}, pal}, [](int, int) { return 0u; });
    b.resize(14 + 40 + 8 * 4);
    // Bottom row: three of 1, one of 2; top row: 5, 6, 7 given as they stand; then the end.
    b.insert(b.end(), {3, 1, 1, 2, 0, 0, 0, 3, 5, 6, 7, 0, 0, 1});
    Bitmap8 bmp = ReadBmp8(b.data(), b.size(), "rle.bmp");
    const uint8_t want[2][4] = {{5, 6, 7, 0}, {1, 1, 1, 2}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(bmp.At(x, y), want[y][x]) << x << "," << y;
    // Runs that overshoot the row or the picture are clipped, not written past it.
    b.resize(14 + 40 + 8 * 4);
    b.insert(b.end(), {255, 3, 0, 2, 200, 200, 9, 4});
    bmp = ReadBmp8(b.data(), b.size(), "rle.bmp");
    EXPECT_EQ(bmp.At(3, 1), 3);
    EXPECT_EQ(bmp.At(0, 0), 0);
}

TEST(BmpRead, CorpusFilesOfEveryKindRead) {
    struct Case {
        const char* file;
        int w, h;
    } cases[] = {{"mono1.bmp", 9, 3}, {"pal4.bmp", 7, 5},  {"pal8.bmp", 5, 3},  {"pal8_topdown.bmp", 5, 3},
                 {"rle8.bmp", 6, 4},  {"rgb24.bmp", 5, 3}, {"rgba32.bmp", 4, 4}};
    for (auto& c : cases) {
        Image img = ReadImageFile(std::string(ZW_TEST_DIR) + "/../fuzz/corpus/fuzz_bmp/" + c.file);
        EXPECT_EQ(img.Width(), c.w) << c.file;
        EXPECT_EQ(img.Height(), c.h) << c.file;
    }
}
