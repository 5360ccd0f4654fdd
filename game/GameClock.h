#pragma once
// The one clock service the game reads the time of day from: the computer's
// local time, or (headless runs, tests) a fixed start advanced by the message
// loop's own seconds, so a run with --clock and --dt replays exactly.
#include <functional>
#include <memory>

namespace zw {

class GameClockService {
public:
    virtual ~GameClockService() = default;
    // The time of day now, as a fraction of a day (0.5 is noon).
    virtual double TimeOfDay() = 0;
};

// The computer's local time of day.
std::unique_ptr<GameClockService> MakeSystemClock();

// startDayFraction plus the seconds secondsNow() has advanced since creation.
// The day wraps at midnight.
std::unique_ptr<GameClockService> MakeSteppedClock(double startDayFraction, std::function<double()> secondsNow);

} // namespace zw
