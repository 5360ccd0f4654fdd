// BMP readers (true colour and 8-bit palette) on arbitrary bytes: an error is
// fine, a crash, a hang or a read outside the input is not.
#include "platform/format/Bitmap8.h"
#include "platform/format/Image.h"
#include "util/Errors.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        zw::Image img = zw::ReadBmp(data, size, "fuzz.bmp");
        (void)img.At(img.Width() - 1, img.Height() - 1);
    } catch (const zw::ZwError&) {
    }
    try {
        zw::Bitmap8 b = zw::ReadBmp8(data, size, "fuzz.bmp");
        (void)b.At(0, 0);
    } catch (const zw::ZwError&) {
    }
    return 0;
}
