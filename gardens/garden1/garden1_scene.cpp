#include "gardens/garden1/garden1_scene.h"

#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {

void Garden1Scene::Build() {
  LoadScript("Data\\Garden1\\screen.dat");
  LoadRegions("Bitmaps\\Garden1\\bg_mask.png");
}

void Garden1Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "RUFO", kEventAnimationEnd)) {
    GoTo(kScreenFrogCount);
  } else if (EventFrom(control, event, "KVETINY", kEventAnimationEnd)) {
    GoTo(kScreenFlowerColours);
  }
}

}  // namespace rufo
