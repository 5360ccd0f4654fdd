#include "boards/BoardSetFiles.h"

#include "util/Errors.h"

namespace zw {
namespace {

int NextCount(BoardLineReader& in, const char* what, int lo, int hi) {
    int v = in.NextInt(what);
    if (v < lo || v > hi)
        throw ERangeError(in.Where() + std::to_string(v) + " is outside " + std::to_string(lo) + " to " +
                          std::to_string(hi) + " (" + what + ")");
    return v;
}

} // namespace

void ReadWyswBus(std::string_view bytes, const std::string& name, TAutobus& bus, const BoardLineLog* log) {
    BoardLineReader in(bytes, name, log);
    TAutobus b;
    b.Opis = std::string(in.Next("the description line"));
    in.Ok();
    b.Diody = std::string(in.Next("the dot-tile prefix"));
    in.Ok();
    b.Ile = NextCount(in, "the number of boards", 0, MaxBusBoards);
    if (in.LinesLeft() < 2 * b.Ile)
        throw EInOutError(name + ": " + std::to_string(b.Ile) + " boards need " + std::to_string(2 * b.Ile) +
                          " more lines, the file has " + std::to_string(in.LinesLeft()));
    b.Tablice.resize(size_t(b.Ile));
    for (TTablice& t : b.Tablice) {
        t.Nazwa = std::string(in.Next("a board definition name"));
        in.Ok();
        t.Plik = std::string(in.Next("an output prefix"));
        in.Ok();
    }
    bus = std::move(b);
}

void ReadBoardDefinition(std::string_view bytes, const std::string& name, TTablica& board,
                         const BoardLineLog* log) {
    BoardLineReader in(bytes, name, log);
    char typ = in.NextChar("the board kind");
    char uklad = in.NextChar("the layout letter");
    int columns = NextCount(in, "the width", 1, MaxBoardColumns);
    int rows = NextCount(in, "the height", 1, MaxBoardRows);
    char fonts[7] = {'f', 'f', 'f', 'f', 'f', 'f', 'f'};
    for (int s = 1; s <= 6; ++s) fonts[s] = in.NextChar("a font letter");
    board.Typ = typ;
    board.Uklad = uklad;
    board.Szerokosc = columns;
    board.Wysokosc = rows;
    for (int s = 0; s < 7; ++s) board.Czcionki[s] = fonts[s];
    board.Matryca.Resize(columns, rows);
}

} // namespace zw
