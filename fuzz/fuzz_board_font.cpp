// Board font tables from arbitrary bytes: the dot-matrix reader for the
// tallest and the smallest font, dykta.csv, then texts measured and placed
// with whatever was read.
#include "boards/BoardText.h"
#include "util/Errors.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {
struct NullPlywood : zw::PlywoodTarget {
    void PasteLetter(char, int, int, int, int, int) override {}
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static zw::TBoardFonts fonts;
    for (int font : {1, 5}) {
        try {
            fonts.ReadMatryca(bytes, "fuzz.csv", font);
        } catch (const zw::ZwError&) {
        }
    }
    try {
        fonts.ReadDykta(bytes, "dykta.csv");
    } catch (const zw::ZwError&) {
    }
    zw::TTabl m;
    m.Resize(24, 16);
    NullPlywood plywood;
    zw::BoardCanvas canvas{fonts, m, &plywood};
    std::string_view text = bytes.substr(0, 40);
    for (char t : {'m', 'p'})
        for (char font : {'a', 'c', 'e', 'f'}) {
            zw::WstawTekstLewo(canvas, text, 1, 1, 16, 24, font, t);
            zw::WstawTekstSrodek(canvas, text, -3, 2, 9, 30, font, t);
            zw::WstawTekstPrawo(canvas, text, 24, 9, 16, 16, font, t);
        }
    return 0;
}
