#include "gardens/garden4/garden4_scene.h"

#include "controls/control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "game/game_state.h"

namespace rufo {

void Garden4Scene::Build() {
  State().screen->Load("Data\\Garden4\\screen.dat");
  LoadHitMap("Bitmaps\\Garden4\\bg_mask.png");
}

void Garden4Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "DATEL", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenWoodpeckerKnocks, 0, false);
  } else if (EventFrom(control, event, "HNIZDO", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenNestBirds, 0, false);
  }
}

}  // namespace rufo
