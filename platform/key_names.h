#pragma once

#include <string_view>

namespace rufo::platform {

// Keyboard set-1 scan code of a key name, plus 0x100 for extended keys (the value a Windows key
// message carries in bits 16 to 24). The names are SDL's key names ("F12", "Return", "Escape",
// "Up", "A", "Left Alt", "Keypad Enter") and the short forms Enter, LAlt, RAlt, LShift, RShift,
// LCtrl and RCtrl, in any letter case. 0 for a name no standard PC keyboard key has.
int Set1ScanCodeFromName(std::string_view name);

}  // namespace rufo::platform
