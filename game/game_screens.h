#pragma once

#include "game/screen.h"

namespace rufo {

// Registers the game's own screens: entry, title, Start, End, Credits and the album.
void RegisterGameScreens(ScreenTable& table);

}  // namespace rufo
