#include "boards/TWyswietlacze.h"

#include "util/Errors.h"
#include "util/Paths.h"

#include <algorithm>
#include <memory>

namespace zw {
namespace {

std::string_view AsText(const std::vector<uint8_t>& bytes) {
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

enum Placement { Left, Centred, Right };

} // namespace

// Pastes plywood letters from the font strips, each strip read once per board.
class TWyswietlacze::StripPaster : public PlywoodTarget {
public:
    explicit StripPaster(Bitmap8& board) : board_(board) {}
    void PasteLetter(char font, int srcX, int width, int left, int top, int height) override {
        int f = FontIndex(font);
        if (f == 0) return;
        auto& strip = strips_[size_t(f)];
        if (!strip) {
            std::string name = "tab\\elementy\\dykta" + std::to_string(FontHeight(font)) + ".bmp";
            strip = std::make_unique<Bitmap8>(ReadBmp8File(AppPath(name)));
        }
        // A table wider than its strip copies only what the strip has.
        width = std::min(width, strip->Width() - srcX);
        if (width > 0) board_.CopyRect(left, top, *strip, srcX, 0, width, std::min(height, strip->Height()));
    }

private:
    Bitmap8& board_;
    std::array<std::unique_ptr<Bitmap8>, BoardFontCount + 1> strips_;
};

TWyswietlacze::TWyswietlacze() { FormCreate(); }

void TWyswietlacze::Wczytaj() {
    const BoardLineLog* log = Log ? &Log : nullptr;
    for (int f = 1; f <= BoardFontCount; ++f) {
        std::string name = "tab\\matryce\\matryca" + std::to_string(FontHeight(FontLetter(f))) + ".csv";
        Fonty.ReadMatryca(AsText(ReadFileBytes(name)), name, f, log);
    }
    std::string dykta = "tab\\matryce\\dykta.csv";
    Fonty.ReadDykta(AsText(ReadFileBytes(dykta)), dykta, log);
    std::string unlitPrefix = Autobus.Diody.empty() ? std::string() : Autobus.Diody.substr(0, 1);
    DiodaZapalona = ReadBmp8File(AppPath("tab\\elementy\\" + Autobus.Diody + "off.bmp"));
    DiodaZgaszona = ReadBmp8File(AppPath("tab\\elementy\\" + unlitPrefix + "cloff.bmp"));
}

void TWyswietlacze::WczytajBusa() {
    std::string path = AppPath("model\\" + BusFolder + "\\" + TextureSet + "\\wysw.bus");
    ReadWyswBus(AsText(ReadFileBytes(path)), path, Autobus, Log ? &Log : nullptr);
}

void TWyswietlacze::WczytajLinie() {
    Linia.Numer = LowerBoardText(Teksty.LineNumber);
    for (int d = 1; d <= 5; ++d) {
        const TKierunek& k = Teksty.Kierunek(d);
        auto& e = Linia.Teksty[size_t(d)];
        e = {};
        e[0].Tekst = LowerBoardText(k.Linia1);
        e[1].Tekst = LowerBoardText(k.Linia2);
        for (int p = 0; p < 4; ++p) e[size_t(2 + p)].Tekst = LowerBoardText(k.Punkty[size_t(p)]);
        switch (k.Rodzaj) {
        case RodzajTwoLines: e[0].Czcionka = 5, e[1].Czcionka = 5; break;
        case RodzajFirstLarger: e[0].Czcionka = 4, e[1].Czcionka = 6; break;
        case RodzajSecondLarger: e[0].Czcionka = 6, e[1].Czcionka = 4; break;
        default: e[0].Czcionka = 2, e[1].Czcionka = 7; break;
        }
    }
}

void TWyswietlacze::WczytajTablice(const std::string& path) {
    ReadBoardDefinition(AsText(ReadFileBytes(path)), path, Tablica, Log ? &Log : nullptr);
    ZerujTablice();
}

int TWyswietlacze::Place(BoardCanvas& canvas, int how, const char* what, const std::string& text, int x,
                         int top, int bottom, int width, char font) {
    char t = Tablica.Typ;
    char chosen = Fonty.Zmiesc(text, width, font, t);
    if (how == Centred && chosen != 'f' && Fonty.TextWidth(text, chosen, t) >= width) chosen = 'f';
    Ostatnia.Placements.push_back({what, text, chosen});
    switch (how) {
    case Left: return WstawTekstLewo(canvas, text, x, top, bottom, width, font, t);
    case Centred: WstawTekstSrodek(canvas, text, x, top, bottom, width, font, t); return x;
    default: return WstawTekstPrawo(canvas, text, x, top, bottom, width, font, t);
    }
}

void TWyswietlacze::Layout(BoardCanvas& canvas) {
    const char uklad = Tablica.Uklad;
    const int u = Tablica.Typ == 'm' ? 1 : 8;
    const int W = Tablica.Szerokosc * u;
    const int R = Tablica.Wysokosc;
    int x = 1;
    // A direction outside 1..5 has no texts (entry 0 stays empty).
    const auto& texts = Linia.Teksty[NrKierunku >= 1 && NrKierunku <= 5 ? size_t(NrKierunku) : 0];
    const TLinijka& L1 = texts[0];
    const TLinijka& L2 = texts[1];
    const char F1 = Tablica.Czcionka(L1.Czcionka);
    const char F2 = Tablica.Czcionka(L2.Czcionka);

    if (uklad == 'g') {
        Place(canvas, Centred, "line number", Linia.Numer, 1, 1, R, W, Tablica.Czcionka(1));
        return;
    }
    if (uklad == 'a' || uklad == 'b' || uklad == 'c')
        x = Place(canvas, Left, "line number", Linia.Numer, 1, 1, R, W, Tablica.Czcionka(1));
    const int space = W - x + 1;
    if (uklad == 'a' || uklad == 'd') {
        if (L2.Czcionka == 7) {
            Place(canvas, Centred, "destination", L1.Tekst, x, 1, R, space, F1);
        } else if (F1 == 'f' && F2 == 'f') {
            // No two-line fonts on this board: both lines on one if they fit at font e.
            std::string s = L1.Tekst + " " + L2.Tekst;
            if (Fonty.TextWidth(s, 'e', Tablica.Typ) > space) s = L1.Tekst;
            Place(canvas, Centred, "destination", s, x, 1, R + 1, space, Tablica.Czcionka(2));
        } else {
            const int B = F2 == 'f' ? R : (F1 == 'f' ? -1 : FontHeight(F1));
            Place(canvas, Centred, "first line", L1.Tekst, x, 1, B + 1, space, F1);
            if (F2 != 'f') Place(canvas, Centred, "second line", L2.Tekst, x, B + 2, R, space, F2);
        }
        return;
    }
    std::string s = L1.Czcionka < 6 ? L1.Tekst : std::string();
    if (L2.Czcionka < 6) s += (s.empty() ? "" : " ") + L2.Tekst;
    Place(canvas, Right, "destination", s, W, R / 2 + 1, R, 2 * space / 3, Tablica.Czcionka(5));
}

void TWyswietlacze::KreujTablice(const TTablice& board) {
    Wczytaj();
    WczytajLinie();
    WczytajTablice("tab\\tablice\\" + board.Nazwa + ".tab");
    Bitmap8 bitmap(Tablica.Szerokosc * 8, Tablica.Wysokosc * 8);
    Ostatnia = {};
    Ostatnia.File = OutputDir + board.Plik + std::to_string(NrKierunku) + ".bmp";
    Ostatnia.Width = bitmap.Width();
    Ostatnia.Height = bitmap.Height();
    Ostatnia.Typ = Tablica.Typ;
    Ostatnia.Uklad = Tablica.Uklad;

    StripPaster strips(bitmap);
    BoardCanvas canvas{Fonty, Tablica.Matryca, Tablica.Typ == 'm' ? nullptr : &strips};
    Layout(canvas);
    if (Tablica.Typ == 'm') RysujPunkty(bitmap);
    WriteBmp8File(Ostatnia.File, bitmap);
}

void TWyswietlacze::RysujPunkty(Bitmap8& bitmap) const {
    for (int c = 1; c <= Tablica.Szerokosc; ++c)
        for (int r = 1; r <= Tablica.Wysokosc; ++r) {
            const Bitmap8& tile = Tablica.Matryca.Lit(c, r) ? DiodaZapalona : DiodaZgaszona;
            bitmap.CopyRect((c - 1) * 8, (r - 1) * 8, tile, 0, 0, 8, 8);
        }
}

std::vector<BoardReport> TWyswietlacze::DrawAllDirections() {
    std::vector<BoardReport> written;
    WczytajBusa();
    for (int n = 1; n <= 5; ++n) {
        NrKierunku = n;
        for (const TTablice& board : Autobus.Tablice) {
            KreujTablice(board);
            written.push_back(Ostatnia);
        }
    }
    return written;
}

void TWyswietlacze::BtnTablClick() {
    WczytajBusa();
    for (const TTablice& board : Autobus.Tablice) KreujTablice(board);
}

} // namespace zw
