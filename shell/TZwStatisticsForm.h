#pragma once
// The statistics window: the route summary, line by line, in a scrollable
// read-only memo, and a Close button that ends the program.
#include "platform/ui/UiModel.h"

#include <string>

namespace zw {

class TZwLanguages;

class TZwStatisticsForm {
public:
    TZwStatisticsForm();

    ui::UiModel Model;

    // On creation the caption comes from the language (Summary.Summary).
    void FormCreate(const TZwLanguages& texts);
    // Shows the window; the button's caption comes from Summary.Close.
    void Show(const TZwLanguages& texts);
    bool Visible() const { return Model.Form().visible; }
    void Append(const std::string& line);
    void btnCloseClick();
    // Closed by its button or the window's close command: the program ends.
    bool Closed() const { return Model.Closed(); }
};

} // namespace zw
