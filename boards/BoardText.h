#pragma once
// Placing texts on a board: one character, and a text left-aligned, centred
// or right-aligned in a band of rows. Dot-matrix boards draw into the dot
// matrix; plywood boards paste letter images into the board bitmap.
#include "boards/TBoardFonts.h"
#include "boards/TTabl.h"

#include <string_view>

namespace zw {

// Receives the letter pastes of a plywood board.
class PlywoodTarget {
public:
    virtual ~PlywoodTarget() = default;
    // Copies the strip of font, pixel columns srcX..srcX+width-1 and rows
    // 0..height-1, to the board bitmap with its top-left pixel at (left, top).
    virtual void PasteLetter(char font, int srcX, int width, int left, int top, int height) = 0;
};

struct BoardCanvas {
    const TBoardFonts& fonts;
    TTabl& matrix;
    PlywoodTarget* plywood = nullptr; // plywood boards only
};

// One character with its top-left at (x, row); nothing for a character without a glyph.
void WstawZnak(BoardCanvas& canvas, unsigned char c, int x, int row, char font, char t);
// Returns the position one gap beyond the last character (x when nothing fits).
int WstawTekstLewo(BoardCanvas& canvas, std::string_view text, int x, int top, int bottom, int width,
                   char font, char t);
void WstawTekstSrodek(BoardCanvas& canvas, std::string_view text, int x, int top, int bottom, int width,
                      char font, char t);
// Returns the position just left of the text; the text ends one gap short of right.
int WstawTekstPrawo(BoardCanvas& canvas, std::string_view text, int right, int top, int bottom, int width,
                    char font, char t);

} // namespace zw
