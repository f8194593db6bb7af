#include "learn/hub.h"

#include "game/common_controls.h"
#include "game/game_state.h"
#include "game/learning.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

// What each object leads to once its animation has played.
struct HubObject {
  const char* name;
  ScreenId lesson;
};
constexpr HubObject kObjects[] = {
    {"DUHA", kScreenLearnColours},     {"HOLUB", kScreenLearnDirections},
    {"KVETINY", kScreenLearnCounting}, {"HRIB", kScreenLearnNotions},
    {"INTEL", kScreenLearnPantry},     {"TRPASL", kScreenLearnShapes},
};

}  // namespace

void HubScreen::OnIntroductionCut(int /*kind*/) {
  for (const HubObject& object : kObjects) {
    ScriptedAnimationControl* animation = ScriptedAnimation(object.name);
    if (!animation || !IsHovered(animation) || IsDisabled(animation)) continue;
    Show(animation);
    Play(animation);
    return;
  }
}

void HubScreen::Build() {
  LoadScene("Data\\LearnG\\screen.dat", "Bitmaps\\LearnG\\bg_mask.png");
  if (Learning().farewell) {
    PlayAnimation("KONEC");
    HideToolbar();
    DisableToolbar();
    return;
  }
  if (PreviousScreen() != kScreenStart) return;
  ToolbarToTop();
  PlayAnimation("SKOK");
}

void HubScreen::OnLearningEvent(Control* control, int32_t event) {
  if (EventFrom(control, event, "SKOK", kEventAnimationEnd)) {
    LearningSay(kHubIntroKind, "Sounds\\LearnG\\sp_intro");
    return;
  }
  if (EventFrom(control, event, "KONEC", kEventAnimationEnd)) {
    GoTo(kScreenCredits);
    return;
  }
  for (const HubObject& object : kObjects) {
    if (!EventFrom(control, event, object.name, kEventAnimationEnd)) continue;
    // The pigeon has flown off to the directions.
    if (object.lesson == kScreenLearnDirections) Hide(control);
    GoTo(object.lesson);
    return;
  }
}

}  // namespace rufo
