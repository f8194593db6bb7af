#include "learn/colours_lesson.h"

#include <string>

#include "game/game_state.h"
#include "game/learning.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr int kNameKind = 30;

std::string ObjectName(int colour) {
  return Numbered("C", colour);
}

std::string LargePictureName(int colour) {
  return ObjectName(colour) + "BMP";
}

}  // namespace

void ColoursLesson::Build() {
  LoadScene("Data\\LearnG\\COLORS\\screen.dat", "Bitmaps\\LearnG\\Colors\\bg_mask.png");
  PlayAnimation("START");
}

void ColoursLesson::BecomeClickable() {
  clickable_ = true;
  std::vector<int32_t> objects;
  for (int colour = 0; colour < kColours; ++colour)
    objects.push_back(colour);
  OfferChoice(kScreenLearnColours, objects);
}

void ColoursLesson::ShowLargePicture(int colour) {
  for (int other = 0; other < kColours; ++other)
    ShowControl(LargePictureName(other), other == colour);
}

void ColoursLesson::OnMessage(const Input& input, bool* unconsumed) {
  LearningScreen::OnMessage(input, unconsumed);
  const uint8_t colour = input.region;
  if (colour >= kColours) return;
  // A press on an object takes the large picture away, so the next one comes on a clean board.
  if (input.message == kMsgLeftDown && !Learning().speaking) ShowLargePicture(-1);
  if (input.message == kMsgLeftUp && clickable_ && *unconsumed) {
    chosen_ = colour;
    PlayAnimation(ObjectName(colour));
    clickable_ = false;
    ShowControl("START", false);
  }
}

void ColoursLesson::OnLearningEvent(Control* control, int32_t event) {
  if (event != kEventAnimationEnd) return;
  if (EventFrom(control, event, "START", kEventAnimationEnd)) {
    LearningSay(kColoursIntroKind, "Sounds\\LearnG\\COL\\sp_intro");
    return;
  }
  for (int colour = 0; colour < kColours; ++colour) {
    if (!EventFrom(control, event, ObjectName(colour).c_str(), kEventAnimationEnd)) continue;
    ShowControl("START", true);
    ShowLargePicture(chosen_);
    LearningSay(kNameKind, Numbered("Sounds\\LearnG\\COL\\COL_NAME\\", chosen_));
    return;
  }
  if (!EventFrom(control, event, "MLUVI", kEventAnimationEnd)) return;
  switch (Learning().speechKind) {
    case kColoursIntroKind:
      BecomeClickable();
      break;
    case kNameKind:
      LearningRemark(nullptr, -1);
      break;
    case kColoursRemarkKind:
      Learning().speechKind = kColoursNextRemarkKind;
      LearningRemark(nullptr, -1);
      break;
    case kColoursNextRemarkKind:
      BecomeClickable();
      ShowControl("MLUVI", false);
      break;
    default:
      break;
  }
}

}  // namespace rufo
