#pragma once
// The board console's picture, one layout for every language: the screen at
// the top (two lines at y 8 and 24, a clock at x 245), three buttons at
// x 63, 163, 265 and y 61, the power lamp at (364, 27). Only the button
// labels differ between languages.
#include "tools/demogen/Painter.h"

namespace demogen {

Painter ConsolePicture(const char* previous, const char* next, const char* blank);

} // namespace demogen
