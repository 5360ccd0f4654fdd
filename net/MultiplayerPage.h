#pragma once
// The multiplayer page's rate: updates per second on the slider, the caption
// beside it and the game's network timer interval. No data is exchanged.
#include <string>

namespace zw {

// "25 Hz" for 25.
std::string RateCaption(int updatesPerSecond);
// 1000 / rate in whole milliseconds (1000 for a rate below 1).
int NetTimerIntervalFor(int updatesPerSecond);

} // namespace zw
