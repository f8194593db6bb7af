#pragma once

namespace rufo {

// Called once by the entry point after the engine is up: plugs the game into the engine and
// requests the first screen. False stops the program.
bool GameStart();
// Called once before the engine is torn down.
void GameEnd();

}  // namespace rufo
