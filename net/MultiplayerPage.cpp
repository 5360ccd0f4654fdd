#include "net/MultiplayerPage.h"

namespace zw {

std::string RateCaption(int updatesPerSecond) { return std::to_string(updatesPerSecond) + " Hz"; }

int NetTimerIntervalFor(int updatesPerSecond) { return updatesPerSecond >= 1 ? 1000 / updatesPerSecond : 1000; }

} // namespace zw
