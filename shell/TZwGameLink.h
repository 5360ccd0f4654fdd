#pragma once
// What the launcher's Start needs of the game window. The program hands the
// launcher an implementation once the game window exists; without one, Start
// saves the settings and the program ends.
#include <cstdint>

namespace zw {

class TZwGameLink {
public:
    virtual ~TZwGameLink() = default;
    // The navigation sprite sk3 stays hidden for the game.
    virtual void HideNavigationSprite() = 0;
    // The game viewer's background colour (the season's sky).
    virtual void SetViewerBackground(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void SetViewerFog(bool on) = 0;
    // Loads and starts the game; the launcher is hidden by then.
    virtual void Startuj() = 0;
};

} // namespace zw
