#pragma once

#include "game/screen.h"

namespace rufo {

// Registers the game's own screens: entry, title, Start, End, Credits, the album and
// the parents' page.
void RegisterGameScreens(ScreenTable& table);

}  // namespace rufo
