#pragma once

#include <span>

#include "game/screen_ids.h"

namespace rufo {

// One mini-game of a garden: its screen, the sticker it awards, the good answers that win it
// and the lesson a loss leads to. Every game is lost at three wrong answers.
struct GameInfo {
  ScreenId screen;
  const char* name;
  int sticker;
  int winAt;
  ScreenId lesson;
};

inline constexpr int kLossAt = 3;

std::span<const GameInfo> Games();
// The game on that screen, or nullptr.
const GameInfo* FindGame(ScreenId screen);

}  // namespace rufo
