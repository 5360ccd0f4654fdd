// The hidden board page: one direction's texts at a time, chosen by its tab.
#include "shell/TZwLauncherForm.h"

namespace zw {

namespace {
struct RodzajRadio {
    uint8_t rodzaj;
    const char* radio;
};
const RodzajRadio kRadios[] = {
    {RodzajOneLine, "rbtOneLine"},
    {RodzajTwoLines, "rbtTwoLines"},
    {RodzajFirstLarger, "rbtTwoLinesFirstBig"},
    {RodzajSecondLarger, "rbtTwoLinesSecondBig"},
};
const char* const kPoints[] = {"ed1b", "ed2b", "ed3b", "ed4b"};
} // namespace

void TZwLauncherForm::DoEkranu() {
    int tab = Model["TabControl1"].itemIndex;
    if (tab < 0) tab = 0;
    const TKierunek& k = Kierunek(tab + 1);
    Model["gbxKierunek"].caption = Model["TabControl1"].items[size_t(tab)];
    Model["edPierLinOpisu2"].text = k.Linia1;
    Model["edDruLinOpisu2"].text = k.Linia2;
    for (int i = 0; i < 4; ++i) Model[kPoints[i]].text = k.Punkty[size_t(i)];
    for (const RodzajRadio& r : kRadios) {
        if (r.rodzaj == k.Rodzaj) {
            Model.SetChecked(r.radio, true);
            ShowSecondLine(k.Rodzaj != RodzajOneLine);
        }
    }
}

void TZwLauncherForm::dotablicy() {
    int tab = Model["TabControl1"].itemIndex;
    if (tab < 0) tab = 0;
    TKierunek& k = Kierunek(tab + 1);
    k.Linia1 = Model["edPierLinOpisu2"].text;
    k.Linia2 = Model["edDruLinOpisu2"].text;
    for (int i = 0; i < 4; ++i) k.Punkty[size_t(i)] = Model[kPoints[i]].text;
    for (const RodzajRadio& r : kRadios)
        if (Model[r.radio].checked) k.Rodzaj = r.rodzaj;
}

void TZwLauncherForm::ShowSecondLine(bool show) {
    Model["lblDruLinOpisu2"].visible = show;
    Model["edDruLinOpisu2"].visible = show;
}

void TZwLauncherForm::TabControl1Change() { DoEkranu(); }
void TZwLauncherForm::Button4Click() { dotablicy(); }
void TZwLauncherForm::rbtOneLineClick() { ShowSecondLine(false); }
void TZwLauncherForm::rbtTwoLinesClick() { ShowSecondLine(true); }
void TZwLauncherForm::rbtTwoLinesFirstBigClick() { ShowSecondLine(true); }
void TZwLauncherForm::rbtTwoLinesSecondBigClick() { ShowSecondLine(true); }

} // namespace zw
