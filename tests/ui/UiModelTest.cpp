// The control model: selection rules, events, keyboard-only use, the dump.
#include "platform/ui/FolderChooser.h"
#include "platform/ui/UiModel.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

using namespace zw::ui;

namespace {
// A small window: two pages (the second with a hidden third), a default button.
struct Dialog {
    UiModel m{"dlg"};
    std::vector<std::string> events;
    Dialog() {
        m.Add(Kind::Button, "ok", "", {}, "OK").isDefault = true;
        m.Add(Kind::Button, "cancel", "", {}, "Cancel");
        m.Add(Kind::PageControl, "pages", "", {});
        m.Add(Kind::Page, "p1", "pages", {});
        m.Add(Kind::Page, "p2", "pages", {});
        m.Add(Kind::Page, "p3", "pages", {}).visible = false;
        m.Add(Kind::ComboBox, "list", "p1", {}).items = {"Alpha", "beta", "Gamma"};
        m.Add(Kind::CheckBox, "check", "p1", {});
        m.Add(Kind::CheckBox, "off", "p1", {}).enabled = false;
        m.Add(Kind::Label, "plain", "p1", {});
        m.Add(Kind::Slider, "slider", "p2", {});
        m.SetRange("slider", 0, 3);
        m.Add(Kind::GroupBox, "grp", "p2", {});
        m.Add(Kind::RadioButton, "r1", "grp", {}).checked = true;
        m.Add(Kind::RadioButton, "r2", "grp", {});
        m.Add(Kind::Edit, "hiddenEdit", "p3", {});
        for (const char* n : {"ok", "cancel", "check", "r1", "r2"}) {
            std::string name = n;
            m[n].onClick = [this, name] { events.push_back("click " + name); };
        }
        for (const char* n : {"list", "slider", "pages"}) {
            std::string name = n;
            m[n].onChange = [this, name] { events.push_back("change " + name); };
        }
    }
    std::vector<std::string> Order() {
        std::vector<std::string> names;
        for (int i : m.TabOrder()) names.push_back(m.At(i).name);
        return names;
    }
};
} // namespace

TEST(UiModel, SelectingByTextIgnoresCaseAndAMissingTextSelectsNothing) {
    Dialog d;
    EXPECT_TRUE(d.m.SelectText("list", "GAMMA"));
    EXPECT_EQ(d.m.SelectedText("list"), "Gamma");
    EXPECT_FALSE(d.m.SelectText("list", "Delta"));
    EXPECT_EQ(d.m["list"].itemIndex, -1);
    EXPECT_EQ(d.m.SelectedText("list"), "");
    d.m.SetIndex("list", 7);
    EXPECT_EQ(d.m["list"].itemIndex, -1);
    EXPECT_TRUE(d.events.empty()); // programmatic changes fire nothing
    EXPECT_THROW(d.m["nothing"], zw::ZwError);
    EXPECT_THROW(d.m.Add(Kind::Label, "list", "", {}), zw::ZwError);
}

TEST(UiModel, SlidersClampAndRadioButtonsExcludeEachOther) {
    Dialog d;
    for (auto [set, want] : std::vector<std::pair<int, int>>{{2, 2}, {9, 3}, {-1, 0}}) {
        d.m.UserSetPosition("slider", set);
        EXPECT_EQ(d.m["slider"].position, want);
    }
    d.m.UserCheck("r2", true);
    EXPECT_FALSE(d.m["r1"].checked);
    EXPECT_TRUE(d.m["r2"].checked);
    d.m.UserCheck("r2", false); // a radio button is not unchecked by itself
    EXPECT_TRUE(d.m["r2"].checked);
}

TEST(UiModel, TabVisitsShownEnabledControlsInOrderAndWraps) {
    Dialog d;
    EXPECT_EQ(d.Order(), (std::vector<std::string>{"ok", "cancel", "pages", "list", "check"}));
    d.m.SetActivePage("p2");
    EXPECT_EQ(d.Order(), (std::vector<std::string>{"ok", "cancel", "pages", "slider", "r1"}));
    d.m.KeyPress(Key::Tab);
    EXPECT_EQ(d.m.At(d.m.Focus()).name, "ok");
    d.m.KeyPress(Key::ShiftTab);
    EXPECT_EQ(d.m.At(d.m.Focus()).name, "r1");
    d.m.KeyPress(Key::Tab);
    EXPECT_EQ(d.m.At(d.m.Focus()).name, "ok");
}

TEST(UiModel, KeysWorkTheFocusedControl) {
    Dialog d;
    d.m.SetFocus("list");
    d.m.KeyPress(Key::Down); // nothing selected: the first
    d.m.KeyPress(Key::Down);
    EXPECT_EQ(d.m.SelectedText("list"), "beta");
    d.m.KeyPress(Key::End);
    d.m.KeyPress(Key::Down); // already last: no event
    EXPECT_EQ(d.m.SelectedText("list"), "Gamma");
    d.m.SetFocus("check");
    d.m.KeyPress(Key::Space);
    EXPECT_TRUE(d.m["check"].checked);
    d.m.SetFocus("pages");
    d.m.KeyPress(Key::Right);
    EXPECT_TRUE(d.m.Showing("p2"));
    d.m.KeyPress(Key::Right); // p3 is hidden: back to p1
    EXPECT_TRUE(d.m.Showing("p1"));
    d.m.SetActivePage("p2");
    d.m.SetFocus("slider");
    d.m.KeyPress(Key::Right);
    d.m.KeyPress(Key::End);
    EXPECT_EQ(d.m["slider"].position, 3);
    d.m.SetFocus("r1");
    d.m.KeyPress(Key::Down);
    EXPECT_TRUE(d.m["r2"].checked);
    EXPECT_EQ(d.m.At(d.m.Focus()).name, "r2");
    EXPECT_EQ(d.events, (std::vector<std::string>{"change list", "change list", "change list", "click check",
                                                  "change pages", "change pages", "change slider",
                                                  "change slider", "click r2"}));
}

TEST(UiModel, EnterPressesTheFocusedButtonOrTheDefaultOne) {
    Dialog d;
    d.m.SetFocus("list");
    d.m.KeyPress(Key::Enter);
    d.m.SetFocus("cancel");
    d.m.KeyPress(Key::Enter);
    EXPECT_EQ(d.events, (std::vector<std::string>{"click ok", "click cancel"}));
    d.m["ok"].enabled = false;
    d.m.SetFocus("list");
    EXPECT_FALSE(d.m.KeyPress(Key::Enter));
}

TEST(UiModel, CtrlTabTurnsTheInnermostPageControl) {
    Dialog d;
    d.m.SetFocus("check");
    d.m.KeyPress(Key::CtrlTab);
    EXPECT_TRUE(d.m.Showing("p2"));
    EXPECT_EQ(d.m.At(d.m.Focus()).name, "pages"); // the focus was on the page that went
    d.m.KeyPress(Key::CtrlShiftTab);
    EXPECT_TRUE(d.m.Showing("p1"));
}

TEST(UiModel, AnExceptionInAHandlerGoesToTheExceptionEvent) {
    Dialog d;
    d.m["ok"].onClick = [] { throw zw::EConvertError("bad"); };
    EXPECT_THROW(d.m.UserClick("ok"), zw::EConvertError);
    std::string seen;
    d.m.onException = [&](const std::exception& e) { seen = e.what(); };
    EXPECT_NO_THROW(d.m.UserClick("ok"));
    EXPECT_EQ(seen, "bad");
}

TEST(UiModel, CloseRunsItsHandlerOnce) {
    Dialog d;
    int closes = 0;
    d.m.onClose = [&] { ++closes; };
    d.m.UserClose();
    d.m.UserClose();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(d.m.Closed());
}

TEST(UiDump, OneEscapedLinePerControl) {
    UiModel m("f");
    m.Form().caption = "Okno";
    m.Add(Kind::ComboBox, "c", "", {}, "a\tb").items = {"x|y", "z\\", "\xB3\xF3" "d"};
    m.SetIndex("c", 2);
    m.Add(Kind::CheckBox, "k", "", {}, "Check").checked = true;
    m["k"].enabled = false;
    m.Add(Kind::Memo, "mem", "", {}).items = {"line 1", "line\n2"};
    m["mem"].visible = false;
    EXPECT_EQ(DumpUi(m), "f\tform\t1\t1\tOkno\t\t\n"
                         "c\tcombo\t1\t1\ta\\tb\t\xC5\x82\xC3\xB3" "d\tx\\|y|z\\\\|\xC5\x82\xC3\xB3" "d\n"
                         "k\tcheck\t1\t0\tCheck\t1\t\n"
                         "mem\tmemo\t0\t1\t\t\tline 1|line\\n2\n");
}
