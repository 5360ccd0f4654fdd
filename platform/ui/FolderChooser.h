#pragma once
// The folder chooser of a model: a control of kind FolderChooser that, while
// open (visible), browses one folder (text) and lists its sub-folders (items).
// Picking fires the control's onChange with text set to the chosen folder with
// a trailing separator; cancelling closes it and changes nothing.
#include "platform/ui/UiModel.h"

#include <string>

namespace zw::ui {

// Opens the chooser at start, or at its nearest existing parent folder.
void OpenFolderChooser(UiModel& m, const std::string& name, const std::string& start);
void FolderChooserEnter(UiModel& m, const std::string& name, int index);
void FolderChooserUp(UiModel& m, const std::string& name);
void FolderChooserPick(UiModel& m, const std::string& name);
void FolderChooserCancel(UiModel& m, const std::string& name);

} // namespace zw::ui
