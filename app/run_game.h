#pragma once

#include <functional>

#include "game/screen.h"

namespace rufo {

// The whole program: builds the engine from the environment, registers every family of screens
// (then `addMore`, which may add screens and games of its own), runs the game and tears it all
// down. Returns the exit code.
int RunGame(const std::function<void(ScreenTable&)>& addMore = {});

}  // namespace rufo
