// Keyboard routing and the folder chooser's dialog of the ImGui view.
#include "platform/ui/FolderChooser.h"
#include "platform/ui/imgui/ImGuiView.h"

#include <imgui.h>
#include <imgui_internal.h>

namespace zw::ui {

bool ImGuiView::ChooserKey(int index, SDL_Keycode key) {
    Control& c = model_.At(index);
    const std::string name = c.name;
    int n = static_cast<int>(c.items.size());
    switch (key) {
    case SDLK_UP:
        if (c.itemIndex > 0) --c.itemIndex;
        return true;
    case SDLK_DOWN:
        if (c.itemIndex + 1 < n) ++c.itemIndex;
        return true;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_RIGHT: FolderChooserEnter(model_, name, c.itemIndex); return true;
    case SDLK_BACKSPACE:
    case SDLK_LEFT: FolderChooserUp(model_, name); return true;
    case SDLK_SPACE: FolderChooserPick(model_, name); return true;
    case SDLK_ESCAPE: FolderChooserCancel(model_, name); return true;
    default: return true; // the dialog is modal
    }
}

bool ImGuiView::HandleEvent(const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN) return false;
    SDL_Keycode key = e.key.keysym.sym;
    bool shift = (e.key.keysym.mod & KMOD_SHIFT) != 0, ctrl = (e.key.keysym.mod & KMOD_CTRL) != 0;
    for (int i = 0; i < model_.Count(); ++i)
        if (model_.At(i).kind == Kind::FolderChooser && model_.At(i).visible) return ChooserKey(i, key);
    if (ImGui::IsPopupOpen(nullptr, ImGuiPopupFlags_AnyPopupId)) return false; // an open drop-down list
    int f = model_.Focus();
    bool editing = f >= 0 && model_.At(f).kind == Kind::Edit && !model_.At(f).readOnly;
    auto leaveEdit = [&] {
        if (editing) ImGui::ClearActiveID();
    };
    switch (key) {
    case SDLK_TAB:
        leaveEdit();
        model_.KeyPress(ctrl ? (shift ? Key::CtrlShiftTab : Key::CtrlTab) : (shift ? Key::ShiftTab : Key::Tab));
        return true;
    case SDLK_PAGEDOWN:
    case SDLK_PAGEUP:
        if (ctrl) {
            leaveEdit();
            model_.KeyPress(key == SDLK_PAGEDOWN ? Key::CtrlTab : Key::CtrlShiftTab);
            return true;
        }
        if (f >= 0 && model_.At(f).kind == Kind::Memo) {
            memoScroll_ = key == SDLK_PAGEDOWN ? 10 : -10;
            return true;
        }
        return false;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        leaveEdit(); // what was typed is already in the model
        model_.KeyPress(Key::Enter);
        return true;
    default: break;
    }
    if (editing) return false; // the edit field takes its own keys
    if (f >= 0 && model_.At(f).kind == Kind::Memo && (key == SDLK_UP || key == SDLK_DOWN)) {
        memoScroll_ = key == SDLK_DOWN ? 1 : -1;
        return true;
    }
    Key k;
    switch (key) {
    case SDLK_SPACE: k = Key::Space; break;
    case SDLK_UP: k = Key::Up; break;
    case SDLK_DOWN: k = Key::Down; break;
    case SDLK_LEFT: k = Key::Left; break;
    case SDLK_RIGHT: k = Key::Right; break;
    case SDLK_HOME: k = Key::Home; break;
    case SDLK_END: k = Key::End; break;
    case SDLK_ESCAPE: k = Key::Escape; break;
    default: return false;
    }
    return model_.KeyPress(k);
}

void ImGuiView::DrawFolderChooser(int index) {
    const Control& c = model_.At(index);
    const std::string name = c.name;
    ImGuiIO& io = ImGui::GetIO();
    // Dim the window behind, as a modal dialog does.
    ImGui::SetNextWindowPos(ImVec2(0, 0));
    ImGui::SetNextWindowSize(io.DisplaySize);
    ImGui::PushStyleColor(ImGuiCol_WindowBg, IM_COL32(0, 0, 0, 90));
    ImGui::Begin("##chooserShade", nullptr, ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoSavedSettings |
                                                 ImGuiWindowFlags_NoNav);
    ImGui::End();
    ImGui::PopStyleColor();

    ImVec2 size(io.DisplaySize.x - 40, io.DisplaySize.y * 0.7f);
    ImGui::SetNextWindowPos(ImVec2(20, io.DisplaySize.y * 0.15f));
    ImGui::SetNextWindowSize(size);
    ImGui::SetNextWindowFocus();
    std::string title = (c.caption.empty() ? std::string("Folder") : std::string(Caption(index))) + "##" + name;
    ImGui::Begin(title.c_str(), nullptr,
                 ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoCollapse |
                     ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoNav);
    ImGui::TextWrapped("%s", c.text.c_str());
    ImGui::Separator();
    const auto& items = Items(index);
    int enter = -1;
    ImGui::BeginChild("##folders", ImVec2(0, size.y - 110), true);
    for (size_t i = 0; i < items.size(); ++i) {
        bool sel = static_cast<int>(i) == c.itemIndex;
        if (ImGui::Selectable((items[i] + "/##" + std::to_string(i)).c_str(), sel,
                              ImGuiSelectableFlags_AllowDoubleClick)) {
            model_.At(index).itemIndex = static_cast<int>(i);
            if (ImGui::IsMouseDoubleClicked(0)) enter = static_cast<int>(i);
        }
        if (sel && ImGui::IsWindowAppearing()) ImGui::SetScrollHereY();
    }
    ImGui::EndChild();
    ImGui::TextDisabled("Enter: open   Backspace: up   Space: choose   Esc: cancel");
    bool up = ImGui::Button("Up", ImVec2(70, 0));
    ImGui::SameLine();
    bool open = ImGui::Button("Open", ImVec2(70, 0));
    ImGui::SameLine(size.x - 170);
    bool pick = ImGui::Button("Choose", ImVec2(75, 0));
    ImGui::SameLine();
    bool cancel = ImGui::Button("Cancel", ImVec2(75, 0));
    ImGui::End();
    if (enter >= 0) FolderChooserEnter(model_, name, enter);
    else if (open) FolderChooserEnter(model_, name, model_.At(index).itemIndex);
    else if (up) FolderChooserUp(model_, name);
    else if (pick) FolderChooserPick(model_, name);
    else if (cancel) FolderChooserCancel(model_, name);
}

} // namespace zw::ui
