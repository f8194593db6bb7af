#include "learn/lesson_kit.h"

#include "controls/scripted_animation_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/trace.h"
#include "game/game_state.h"

namespace rufo {

ScriptedAnimationControl* PlayAnimation(const std::string& name, const std::string& script,
                                        bool loop) {
  ScriptedAnimationControl* animation = ScriptedAnimation(name.c_str());
  if (animation) animation->Speak(script, loop);
  return animation;
}

void ShowControl(const std::string& name, bool shown) {
  Control* control = ScriptedControl(name.c_str());
  if (!control) return;
  if (shown) {
    control->ClearFlags(kCfHidden);
  } else {
    control->SetFlags(kCfHidden);
  }
}

uint8_t RegionUnderMouse() {
  return HitMapValue(Engine().MouseX(), Engine().MouseY());
}

void OfferChoice(ScreenId screen, const std::vector<int32_t>& regions) {
  trace::Question(screen, trace::HitAnswer(regions));
}

}  // namespace rufo
