#include "tools/demogen/ConsolePicture.h"

namespace demogen {

namespace {
void ConsoleButton(Painter& p, int cx, int cy, const char* label) {
    p.FillRect(cx - 44, cy - 10, 88, 20, Color(60, 64, 72));
    p.StrokeRect(cx - 44, cy - 10, 88, 20, 1, Color(120, 126, 138));
    p.FillRect(cx - 43, cy - 9, 86, 3, Color(90, 96, 108));
    p.Text(cx, cy + 5, label, 11, Color(230, 230, 230), Font::SansBold, Align::Center);
}
} // namespace

Painter ConsolePicture(const char* previous, const char* next, const char* blank) {
    Painter p(400, 75, Color(34, 36, 42));
    p.VerticalGradient(0, 0, 400, 75, Color(52, 55, 62), Color(26, 28, 33));
    p.StrokeRect(0, 0, 400, 75, 2, Color(12, 12, 14));
    p.FillRect(10, 3, 320, 42, Color(10, 10, 10));
    p.VerticalGradient(13, 5, 314, 38, Color(170, 200, 120), Color(140, 175, 95));
    for (int y = 5; y < 43; y += 2)
        p.FillRect(13, y, 314, 1, Color(0, 0, 0, 12));
    ConsoleButton(p, 63, 61, previous);
    ConsoleButton(p, 163, 61, next);
    ConsoleButton(p, 265, 61, blank);
    p.FillCircle(364, 27, 17, Color(20, 20, 22));
    p.Ring(364, 27, 17, 2, Color(110, 115, 125));
    p.Text(364, 60, "POWER", 9, Color(200, 200, 200), Font::SansBold, Align::Center);
    return p;
}

} // namespace demogen
