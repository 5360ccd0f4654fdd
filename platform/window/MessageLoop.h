#pragma once
// The one thread's message loop: poll events, fire due message-loop timers,
// then, while the frame clock is enabled, call its progress handler with the
// real elapsed time and render; then paint the forms that are shown.
#include "platform/window/InputState.h"
#include "platform/window/WindowSystem.h"

#include <functional>
#include <vector>

namespace zw {

class LoopTimer;
class FrameClock;

class MessageLoop {
public:
    explicit MessageLoop(WindowSystem& system);
    MessageLoop(const MessageLoop&) = delete;
    MessageLoop& operator=(const MessageLoop&) = delete;

    WindowSystem& System() { return system_; }
    InputState& Input() { return input_; }
    double Now() { return system_.Now(); }

    // Runs until Quit (or, headless, until nothing can happen any more).
    void Run();
    // One pass; false once the loop has ended.
    bool Step();
    void Quit() { running_ = false; }
    bool Running() const { return running_; }

    // Windows receive their events and, while visible and not driven by the
    // frame clock, a paint call each pass.
    void AddWindow(Window* w);
    void RemoveWindow(Window* w);
    // Every event before it is applied (a recorder, a test).
    std::function<void(const InputEvent&)> onEvent;

private:
    friend class LoopTimer;
    friend class FrameClock;
    void Dispatch(const InputEvent& e);
    bool FireTimers(double now);
    double NextTimerDue() const;

    WindowSystem& system_;
    InputState input_;
    std::vector<LoopTimer*> timers_;
    std::vector<FrameClock*> clocks_;
    std::vector<Window*> windows_;
    std::vector<InputEvent> events_;
    bool running_ = true;
};

// A message-loop timer (VCL's TTimer): fires on the loop's thread every
// Interval milliseconds while enabled; enabling or changing the interval
// starts the count again. A late timer fires once, not once per missed tick.
class LoopTimer {
public:
    explicit LoopTimer(MessageLoop& loop, int intervalMs = 1000);
    ~LoopTimer();
    LoopTimer(const LoopTimer&) = delete;
    LoopTimer& operator=(const LoopTimer&) = delete;

    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    void SetInterval(int ms);
    int Interval() const { return interval_; }
    std::function<void()> onTimer;

private:
    friend class MessageLoop;
    MessageLoop& loop_;
    int interval_;
    bool enabled_ = false;
    double due_ = 0;
};

// The frame clock (GLCadencer): while enabled, once per pass, the progress
// handler gets deltaTime, the real seconds since the previous frame (neither
// clamped nor smoothed), and newTime, the clock's total; then render runs.
class FrameClock {
public:
    explicit FrameClock(MessageLoop& loop);
    ~FrameClock();
    FrameClock(const FrameClock&) = delete;
    FrameClock& operator=(const FrameClock&) = delete;

    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    double CurrentTime() const { return time_; }
    std::function<void(double deltaTime, double newTime)> onProgress;
    std::function<void()> render;

private:
    friend class MessageLoop;
    void Tick(double now);
    MessageLoop& loop_;
    bool enabled_ = false;
    double last_ = 0, time_ = 0;
};

} // namespace zw
