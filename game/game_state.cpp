#include "game/game_state.h"

#include "controls/control_list.h"
#include "controls/scripted_animation_control.h"
#include "engine/interface.h"
#include "engine/messages.h"

namespace rufo {

GameState& State() {
  static GameState state;
  return state;
}

void ResetState() {
  State() = GameState{};
  GameStateForControls() = ControlsGameState{};
  SetSpeechKind(kSpeechNone);
}

int SpeechKind() {
  return GameStateForControls().speechKind;
}
void SetSpeechKind(int kind) {
  GameStateForControls().speechKind = kind;
}
bool ModalDialog() {
  return GameStateForControls().modalDialog;
}
void SetModalDialog(bool up) {
  GameStateForControls().modalDialog = up;
}

void PlayQuestion(const char* name, int speechKind) {
  SoundObject* sound = State().questionSound.get();
  if (sound) {
    sound->Load(name);
    sound->Play();
  }
  SetSpeechKind(speechKind);
}

std::string Numbered(const char* pattern, int number) {
  std::string name = pattern;
  if (const size_t at = name.find("%d"); at != std::string::npos) {
    name.replace(at, 2, std::to_string(number));
  } else {
    name += std::to_string(number);
  }
  return name;
}

Control* ScriptedControl(const char* name) {
  const ScreenScript* screen = State().screen.get();
  if (!screen) return nullptr;
  int index = screen->FindEntry(name);
  return index < 0 ? nullptr : FindControl(ScreenScript::ControlId(index));
}

ScriptedAnimationControl* ScriptedAnimation(const char* name) {
  return dynamic_cast<ScriptedAnimationControl*>(ScriptedControl(name));
}

bool Animate(const char* name, const std::string& speech) {
  ScriptedAnimationControl* animation = ScriptedAnimation(name);
  if (!animation) return false;
  animation->Speak(speech, false);
  return animation->IsPlaying();
}

bool EventFrom(const Control* control, int32_t event, const char* name, int32_t expected) {
  const ScreenScript* screen = State().screen.get();
  return screen && control && screen->MatchEvent(control, event, name, expected) >= 0;
}

void ReevaluateCursor() {
  Engine().PostGameMessage(kMsgMouseMoved, 0);
}

}  // namespace rufo
