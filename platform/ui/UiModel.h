#pragma once
// The control model of a window: every control's state kept by its component
// name, so that window logic runs and is tested without a display. A view
// (platform/ui/imgui) draws the model and turns the person's input into the
// User* calls below; the window logic reads and sets the model only.
//
// Texts (captions, edit texts, items) are Windows-1250 bytes; the view
// converts them for display.
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace zw::ui {

enum class Kind {
    Form,        // the window itself: caption, client width and height
    PageControl, // tab pages; itemIndex is the active page among its Page children
    Page,
    GroupBox,
    Panel,
    Label,
    Edit,
    Memo, // read-only lines (items), scrollable
    ComboBox,    // drop-down list without free typing
    CheckBox,
    RadioGroup,  // a framed group of items, one selected (itemIndex)
    RadioButton, // checked excludes the other radio buttons of the same parent
    Slider,      // position within min..max
    Button,
    TabControl,  // tabs (items) over one shared area, itemIndex selected
    FolderChooser,
};

const char* KindName(Kind k);

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Control {
    std::string name;
    Kind kind = Kind::Label;
    int parent = -1; // index, -1 for the form
    std::vector<int> children;
    Rect rect;       // relative to the parent's client area, in pixels

    std::string caption;
    std::string text;               // edit text; folder chooser: the folder browsed
    std::vector<std::string> items; // list entries, memo lines, radio items, tabs
    int itemIndex = -1;             // -1: nothing selected
    bool checked = false;
    int position = 0, min = 0, max = 0;

    bool visible = true;
    bool enabled = true;
    bool readOnly = false;
    bool isDefault = false; // the button Enter presses
    bool bold = false;
    bool link = false;      // a label that can be clicked (a web address)
    uint32_t colour = 0;    // text colour 0xRRGGBB; 0 is the theme's
    int columns = 1;        // radio groups

    std::function<void()> onChange; // lists, edits, sliders, tabs, folder choice
    std::function<void()> onClick;  // buttons, check boxes, radio buttons, links
};

// Keys the model itself handles for keyboard-only use.
enum class Key { Tab, ShiftTab, CtrlTab, CtrlShiftTab, Enter, Escape, Space, Up, Down, Left, Right, Home, End };

class UiModel {
public:
    explicit UiModel(const std::string& formName = "Form");

    // Adds a control under parent (a name; "" for the form). Names are unique.
    Control& Add(Kind kind, const std::string& name, const std::string& parent, Rect rect,
                 const std::string& caption = "");

    bool Has(const std::string& name) const;
    Control& operator[](const std::string& name);
    const Control& operator[](const std::string& name) const;
    Control& At(int index) { return controls_[index]; }
    const Control& At(int index) const { return controls_[index]; }
    int IndexOf(const std::string& name) const; // -1 when missing
    int Count() const { return static_cast<int>(controls_.size()); }
    Control& Form() { return controls_[0]; }
    const Control& Form() const { return controls_[0]; }

    // Programmatic changes, as window code makes them: no events fire.
    void SetItems(const std::string& name, std::vector<std::string> items);
    // Selects the first item equal to text without regard to letter case;
    // none equal leaves nothing selected. Returns whether one was found.
    bool SelectText(const std::string& name, const std::string& text);
    // The first item equal to text without regard to letter case, or -1.
    int FindText(const std::string& name, const std::string& text) const;
    void SetIndex(const std::string& name, int index); // out of range: nothing selected
    std::string SelectedText(const std::string& name) const; // "" when none
    void SetPosition(const std::string& name, int position); // clamped to min..max
    void SetRange(const std::string& name, int min, int max);
    void SetChecked(const std::string& name, bool checked); // radio buttons clear their siblings
    void SetActivePage(const std::string& pageName);

    // What the person does (the view calls these; so do tests). Events fire.
    void UserSelect(const std::string& name, int index);
    void UserCheck(const std::string& name, bool checked);
    void UserSetPosition(const std::string& name, int position);
    void UserSetText(const std::string& name, const std::string& text);
    void UserClick(const std::string& name);
    // The window's close command: runs the close handler once.
    void UserClose();

    std::function<void()> onClose;
    bool Closed() const { return closed_; }
    // The application-wide exception event: an exception escaping an event
    // handler comes here (without it, it goes on to the caller).
    std::function<void(const std::exception&)> onException;

    // Shown on screen: visible itself, every parent visible, and on the active
    // page of every page control above it.
    bool Showing(int index) const;
    bool Showing(const std::string& name) const { return Showing(IndexOf(name)); }
    bool EffectivelyEnabled(int index) const;

    // Keyboard-only use: the focus moves through the shown, enabled controls
    // that take the focus, in creation order.
    std::vector<int> TabOrder() const;
    int Focus() const { return focus_; }
    void SetFocus(const std::string& name);
    void SetFocusIndex(int index) { focus_ = index; }
    // Returns whether the key did something.
    bool KeyPress(Key key);

private:
    bool TakesFocus(const Control& c) const;
    void MoveFocus(int step);
    void StepActivePage(int pageControl, int step);
    bool KeyOnControl(Control& c, Key key);
    int DefaultButton() const;
    void Fire(const std::function<void()>& fn);

    std::vector<Control> controls_;
    std::unordered_map<std::string, int> index_;
    int focus_ = -1;
    bool closed_ = false;
};

// The model as text, one control per line in UTF-8:
// name TAB kind TAB visible TAB enabled TAB caption TAB value TAB items,
// items joined by "|". Tabs, line ends, "|" and "\" inside texts are escaped
// as "\t", "\n", "\|" and "\\".
std::string DumpUi(const UiModel& model);

} // namespace zw::ui
