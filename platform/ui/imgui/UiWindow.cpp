#include "platform/ui/imgui/UiWindow.h"

#include "platform/window/sdl/SdlWindow.h"
#include "shell/ZwLog.h"
#include "util/Cp1250.h"
#include "util/Paths.h"

#include <backends/imgui_impl_opengl3.h>
#include <backends/imgui_impl_sdl.h>
#include <epoxy/gl.h>
#include <imgui.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace zw::ui {

namespace {
// Every character Windows-1250 can hold, so Polish letters are drawn.
const ImWchar* Cp1250GlyphRanges() {
    static std::vector<ImWchar> ranges;
    if (ranges.empty()) {
        ImFontGlyphRangesBuilder b;
        b.AddRanges(ImGui::GetIO().Fonts->GetGlyphRangesDefault());
        for (int i = 0x80; i < 0x100; ++i)
            if (char32_t u = Cp1250ToUnicode(static_cast<unsigned char>(i))) b.AddChar(static_cast<ImWchar>(u));
        ImVector<ImWchar> out;
        b.BuildRanges(&out);
        ranges.assign(out.begin(), out.end());
    }
    return ranges.data();
}

void ApplyStyle() {
    ImGui::StyleColorsLight();
    ImGuiStyle& s = ImGui::GetStyle();
    s.WindowRounding = 0;
    s.FrameRounding = 2;
    s.FramePadding = ImVec2(5, 2);
    s.ItemSpacing = ImVec2(6, 3);
    s.WindowPadding = ImVec2(6, 6);
    s.FrameBorderSize = 1;
    s.Colors[ImGuiCol_WindowBg] = ImVec4(0.94f, 0.94f, 0.94f, 1);
    s.Colors[ImGuiCol_ChildBg] = ImVec4(0, 0, 0, 0);
    s.Colors[ImGuiCol_FrameBg] = ImVec4(1, 1, 1, 1);
}
} // namespace

std::string UiFontPath(bool bold) {
    const char* dirs[] = {"/usr/share/fonts/truetype/dejavu/", "/usr/share/fonts/dejavu/",
                          "/usr/local/share/fonts/"};
    for (const char* d : dirs) {
        std::string p = std::string(d) + (bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf");
        if (FileExists(p)) return p;
    }
    return "";
}

WindowDesc FormWindowDesc(const UiModel& model) {
    WindowDesc d;
    d.title = Cp1250ToUtf8(model.Form().caption);
    d.width = model.Form().rect.width;
    d.height = model.Form().rect.height;
    d.vsync = true;
    d.hidden = !model.Form().visible;
    return d;
}

UiWindow::UiWindow(UiModel& model, SdlWindow& window) : model_(model), window_(window), view_(model) {
    window_.MakeCurrent();
    ImGuiContext* previous = ImGui::GetCurrentContext();
    imgui_ = ImGui::CreateContext();
    ImGui::SetCurrentContext(imgui_);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    ApplyStyle();
    ImFont* regular = nullptr;
    ImFont* bold = nullptr;
    std::string rp = UiFontPath(false), bp = UiFontPath(true);
    if (!rp.empty()) regular = io.Fonts->AddFontFromFileTTF(rp.c_str(), 13.0f, nullptr, Cp1250GlyphRanges());
    if (!bp.empty()) bold = io.Fonts->AddFontFromFileTTF(bp.c_str(), 13.0f, nullptr, Cp1250GlyphRanges());
    if (!regular) {
        EngineLog().Add("{@5}> DejaVu Sans not found: Polish letters will not show");
        regular = io.Fonts->AddFontDefault();
    }
    view_.SetFonts(regular, bold);
    ImGui_ImplSDL2_InitForOpenGL(window_.Handle(), window_.Context());
    ImGui_ImplOpenGL3_Init("#version 330");
    ImGui::SetCurrentContext(previous ? previous : imgui_);
    shownCaption_ = window_.Desc().title;

    window_.rawEvent = [this](const SDL_Event& e) {
        Select();
        if (!view_.HandleEvent(e)) ImGui_ImplSDL2_ProcessEvent(&e);
    };
    window_.onPaint = [this] { Render(); };
    window_.onClose = [this] { model_.UserClose(); };
}

UiWindow::~UiWindow() {
    window_.rawEvent = nullptr;
    window_.onPaint = nullptr;
    window_.onClose = nullptr;
    Select();
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext(imgui_);
}

void UiWindow::Select() {
    ImGui::SetCurrentContext(imgui_);
    window_.MakeCurrent();
}

void UiWindow::Sync() {
    std::string caption = Cp1250ToUtf8(model_.Form().caption);
    if (caption != shownCaption_) {
        shownCaption_ = caption;
        window_.SetTitle(caption);
    }
    bool want = model_.Form().visible && !model_.Closed();
    if (want && !window_.Visible()) window_.Show();
    if (!want && window_.Visible()) window_.Hide();
}

void UiWindow::Render() {
    Sync();
    if (!window_.Visible()) return;
    Select();
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
    view_.Draw();
    ImGui::Render();
    glViewport(0, 0, window_.Width(), window_.Height());
    glClearColor(0.94f, 0.94f, 0.94f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
    if (!shotPath_.empty()) ReadBack();
    window_.Present();
    Sync(); // a handler run in this frame may have hidden the form
}

bool UiWindow::SaveScreenshot(const std::string& path) {
    if (!window_.Visible()) return false;
    shotPath_ = path;
    shotOk_ = false;
    Render(); // the frame is read back before it is shown
    return shotOk_;
}

void UiWindow::ReadBack() {
    int w = window_.Width(), h = window_.Height();
    std::vector<unsigned char> px(static_cast<size_t>(w) * h * 3), flipped(px.size());
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    for (int y = 0; y < h; ++y)
        std::copy_n(px.data() + static_cast<size_t>(h - 1 - y) * w * 3, static_cast<size_t>(w) * 3,
                    flipped.data() + static_cast<size_t>(y) * w * 3);
    shotOk_ = stbi_write_png(shotPath_.c_str(), w, h, 3, flipped.data(), w * 3) != 0;
    shotPath_.clear();
}

} // namespace zw::ui
