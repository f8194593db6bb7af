#pragma once

#include <cstdint>

namespace rufo {

class Control;

// The Start screen, where each child has a face slot, picks a face picture, puts the cap on a
// face to play, or wipes a profile away.
void BuildStartScreen();
void StartScreenEvent(Control* control, int32_t event, bool live);
void StartScreenMessage(int32_t message, bool* unconsumed);
// The faces, the wipe buttons and the held cap set the cursor; true when they did.
bool StartScreenPointer(uint8_t region);
// The scripted wipe button of a profile slot, 0 to 3: "KV_Z", "M_Z", "Z_Z", "OR_Z".
const char* DeleteButtonName(int slot);

}  // namespace rufo
