#include "learn/hub.h"

#include "controls/control_list.h"
#include "controls/scripted_animation_control.h"
#include "controls/toolbar_control.h"
#include "engine/interface.h"
#include "game/common_controls.h"
#include "game/game_state.h"
#include "game/learning.h"

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

void Play(const char* name) {
  if (ScriptedAnimationControl* animation = ScriptedAnimation(name)) animation->Speak("", false);
}

}  // namespace

void HubScreen::OnIntroductionCut(int /*kind*/) {
  for (const HubObject& object : kObjects) {
    ScriptedAnimationControl* animation = ScriptedAnimation(object.name);
    if (!animation || !animation->IsHovered() || animation->IsDisabled()) continue;
    animation->ClearFlags(kCfHidden);
    animation->Speak("", false);
    return;
  }
}

void HubScreen::Build() {
  LoadScene("Data\\LearnG\\screen.dat", "Bitmaps\\LearnG\\bg_mask.png");
  ToolbarControl* toolbar = Toolbar();
  if (Learning().farewell) {
    Play("KONEC");
    if (toolbar) toolbar->SetFlags(kCfHidden | kCfDisabled);
    return;
  }
  if (Engine().PreviousScreen() != kScreenStart) return;
  if (toolbar) {
    toolbar->ClearFlags(kCfHidden);
    MoveControl(toolbar->GetId(), ControlList::kCapacity);
  }
  Play("SKOK");
}

void HubScreen::OnLearningEvent(Control* control, int32_t event) {
  if (EventFrom(control, event, "SKOK", kEventAnimationEnd)) {
    LearningSay(kHubIntroKind, "Sounds\\LearnG\\sp_intro");
    return;
  }
  if (EventFrom(control, event, "KONEC", kEventAnimationEnd)) {
    Engine().ChangeScreen(kScreenCredits, 0, false);
    return;
  }
  for (const HubObject& object : kObjects) {
    if (!EventFrom(control, event, object.name, kEventAnimationEnd)) continue;
    // The pigeon has flown off to the directions.
    if (object.lesson == kScreenLearnDirections) control->SetFlags(kCfHidden);
    Engine().ChangeScreen(object.lesson, 0, false);
    return;
  }
}

}  // namespace rufo
