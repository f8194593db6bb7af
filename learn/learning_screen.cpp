#include "learn/learning_screen.h"

#include <string>

#include "controls/scripted_animation_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "game/game_state.h"
#include "game/learning.h"

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
  State().screen->Load(script);
  if (hitMap) LoadHitMap(hitMap);
}

void LearningScreen::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "MLUVI", kEventAnimationEnd)) Learning().speaking = false;
  OnLearningEvent(control, event);
}

void LearningScreen::OnMessage(int32_t message, intptr_t /*param*/, bool* /*unconsumed*/) {
  LearningState& learning = Learning();
  if (message != kMsgLeftUp || !learning.speaking || !IsIntroduction(learning.speechKind)) return;
  ScriptedAnimationControl* speaker = ScriptedAnimation("MLUVI");
  if (!speaker || !speaker->IsPlaying()) return;
  const int kind = learning.speechKind;
  speaker->StopSpeaking();
  if (KeepsSpeakerShown(kind)) {
    speaker->SetFrame(0);
  } else {
    speaker->SetFlags(kCfHidden);
    Engine().SetDebugText("ther " + std::to_string(kind));
  }
  OnIntroductionCut(kind);
}

void LearningScreen::OnBack() {
  const ScreenId previous = Engine().PreviousScreen();
  const bool toHub = previous == kScreenAlbum || previous <= 0;
  Engine().ChangeScreen(toHub ? kScreenLearnHub : previous, 0, false);
}

}  // namespace rufo
