#pragma once
// Draws a control model with Dear ImGui, each control at its design place,
// and turns clicks, typing and keys into the model's User* calls. Texts are
// converted from Windows-1250 to UTF-8 here and nowhere else.
#include "platform/ui/UiModel.h"

#include <SDL.h>

#include <string>
#include <unordered_map>
#include <vector>

struct ImFont;

namespace zw::ui {

class ImGuiView {
public:
    explicit ImGuiView(UiModel& model) : model_(model) {}

    void SetFonts(ImFont* regular, ImFont* bold) {
        regular_ = regular;
        bold_ = bold;
    }
    // One ImGui frame's worth of the whole window.
    void Draw();
    // Keys the model handles itself (Tab, Enter, arrows on lists...). Returns
    // true when the event is used and must not reach ImGui.
    bool HandleEvent(const SDL_Event& e);

private:
    struct Cache {
        std::string sourceText, utf8Text; // edits
        std::vector<std::string> sourceItems, utf8Items;
        std::string sourceCaption, utf8Caption;
        int shownIndex = -2; // tab bars: the tab the view last showed
    };

    void DrawChildren(int parent, float ox, float oy);
    void DrawControl(int index, float x, float y);
    void DrawGroupFrame(const Control& c, float x, float y, const char* caption);
    void DrawPageControl(int index, float x, float y);
    void DrawTabControl(int index, float x, float y);
    void DrawEdit(int index, float x, float y);
    void DrawMemo(int index, float x, float y);
    void DrawCombo(int index, float x, float y);
    void DrawRadioGroup(int index, float x, float y);
    void DrawFolderChooser(int index);
    void AfterItem(int index);
    const char* Caption(int index);
    const std::vector<std::string>& Items(int index);
    bool ChooserKey(int index, SDL_Keycode key);

    UiModel& model_;
    ImFont* regular_ = nullptr;
    ImFont* bold_ = nullptr;
    std::unordered_map<int, Cache> cache_;
    int lastFocus_ = -1;
    int memoScroll_ = 0; // lines to scroll the focused memo by (keyboard)
};

} // namespace zw::ui
