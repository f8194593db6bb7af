#include "gardens/garden6/garden6_scene.h"

#include "controls/control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "game/game_state.h"

namespace rufo {

void Garden6Scene::Build() {
  State().screen->Load("Data\\Garden6\\screen.dat");
  LoadHitMap("Bitmaps\\Garden6\\bg_mask.png");
}

void Garden6Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "ZROUT", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenPictureGrids, 0, false);
  } else if (EventFrom(control, event, "BERUSKA", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenLadybirdDots, 0, false);
  }
}

}  // namespace rufo
