#include "learn/shapes_lesson.h"

#include <string>

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/learning.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr int kNameKind = 12;
constexpr int kVariants = 4;

}  // namespace

void ShapesLesson::Build() {
  LoadScene("Data\\LearnG\\TVA\\screen.dat", nullptr);
  LearningSay(kShapesIntroKind, "Sounds\\LearnG\\TVA\\sp_intro");
}

void ShapesLesson::NewScene() {
  ShowControl(Numbered("S", scene_), false);
  scene_ = Random().Below(kScenes);
  ShowControl(Numbered("S", scene_), true);
  const std::string mask = "Bitmaps\\LearnG\\TVA\\bm_mask" + std::to_string(scene_) + ".png";
  LoadRegions(mask);
  // The diagnostic line names the picture's hit map, so that a scripted player knows it.
  SetDebugText(mask);
  clickable_ = true;
  OfferChoice(Id(), {0, 1, 2, 3});
}

void ShapesLesson::OnMessage(const Input& input, bool* unconsumed) {
  LearningScreen::OnMessage(input, unconsumed);
  if (input.message != kMsgLeftDown || !clickable_ || Learning().speaking) return;
  const int shape = input.region;
  if (shape >= kShapes) return;
  clickable_ = false;
  ShowControl(Numbered("I", highlighted_), false);
  ShowControl(Numbered("I", shape), true);
  highlighted_ = shape;
  const int variant = Random().Below(kVariants);
  LearningSay(kNameKind, "Sounds\\LearnG\\TVA\\TVA_NAME\\TVA_" + std::to_string(shape) + "\\" +
                             std::to_string(variant));
}

void ShapesLesson::OnLearningEvent(Control* control, int32_t event) {
  if (!EventFrom(control, event, "MLUVI", kEventAnimationEnd)) return;
  switch (Learning().speechKind) {
    case kShapesIntroKind:
    case kShapesRemarkKind:
      NewScene();
      break;
    case kNameKind:
      LearningRemark(nullptr, -1);
      break;
    default:
      break;
  }
}

}  // namespace rufo
