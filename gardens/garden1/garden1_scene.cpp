#include "gardens/garden1/garden1_scene.h"

#include "controls/control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "game/game_state.h"

namespace rufo {

void Garden1Scene::Build() {
  State().screen->Load("Data\\Garden1\\screen.dat");
  LoadHitMap("Bitmaps\\Garden1\\bg_mask.png");
}

void Garden1Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "RUFO", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenFrogCount, 0, false);
  } else if (EventFrom(control, event, "KVETINY", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenFlowerColours, 0, false);
  }
}

}  // namespace rufo
