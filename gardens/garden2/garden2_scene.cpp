#include "gardens/garden2/garden2_scene.h"

#include "controls/control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "game/game_state.h"

namespace rufo {
namespace {

struct Way {
  const char* control;
  ScreenId game;
};
constexpr Way kWays[] = {
    {"STUDNA", kScreenWatering}, {"MIC", kScreenColourThings}, {"PTAK", kScreenPictureSeries}};

}  // namespace

void Garden2Scene::Build() {
  State().screen->Load("Data\\Garden2\\screen.dat");
  LoadHitMap("Bitmaps\\Garden2\\bg_mask.png");
}

void Garden2Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  for (const Way& way : kWays) {
    if (EventFrom(control, event, way.control, kEventAnimationEnd)) {
      Engine().ChangeScreen(way.game, 0, false);
      return;
    }
  }
}

}  // namespace rufo
