#pragma once

#include <string_view>

namespace rufo::platform {

// Keyboard set-1 scan code of an SDL scancode, plus 0x100 for extended keys (the value a Windows
// key message carries in bits 16 to 24); 0 for keys a standard PC keyboard does not have.
int Set1ScanCodeFromSdl(int sdlScancode);

// The same code for a key name: SDL's key names ("F12", "Return", "Escape", "Up", "A") and the
// short forms Enter, LAlt, RAlt, LShift, RShift, LCtrl and RCtrl. 0 for an unknown name.
int Set1ScanCodeFromName(std::string_view name);

}  // namespace rufo::platform
