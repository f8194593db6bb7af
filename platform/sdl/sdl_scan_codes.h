#pragma once

namespace rufo::platform {

// Keyboard set-1 scan code of an SDL scancode, plus 0x100 for extended keys (the value a Windows
// key message carries in bits 16 to 24); 0 for keys a standard PC keyboard does not have.
int Set1ScanCodeFromSdl(int sdlScancode);

}  // namespace rufo::platform
