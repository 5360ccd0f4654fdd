#include "game/GameClock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace zw {

namespace {

class SystemClock : public GameClockService {
public:
    double TimeOfDay() override {
        using namespace std::chrono;
        auto now = system_clock::now();
        std::time_t t = system_clock::to_time_t(now);
        std::tm local{};
        localtime_r(&t, &local);
        double ms = double(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
        return (local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ms / 1000.0) / 86400.0;
    }
};

class SteppedClock : public GameClockService {
public:
    SteppedClock(double start, std::function<double()> now)
        : start_(start), now_(std::move(now)), origin_(now_ ? now_() : 0) {}
    double TimeOfDay() override {
        double elapsed = now_ ? now_() - origin_ : 0;
        double t = start_ + elapsed / 86400.0;
        return t - std::floor(t);
    }

private:
    double start_;
    std::function<double()> now_;
    double origin_;
};

} // namespace

std::unique_ptr<GameClockService> MakeSystemClock() { return std::make_unique<SystemClock>(); }

std::unique_ptr<GameClockService> MakeSteppedClock(double startDayFraction, std::function<double()> secondsNow) {
    return std::make_unique<SteppedClock>(startDayFraction, std::move(secondsNow));
}

} // namespace zw
