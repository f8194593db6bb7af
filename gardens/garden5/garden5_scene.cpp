#include "gardens/garden5/garden5_scene.h"

#include "game/game_state.h"
#include "game/mini_game.h"
#include "game/scene_kit.h"

namespace rufo {

void Garden5Scene::Build() {
  // Whatever a game of this garden was saying is over once the scene is back.
  GardenSpeechOf(kScreenGarden5) = GardenSpeech{};
  LoadScript("Data\\Garden5\\screen.dat");
  LoadRegions("Bitmaps\\Garden5\\bg_mask.png");
}

void Garden5Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "PAPOUCH", kEventAnimationEnd)) {
    GoTo(kScreenTruthfulParrot);
  } else if (EventFrom(control, event, "RUFO", kEventAnimationEnd)) {
    GoTo(kScreenMeadowColours);
  } else if (EventFrom(control, event, "UL", kEventAnimationEnd)) {
    GoTo(kScreenBeeHives);
  }
}

}  // namespace rufo
