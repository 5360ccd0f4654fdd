#pragma once
// The board texts a game hands to the board generator: the line number and,
// per direction, two destination lines, how they share the board, and four
// route points. The launcher reads them from the map or route listing.
#include "boards/BoardLines.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zw {

// Rodzaj values: how the two lines of a direction share the board.
enum : uint8_t {
    RodzajTwoLines = 1,
    RodzajFirstLarger = 2,
    RodzajSecondLarger = 3,
    RodzajOneLine = 4,
};

struct TKierunek {
    std::string Linia1;
    std::string Linia2;
    uint8_t Rodzaj = RodzajTwoLines;
    std::array<std::string, 4> Punkty;
};

struct RouteBoardTexts {
    std::string LineNumber;            // the launcher's edLinia
    std::array<TKierunek, 5> Kierunki; // Kierunki[d - 1] is direction d

    TKierunek& Kierunek(int d) { return Kierunki[size_t(d - 1)]; }
    const TKierunek& Kierunek(int d) const { return Kierunki[size_t(d - 1)]; }
};

// Reads the board texts from the lines of a map (.ms1) or route (.rs1)
// listing. The directions start as two empty lines; the line number keeps
// its value unless an "LN" line sets it. Keys are tested one after another
// on the same line, each on what the previous match left (a match replaces
// the line by its value, the text after its first blank). On an error
// (EConvertError for a "D" value that is not a number, naming file and line)
// texts is left as it was.
void ReadRouteBoardTexts(std::string_view bytes, const std::string& name, RouteBoardTexts& texts,
                         const BoardLineLog* log = nullptr);
// The same from a file (path relative to the current directory, backslashes
// allowed); EInOutError when it cannot be read.
void ReadRouteBoardTextsFile(const std::string& path, RouteBoardTexts& texts,
                             const BoardLineLog* log = nullptr);

} // namespace zw
