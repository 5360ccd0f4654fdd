// Keyboard-only use of a model: Tab moves the focus, Ctrl+Tab turns pages,
// Enter presses the focused or the default button, arrows and Space work the
// focused control as the person expects from a desktop dialog.
#include "platform/ui/UiModel.h"

#include <algorithm>
#include <functional>

namespace zw::ui {

bool UiModel::TakesFocus(const Control& c) const {
    switch (c.kind) {
    case Kind::PageControl:
    case Kind::Edit:
    case Kind::Memo:
    case Kind::ComboBox:
    case Kind::CheckBox:
    case Kind::RadioGroup:
    case Kind::Slider:
    case Kind::Button:
    case Kind::TabControl: return true;
    case Kind::Label: return c.link;
    case Kind::RadioButton: {
        // One stop per group of radio buttons: the checked one, else the first.
        const Control& p = controls_[c.parent];
        const Control* first = nullptr;
        for (int s : p.children) {
            const Control& sib = controls_[s];
            if (sib.kind != Kind::RadioButton) continue;
            if (sib.checked) return &sib == &c;
            if (!first) first = &sib;
        }
        return first == &c;
    }
    default: return false;
    }
}

std::vector<int> UiModel::TabOrder() const {
    std::vector<int> order;
    std::function<void(int)> walk = [&](int i) {
        for (int ch : controls_[i].children) {
            if (!Showing(ch) || !EffectivelyEnabled(ch)) continue;
            if (TakesFocus(controls_[ch])) order.push_back(ch);
            walk(ch);
        }
    };
    walk(0);
    return order;
}

void UiModel::SetFocus(const std::string& name) { focus_ = IndexOf(name); }

void UiModel::MoveFocus(int step) {
    std::vector<int> order = TabOrder();
    if (order.empty()) {
        focus_ = -1;
        return;
    }
    int n = static_cast<int>(order.size());
    auto it = std::find(order.begin(), order.end(), focus_);
    if (it == order.end()) {
        focus_ = step > 0 ? order.front() : order.back();
        return;
    }
    int pos = static_cast<int>(it - order.begin());
    focus_ = order[((pos + step) % n + n) % n];
}

void UiModel::StepActivePage(int pc, int step) {
    Control& c = controls_[pc];
    int n = static_cast<int>(c.children.size());
    if (n == 0) return;
    int i = c.itemIndex < 0 ? 0 : c.itemIndex;
    for (int k = 0; k < n; ++k) {
        i = ((i + step) % n + n) % n;
        if (controls_[c.children[i]].visible) break;
    }
    if (i != c.itemIndex) {
        c.itemIndex = i;
        Fire(c.onChange);
    }
}

int UiModel::DefaultButton() const {
    for (int i = 0; i < Count(); ++i) {
        const Control& c = controls_[i];
        if (c.kind == Kind::Button && c.isDefault && Showing(i) && EffectivelyEnabled(i)) return i;
    }
    return -1;
}

bool UiModel::KeyPress(Key key) {
    switch (key) {
    case Key::Tab: MoveFocus(1); return true;
    case Key::ShiftTab: MoveFocus(-1); return true;
    case Key::CtrlTab:
    case Key::CtrlShiftTab: {
        // The innermost page control around the focus turns; without focus, the first one.
        int pc = -1;
        for (int i = focus_; i >= 0 && pc < 0; i = controls_[i].parent)
            if (controls_[i].kind == Kind::PageControl) pc = i;
        for (int i = 0; i < Count() && pc < 0; ++i)
            if (controls_[i].kind == Kind::PageControl && Showing(i)) pc = i;
        if (pc < 0) return false;
        StepActivePage(pc, key == Key::CtrlTab ? 1 : -1);
        if (!Showing(focus_)) focus_ = pc;
        return true;
    }
    case Key::Enter: {
        int target = focus_ >= 0 && controls_[focus_].kind == Kind::Button && Showing(focus_) ? focus_
                                                                                               : DefaultButton();
        if (target < 0 || !EffectivelyEnabled(target)) return false;
        Fire(controls_[target].onClick);
        return true;
    }
    default: break;
    }
    if (focus_ < 0 || !Showing(focus_) || !EffectivelyEnabled(focus_)) return false;
    return KeyOnControl(controls_[focus_], key);
}

namespace {
int Stepped(Key key, int current, int last) {
    switch (key) {
    case Key::Up:
    case Key::Left: return std::max(0, current - 1);
    case Key::Down:
    case Key::Right: return std::min(last, current + 1);
    case Key::Home: return 0;
    case Key::End: return last;
    default: return current;
    }
}
} // namespace

bool UiModel::KeyOnControl(Control& c, Key key) {
    const std::string name = c.name;
    switch (c.kind) {
    case Kind::CheckBox:
        if (key != Key::Space) return false;
        UserCheck(name, !c.checked);
        return true;
    case Kind::Button:
    case Kind::Label:
        if (key != Key::Space) return false;
        UserClick(name);
        return true;
    case Kind::ComboBox:
    case Kind::RadioGroup:
    case Kind::TabControl: {
        if (key == Key::Space || key == Key::Escape || c.items.empty()) return false;
        int last = static_cast<int>(c.items.size()) - 1;
        int next = c.itemIndex < 0 ? 0 : Stepped(key, c.itemIndex, last);
        if (next != c.itemIndex) UserSelect(name, next);
        return true;
    }
    case Kind::Slider: {
        int pos = c.position;
        if (key == Key::Left || key == Key::Down) pos -= 1;
        else if (key == Key::Right || key == Key::Up) pos += 1;
        else if (key == Key::Home) pos = c.min;
        else if (key == Key::End) pos = c.max;
        else return false;
        if (std::clamp(pos, c.min, c.max) != c.position) UserSetPosition(name, pos);
        return true;
    }
    case Kind::PageControl:
        if (key == Key::Left || key == Key::Right) {
            StepActivePage(IndexOf(name), key == Key::Left ? -1 : 1);
            return true;
        }
        return false;
    case Kind::RadioButton: {
        if (key == Key::Space) {
            UserCheck(name, true);
            return true;
        }
        int step = key == Key::Up || key == Key::Left ? -1 : key == Key::Down || key == Key::Right ? 1 : 0;
        if (step == 0) return false;
        const auto& sibs = controls_[c.parent].children;
        int me = IndexOf(name);
        auto it = std::find(sibs.begin(), sibs.end(), me);
        for (auto j = it; ;) {
            if (step < 0) {
                if (j == sibs.begin()) break;
                --j;
            } else {
                ++j;
                if (j == sibs.end()) break;
            }
            const Control& s = controls_[*j];
            if (s.kind == Kind::RadioButton && Showing(*j) && EffectivelyEnabled(*j)) {
                std::string target = s.name;
                focus_ = *j;
                UserCheck(target, true);
                break;
            }
        }
        return true;
    }
    default: return false;
    }
}

} // namespace zw::ui
