// The 3DS reader on arbitrary bytes; what it reads must write again.
#include "platform/format/ThreeDs.h"
#include "util/Errors.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        zw::ThreeDsFile f = zw::Read3ds(data, size, "fuzz.3ds");
        std::vector<uint8_t> again = zw::Encode3ds(f);
        if (!(zw::Read3ds(again.data(), again.size(), "again.3ds") == f)) std::abort();
    } catch (const zw::ZwError&) {
    }
    return 0;
}
