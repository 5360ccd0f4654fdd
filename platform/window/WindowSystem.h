#pragma once
// The windowing platform: SDL2 for real, or the headless null one with
// virtual time and scripted input. Chosen once in main and passed in.
#include "platform/window/InputEvent.h"
#include "platform/window/Window.h"

#include <memory>
#include <string>
#include <vector>

namespace zw {

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    virtual const char* Name() const = 0;
    virtual bool Headless() const = 0;
    // Throws ZwError when the window or its GL context cannot be made.
    virtual std::unique_ptr<Window> CreateWindow(const WindowDesc& desc) = 0;
    // Appends what happened since the last call.
    virtual void PollEvents(std::vector<InputEvent>& out) = 0;
    // Seconds since the system started (real or virtual).
    virtual double Now() = 0;
    // Nothing to draw: wait for an event or until t. The null system jumps
    // its clock; it returns false when nothing can ever happen again.
    virtual bool WaitUntil(double t) = 0;
    // A frame was drawn (the null system advances its clock by its step).
    virtual void FrameDone() {}
    virtual ScreenSize Screen() const = 0;
    // The desktop's handler for a web address; false when it cannot be started.
    virtual bool OpenUrl(const std::string& url) = 0;
    // Raw joystick movements below this (of 32767) read as the centre.
    virtual void SetJoystickThreshold(int raw) = 0;

    // --windowed: full-screen requests keep a window of the asked size.
    void SetWindowed(bool on) { windowed_ = on; }
    bool Windowed() const { return windowed_; }

private:
    bool windowed_ = false;
};

} // namespace zw
