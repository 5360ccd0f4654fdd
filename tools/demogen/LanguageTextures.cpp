// Language textures: the English board console, whose buttons are labelled
// in English (the common one in Textures\ is labelled in Polish). Same
// layout as the common one, so the HUD places its texts the same way.
#include "tools/demogen/ConsolePicture.h"
#include "tools/demogen/DemoPart.h"

namespace demogen {
namespace {

void EnglishConsole(const std::string& dir) {
    Painter p = ConsolePicture("< DIR", "DIR >", "BLANK");
    p.SaveBmp(dir, "Languages\\English\\Textures\\sterownik.bmp");
}

PartRegistrar reg("language-textures", &EnglishConsole);

} // namespace
} // namespace demogen
