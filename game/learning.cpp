#include "game/learning.h"

#include "controls/scripted_animation_control.h"
#include "game/game_random.h"
#include "game/game_state.h"

namespace rufo {

LearningState& Learning() {
  return State().learning;
}

void LearningSay(int kind, const std::string& sound) {
  LearningState& learning = Learning();
  learning.speechKind = kind;
  ScriptedAnimationControl* speaker = ScriptedAnimation("MLUVI");
  if (!speaker) return;
  speaker->Speak(sound, false);
  learning.speaking = true;
}

void LearningPraise() {
  const int number = Learning().feedback.Pick(FeedbackSet::kPraise, Random());
  LearningSay(kLearningPraiseKind, FeedbackName(FeedbackSet::kPraise, number));
}

void LearningCorrection() {
  const int number = Learning().feedback.Pick(FeedbackSet::kFirstCorrection, Random());
  LearningSay(kLearningCorrectionKind, FeedbackName(FeedbackSet::kFirstCorrection, number));
}

}  // namespace rufo
