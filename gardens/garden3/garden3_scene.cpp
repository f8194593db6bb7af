#include "gardens/garden3/garden3_scene.h"

#include "controls/control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "game/game_state.h"

namespace rufo {

void Garden3Scene::Build() {
  State().screen->Load("Data\\Garden3\\screen.dat");
  LoadHitMap("Bitmaps\\Garden3\\bg_mask.png");
}

void Garden3Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "RUFO", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenToolCart, 0, false);
  } else if (EventFrom(control, event, "OPICE", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenFlowerBeds, 0, false);
  }
}

}  // namespace rufo
