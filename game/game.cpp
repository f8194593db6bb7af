#include "game/game.h"

#include "engine/interface.h"
#include "game/screen_ids.h"

namespace rufo {

bool GameStart() {
  Engine().ChangeScreen(kScreenEntry, 0, false);
  return true;
}

void GameEnd() {}

}  // namespace rufo
