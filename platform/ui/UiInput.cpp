#include "platform/ui/UiInput.h"

namespace zw::ui {

bool HandleInput(UiModel& model, const InputEvent& e) {
    if (e.kind != InputEvent::Kind::KeyDown) return false;
    bool shift = (e.shift & shiftstate::Shift) != 0, ctrl = (e.shift & shiftstate::Ctrl) != 0;
    Key k;
    switch (e.key) {
    case 0x09: k = ctrl ? (shift ? Key::CtrlShiftTab : Key::CtrlTab) : (shift ? Key::ShiftTab : Key::Tab); break;
    case 0x0D: k = Key::Enter; break;
    case 0x1B: k = Key::Escape; break;
    case 0x20: k = Key::Space; break;
    case 0x23: k = Key::End; break;
    case 0x24: k = Key::Home; break;
    case 0x25: k = Key::Left; break;
    case 0x26: k = Key::Up; break;
    case 0x27: k = Key::Right; break;
    case 0x28: k = Key::Down; break;
    default: return false;
    }
    return model.KeyPress(k);
}

} // namespace zw::ui
