#include "platform/ui/imgui/ImGuiView.h"

#include "platform/ui/FolderChooser.h"
#include "util/Cp1250.h"

#include <imgui.h>
#include <imgui_internal.h>
#include <imgui_stdlib.h>

#include <algorithm>

namespace zw::ui {

namespace {
ImU32 TextColour(uint32_t rgb) {
    return IM_COL32((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF, 255);
}

ImVec2 ToScreen(float x, float y) {
    ImVec2 w = ImGui::GetWindowPos();
    return ImVec2(w.x + x - ImGui::GetScrollX(), w.y + y - ImGui::GetScrollY());
}
} // namespace

const char* ImGuiView::Caption(int index) {
    Cache& k = cache_[index];
    const std::string& src = model_.At(index).caption;
    if (k.sourceCaption != src || (k.utf8Caption.empty() && !src.empty())) {
        k.sourceCaption = src;
        k.utf8Caption = Cp1250ToUtf8(src);
    }
    return k.utf8Caption.c_str();
}

const std::vector<std::string>& ImGuiView::Items(int index) {
    Cache& k = cache_[index];
    const auto& src = model_.At(index).items;
    if (k.sourceItems != src || k.utf8Items.size() != src.size()) {
        k.sourceItems = src;
        k.utf8Items.clear();
        for (const auto& s : src) k.utf8Items.push_back(Cp1250ToUtf8(s));
    }
    return k.utf8Items;
}

void ImGuiView::Draw() {
    ImGuiIO& io = ImGui::GetIO();
    ImGui::SetNextWindowPos(ImVec2(0, 0));
    ImGui::SetNextWindowSize(io.DisplaySize);
    ImGui::Begin("##form", nullptr,
                 ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings |
                     ImGuiWindowFlags_NoBringToFrontOnFocus | ImGuiWindowFlags_NoNav);
    DrawChildren(0, 0, 0);
    ImGui::End();
    for (int i = 0; i < model_.Count(); ++i)
        if (model_.At(i).kind == Kind::FolderChooser && model_.At(i).visible) DrawFolderChooser(i);
    lastFocus_ = model_.Focus();
}

void ImGuiView::DrawChildren(int parent, float ox, float oy) {
    const std::vector<int> children = model_.At(parent).children; // handlers may add nothing, but copy anyway
    for (int ch : children) {
        const Control& c = model_.At(ch);
        if (!c.visible || c.kind == Kind::Page || c.kind == Kind::FolderChooser) continue;
        DrawControl(ch, ox + c.rect.left, oy + c.rect.top);
    }
}

void ImGuiView::AfterItem(int index) {
    if (ImGui::IsItemActivated() || ImGui::IsItemClicked()) model_.SetFocusIndex(index);
    if (model_.Focus() == index) {
        ImVec2 a = ImGui::GetItemRectMin(), b = ImGui::GetItemRectMax();
        ImGui::GetWindowDrawList()->AddRect(ImVec2(a.x - 2, a.y - 2), ImVec2(b.x + 2, b.y + 2),
                                            IM_COL32(30, 90, 200, 255), 2.0f, 0, 1.5f);
    }
}

void ImGuiView::DrawGroupFrame(const Control& c, float x, float y, const char* caption) {
    ImDrawList* dl = ImGui::GetWindowDrawList();
    float fh = ImGui::GetFontSize();
    ImVec2 a = ToScreen(x, y + fh / 2), b = ToScreen(x + c.rect.width, y + c.rect.height);
    dl->AddRect(a, b, IM_COL32(160, 160, 160, 255), 3.0f);
    if (caption && *caption) {
        ImVec2 t = ToScreen(x + 8, y);
        ImVec2 sz = ImGui::CalcTextSize(caption);
        dl->AddRectFilled(t, ImVec2(t.x + sz.x, t.y + sz.y), ImGui::GetColorU32(ImGuiCol_WindowBg));
        dl->AddText(t, ImGui::GetColorU32(ImGuiCol_Text), caption);
    }
}

void ImGuiView::DrawControl(int index, float x, float y) {
    const Control& c = model_.At(index);
    const std::string id = "##" + c.name;
    bool disabled = !model_.EffectivelyEnabled(index);
    if (disabled) ImGui::BeginDisabled();
    ImGui::SetCursorPos(ImVec2(x, y));
    switch (c.kind) {
    case Kind::Panel:
    case Kind::GroupBox:
        DrawGroupFrame(c, x, y, c.kind == Kind::GroupBox ? Caption(index) : "");
        DrawChildren(index, x, y);
        break;
    case Kind::PageControl: DrawPageControl(index, x, y); break;
    case Kind::TabControl: DrawTabControl(index, x, y); break;
    case Kind::Label: {
        if (c.colour) ImGui::PushStyleColor(ImGuiCol_Text, TextColour(c.colour));
        else if (c.link) ImGui::PushStyleColor(ImGuiCol_Text, IM_COL32(20, 60, 200, 255));
        if (c.rect.width > 0 && c.rect.height > ImGui::GetFontSize() * 1.6f) {
            ImGui::PushTextWrapPos(x + c.rect.width);
            ImGui::TextWrapped("%s", Caption(index));
            ImGui::PopTextWrapPos();
        } else {
            ImGui::TextUnformatted(Caption(index));
        }
        if (c.colour || c.link) ImGui::PopStyleColor();
        if (c.link) {
            ImVec2 a = ImGui::GetItemRectMin(), b = ImGui::GetItemRectMax();
            ImGui::GetWindowDrawList()->AddLine(ImVec2(a.x, b.y), b, IM_COL32(20, 60, 200, 255));
            if (ImGui::IsItemHovered()) ImGui::SetMouseCursor(ImGuiMouseCursor_Hand);
            if (ImGui::IsItemClicked()) model_.UserClick(c.name);
            AfterItem(index);
        }
        break;
    }
    case Kind::Edit: DrawEdit(index, x, y); break;
    case Kind::Memo: DrawMemo(index, x, y); break;
    case Kind::ComboBox: DrawCombo(index, x, y); break;
    case Kind::CheckBox: {
        bool v = c.checked;
        if (ImGui::Checkbox((std::string(Caption(index)) + id).c_str(), &v)) model_.UserCheck(c.name, v);
        AfterItem(index);
        break;
    }
    case Kind::RadioButton:
        if (ImGui::RadioButton((std::string(Caption(index)) + id).c_str(), c.checked))
            model_.UserCheck(c.name, true);
        AfterItem(index);
        break;
    case Kind::RadioGroup: DrawRadioGroup(index, x, y); break;
    case Kind::Slider: {
        int v = c.position;
        ImGui::SetNextItemWidth(static_cast<float>(c.rect.width));
        if (ImGui::SliderInt(id.c_str(), &v, c.min, c.max, "%d", ImGuiSliderFlags_AlwaysClamp))
            model_.UserSetPosition(c.name, v);
        AfterItem(index);
        break;
    }
    case Kind::Button: {
        if (c.bold && bold_) ImGui::PushFont(bold_);
        if (c.isDefault) {
            ImGui::PushStyleVar(ImGuiStyleVar_FrameBorderSize, 2.0f);
            ImGui::PushStyleColor(ImGuiCol_Border, IM_COL32(40, 90, 180, 255));
        }
        bool pressed = ImGui::Button((std::string(Caption(index)) + id).c_str(),
                                     ImVec2(static_cast<float>(c.rect.width), static_cast<float>(c.rect.height)));
        if (c.isDefault) {
            ImGui::PopStyleColor();
            ImGui::PopStyleVar();
        }
        if (c.bold && bold_) ImGui::PopFont();
        AfterItem(index);
        if (pressed) model_.UserClick(c.name);
        break;
    }
    default: break;
    }
    if (disabled) ImGui::EndDisabled();
}

void ImGuiView::DrawPageControl(int index, float x, float y) {
    const Control& c = model_.At(index);
    ImGui::SetCursorPos(ImVec2(x, y));
    ImGui::BeginChild(("##pc" + c.name).c_str(),
                      ImVec2(static_cast<float>(c.rect.width), static_cast<float>(c.rect.height)), false,
                      ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoScrollWithMouse | ImGuiWindowFlags_NoNav);
    Cache& k = cache_[index];
    bool programmatic = k.shownIndex != c.itemIndex;
    int clicked = -1;
    if (ImGui::BeginTabBar(("##tb" + c.name).c_str(), ImGuiTabBarFlags_None)) {
        for (size_t p = 0; p < c.children.size(); ++p) {
            int page = c.children[p];
            if (!model_.At(page).visible) continue;
            ImGuiTabItemFlags fl =
                programmatic && static_cast<int>(p) == c.itemIndex ? ImGuiTabItemFlags_SetSelected : 0;
            std::string label = std::string(Caption(page)) + "##" + model_.At(page).name;
            if (ImGui::BeginTabItem(label.c_str(), nullptr, fl)) {
                if (static_cast<int>(p) != c.itemIndex) clicked = static_cast<int>(p);
                ImGui::EndTabItem();
            }
        }
        ImGui::EndTabBar();
    }
    float tabH = ImGui::GetCursorPosY();
    ImVec2 barMin = ImGui::GetItemRectMin();
    k.shownIndex = c.itemIndex;
    if (model_.Focus() == index) {
        ImVec2 a = ToScreen(0, 0);
        ImGui::GetWindowDrawList()->AddRect(a, ImVec2(a.x + c.rect.width, barMin.y + tabH - 2),
                                            IM_COL32(30, 90, 200, 255), 2.0f, 0, 1.5f);
    }
    if (!programmatic && clicked >= 0) {
        model_.SetFocusIndex(index);
        model_.UserSelect(c.name, clicked);
    }
    const Control& cc = model_.At(index);
    ImGui::GetWindowDrawList()->AddRect(ToScreen(0, tabH - 1), ToScreen(c.rect.width, c.rect.height),
                                        IM_COL32(170, 170, 170, 255));
    if (cc.itemIndex >= 0 && cc.itemIndex < static_cast<int>(cc.children.size()))
        DrawChildren(cc.children[cc.itemIndex], 4, tabH + 3);
    ImGui::EndChild();
}

void ImGuiView::DrawTabControl(int index, float x, float y) {
    const Control& c = model_.At(index);
    DrawGroupFrame(c, x, y, "");
    ImGui::SetCursorPos(ImVec2(x + 2, y + 2));
    ImGui::BeginChild(("##tc" + c.name).c_str(), ImVec2(static_cast<float>(c.rect.width - 4), 24), false,
                      ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoNav);
    Cache& k = cache_[index];
    bool programmatic = k.shownIndex != c.itemIndex;
    int clicked = -1;
    const auto& items = Items(index);
    if (ImGui::BeginTabBar(("##tb" + c.name).c_str())) {
        for (size_t t = 0; t < items.size(); ++t) {
            ImGuiTabItemFlags fl =
                programmatic && static_cast<int>(t) == c.itemIndex ? ImGuiTabItemFlags_SetSelected : 0;
            if (ImGui::BeginTabItem((items[t] + "##" + c.name + std::to_string(t)).c_str(), nullptr, fl)) {
                if (static_cast<int>(t) != c.itemIndex) clicked = static_cast<int>(t);
                ImGui::EndTabItem();
            }
        }
        ImGui::EndTabBar();
    }
    ImGui::EndChild();
    AfterItem(index);
    k.shownIndex = c.itemIndex;
    if (!programmatic && clicked >= 0) {
        model_.SetFocusIndex(index);
        model_.UserSelect(c.name, clicked);
    }
    DrawChildren(index, x, y);
}

void ImGuiView::DrawEdit(int index, float x, float y) {
    const Control& c = model_.At(index);
    Cache& k = cache_[index];
    if (k.sourceText != c.text || (k.utf8Text.empty() && !c.text.empty())) {
        k.sourceText = c.text;
        k.utf8Text = Cp1250ToUtf8(c.text);
    }
    ImGui::SetCursorPos(ImVec2(x, y));
    ImGui::SetNextItemWidth(static_cast<float>(c.rect.width));
    if (model_.Focus() == index && lastFocus_ != index && !c.readOnly) ImGui::SetKeyboardFocusHere();
    ImGuiInputTextFlags fl = c.readOnly ? ImGuiInputTextFlags_ReadOnly : 0;
    if (ImGui::InputText(("##" + c.name).c_str(), &k.utf8Text, fl) && !c.readOnly) {
        std::string cp = Utf8ToCp1250(k.utf8Text);
        k.sourceText = cp;
        model_.UserSetText(c.name, cp);
    }
    AfterItem(index);
}

void ImGuiView::DrawMemo(int index, float x, float y) {
    const Control& c = model_.At(index);
    ImGui::SetCursorPos(ImVec2(x, y));
    ImGui::PushStyleColor(ImGuiCol_ChildBg, IM_COL32(255, 255, 255, 255));
    ImGui::BeginChild(("##" + c.name).c_str(),
                      ImVec2(static_cast<float>(c.rect.width), static_cast<float>(c.rect.height)), true,
                      ImGuiWindowFlags_AlwaysVerticalScrollbar | ImGuiWindowFlags_NoNav);
    if (model_.Focus() == index && memoScroll_ != 0) {
        ImGui::SetScrollY(ImGui::GetScrollY() + memoScroll_ * ImGui::GetTextLineHeightWithSpacing());
        memoScroll_ = 0;
    }
    ImGui::PushTextWrapPos(0.0f);
    for (const auto& line : Items(index)) ImGui::TextUnformatted(line.empty() ? " " : line.c_str());
    ImGui::PopTextWrapPos();
    bool clicked = ImGui::IsWindowHovered() && ImGui::IsMouseClicked(0);
    ImGui::EndChild();
    ImGui::PopStyleColor();
    if (clicked) model_.SetFocusIndex(index);
    AfterItem(index);
}

void ImGuiView::DrawCombo(int index, float x, float y) {
    const Control& c = model_.At(index);
    const auto& items = Items(index);
    ImGui::SetCursorPos(ImVec2(x, y));
    ImGui::SetNextItemWidth(static_cast<float>(c.rect.width));
    const char* preview =
        c.itemIndex >= 0 && c.itemIndex < static_cast<int>(items.size()) ? items[c.itemIndex].c_str() : "";
    int chosen = -1;
    if (ImGui::BeginCombo(("##" + c.name).c_str(), preview)) {
        for (size_t i = 0; i < items.size(); ++i) {
            bool sel = static_cast<int>(i) == c.itemIndex;
            if (ImGui::Selectable((items[i] + "##" + std::to_string(i)).c_str(), sel)) chosen = static_cast<int>(i);
            if (sel) ImGui::SetItemDefaultFocus();
        }
        ImGui::EndCombo();
    }
    AfterItem(index);
    if (chosen >= 0) {
        model_.SetFocusIndex(index);
        model_.UserSelect(c.name, chosen);
    }
}

void ImGuiView::DrawRadioGroup(int index, float x, float y) {
    const Control& c = model_.At(index);
    DrawGroupFrame(c, x, y, Caption(index));
    const auto& items = Items(index);
    int cols = std::max(1, c.columns);
    float colW = static_cast<float>(c.rect.width - 16) / cols;
    float rowH = ImGui::GetTextLineHeightWithSpacing() + 4;
    int chosen = -1;
    ImGui::BeginGroup();
    for (size_t i = 0; i < items.size(); ++i) {
        ImGui::SetCursorPos(ImVec2(x + 10 + colW * (i % cols), y + ImGui::GetFontSize() + 4 + rowH * (i / cols)));
        if (ImGui::RadioButton((items[i] + "##" + c.name + std::to_string(i)).c_str(),
                               static_cast<int>(i) == c.itemIndex))
            chosen = static_cast<int>(i);
    }
    ImGui::EndGroup();
    AfterItem(index);
    if (chosen >= 0) {
        model_.SetFocusIndex(index);
        model_.UserSelect(c.name, chosen);
    }
}

} // namespace zw::ui
