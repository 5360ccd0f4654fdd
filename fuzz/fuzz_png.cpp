// The PNG reader (texture files may be PNG too) on arbitrary bytes: an error is fine, a crash, a hang or an
// allocation the input cannot justify is not.
#include "platform/format/Image.h"
#include "util/Errors.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        zw::Image img = zw::ReadPng(data, size, "fuzz.png");
        (void)img.At(0, 0);
    } catch (const zw::ZwError&) {
    }
    return 0;
}
