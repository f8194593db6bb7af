#include "learn/learning_screen.h"

#include <string>

#include "game/game_state.h"
#include "game/learning.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

bool IsIntroduction(int kind) {
  switch (kind) {
    case kHubIntroKind:
    case kColoursIntroKind:
    case kDirectionsIntroKind:
    case kCountingIntroKind:
    case kNotionsIntroKind:
    case kPantryIntroKind:
    case kShapesIntroKind:
      return true;
    default:
      return false;
  }
}

// The directions and the pantry keep the character on screen after their introduction.
bool KeepsSpeakerShown(int kind) {
  return kind == kDirectionsIntroKind || kind == kPantryIntroKind;
}

}  // namespace

void LearningScreen::LoadScene(const char* script, const char* hitMap) {
  LoadScript(script);
  if (hitMap) LoadRegions(hitMap);
}

void LearningScreen::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "MLUVI", kEventAnimationEnd)) Learning().speaking = false;
  OnLearningEvent(control, event);
}

void LearningScreen::OnMessage(const Input& input, bool* /*unconsumed*/) {
  LearningState& learning = Learning();
  const bool introduction = learning.speaking && IsIntroduction(learning.speechKind);
  if (input.message != kMsgLeftUp || !introduction) return;
  ScriptedAnimationControl* speaker = ScriptedAnimation("MLUVI");
  if (!IsPlaying(speaker)) return;
  const int kind = learning.speechKind;
  StopSpeaking(speaker);
  if (KeepsSpeakerShown(kind)) {
    SetFrame(speaker, 0);
  } else {
    Hide(speaker);
    SetDebugText("ther " + std::to_string(kind));
  }
  OnIntroductionCut(kind);
}

void LearningScreen::OnBack() {
  const ScreenId previous = PreviousScreen();
  const bool toHub = previous == kScreenAlbum || previous <= 0;
  GoTo(toHub ? kScreenLearnHub : previous);
}

}  // namespace rufo
