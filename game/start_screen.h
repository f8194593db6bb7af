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

}  // namespace rufo
