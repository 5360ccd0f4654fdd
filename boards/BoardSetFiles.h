#pragma once
// The bus's board list ("wysw.bus") and the board definitions (".tab").
#include "boards/BoardLines.h"
#include "boards/TTabl.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

// One board of the bus.
struct TTablice {
    std::string Nazwa; // board definition name
    std::string Plik;  // prefix of the output file
};

// The bus's board list.
struct TAutobus {
    std::string Opis;              // first line, not interpreted
    std::string Diody;             // dot-tile prefix
    int32_t Ile = 0;               // number of boards
    std::vector<TTablice> Tablice; // Tablice[i - 1] is board i
};

// One board definition.
struct TTablica {
    char Typ = 'm';   // "m" dot matrix, anything else plywood
    char Uklad = 'g'; // layout letter
    int32_t Wysokosc = 0;
    int32_t Szerokosc = 0;
    char Czcionki[7] = {'f', 'f', 'f', 'f', 'f', 'f', 'f'}; // slots 1..6; [0] unused
    TTabl Matryca;

    // The font letter of slot 1..6; "f" (no font) for slot 7 and anything else.
    char Czcionka(int slot) const { return slot >= 1 && slot <= 6 ? Czcionki[slot] : 'f'; }
};

// Boards and dots a definition may have: far beyond any bus, small enough
// that a bad file cannot ask for gigabytes.
constexpr int MaxBoardColumns = 1024;
constexpr int MaxBoardRows = 256;
constexpr int MaxBusBoards = 1000;

void ReadWyswBus(std::string_view bytes, const std::string& name, TAutobus& bus,
                 const BoardLineLog* log = nullptr);
// Fills the definition and sizes and clears its matrix.
void ReadBoardDefinition(std::string_view bytes, const std::string& name, TTablica& board,
                         const BoardLineLog* log = nullptr);

} // namespace zw
