#include "platform/ui/UiModel.h"

#include "util/Errors.h"
#include "util/Fields.h"

#include <algorithm>

namespace zw::ui {

const char* KindName(Kind k) {
    switch (k) {
    case Kind::Form: return "form";
    case Kind::PageControl: return "pages";
    case Kind::Page: return "page";
    case Kind::GroupBox: return "group";
    case Kind::Panel: return "panel";
    case Kind::Label: return "label";
    case Kind::Edit: return "edit";
    case Kind::Memo: return "memo";
    case Kind::ComboBox: return "combo";
    case Kind::CheckBox: return "check";
    case Kind::RadioGroup: return "radiogroup";
    case Kind::RadioButton: return "radio";
    case Kind::Slider: return "slider";
    case Kind::Button: return "button";
    case Kind::TabControl: return "tabs";
    case Kind::FolderChooser: return "folder";
    }
    return "?";
}

UiModel::UiModel(const std::string& formName) {
    Control form;
    form.name = formName;
    form.kind = Kind::Form;
    controls_.push_back(form);
    index_[formName] = 0;
}

Control& UiModel::Add(Kind kind, const std::string& name, const std::string& parent, Rect rect,
                      const std::string& caption) {
    if (index_.count(name)) throw ERangeError("control \"" + name + "\" added twice");
    int p = parent.empty() ? 0 : IndexOf(parent);
    if (p < 0) throw ERangeError("control \"" + name + "\": no parent \"" + parent + "\"");
    Control c;
    c.name = name;
    c.kind = kind;
    c.parent = p;
    c.rect = rect;
    c.caption = caption;
    int idx = static_cast<int>(controls_.size());
    controls_.push_back(std::move(c));
    controls_[p].children.push_back(idx);
    index_[name] = idx;
    if (controls_[p].kind == Kind::PageControl && kind == Kind::Page && controls_[p].itemIndex < 0)
        controls_[p].itemIndex = 0;
    return controls_[idx];
}

bool UiModel::Has(const std::string& name) const { return index_.count(name) != 0; }

int UiModel::IndexOf(const std::string& name) const {
    auto it = index_.find(name);
    return it == index_.end() ? -1 : it->second;
}

Control& UiModel::operator[](const std::string& name) {
    int i = IndexOf(name);
    if (i < 0) throw ERangeError("no control \"" + name + "\"");
    return controls_[i];
}

const Control& UiModel::operator[](const std::string& name) const {
    int i = IndexOf(name);
    if (i < 0) throw ERangeError("no control \"" + name + "\"");
    return controls_[i];
}

void UiModel::SetItems(const std::string& name, std::vector<std::string> items) {
    Control& c = (*this)[name];
    c.items = std::move(items);
    c.itemIndex = -1;
}

int UiModel::FindText(const std::string& name, const std::string& text) const {
    const Control& c = (*this)[name];
    for (size_t i = 0; i < c.items.size(); ++i)
        if (EqualsNoCase(c.items[i], text)) return static_cast<int>(i);
    return -1;
}

bool UiModel::SelectText(const std::string& name, const std::string& text) {
    int i = FindText(name, text);
    (*this)[name].itemIndex = i;
    return i >= 0;
}

void UiModel::SetIndex(const std::string& name, int index) {
    Control& c = (*this)[name];
    int n = c.kind == Kind::PageControl ? static_cast<int>(c.children.size()) : static_cast<int>(c.items.size());
    c.itemIndex = index >= 0 && index < n ? index : -1;
}

std::string UiModel::SelectedText(const std::string& name) const {
    const Control& c = (*this)[name];
    if (c.itemIndex < 0 || c.itemIndex >= static_cast<int>(c.items.size())) return "";
    return c.items[c.itemIndex];
}

void UiModel::SetRange(const std::string& name, int min, int max) {
    Control& c = (*this)[name];
    c.min = min;
    c.max = std::max(min, max);
    c.position = std::clamp(c.position, c.min, c.max);
}

void UiModel::SetPosition(const std::string& name, int position) {
    Control& c = (*this)[name];
    c.position = std::clamp(position, c.min, c.max);
}

void UiModel::SetChecked(const std::string& name, bool checked) {
    Control& c = (*this)[name];
    c.checked = checked;
    if (c.kind == Kind::RadioButton && checked) {
        for (int sib : controls_[c.parent].children) {
            Control& s = controls_[sib];
            if (s.kind == Kind::RadioButton && s.name != name) s.checked = false;
        }
    }
}

void UiModel::SetActivePage(const std::string& pageName) {
    Control& page = (*this)[pageName];
    Control& pc = controls_[page.parent];
    const auto& ch = pc.children;
    auto it = std::find(ch.begin(), ch.end(), IndexOf(pageName));
    pc.itemIndex = static_cast<int>(it - ch.begin());
}

void UiModel::Fire(const std::function<void()>& handler) {
    if (!handler) return;
    std::function<void()> fn = handler; // the handler may replace itself
    if (!onException) return fn();
    try {
        fn();
    } catch (const std::exception& e) {
        onException(e);
    }
}

void UiModel::UserSelect(const std::string& name, int index) {
    Control& c = (*this)[name];
    if (c.kind == Kind::PageControl) {
        if (index < 0 || index >= static_cast<int>(c.children.size())) return;
        if (!controls_[c.children[index]].visible) return;
        c.itemIndex = index;
        Fire(c.onChange);
        return;
    }
    if (index < 0 || index >= static_cast<int>(c.items.size())) return;
    c.itemIndex = index;
    Fire(c.onChange);
}

void UiModel::UserCheck(const std::string& name, bool checked) {
    Control& c = (*this)[name];
    if (c.kind == Kind::RadioButton && !checked) return; // a radio button is unchecked by its siblings
    SetChecked(name, checked);
    Fire((*this)[name].onClick);
}

void UiModel::UserSetPosition(const std::string& name, int position) {
    SetPosition(name, position);
    Fire((*this)[name].onChange);
}

void UiModel::UserSetText(const std::string& name, const std::string& text) {
    Control& c = (*this)[name];
    if (c.readOnly) return;
    c.text = text;
    Fire(c.onChange);
}

void UiModel::UserClick(const std::string& name) { Fire((*this)[name].onClick); }

void UiModel::UserClose() {
    if (closed_) return;
    closed_ = true;
    Fire(onClose);
}

bool UiModel::Showing(int index) const {
    if (index < 0) return false;
    for (int i = index; i >= 0; i = controls_[i].parent) {
        const Control& c = controls_[i];
        if (!c.visible) return false;
        if (c.kind == Kind::Page) {
            const Control& pc = controls_[c.parent];
            if (pc.itemIndex < 0 || pc.itemIndex >= static_cast<int>(pc.children.size()) ||
                pc.children[pc.itemIndex] != i)
                return false;
        }
    }
    return true;
}

bool UiModel::EffectivelyEnabled(int index) const {
    for (int i = index; i >= 0; i = controls_[i].parent)
        if (!controls_[i].enabled) return false;
    return true;
}

} // namespace zw::ui
