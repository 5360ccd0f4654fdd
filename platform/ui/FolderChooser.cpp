#include "platform/ui/FolderChooser.h"

#include "util/Paths.h"

namespace zw::ui {

namespace {
std::string WithoutTrailingSeparator(std::string s) {
    while (s.size() > 1 && (s.back() == '/' || s.back() == '\\')) s.pop_back();
    return s;
}

void Browse(Control& c, const std::string& dir) {
    c.text = dir;
    c.items = ListDirectory(dir, true, false);
    c.itemIndex = c.items.empty() ? -1 : 0;
}
} // namespace

void OpenFolderChooser(UiModel& m, const std::string& name, const std::string& start) {
    Control& c = m[name];
    std::string dir = WithoutTrailingSeparator(ResolvePath(start));
    while (!dir.empty() && dir != "/" && !DirectoryExists(dir)) dir = DirOf(dir);
    if (dir.empty() || !DirectoryExists(dir)) dir = AppDir();
    c.visible = true;
    Browse(c, dir);
}

void FolderChooserEnter(UiModel& m, const std::string& name, int index) {
    Control& c = m[name];
    if (!c.visible || index < 0 || index >= static_cast<int>(c.items.size())) return;
    Browse(c, JoinPath(c.text, c.items[index]));
}

void FolderChooserUp(UiModel& m, const std::string& name) {
    Control& c = m[name];
    if (!c.visible || c.text == "/") return;
    std::string up = DirOf(c.text);
    Browse(c, up.empty() ? "/" : up);
}

void FolderChooserPick(UiModel& m, const std::string& name) {
    Control& c = m[name];
    if (!c.visible) return;
    c.visible = false;
    if (c.text.empty() || c.text.back() != '/') c.text += '/';
    if (c.onChange) c.onChange();
}

void FolderChooserCancel(UiModel& m, const std::string& name) { m[name].visible = false; }

} // namespace zw::ui
