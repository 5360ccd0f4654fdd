#include "platform/ui/UiModel.h"

#include "util/Cp1250.h"

namespace zw::ui {

namespace {
std::string Escaped(const std::string& cp, bool inItem) {
    std::string s = Cp1250ToUtf8(cp), out;
    out.reserve(s.size());
    for (char ch : s) {
        switch (ch) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '|':
            if (inItem) out += "\\|";
            else out += ch;
            break;
        default: out += ch;
        }
    }
    return out;
}

std::string ValueOf(const UiModel& m, const Control& c) {
    switch (c.kind) {
    case Kind::Edit:
    case Kind::FolderChooser: return c.text;
    case Kind::CheckBox:
    case Kind::RadioButton: return c.checked ? "1" : "0";
    case Kind::Slider: return std::to_string(c.position);
    case Kind::ComboBox:
    case Kind::RadioGroup:
    case Kind::TabControl:
        return c.itemIndex >= 0 && c.itemIndex < static_cast<int>(c.items.size()) ? c.items[c.itemIndex] : "";
    case Kind::PageControl:
        return c.itemIndex >= 0 && c.itemIndex < static_cast<int>(c.children.size())
                   ? m.At(c.children[c.itemIndex]).name
                   : "";
    default: return "";
    }
}
} // namespace

std::string DumpUi(const UiModel& model) {
    std::string out;
    for (int i = 0; i < model.Count(); ++i) {
        const Control& c = model.At(i);
        out += Escaped(c.name, false);
        out += '\t';
        out += KindName(c.kind);
        out += '\t';
        out += c.visible ? '1' : '0';
        out += '\t';
        out += c.enabled ? '1' : '0';
        out += '\t';
        out += Escaped(c.caption, false);
        out += '\t';
        out += Escaped(ValueOf(model, c), false);
        out += '\t';
        std::vector<std::string> items = c.items;
        if (c.kind == Kind::PageControl) {
            items.clear();
            for (int ch : c.children) items.push_back(model.At(ch).name);
        }
        for (size_t k = 0; k < items.size(); ++k) {
            if (k) out += '|';
            out += Escaped(items[k], true);
        }
        out += '\n';
    }
    return out;
}

} // namespace zw::ui
