#include "gardens/garden3/garden3_scene.h"

#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {

void Garden3Scene::Build() {
  LoadScript("Data\\Garden3\\screen.dat");
  LoadRegions("Bitmaps\\Garden3\\bg_mask.png");
}

void Garden3Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "RUFO", kEventAnimationEnd)) {
    GoTo(kScreenToolCart);
  } else if (EventFrom(control, event, "OPICE", kEventAnimationEnd)) {
    GoTo(kScreenFlowerBeds);
  }
}

}  // namespace rufo
