#pragma once
// The board generator: draws every destination board of the chosen bus for a
// route direction and saves each as an 8-bit bitmap the board console shows.
//
// The game hands over the launcher's choice (BusFolder, TextureSet, Teksty),
// then calls WczytajBusa once and, for NrKierunku 1 to 5, KreujTablice for
// every board of Autobus in order (DrawAllDirections does exactly that).
#include "boards/BoardSetFiles.h"
#include "boards/BoardText.h"
#include "boards/RouteBoardTexts.h"
#include "boards/TBoardFonts.h"
#include "platform/format/Bitmap8.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zw {

// One text of a board and the font slot it uses (7: not shown).
struct TLinijka {
    std::string Tekst;
    uint8_t Czcionka = 7;
};

// Per direction 1..5: entry 0 the first line, 1 the second, 2..5 the route points.
using TTeksty = std::array<std::array<TLinijka, 12>, 6>; // [direction][entry]; [0] unused

struct TLinia {
    std::string Numer;
    TTeksty Teksty;
};

// What one KreujTablice wrote, for tools and logs.
struct BoardReport {
    struct Placement {
        std::string What; // "line number", "destination", "first line", "second line"
        std::string Text;
        char Font = 'f'; // the font drawn with; "f" when nothing was drawn
    };
    std::string File;
    int Width = 0;
    int Height = 0;
    char Typ = 'm';
    char Uklad = 'g';
    std::vector<Placement> Placements;
};

class TWyswietlacze {
public:
    TWyswietlacze(); // FormCreate

    // Handed over by the launcher before a game.
    std::string BusFolder;
    std::string TextureSet;
    RouteBoardTexts Teksty; // edLinia and Kierunki
    // Set by the board console (not read).
    std::string LineFile;
    // Where KreujTablice writes, relative to the current directory.
    std::string OutputDir = "tab\\";
    // Receives every line the generator reads; empty logs nothing.
    BoardLineLog Log;

    TAutobus Autobus;
    TTablica Tablica;
    TLinia Linia;
    int32_t NrKierunku = 1;
    TBoardFonts Fonty;
    Bitmap8 DiodaZapalona; // lit dot tile
    Bitmap8 DiodaZgaszona; // unlit dot tile
    BoardReport Ostatnia;  // the board KreujTablice drew last

    // Font routines.
    static std::string Dekoduj(uint32_t n) { return zw::Dekoduj(n); }
    static int Znak(unsigned char c) { return zw::Znak(c); }
    int Dlugosc(unsigned char c, char font, char t) const { return Fonty.Dlugosc(c, font, t); }
    int Odstep(char font, char t) const { return Fonty.Odstep(font, t); }
    char Zmiesc(std::string_view text, int width, char font, char t) const {
        return Fonty.Zmiesc(text, width, font, t);
    }
    static int Srodek(int rows, char font) { return TBoardFonts::Srodek(rows, font); }
    // Loads the five dot-matrix fonts, dykta.csv and the two dot tiles.
    void Wczytaj();

    // Board sets.
    void WczytajBusa();
    void WczytajLinie();
    void WczytajTablice(const std::string& path);
    void ZerujTablice() { Tablica.Matryca.Clear(); }
    // Draws one board for NrKierunku and saves it as OutputDir + Plik + NrKierunku + ".bmp".
    void KreujTablice(const TTablice& board);
    void RysujPunkty(Bitmap8& bitmap) const;

    // WczytajBusa, then every board for directions 1 to 5 (the game's loop).
    // Returns what was written; an error stops it, the boards saved before stay.
    std::vector<BoardReport> DrawAllDirections();

    // The window's own controls.
    void FormCreate() { NrKierunku = 1; }
    void RadioButton1Click() { NrKierunku = 1; }
    void RadioButton2Click() { NrKierunku = 2; }
    void BtnTablClick();

private:
    class StripPaster;
    void Layout(BoardCanvas& canvas);
    int Place(BoardCanvas& canvas, int how, const char* what, const std::string& text, int x, int top,
              int bottom, int width, char font);
};

} // namespace zw
