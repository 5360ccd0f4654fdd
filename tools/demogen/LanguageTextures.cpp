// Language textures: the English board console, whose buttons are labelled
// in English (the common one in Textures\ is labelled in Polish). The layout
// is the common console's: screen at the top, three buttons at y 61, the
// power lamp at (364, 27), so the HUD places its texts the same way.
#include "DemoPart.h"
#include "Painter.h"

namespace demogen {
namespace {

void Button(Painter& p, int cx, int cy, const char* label) {
    p.FillRect(cx - 44, cy - 10, 88, 20, Color(60, 64, 72));
    p.StrokeRect(cx - 44, cy - 10, 88, 20, 1, Color(120, 126, 138));
    p.FillRect(cx - 43, cy - 9, 86, 3, Color(90, 96, 108));
    p.Text(cx, cy + 5, label, 11, Color(230, 230, 230), Font::SansBold, Align::Center);
}

void EnglishConsole(const std::string& dir) {
    Painter p(400, 75, Color(34, 36, 42));
    p.VerticalGradient(0, 0, 400, 75, Color(52, 55, 62), Color(26, 28, 33));
    p.StrokeRect(0, 0, 400, 75, 2, Color(12, 12, 14));
    p.FillRect(10, 3, 320, 42, Color(10, 10, 10));
    p.VerticalGradient(13, 5, 314, 38, Color(170, 200, 120), Color(140, 175, 95));
    for (int y = 5; y < 43; y += 2) p.FillRect(13, y, 314, 1, Color(0, 0, 0, 12));
    Button(p, 63, 61, "< DIR");
    Button(p, 163, 61, "DIR >");
    Button(p, 265, 61, "BLANK");
    p.FillCircle(364, 27, 17, Color(20, 20, 22));
    p.Ring(364, 27, 17, 2, Color(110, 115, 125));
    p.Text(364, 60, "POWER", 9, Color(200, 200, 200), Font::SansBold, Align::Center);
    p.SaveBmp(dir, "Languages\\English\\Textures\\sterownik.bmp");
}

PartRegistrar reg("language-textures", &EnglishConsole);

} // namespace
} // namespace demogen
