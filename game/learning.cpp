#include "game/learning.h"

#include "controls/scripted_animation_control.h"
#include "engine/interface.h"
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

const RemarkSet* LearningRemarkSet(ScreenId screen, int speechKind, int selector) {
  static constexpr RemarkSet kColours{"Sounds\\LearnG\\COL\\UNI\\", 8, kColoursRemarkKind};
  static constexpr RemarkSet kColoursNext{"Sounds\\LearnG\\COL\\NEXT\\", 7, kColoursNextRemarkKind};
  static constexpr RemarkSet kDirections{"Sounds\\LearnG\\DIR\\UNI\\", 14, kDirectionsRemarkKind};
  static constexpr RemarkSet kCounting{"Sounds\\LearnG\\NUM\\UNI\\", 20, kCountingRemarkKind};
  static constexpr RemarkSet kNotionsFirst{"Sounds\\LearnG\\NOT\\UNI\\FIRST\\", 18,
                                           kNotionsFirstRemarkKind};
  static constexpr RemarkSet kNotionsSecond{"Sounds\\LearnG\\NOT\\UNI\\SECOUND\\", 13,
                                            kNotionsSecondRemarkKind};
  static constexpr RemarkSet kPantry{"Sounds\\LearnG\\LOG\\UNI\\", 16, kPantryRemarkKind};
  static constexpr RemarkSet kShapes{"Sounds\\LearnG\\TVA\\UNI\\", 18, kShapesRemarkKind};
  switch (screen) {
    case kScreenLearnColours:
      return speechKind == kColoursNextRemarkKind ? &kColoursNext : &kColours;
    case kScreenLearnDirections:
      return &kDirections;
    case kScreenLearnCounting:
      return &kCounting;
    case kScreenLearnNotions:
      return selector == 1 ? &kNotionsSecond : &kNotionsFirst;
    case kScreenLearnPantry:
      return &kPantry;
    case kScreenLearnShapes:
      return &kShapes;
    default:
      return nullptr;
  }
}

int DrawRemark(const RemarkSet& set, int selector, int previous, GameRandom& random) {
  const bool selectable = selector >= 0 && selector < set.count;
  // A set with a single remark left to choose may say it again.
  if (set.count - (selectable ? 1 : 0) < 2) previous = -1;
  int number = random.Below(set.count);
  while (number == selector || number == previous)
    number = random.Below(set.count);
  return number;
}

void LearningRemark(const char* speaker, int selector) {
  LearningState& learning = Learning();
  const RemarkSet* set = LearningRemarkSet(Engine().CurrentScreen(), learning.speechKind, selector);
  if (!set) return;
  learning.speechKind = set->kind;
  int& last = learning.lastRemarks.try_emplace(set->folder, -1).first->second;
  const int number = DrawRemark(*set, selector, last, Random());
  last = number;
  ScriptedAnimationControl* control = ScriptedAnimation(speaker ? speaker : "MLUVI");
  if (!control) return;
  control->Speak(set->folder + std::to_string(number), false);
  learning.speaking = true;
}

}  // namespace rufo
