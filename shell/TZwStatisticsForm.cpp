#include "shell/TZwStatisticsForm.h"

#include "shell/TZwLanguages.h"
#include "shell/ZwLog.h"

namespace zw {

using ui::Kind;

TZwStatisticsForm::TZwStatisticsForm() : Model("TZwStatisticsForm") {
    ui::Control& form = Model.Form();
    form.caption = "Statistics";
    form.rect = {0, 0, 598, 451};
    form.visible = false;
    Model.Add(Kind::GroupBox, "gbxStatistics", "", {8, 6, 582, 400}, " Statistics ");
    Model.Add(Kind::Memo, "memStatistics", "gbxStatistics", {8, 20, 566, 372}).readOnly = true;
    auto& close = Model.Add(Kind::Button, "btnClose", "", {490, 416, 100, 26}, "Close");
    close.isDefault = true;
    close.onClick = [this] { btnCloseClick(); };
    Model.onException = [](const std::exception& e) { EngineLog().AddException(e); };
}

void TZwStatisticsForm::FormCreate(const TZwLanguages& texts) {
    Model.Form().caption = texts.GetText("Summary", "Summary");
}

void TZwStatisticsForm::Show(const TZwLanguages& texts) {
    Model["btnClose"].caption = texts.GetText("Summary", "Close");
    Model.Form().visible = true;
    Model.SetFocus("btnClose");
}

void TZwStatisticsForm::Append(const std::string& line) { Model["memStatistics"].items.push_back(line); }

void TZwStatisticsForm::btnCloseClick() { Model.UserClose(); }

} // namespace zw
