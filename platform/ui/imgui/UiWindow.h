#pragma once
// Shows one control model in a window of the window layer through the ImGui
// view: the window's raw events go to the view, its paints draw the model,
// its close command closes the model. Caption and visibility follow the form.
#include "platform/ui/UiModel.h"
#include "platform/ui/imgui/ImGuiView.h"
#include "platform/window/Window.h"

#include <string>

struct ImGuiContext;

namespace zw {
class SdlWindow;
class WindowSystem;
}

namespace zw::ui {

class UiWindow {
public:
    // The window is an SdlWindow (a real one); it must outlive this object.
    UiWindow(UiModel& model, SdlWindow& window);
    ~UiWindow();
    UiWindow(const UiWindow&) = delete;
    UiWindow& operator=(const UiWindow&) = delete;

    // Shows or hides the window as the form is, and takes its caption.
    void Sync();
    // Draws one frame and presents it (the loop's paint).
    void Render();
    // Draws a frame and writes it as a PNG before presenting it.
    bool SaveScreenshot(const std::string& path);

private:
    void Select();
    void ReadBack();

    UiModel& model_;
    SdlWindow& window_;
    ImGuiView view_;
    ImGuiContext* imgui_ = nullptr;
    std::string shownCaption_;
    std::string shotPath_;
    bool shotOk_ = false;
};

// The window description of a form: its client size and caption, centred.
WindowDesc FormWindowDesc(const UiModel& model);

// The DejaVu Sans font file, or "" when it is not installed.
std::string UiFontPath(bool bold);

} // namespace zw::ui
