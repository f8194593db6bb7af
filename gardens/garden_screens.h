#pragma once

#include "game/game_table.h"

namespace rufo {

// Adds the six gardens and their fourteen games to the table of games, with their screens.
void RegisterGardenScreens(ScreenTable& table);

}  // namespace rufo
