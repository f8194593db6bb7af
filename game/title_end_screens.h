#pragma once

#include <cstdint>

namespace rufo {

class Control;

// The entry and title screens, where the game state is set up, and the End and Credits screens.
void BuildEntryScreen();
void BuildTitleScreen();
void BuildEndScreen();
void EndScreenEvent(Control* control, int32_t event);
void BuildCreditsScreen();

}  // namespace rufo
