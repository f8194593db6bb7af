#include "gardens/garden4/garden4_scene.h"

#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {

void Garden4Scene::Build() {
  LoadScript("Data\\Garden4\\screen.dat");
  LoadRegions("Bitmaps\\Garden4\\bg_mask.png");
}

void Garden4Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "DATEL", kEventAnimationEnd)) {
    GoTo(kScreenWoodpeckerKnocks);
  } else if (EventFrom(control, event, "HNIZDO", kEventAnimationEnd)) {
    GoTo(kScreenNestBirds);
  }
}

}  // namespace rufo
