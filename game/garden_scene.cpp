#include "game/garden_scene.h"

#include "controls/control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "game/game_state.h"
#include "game/mini_game.h"

namespace rufo {

void GardenScene::Build() {
  // Whatever a game of this garden was saying is over once the scene is back.
  GardenSpeechOf(garden_.scene) = GardenSpeech{};
  State().screen->Load(garden_.script);
  LoadHitMap(garden_.hitMap);
}

void GardenScene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  for (const MiniGameInfo& game : MiniGames()) {
    if (MainSceneOf(game.screen) != garden_.scene || !game.enter) continue;
    if (EventFrom(control, event, game.enter, kEventAnimationEnd)) {
      Engine().ChangeScreen(game.screen, 0, false);
      return;
    }
  }
}

}  // namespace rufo
