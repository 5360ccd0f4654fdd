#include "platform/window/MessageLoop.h"

#include <algorithm>
#include <limits>

namespace zw {

int AntiAliasingSamples(AntiAliasing aa) {
    switch (aa) {
    case AntiAliasing::X2:
    case AntiAliasing::X2HQ: return 2;
    case AntiAliasing::X4:
    case AntiAliasing::X4HQ: return 4;
    case AntiAliasing::Default: return -1;
    case AntiAliasing::None: return 0;
    }
    return 0;
}

MessageLoop::MessageLoop(WindowSystem& system) : system_(system) {
    timers_.reserve(32);
    clocks_.reserve(4);
    windows_.reserve(8);
    events_.reserve(256);
}

void MessageLoop::AddWindow(Window* w) {
    if (w && std::find(windows_.begin(), windows_.end(), w) == windows_.end()) windows_.push_back(w);
}

void MessageLoop::RemoveWindow(Window* w) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), w), windows_.end());
}

void MessageLoop::Run() {
    running_ = true;
    while (Step()) {
    }
}

void MessageLoop::Dispatch(const InputEvent& e) {
    if (onEvent) onEvent(e);
    if (e.kind == InputEvent::Kind::Quit) {
        running_ = false;
        return;
    }
    input_.Apply(e);
    if (e.window == 0) return;
    // A handler may close and remove windows: look the window up each time.
    for (size_t i = 0; i < windows_.size(); ++i) {
        Window* w = windows_[i];
        if (w->Id() != e.window) continue;
        if (e.kind == InputEvent::Kind::Close) {
            if (w->onClose) w->onClose();
        } else if (w->onInput) {
            w->onInput(e);
        }
        break;
    }
}

bool MessageLoop::FireTimers(double now) {
    bool fired = false;
    // Index loop: a handler may create or destroy timers.
    for (size_t i = 0; i < timers_.size() && running_; ++i) {
        LoopTimer* t = timers_[i];
        if (!t->enabled_ || t->interval_ <= 0 || now < t->due_) continue;
        t->due_ = now + t->interval_ / 1000.0;
        fired = true;
        if (t->onTimer) t->onTimer();
    }
    return fired;
}

double MessageLoop::NextTimerDue() const {
    double due = std::numeric_limits<double>::infinity();
    for (const LoopTimer* t : timers_)
        if (t->enabled_ && t->interval_ > 0) due = std::min(due, t->due_);
    return due;
}

bool MessageLoop::Step() {
    if (!running_) return false;
    events_.clear();
    system_.PollEvents(events_);
    for (size_t i = 0; i < events_.size() && running_; ++i) Dispatch(events_[i]);
    if (!running_) return false;

    double now = system_.Now();
    FireTimers(now);

    bool drew = false;
    for (size_t i = 0; i < clocks_.size() && running_; ++i) {
        FrameClock* c = clocks_[i];
        if (!c->enabled_) continue;
        c->Tick(now);
        drew = true;
    }
    for (size_t i = 0; i < windows_.size() && running_; ++i) {
        Window* w = windows_[i];
        if (w->Visible() && w->onPaint) {
            w->onPaint();
            drew = true;
        }
    }
    if (!running_) return false;
    if (drew) {
        system_.FrameDone();
        return running_;
    }
    // Nothing to draw: sleep until the next timer or an event.
    if (!system_.WaitUntil(NextTimerDue())) running_ = false;
    return running_;
}

LoopTimer::LoopTimer(MessageLoop& loop, int intervalMs) : loop_(loop), interval_(intervalMs) {
    loop_.timers_.push_back(this);
}

LoopTimer::~LoopTimer() {
    auto& v = loop_.timers_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
}

void LoopTimer::SetEnabled(bool on) {
    if (on && !enabled_) due_ = loop_.Now() + interval_ / 1000.0;
    enabled_ = on;
}

void LoopTimer::SetInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    due_ = loop_.Now() + interval_ / 1000.0;
}

FrameClock::FrameClock(MessageLoop& loop) : loop_(loop) { loop_.clocks_.push_back(this); }

FrameClock::~FrameClock() {
    auto& v = loop_.clocks_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
}

void FrameClock::SetEnabled(bool on) {
    if (on && !enabled_) last_ = loop_.Now();
    enabled_ = on;
}

void FrameClock::Tick(double now) {
    double delta = now - last_;
    last_ = now;
    time_ += delta;
    if (onProgress) onProgress(delta, time_);
    if (enabled_ && render) render();
}

} // namespace zw
