// The HUD's pictures: dial faces and needles, door, engine and lamp icons,
// the navigation arrow, the fuel gauge, the counter strip, the progress bar
// and the board console. Additive pictures are painted on black (black adds
// nothing); the others carry their own background.
#include "tools/demogen/ConsolePicture.h"
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Painter.h"

#include <cmath>
#include <string>

namespace demogen {
namespace {

const Color kBlack{0, 0, 0};
const Color kWhite{255, 255, 255};
const Color kDialInk{225, 235, 255};
const Color kDialRed{255, 70, 40};

// Direction on screen of an angle measured counter-clockwise from straight up.
void Polar(double cx, double cy, double deg, double r, double& x, double& y) {
    double a = deg * M_PI / 180.0;
    x = cx - std::sin(a) * r;
    y = cy - std::cos(a) * r;
}

// One round dial drawn k times the HUD's size: ticks from angle a0 (value 0)
// clockwise to a1 (value vmax), a label every `labelStep`, red from `redFrom`.
void Dial(Painter& p, double k, double cx, double cy, double r, double a0, double a1, double vmax,
          double minorStep, double labelStep, double labelDiv, double redFrom, const char* caption) {
    cx *= k;
    cy *= k;
    r *= k;
    p.Ring(cx, cy, r + 3 * k, 1.2 * k, Scale(kDialInk, 0.55));
    for (double v = 0; v <= vmax + 1e-6; v += minorStep) {
        double deg = a0 + (a1 - a0) * v / vmax;
        bool major = std::fmod(v + 1e-6, labelStep) < 1e-3;
        double x0, y0, x1, y1;
        Polar(cx, cy, deg, r, x0, y0);
        Polar(cx, cy, deg, r - (major ? 7 : 4) * k, x1, y1);
        Color c = v >= redFrom ? kDialRed : kDialInk;
        p.Line(x0, y0, x1, y1, (major ? 1.8 : 1.0) * k, c);
        if (major) {
            double lx, ly;
            Polar(cx, cy, deg, r - 12.5 * k, lx, ly);
            p.Text(int(lx), int(ly + 4 * k), std::to_string(int(std::lround(v / labelDiv))), int(7.5 * k), c,
                   Font::CondensedBold, Align::Center);
        }
    }
    p.Text(int(cx), int(cy + 17 * k), caption, int(6 * k), Scale(kDialInk, 0.8), Font::Condensed,
           Align::Center);
    p.FillCircle(cx, cy, 3.5 * k, Scale(kDialInk, 0.7));
}

void DialFaces(const std::string& dir) {
    // 270 x 90 on screen, painted at twice that; the needles turn about
    // (40, 57) and (222, 57). Speed needle: 130 - 8 * m/s degrees (counter-
    // clockwise from up); engine needle: 100 - 0.07 * rpm.
    const double k = 2;
    Painter p(540, 180, kBlack);
    Dial(p, k, 40, 57, 30, 130, 130 - 8 * 120 / 3.6, 120, 5, 20, 1, 1000, "km/h");
    Dial(p, k, 222, 57, 30, 100, 100 - 0.07 * 3000, 3000, 100, 500, 100, 2500, "x100 1/min");
    p.Text(262, 80, "ZWOLTA", 26, Scale(kDialInk, 0.75), Font::SansBold, Align::Center);
    p.Text(262, 108, "city", 18, Scale(kDialInk, 0.5), Font::Sans, Align::Center);
    p.Line(176, 126, 352, 126, 2, Scale(kDialInk, 0.3));
    p.SaveBmp(dir, "Textures\\zegary.bmp");
}

void Needle(const std::string& dir) {
    // 8 x 64, pivot in the middle: only the upper half is drawn.
    Painter p(16, 128, kBlack);
    p.FillPolygon({8, 4, 10.5, 64, 8, 70, 5.5, 64}, Color(255, 120, 40));
    p.FillPolygon({8, 10, 9.2, 62, 6.8, 62}, Color(255, 230, 180));
    p.FillCircle(8, 64, 4, Color(160, 160, 170));
    p.SaveBmp(dir, "Textures\\sk.bmp");
}

// A 32 x 32 icon drawn at 64 x 64 on black (additive) or on a panel.
Painter Icon(Color bg) {
    Painter p(64, 64, bg);
    return p;
}

void DoorIcon(const std::string& dir, bool open) {
    Painter p = Icon(kBlack);
    Color c = open ? Color(80, 255, 90) : Color(90, 110, 130);
    p.StrokeRect(14, 8, 36, 50, 3, c);
    if (open) {
        p.FillPolygon({17, 11, 30, 16, 30, 52, 17, 55}, Scale(c, 0.7));
        p.FillPolygon({47, 11, 34, 16, 34, 52, 47, 55}, Scale(c, 0.7));
    } else {
        p.FillRect(17, 11, 14, 44, Scale(c, 0.6));
        p.FillRect(33, 11, 14, 44, Scale(c, 0.6));
        p.Line(32, 11, 32, 55, 2, c);
    }
    p.SaveBmp(dir, open ? "Textures\\d_op.bmp" : "Textures\\d_cl.bmp");
}

void EngineIcon(const std::string& dir, bool on) {
    Painter p = Icon(Color(24, 26, 30));
    p.StrokeRect(1, 1, 62, 62, 2, Color(70, 74, 82));
    Color c = on ? Color(255, 190, 40) : Color(95, 95, 100);
    // An engine block: body, head, fan and exhaust.
    p.FillRect(16, 24, 30, 22, c);
    p.FillRect(22, 16, 18, 8, c);
    p.FillRect(28, 12, 6, 4, c);
    p.FillRect(46, 28, 6, 14, c);
    p.FillRect(10, 30, 6, 10, c);
    p.FillRect(20, 28, 22, 14, Scale(c, 0.45));
    p.Text(32, 58, on ? "ON" : "OFF", 9, c, Font::SansBold, Align::Center);
    p.SaveBmp(dir, on ? "Textures\\en1.bmp" : "Textures\\en2.bmp");
}

void IndicatorIcon(const std::string& dir, bool on) {
    Painter p = Icon(kBlack);
    Color c = on ? Color(60, 255, 70) : Color(30, 70, 35);
    p.FillPolygon({4, 32, 20, 18, 20, 26, 28, 26, 28, 38, 20, 38, 20, 46}, c);
    p.FillPolygon({60, 32, 44, 18, 44, 26, 36, 26, 36, 38, 44, 38, 44, 46}, c);
    if (on) p.RadialGlow(32, 32, 30, Color(40, 120, 40), 2.0);
    p.SaveBmp(dir, on ? "Textures\\ki_1.bmp" : "Textures\\ki_0.bmp");
}

void HeadlightIcon(const std::string& dir, bool on) {
    Painter p = Icon(kBlack);
    Color c = on ? Color(70, 150, 255) : Color(30, 45, 80);
    // A lamp seen from the side with its beams.
    p.FillPolygon({30, 14, 30, 50, 20, 46, 14, 32, 20, 18}, c);
    for (int i = 0; i < 5; ++i)
        p.Line(36, 18 + i * 7, 56, 18 + i * 7, 3, c);
    p.SaveBmp(dir, on ? "Textures\\mi_1.bmp" : "Textures\\mi_0.bmp");
}

void KneelIcon(const std::string& dir, bool on) {
    Painter p = Icon(kBlack);
    Color c = on ? Color(255, 170, 30) : Color(80, 60, 25);
    // A bus side that leans to the kerb, with an arrow down.
    p.FillPolygon({8, 22, 52, 16, 52, 40, 8, 40}, c);
    p.FillCircle(18, 42, 5, c);
    p.FillCircle(44, 42, 5, c);
    p.Line(58, 12, 58, 48, 3, c);
    p.FillPolygon({52, 44, 64, 44, 58, 54}, c);
    p.SaveBmp(dir, on ? "Textures\\p_1.bmp" : "Textures\\p_0.bmp");
}

void NavArrow(const std::string& dir, bool green) {
    // 26 x 70, pointing up, additive.
    Painter p(52, 140, kBlack);
    Color c = green ? Color(110, 255, 40) : Color(235, 220, 40);
    p.FillPolygon({26, 4, 50, 48, 34, 48, 34, 136, 18, 136, 18, 48, 2, 48}, c);
    p.FillPolygon({26, 18, 40, 42, 28, 42, 28, 130, 24, 130, 24, 42, 12, 42}, Mix(c, kWhite, 0.4));
    p.SaveBmp(dir, green ? "Textures\\sk3_g.bmp" : "Textures\\sk3_y.bmp");
}

void CounterStrip(const std::string& dir) {
    Painter p(540, 40, kBlack);
    p.VerticalGradient(0, 0, 540, 40, Color(38, 52, 78), Color(12, 18, 30));
    p.FillRect(0, 0, 540, 2, Color(120, 150, 200));
    p.FillRect(0, 38, 540, 2, Color(5, 8, 14));
    p.SaveBmp(dir, "Textures\\podklad_napisy.bmp");
}

void FuelGauge(const std::string& dir) {
    // Scale 100 x 12: empty (red) on the left, full (green) on the right.
    Painter s(200, 24, Color(20, 20, 20));
    for (int x = 2; x < 198; ++x) {
        double t = (x - 2) / 195.0;
        Color c = t < 0.5 ? Mix(Color(220, 40, 30), Color(240, 200, 40), t * 2)
                          : Mix(Color(240, 200, 40), Color(60, 200, 60), (t - 0.5) * 2);
        s.FillRect(x, 4, 1, 12, c);
    }
    for (int i = 0; i <= 4; ++i)
        s.FillRect(2 + i * 48, 16, 2, 6, kWhite);
    s.StrokeRect(0, 0, 200, 24, 2, Color(200, 200, 200));
    s.SaveBmp(dir, "Textures\\palskala.bmp");
    Painter n(4, 20, Color(255, 255, 255));
    n.FillRect(0, 0, 4, 4, Color(255, 60, 40));
    n.SaveBmp(dir, "Textures\\palwskaz.bmp");
}

void ProgressBar(const std::string& dir) {
    Painter p(350, 50, kBlack);
    p.VerticalGradient(0, 0, 350, 25, Color(120, 190, 255), Color(40, 110, 220));
    p.VerticalGradient(0, 25, 350, 25, Color(25, 80, 190), Color(40, 120, 230));
    for (int x = 0; x < 350; x += 25)
        p.FillRect(x, 0, 2, 50, Color(255, 255, 255, 60));
    p.StrokeRect(0, 0, 350, 50, 2, Color(200, 230, 255));
    p.SaveBmp(dir, "Textures\\UI\\Progress.bmp");
}

void Console(const std::string& dir) {
    Painter p = ConsolePicture("< KIER", "KIER >", "WYGAS");
    p.SaveBmp(dir, "Textures\\sterownik.bmp");

    Painter on(94, 70, Color(20, 20, 22));
    on.RadialGlow(47, 35, 34, Color(80, 255, 90), 1.5);
    on.FillCircle(47, 35, 14, Color(150, 255, 150));
    on.Text(47, 40, "ON", 14, Color(20, 60, 20), Font::SansBold, Align::Center);
    on.SaveBmp(dir, "Textures\\wlacz.bmp");
}

void Hud(const std::string& dir) {
    DialFaces(dir);
    Needle(dir);
    for (bool b : {false, true}) {
        DoorIcon(dir, b);
        EngineIcon(dir, b);
        IndicatorIcon(dir, b);
        HeadlightIcon(dir, b);
        KneelIcon(dir, b);
        NavArrow(dir, b);
    }
    CounterStrip(dir);
    FuelGauge(dir);
    ProgressBar(dir);
    Console(dir);
}

PartRegistrar reg("hud-textures", &Hud);

} // namespace
} // namespace demogen
