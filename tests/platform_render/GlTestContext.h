#pragma once
// A real window with a GL 3.3 context for the renderer's tests (under Xvfb).
// Tests skip when no display is there.
#include "platform/window/sdl/SdlWindowSystem.h"

#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace zwtest {

struct GlContext {
    std::unique_ptr<zw::SdlWindowSystem> system;
    std::unique_ptr<zw::Window> window;
    std::string error;

    explicit GlContext(int w = 320, int h = 240) {
        try {
            system = std::make_unique<zw::SdlWindowSystem>();
            zw::WindowDesc d;
            d.width = w;
            d.height = h;
            d.vsync = false;
            window = system->CreateWindow(d);
            window->MakeCurrent();
        } catch (const std::exception& e) {
            error = e.what();
            window.reset();
            system.reset();
        }
    }
    bool Ok() const { return window != nullptr; }
};

struct Rgb {
    int r, g, b;
};

// Pixel (x, y) from the top-left of the back buffer.
inline Rgb PixelAt(int x, int y, int height) {
    unsigned char px[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(x, height - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
    return {px[0], px[1], px[2]};
}

} // namespace zwtest

#define ZW_NEED_GL(ctx)                                                                                        \
    if (!(ctx).Ok()) GTEST_SKIP() << "no GL display: " << (ctx).error
