#include "game/title_end_screens.h"

#include <ctime>
#include <memory>
#include <optional>

#include "controls/control.h"
#include "controls/scripted_animation_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "game/common_controls.h"
#include "game/game_random.h"
#include "game/game_state.h"
#include "game/screen_rules.h"
#include "game/user_file.h"

namespace rufo {
namespace {

// RUFO_SEED makes the draws repeatable; otherwise they follow the time.
uint32_t GameSeed() {
  const std::optional<uint32_t>& seed = Engine().Options().seed;
  return seed ? *seed : static_cast<uint32_t>(std::time(nullptr));
}

void Play(const char* name) {
  if (auto* animation = ScriptedAnimation(name)) animation->Speak("", false);
}

}  // namespace

void BuildEntryScreen() {
  Engine().SetBackground("enter", false);
  Engine().ChangeScreen(kScreenTitle, 0, false);
}

void BuildTitleScreen() {
  GameState& state = State();
  state.profileChosen = false;
  SetSpeechKind(kSpeechNone);
  state.profiles.fill(ProfileRecord::Empty());
  ReadUserFile(state.profiles);
  state.screen = std::make_unique<ScreenScript>();
  Random().Seed(GameSeed());
  state.questionSound = std::make_unique<SoundObject>();
  state.helpSound = std::make_unique<SoundObject>();
  GameStateForControls().questionSound = state.questionSound.get();
  GameStateForControls().helpSound = state.helpSound.get();
  state.titleTimerOn = true;
}

void BuildEndScreen() {
  State().screen->Load("Data\\End\\screen.dat");
  LoadHitMap("Bitmaps\\End\\bg_mask.png");
  Play("RUFO");
  int face = State().Profile().face;
  if (face >= 0) {
    if (Control* portrait = ScriptedControl(PortraitName(face).c_str())) {
      portrait->ClearFlags(kCfHidden);
    }
  }
  HideToolbar();
}

void EndScreenEvent(Control* control, int32_t event) {
  if (EventFrom(control, event, "RUFO", kEventAnimationEnd)) Play("MLUVI");
  // The schoolchild's animation follows the speech; the end question follows the schoolchild.
  if (EventFrom(control, event, "MLUVI", kEventAnimationEnd)) Play("SKOLNIK");
  if (EventFrom(control, event, "SKOLNIK", kEventAnimationEnd)) {
    ShowDialog(kEndQuestionId);
    PlayQuestion("Sounds\\end_que", kSpeechEndQuestion);
  }
}

void BuildCreditsScreen() {
  State().screen->Load("Data\\Credits\\screen.dat");
  HideToolbar();
}

}  // namespace rufo
