#include "learn/lesson_controls.h"

#include "controls/control.h"
#include "controls/scripted_animation_control.h"
#include "game/game_state.h"

namespace rufo {

ScriptedAnimationControl* PlayOwnScript(const std::string& name) {
  ScriptedAnimationControl* animation = ScriptedAnimation(name.c_str());
  if (animation) animation->Speak("", false);
  return animation;
}

void PlayOn(const std::string& name, const std::string& sound) {
  if (ScriptedAnimationControl* animation = ScriptedAnimation(name.c_str())) {
    animation->Speak(sound, false);
  }
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

}  // namespace rufo
