#include "platform/format/Image.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

using namespace zw;

namespace {
Image Gradient(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.Set(x, y, Rgba{uint8_t(x * 255 / w), uint8_t(y * 255 / h), 128, 255});
    return img;
}

// Finds the JPEG frame header and overwrites its height and width.
std::vector<uint8_t> WithJpegSize(std::vector<uint8_t> b, uint16_t w, uint16_t h) {
    for (size_t i = 2; i + 9 < b.size(); ++i)
        if (b[i] == 0xFF && (b[i + 1] == 0xC0 || b[i + 1] == 0xC2)) {
            b[i + 5] = uint8_t(h >> 8), b[i + 6] = uint8_t(h);
            b[i + 7] = uint8_t(w >> 8), b[i + 8] = uint8_t(w);
            return b;
        }
    ADD_FAILURE() << "no frame header";
    return b;
}
} // namespace

TEST(Png, RoundTripIsExactWithAlpha) {
    Image img = Gradient(13, 7);
    img.Set(3, 2, Rgba{1, 2, 3, 40});
    auto bytes = EncodePng(img);
    Image back = ReadImage(bytes.data(), bytes.size(), "x.png");
    ASSERT_EQ(back.Width(), 13);
    ASSERT_EQ(back.Height(), 7);
    EXPECT_EQ(std::memcmp(back.Data(), img.Data(), img.ByteSize()), 0);
}

TEST(Jpeg, RoundTripIsClose) {
    Image img = Gradient(32, 16);
    auto bytes = EncodeJpeg(img, 95);
    Image back = ReadJpeg(bytes.data(), bytes.size(), "x.jpg");
    ASSERT_EQ(back.Width(), 32);
    ASSERT_EQ(back.Height(), 16);
    for (int y = 0; y < 16; y += 5)
        for (int x = 0; x < 32; x += 7) {
            Rgba a = img.At(x, y), b = back.At(x, y);
            EXPECT_LE(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), 24) << x << "," << y;
            EXPECT_EQ(b.a, 255);
        }
}

TEST(Jpeg, BadFilesRaiseErrorsNamingTheFile) {
    auto good = EncodeJpeg(Gradient(16, 16));
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"signature only", {0xFF, 0xD8, 0xFF}},
        {"garbage after the signature", {0xFF, 0xD8, 0xFF, 0x12, 0x34, 0x56, 0x00, 0x00, 0x9A}},
        {"truncated header", std::vector<uint8_t>(good.begin(), good.begin() + 40)},
        {"huge size in a small file", WithJpegSize(good, 65000, 65000)},
        {"zero width", WithJpegSize(good, 0, 16)},
    };
    for (auto& c : cases) {
        try {
            ReadJpeg(c.bytes.data(), c.bytes.size(), "tex/broken.jpg");
            ADD_FAILURE() << c.what << ": no error";
        } catch (const ZwError& e) {
            EXPECT_TRUE(dynamic_cast<const EConvertError*>(&e) || dynamic_cast<const EInOutError*>(&e)) << c.what;
            EXPECT_NE(std::string(e.what()).find("tex/broken.jpg"), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

TEST(Images, ReadImageChoosesByContentAndFilesRoundTrip) {
    auto dir = std::filesystem::temp_directory_path() / "zw_image_test";
    std::filesystem::create_directories(dir);
    Image img = Gradient(9, 5);
    WriteBmp24File((dir / "a.bmp").string(), img);
    WritePngFile((dir / "a.png").string(), img);
    WriteJpegFile((dir / "a.jpg").string(), img);
    for (const char* f : {"a.bmp", "a.png", "a.jpg"}) {
        Image back = ReadImageFile((dir / f).string());
        EXPECT_EQ(back.Width(), 9) << f;
        EXPECT_EQ(back.Height(), 5) << f;
    }
    // A .jpg that is really a BMP is read by what it holds.
    std::filesystem::copy_file(dir / "a.bmp", dir / "b.jpg", std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(ReadImageFile((dir / "b.jpg").string()).At(4, 2), img.At(4, 2));
    EXPECT_THROW(ReadImageFile((dir / "missing.bmp").string()), EInOutError);
    const uint8_t junk[] = "GIF89a";
    EXPECT_THROW(ReadImage(junk, sizeof junk, "j.gif"), EConvertError);
    std::filesystem::remove_all(dir);
}

TEST(Images, CopyRectClipsToBothPictures) {
    Image dst(4, 4, Rgba{0, 0, 0, 255}), src(3, 3, Rgba{9, 9, 9, 255});
    dst.CopyRect(2, 2, src, 0, 0, 3, 3);
    EXPECT_EQ(dst.At(3, 3).r, 9);
    EXPECT_EQ(dst.At(1, 1).r, 0);
    dst.CopyRect(-1, -1, src, 1, 1, 5, 5);
    EXPECT_EQ(dst.At(0, 0).r, 9);
    EXPECT_EQ(dst.At(2, 0).r, 0); // source column 4 does not exist
}

TEST(Jpeg, InputsThatOnceBrokeTheDecoderAreRefused) {
    // Found by fuzz_jpeg: a Huffman table segment claiming more bytes than the
    // file has, with code counts over 256, overran the decoder's tables.
    // And by fuzz_png: an empty image data chunk made the decoder copy from nowhere.
    for (const char* f : {"jpeg_huffman_overrun.jpg", "png_empty_idat.png"}) {
        std::string path = std::string(ZW_TEST_DIR) + "/format/fixtures/" + f;
        try {
            ReadImageFile(path);
            ADD_FAILURE() << f << ": no error";
        } catch (const EConvertError& e) {
            EXPECT_NE(std::string(e.what()).find(f), std::string::npos) << e.what();
        }
    }
    // A table whose counts add up past 256 inside a well-formed segment.
    auto good = EncodeJpeg(Gradient(8, 8));
    for (size_t i = 2; i + 21 < good.size(); ++i)
        if (good[i] == 0xFF && good[i + 1] == 0xC4) {
            for (size_t k = 0; k < 16; ++k) good[i + 5 + k] = 0x20;
            break;
        }
    EXPECT_THROW(ReadJpeg(good.data(), good.size(), "dht.jpg"), EConvertError);
}
