#include "gardens/garden5/garden5_scene.h"

#include "controls/control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "game/game_state.h"
#include "game/mini_game.h"

namespace rufo {

void Garden5Scene::Build() {
  // Whatever a game of this garden was saying is over once the scene is back.
  GardenSpeechOf(kScreenGarden5) = GardenSpeech{};
  State().screen->Load("Data\\Garden5\\screen.dat");
  LoadHitMap("Bitmaps\\Garden5\\bg_mask.png");
}

void Garden5Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "PAPOUCH", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenTruthfulParrot, 0, false);
  } else if (EventFrom(control, event, "RUFO", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenMeadowColours, 0, false);
  } else if (EventFrom(control, event, "UL", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenBeeHives, 0, false);
  }
}

}  // namespace rufo
