#pragma once

#include "game/screen.h"

namespace rufo {

// Registers the screens of the six gardens: their main scenes and their games.
void RegisterGardenScreens(ScreenTable& table);

}  // namespace rufo
