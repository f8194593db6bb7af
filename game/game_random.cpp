#include "game/game_random.h"

namespace rufo {

GameRandom& Random() {
  static GameRandom random;
  return random;
}

}  // namespace rufo
