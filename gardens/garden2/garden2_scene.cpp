#include "gardens/garden2/garden2_scene.h"

#include "game/game_state.h"
#include "game/scene_kit.h"

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
  LoadScript("Data\\Garden2\\screen.dat");
  LoadRegions("Bitmaps\\Garden2\\bg_mask.png");
}

void Garden2Scene::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  for (const Way& way : kWays) {
    if (EventFrom(control, event, way.control, kEventAnimationEnd)) {
      GoTo(way.game);
      return;
    }
  }
}

}  // namespace rufo
