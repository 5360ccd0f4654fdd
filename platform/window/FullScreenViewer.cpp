#include "platform/window/FullScreenViewer.h"

#include "shell/ZwLog.h"
#include "util/Errors.h"

#include <cstdio>

namespace zw {

FullScreenViewer::FullScreenViewer(MessageLoop& loop, RendererFactory factory)
    : loop_(loop), factory_(std::move(factory)) {}

FullScreenViewer::~FullScreenViewer() {
    if (window_) loop_.RemoveWindow(window_.get());
    renderer_.reset(); // its GL objects go before the context
}

void FullScreenViewer::SetWidth(int w) {
    if (w <= 0 || w > 16384) throw ERangeError("viewer width " + std::to_string(w) + " is out of range");
    width_ = w;
    if (window_) window_->SetSize(width_, height_);
}

void FullScreenViewer::SetHeight(int h) {
    if (h <= 0 || h > 16384) throw ERangeError("viewer height " + std::to_string(h) + " is out of range");
    height_ = h;
    if (window_) window_->SetSize(width_, height_);
}

void FullScreenViewer::SetScreenDepth(int bits) {
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32)
        throw ERangeError("screen depth " + std::to_string(bits) + " bits is not 8, 16, 24 or 32");
    screenDepth_ = bits;
}

void FullScreenViewer::SetVSync(bool on) {
    vsync_ = on;
    if (window_) window_->SetVSync(on);
}

void FullScreenViewer::CreateTheWindow() {
    WindowDesc d;
    d.title = title;
    d.width = width_;
    d.height = height_;
    d.fullScreen = true;
    d.colorDepth = screenDepth_;
    d.depthBits = int(depthPrecision_);
    d.antiAliasing = antiAliasing_;
    d.vsync = vsync_;
    d.hidden = true;
    window_ = loop_.System().CreateWindow(d);
    window_->onClose = [this] {
        if (onClose) onClose();
    };
    loop_.AddWindow(window_.get());
    if (factory_ && window_->MakeCurrent()) {
        try {
            renderer_ = factory_(*window_);
        } catch (const std::exception& e) {
            // Without a renderer the game still runs; the picture stays empty.
            std::string line = std::string("Viewer: no renderer: ") + e.what();
            EngineLog().Add(line);
            std::fprintf(stderr, "%s\n", line.c_str());
        }
    }
}

void FullScreenViewer::SetActive(bool on) {
    if (on == active_) return;
    if (on) {
        if (!window_) CreateTheWindow();
        else window_->SetSize(width_, height_);
        window_->SetFullScreen(true);
        window_->Show();
        secondStart_ = loop_.Now();
        framesThisSecond_ = 0;
    } else if (window_) {
        window_->SetFullScreen(false);
        window_->Hide();
    }
    active_ = on;
}

void FullScreenViewer::CountFrame() {
    ++framesThisSecond_;
    double now = loop_.Now();
    if (now - secondStart_ >= 1.0) {
        fps_ = float(framesThisSecond_ / (now - secondStart_));
        framesThisSecond_ = 0;
        secondStart_ = now;
    }
}

void FullScreenViewer::Render() {
    if (!active_ || !window_) return;
    if (renderer_ && window_->MakeCurrent()) {
        renderer_->RenderScene(*this);
        window_->Present();
    }
    CountFrame();
}

void FullScreenViewer::RenderNode(SceneNode& node) {
    if (!active_ || !window_) return;
    if (renderer_ && window_->MakeCurrent()) {
        renderer_->RenderNode(*this, node);
        window_->Present();
    }
}

void FullScreenViewer::SaveScreenshot(const std::string& path) {
    if (!renderer_ || !window_ || !window_->MakeCurrent())
        throw EInOutError("screenshot " + path + ": the viewer draws nothing (no display)");
    renderer_->SaveScreenshot(*this, path);
}

void FullScreenViewer::ResetPerformanceMonitor() {
    fps_ = 0;
    framesThisSecond_ = 0;
    secondStart_ = loop_.Now();
}

FrameStats FullScreenViewer::LastFrame() const { return renderer_ ? renderer_->LastFrame() : FrameStats{}; }

void FullScreenViewer::AttachClock(FrameClock& clock) {
    clock.render = [this] { Render(); };
}

} // namespace zw
