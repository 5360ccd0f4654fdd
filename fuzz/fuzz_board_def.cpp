// Board definitions, wysw.bus and the route's board texts from arbitrary
// bytes; a definition that reads is sized and drawn into.
#include "boards/BoardSetFiles.h"
#include "boards/BoardText.h"
#include "boards/RouteBoardTexts.h"
#include "util/Errors.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        zw::TAutobus bus;
        zw::ReadWyswBus(bytes, "wysw.bus", bus);
    } catch (const zw::ZwError&) {
    }
    try {
        zw::RouteBoardTexts texts;
        zw::ReadRouteBoardTexts(bytes, "route.rs1", texts);
    } catch (const zw::ZwError&) {
    }
    try {
        zw::TTablica board;
        zw::ReadBoardDefinition(bytes, "board.tab", board);
        static zw::TBoardFonts fonts;
        for (int f = 1; f <= zw::BoardFontCount; ++f)
            for (int g = 1; g <= zw::BoardGlyphCount; ++g)
                for (int r = 1; r <= zw::BoardMaxRows; ++r) fonts.Matryce[size_t(f)][size_t(g)][size_t(r)] = uint32_t(g * 7 + r);
        zw::BoardCanvas canvas{fonts, board.Matryca, nullptr};
        int w = board.Szerokosc, h = board.Wysokosc;
        int x = zw::WstawTekstLewo(canvas, "101", 1, 1, h, w, board.Czcionka(1), 'm');
        zw::WstawTekstSrodek(canvas, "dworzec", x, 1, h + 1, w - x + 1, board.Czcionka(2), 'm');
        zw::WstawTekstPrawo(canvas, "a b", w, h / 2 + 1, h, 2 * (w - x + 1) / 3, board.Czcionka(5), 'm');
    } catch (const zw::ZwError&) {
    }
    return 0;
}
