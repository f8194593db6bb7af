#include "learn/counting_lesson.h"

#include <algorithm>
#include <string>

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/learning.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr int kSayCountKind = 41;
constexpr int kQuestionKind = 42;
constexpr int kNextKind = 43;
constexpr int kCountingWordKind = 44;

constexpr const char* kWeapons[] = {"BUMERANG", "LUK", "MIC", "PISTOL"};
// The bird that brings each toy back takes the sixth place among the returning birds.
constexpr const char* kToyBirds[] = {"P_BUM", "P_LUK", "P_MIC", "P_PIST"};
constexpr const char* kBirds[] = {"P1", "P2", "P3",    "P4",    "P5",    "P6",    "P7",
                                  "P8", "P9", "P_BUM", "P_LUK", "P_MIC", "P_PIST"};
// The bird sitting on each number's post, numbers 1 to 10.
constexpr const char* kNumberBirds[CountingLesson::kNumbers] = {"P1",    "P2", "P3", "P4", "P5",
                                                                "P_LUK", "P7", "P8", "P9", "P6"};

// The control of a returning bird (1 to 10): the sixth is the toy's bird.
const char* ReturningBird(int bird, int weapon) {
  constexpr const char* kOthers[] = {"P1", "P2", "P3", "P4", "P5", "", "P6", "P7", "P8", "P9"};
  return bird == 6 ? kToyBirds[weapon] : kOthers[bird - 1];
}

}  // namespace

void CountingLesson::Build() {
  LoadScene("Data\\LearnG\\NUM\\screen.dat", "Bitmaps\\LearnG\\NUM\\bg_mask.png");
  for (int number = 1; number <= kNumbers; ++number) {
    const Control* bird = ScriptedControl(kNumberBirds[number - 1]);
    perches_[number - 1] = bird ? std::optional(PositionOf(bird)) : std::nullopt;
  }
  LearningSay(kCountingIntroKind, "Sounds\\LearnG\\Num\\sp_intro");
}

void CountingLesson::BecomeClickable() {
  clickable_ = true;
  // Every post takes the click, with or without a bird on it.
  std::vector<int32_t> numbers;
  for (int number = 1; number <= kNumbers; ++number) {
    if (ScriptedControl(kNumberBirds[number - 1])) numbers.push_back(number - 1);
  }
  OfferChoice(kScreenLearnCounting, numbers);
}

void CountingLesson::ChooseNumber(int number) {
  clickable_ = false;
  // The number said is the post's under the mouse; a click without one takes the bird's.
  const uint8_t post = RegionUnderPointer();
  count_ = post < kNumbers ? post + 1 : number;
  returned_ = 0;
  LearningSay(kQuestionKind, Numbered("Sounds\\LearnG\\NUM\\QUE\\", count_));
  for (const char* bird : kBirds) {
    const Control* control = ScriptedControl(bird);
    if (IsShown(control)) {
      PlayAnimation(bird, std::string("Bitmaps\\LearnG\\NUM\\Ani\\") + bird + "_2");
    }
  }
  busy_ = true;
}

void CountingLesson::ThrowToy() {
  weapon_ = Random().Below(4);
  ScriptedAnimationControl* toy = ScriptedAnimation(kWeapons[weapon_]);
  if (!toy) return;
  SetDebugText("NUM_nBird = " + std::to_string(count_));
  SetFrame(toy, 0);
  Play(toy, {});
}

// Exactly as many birds come back as RUFO has said, each one a different bird.
void CountingLesson::BringBirdsBack() {
  for (const char* bird : kBirds)
    ShowControl(bird, false);
  returnList_.clear();
  while (static_cast<int>(returnList_.size()) < count_) {
    const int bird = Random().Below(kNumbers) + 1;
    if (std::find(returnList_.begin(), returnList_.end(), bird) == returnList_.end()) {
      returnList_.push_back(bird);
    }
  }
  SetDebugText("num = " + std::to_string(count_));
  ScriptedAnimationControl* first = LandingBird(0);
  ChooseSound(first, "Bitmaps\\LearnG\\NUM\\ANI\\cvr");
  Play(first);
  returned_ = 1;
  busy_ = false;
}

// The bird that comes back in turn `order` (from 0), moved to the post of that turn's number.
ScriptedAnimationControl* CountingLesson::LandingBird(int order) {
  ScriptedAnimationControl* bird = ScriptedAnimation(ReturningBird(returnList_[order], weapon_));
  if (bird && perches_[order]) MoveTo(bird, perches_[order]->x, perches_[order]->y);
  return bird;
}

void CountingLesson::ReturnNextBird() {
  if (returned_ < static_cast<int>(returnList_.size())) {
    Play(LandingBird(returned_));
    ++returned_;
  } else {
    LearningRemark(nullptr, -1);
  }
}

void CountingLesson::OnSpeechEnd() {
  switch (Learning().speechKind) {
    case kCountingIntroKind:
    case kNextKind:
      BecomeClickable();
      break;
    case kQuestionKind:
      ThrowToy();
      break;
    case kCountingWordKind:
      ReturnNextBird();
      break;
    case kCountingRemarkKind:
      LearningSay(kSayCountKind, Numbered("Sounds\\LearnG\\NUM\\NUM_SAY\\", count_));
      break;
    case kSayCountKind:
      LearningSay(kNextKind, "Sounds\\LearnG\\Num\\sp_next");
      break;
    default:
      break;
  }
}

void CountingLesson::OnLearningEvent(Control* control, int32_t event) {
  if (EventFrom(control, event, "MLUVI", kEventAnimationEnd)) {
    OnSpeechEnd();
    return;
  }
  for (int number = 1; number <= kNumbers; ++number) {
    if (EventFrom(control, event, kNumberBirds[number - 1], kEventClicked)) {
      if (clickable_ && !Learning().speaking) ChooseNumber(number);
      return;
    }
  }
  for (const char* weapon : kWeapons) {
    if (EventFrom(control, event, weapon, kEventAnimationEnd)) {
      BringBirdsBack();
      return;
    }
  }
  for (const char* bird : kBirds) {
    if (EventFrom(control, event, bird, kEventAnimationEnd) && !busy_) {
      LearningSay(kCountingWordKind, Numbered("Sounds\\LearnG\\NUM\\NUM_SAY2\\", returned_));
      return;
    }
  }
}

}  // namespace rufo
