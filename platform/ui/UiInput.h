#pragma once
// Keys for a model from the window layer's own events (virtual-key codes), as
// a window without ImGui gets them: headless runs driven by an input script.
#include "platform/ui/UiModel.h"
#include "platform/window/InputEvent.h"

namespace zw::ui {

// Returns whether the event was a key the model acted on.
bool HandleInput(UiModel& model, const InputEvent& e);

} // namespace zw::ui
