#include "gardens/garden6/garden6_scene.h"

#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {

void Garden6Scene::Build() {
  LoadScript("Data\\Garden6\\screen.dat");
  LoadRegions("Bitmaps\\Garden6\\bg_mask.png");
}

void Garden6Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "ZROUT", kEventAnimationEnd)) {
    GoTo(kScreenPictureGrids);
  } else if (EventFrom(control, event, "BERUSKA", kEventAnimationEnd)) {
    GoTo(kScreenLadybirdDots);
  }
}

}  // namespace rufo
