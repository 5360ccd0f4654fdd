#include "platform/window/sdl/SdlWindowSystem.h"

#include "platform/window/VirtualKeys.h"
#include "platform/window/sdl/SdlWindow.h"
#include "util/Errors.h"

#include <algorithm>
#include <cmath>
#include <sys/wait.h>
#include <unistd.h>

namespace zw {

// The virtual-key table stores HID usage ids; they are SDL's scancodes.
static_assert(SDL_SCANCODE_A == 4 && SDL_SCANCODE_Z == 29 && SDL_SCANCODE_1 == 30 && SDL_SCANCODE_0 == 39);
static_assert(SDL_SCANCODE_RETURN == 40 && SDL_SCANCODE_ESCAPE == 41 && SDL_SCANCODE_SPACE == 44);
static_assert(SDL_SCANCODE_F1 == 58 && SDL_SCANCODE_F12 == 69 && SDL_SCANCODE_F13 == 104 && SDL_SCANCODE_F22 == 113);
static_assert(SDL_SCANCODE_PAUSE == 72 && SDL_SCANCODE_RIGHT == 79 && SDL_SCANCODE_UP == 82);
static_assert(SDL_SCANCODE_KP_ENTER == 88 && SDL_SCANCODE_KP_0 == 98 && SDL_SCANCODE_NONUSBACKSLASH == 100);
static_assert(SDL_SCANCODE_LCTRL == 224 && SDL_SCANCODE_RGUI == 231 && SDL_SCANCODE_AUDIONEXT == 258);
static_assert(SDL_SCANCODE_AC_BOOKMARKS == 274 && SDL_SCANCODE_SLEEP == 282 && SDL_SCANCODE_CLEAR == 156);
static_assert(SDL_SCANCODE_SEPARATOR == 159 && SDL_SCANCODE_CRSEL == 163 && SDL_SCANCODE_APPLICATION == 101);

namespace {

uint32_t ShiftState() {
    SDL_Keymod m = SDL_GetModState();
    Uint32 b = SDL_GetMouseState(nullptr, nullptr);
    uint32_t s = 0;
    if (m & KMOD_SHIFT) s |= shiftstate::Shift;
    if (m & KMOD_CTRL) s |= shiftstate::Ctrl;
    if (m & KMOD_ALT) s |= shiftstate::Alt;
    if (b & SDL_BUTTON_LMASK) s |= shiftstate::Left;
    if (b & SDL_BUTTON_RMASK) s |= shiftstate::Right;
    if (b & SDL_BUTTON_MMASK) s |= shiftstate::Middle;
    return s;
}

MouseButton ButtonOf(Uint8 b) {
    return b == SDL_BUTTON_RIGHT ? MouseButton::Right : b == SDL_BUTTON_MIDDLE ? MouseButton::Middle
                                                                               : MouseButton::Left;
}

} // namespace

SdlWindowSystem::SdlWindowSystem() {
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) throw ZwError(std::string("no display: ") + SDL_GetError());
    // The joystick is optional.
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    start_ = SDL_GetPerformanceCounter();
    freq_ = double(SDL_GetPerformanceFrequency());
    // Probe for a GL 3.3 core context now, so that a missing one falls back
    // to the null system before any window of the program exists.
    try {
        WindowDesc probe;
        probe.width = probe.height = 16;
        probe.hidden = true;
        probe.vsync = false;
        SdlWindow w(*this, probe);
    } catch (...) {
        SDL_Quit();
        throw;
    }
}

SdlWindowSystem::~SdlWindowSystem() {
    if (joystick_) SDL_JoystickClose(joystick_);
    SDL_Quit();
}

std::unique_ptr<Window> SdlWindowSystem::CreateWindow(const WindowDesc& desc) {
    return std::make_unique<SdlWindow>(*this, desc);
}

SdlWindow* SdlWindowSystem::Find(uint32_t id) const {
    for (SdlWindow* w : windows_)
        if (w->Id() == id) return w;
    return nullptr;
}

uint32_t SdlWindowSystem::FrontWindow() const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if ((*it)->Visible()) return (*it)->Id();
    return 0;
}

double SdlWindowSystem::Now() { return double(SDL_GetPerformanceCounter() - start_) / freq_; }

bool SdlWindowSystem::WaitUntil(double t) {
    double wait = t - Now();
    int ms = std::isfinite(wait) ? int(std::clamp(wait * 1000.0, 0.0, 100.0)) : 100;
    if (next_ < script_.size()) ms = std::min(ms, 10);
    SDL_WaitEventTimeout(nullptr, ms);
    return true;
}

ScreenSize SdlWindowSystem::Screen() const {
    SDL_DisplayMode m;
    if (SDL_GetDesktopDisplayMode(0, &m) != 0) return {};
    return {m.w, m.h};
}

bool SdlWindowSystem::OpenUrl(const std::string& url) {
    // Never let an address pass for an option of the handler.
    if (url.empty() || url[0] == '-') return false;
    pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        // A grandchild runs the handler, so nobody has to wait for it.
        setsid();
        if (fork() == 0) {
            execlp("xdg-open", "xdg-open", url.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void SdlWindowSystem::SetScript(std::vector<ScriptEvent> events) {
    script_ = std::move(events);
    next_ = 0;
}

int SdlWindowSystem::JoyAxis(int raw) const {
    if (std::abs(raw) < threshold_) return 0;
    return std::clamp(int(std::lround(raw * 100.0 / 32767.0)), -100, 100);
}

void SdlWindowSystem::Joystick(const SDL_Event& ev, std::vector<InputEvent>& out) {
    InputEvent e;
    if (ev.type == SDL_JOYDEVICEADDED) {
        if (!joystick_) joystick_ = SDL_JoystickOpen(ev.jdevice.which);
        return;
    }
    if (ev.type == SDL_JOYDEVICEREMOVED) {
        if (joystick_ && SDL_JoystickInstanceID(joystick_) == ev.jdevice.which) {
            SDL_JoystickClose(joystick_);
            joystick_ = nullptr;
            e.kind = InputEvent::Kind::JoyAxes;
            out.push_back(e);
        }
        return;
    }
    if (!joystick_) return;
    if (ev.type == SDL_JOYAXISMOTION && ev.jaxis.axis < 2) {
        (ev.jaxis.axis == 0 ? joyRawX_ : joyRawY_) = ev.jaxis.value;
        e.kind = InputEvent::Kind::JoyAxes;
        e.x = JoyAxis(joyRawX_);
        e.y = JoyAxis(joyRawY_);
        out.push_back(e);
    } else if (ev.type == SDL_JOYBUTTONDOWN || ev.type == SDL_JOYBUTTONUP) {
        e.kind = ev.type == SDL_JOYBUTTONDOWN ? InputEvent::Kind::JoyButtonDown : InputEvent::Kind::JoyButtonUp;
        e.key = ev.jbutton.button;
        out.push_back(e);
    }
}

void SdlWindowSystem::Convert(const SDL_Event& ev, std::vector<InputEvent>& out) {
    InputEvent e;
    switch (ev.type) {
    case SDL_QUIT:
        e.kind = InputEvent::Kind::Quit;
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (ev.key.repeat) return;
        e.kind = ev.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
        e.key = VirtualKeyOfScancode(ev.key.keysym.scancode);
        e.window = ev.key.windowID;
        if (!e.key) return;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        e.kind = ev.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp;
        e.button = ButtonOf(ev.button.button);
        e.x = ev.button.x;
        e.y = ev.button.y;
        e.window = ev.button.windowID;
        e.shift = ShiftState();
        break;
    case SDL_MOUSEMOTION:
        e.kind = InputEvent::Kind::MouseMove;
        e.x = ev.motion.x;
        e.y = ev.motion.y;
        e.window = ev.motion.windowID;
        e.shift = ShiftState();
        break;
    case SDL_MOUSEWHEEL: {
        e.kind = InputEvent::Kind::MouseWheel;
        float y = ev.wheel.preciseY;
        if (ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) y = -y;
        e.delta = int(std::lround(y * 120.0f));
        e.window = ev.wheel.windowID;
        SDL_GetMouseState(&e.x, &e.y);
        if (!e.delta) return;
        break;
    }
    case SDL_WINDOWEVENT:
        e.window = ev.window.windowID;
        if (ev.window.event == SDL_WINDOWEVENT_CLOSE) e.kind = InputEvent::Kind::Close;
        else if (ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            e.kind = InputEvent::Kind::Resize;
            if (SdlWindow* w = Find(e.window)) {
                e.x = w->Width();
                e.y = w->Height();
            }
        } else return;
        break;
    default:
        Joystick(ev, out);
        return;
    }
    out.push_back(e);
}

void SdlWindowSystem::PollEvents(std::vector<InputEvent>& out) {
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
        uint32_t id = 0;
        switch (ev.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: id = ev.key.windowID; break;
        case SDL_TEXTINPUT: id = ev.text.windowID; break;
        case SDL_MOUSEMOTION: id = ev.motion.windowID; break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: id = ev.button.windowID; break;
        case SDL_MOUSEWHEEL: id = ev.wheel.windowID; break;
        case SDL_WINDOWEVENT: id = ev.window.windowID; break;
        default: break;
        }
        if (id) {
            if (SdlWindow* w = Find(id); w && w->rawEvent) w->rawEvent(ev);
        }
        Convert(ev, out);
    }
    double now = Now();
    while (next_ < script_.size() && script_[next_].time <= now) {
        InputEvent e = script_[next_].event;
        if (script_[next_].toFrontWindow) e.window = FrontWindow();
        out.push_back(e);
        ++next_;
    }
}

} // namespace zw
