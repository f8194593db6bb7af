#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "game/screen.h"

namespace rufo {

// A game's speeches in its garden's numbering (one numbering covers all games of a garden).
struct GameSpeechKinds {
  int intro;
  int praise;
  int correction;
  int win;
  int loss;
};

// One mini-game: its screen, the sticker it awards, the good answers that win it, the lesson a
// loss leads to, its speeches and where its files are, the control of its garden's main scene
// that opens it and how its screen is made. Every game is lost at three wrong answers.
//
// A script or hit map whose name holds "%d" is one of a numbered run, `firstVariant` to
// `lastVariant`, that the game picks itself when it builds its scene.
struct MiniGameInfo {
  ScreenId screen;
  const char* code;  // "NUM", "COL", ...
  int sticker;
  int winAt;
  ScreenId lesson;
  GameSpeechKinds speeches;
  const char* soundFolder;  // holds "sp_intro", "sp_win" and "sp_loose"
  const char* script;       // nullptr: the game loads its own script
  const char* hitMap;       // nullptr: the game loads its own hit map, if any
  int firstVariant = 0;
  int lastVariant = 0;
  const char* enter = nullptr;  // played to its end in the main scene, it opens the game
  std::unique_ptr<Screen> (*make)() = nullptr;
};

// A garden's main scene: a stop of the walk whose controls open the garden's games. Its
// neighbours are where walking off its left and right edges leads; the learning garden's are
// the gardens that name it.
struct GardenInfo {
  ScreenId scene;
  const char* name;  // "Garden1"
  const char* script;
  const char* hitMap;
  ScreenId left;
  ScreenId right;
};

// The table of gardens and games. The gardens add their rows from the entry point, before the
// game starts, each with its screen: a garden's main scene, a game's `make`. A row added again
// for the same screen replaces the first in its place.
void AddGarden(ScreenTable& screens, const GardenInfo& garden);
void AddMiniGame(ScreenTable& screens, const MiniGameInfo& game);
const std::deque<GardenInfo>& Gardens();
const std::deque<MiniGameInfo>& MiniGames();
// The row of that screen, or nullptr.
const GardenInfo* FindGarden(ScreenId scene);
const MiniGameInfo* FindMiniGame(ScreenId screen);
// The names a row stands for: the name itself, or each of its numbered run.
std::vector<std::string> NamesOf(const MiniGameInfo& game, const char* name);
// Where walking off the left (`direction` -1) or right (1) edge of a main scene leads, or 0.
ScreenId Neighbour(ScreenId scene, int direction);
// Tells the trace every garden and game, so that tools learn the places from the game itself.
void TraceGameTable();

}  // namespace rufo
