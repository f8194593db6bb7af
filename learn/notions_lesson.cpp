#include "learn/notions_lesson.h"

#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/learning.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr int kNameKind = 50;
// The first remark set never plays its number 0, the second never its number 1.
constexpr int kFirstRemarks = 0;
constexpr int kSecondRemarks = 1;

}  // namespace

void NotionsLesson::Build() {
  LoadScene("Data\\LearnG\\NOT\\screen.dat", "Bitmaps\\LearnG\\NOT\\bg_mask.png");
  ShowControl("SKOK", true);
  LearningSay(kNotionsIntroKind, "Sounds\\LearnG\\NOT\\sp_intro");
}

void NotionsLesson::AllowChoice() {
  clickable_ = true;
  // Any place but RUFO's own is a good choice; the one after his comes first.
  std::vector<int32_t> places;
  for (int step = 1; step <= kPlaces; ++step) {
    const int place = (current_ < 1 ? step - 1 : current_ + step - 1) % kPlaces + 1;
    if (place != current_) places.push_back(place - 1);
  }
  OfferChoice(Id(), places);
}

void NotionsLesson::Choose(int place) {
  if (!jumpedIn_) {
    PlayAnimation("SKOK");
    jumpedIn_ = true;
    current_ = place;
    // Nothing else is chosen while RUFO dives in and the mushroom talks.
    clickable_ = false;
    return;
  }
  if (place == current_) return;
  ShowControl(Numbered("M", current_), false);
  PlayAnimation(Numbered("H", current_),
                "Bitmaps\\LearnG\\NOT\\Ani\\H" + std::to_string(current_) + "_2");
  PlayAnimation(Numbered("H", place));
  current_ = place;
  Learning().speaking = true;
  clickable_ = false;
}

void NotionsLesson::MushroomEnded(int place) {
  LearningState& learning = Learning();
  const std::string mushroom = Numbered("M", place);
  switch (learning.speechKind) {
    case kNotionsFirstRemarkKind:
      learning.speechKind = kNameKind;
      PlayAnimation(Numbered("M", current_), Numbered("Sounds\\LearnG\\NOT\\NOT_NAME\\", current_));
      break;
    case kNameKind:
      if (!learning.speaking) break;
      learning.speaking = false;
      LearningRemark(mushroom.c_str(), kSecondRemarks);
      break;
    case kNotionsSecondRemarkKind:
      learning.speaking = false;
      AllowChoice();
      break;
    default:
      break;
  }
}

void NotionsLesson::OnLearningEvent(Control* control, int32_t event) {
  if (EventFrom(control, event, "MLUVI", kEventAnimationEnd)) {
    if (Learning().speechKind == kNotionsIntroKind) AllowChoice();
    return;
  }
  if (EventFrom(control, event, "SKOK", kEventAnimationEnd)) {
    PlayAnimation(Numbered("H", current_));
    return;
  }
  for (int place = 1; place <= kPlaces; ++place) {
    const std::string hidingPlace = Numbered("H", place);
    if (EventFrom(control, event, hidingPlace.c_str(), kEventClicked)) {
      if (clickable_ && !Learning().speaking) Choose(place);
      return;
    }
    if (EventFrom(control, event, hidingPlace.c_str(), kEventAnimationEnd)) {
      if (place == current_) {
        PlayAnimation(Numbered("A", place),
                      Numbered("Sounds\\LearnG\\NOT\\NOT_NAME\\vyleza", place));
      }
      return;
    }
    const std::string figure = Numbered("A", place);
    if (EventFrom(control, event, figure.c_str(), kEventAnimationEnd)) {
      Hide(control);
      const std::string mushroom = Numbered("M", place);
      LearningRemark(mushroom.c_str(), kFirstRemarks);
      return;
    }
    const std::string mushroom = Numbered("M", place);
    if (EventFrom(control, event, mushroom.c_str(), kEventAnimationEnd)) {
      MushroomEnded(place);
      return;
    }
  }
}

}  // namespace rufo
