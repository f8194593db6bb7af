#include "game/title_end_screens.h"

#include <ctime>
#include <iterator>
#include <memory>
#include <optional>

#include "controls/control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "game/common_controls.h"
#include "game/game_random.h"
#include "game/game_state.h"
#include "game/screen_rules.h"
#include "game/user_file.h"

namespace rufo {
namespace {

constexpr int kTitleWait = 500;

// RUFO_SEED makes the draws repeatable; otherwise they follow the time.
uint32_t GameSeed() {
  const std::optional<uint32_t>& seed = Engine().Options().seed;
  return seed ? *seed : static_cast<uint32_t>(std::time(nullptr));
}

// RUFO, his speech and the schoolchild play one after the other; the end question follows.
constexpr const char* kEndSequence[] = {"RUFO", "MLUVI", "SKOLNIK"};
constexpr int kEndSteps = static_cast<int>(std::size(kEndSequence));

// Plays the End screen's sequence from `step` on, passing over what cannot play, so that the
// end question always comes. Without the question's pictures the End screen goes on as after
// "no": the child plays on in the learning garden.
void PlayEndFrom(int step) {
  for (; step < kEndSteps; ++step) {
    if (Animate(kEndSequence[step])) return;
  }
  if (ShowDialog(kEndQuestionId)) {
    PlayQuestion("Sounds\\end_que", kSpeechEndQuestion);
  } else {
    Engine().ChangeScreen(kScreenLearnHub, 0, false);
  }
}

}  // namespace

void EntryScreen::Build() {
  Engine().SetBackground("enter", false);
  Engine().ChangeScreen(kScreenTitle, 0, false);
}

void TitleScreen::Build() {
  GameState& state = State();
  SetSpeechKind(kSpeechNone);
  state.profiles.fill(ProfileRecord::Empty());
  ReadUserFile(state.profiles);
  state.screen = std::make_unique<ScreenScript>();
  Random().Seed(GameSeed());
  state.questionSound = std::make_unique<SoundObject>();
  state.helpSound = std::make_unique<SoundObject>();
  GameStateForControls().questionSound = state.questionSound.get();
  GameStateForControls().helpSound = state.helpSound.get();
  timerOn_ = true;
}

void TitleScreen::OnMessage(const Input& input, bool* /*unconsumed*/) {
  if (input.message != kMsgLeftUp) return;
  timerOn_ = true;
  timer_ = kTitleWait;
}

void TitleScreen::OnTick() {
  if (timerOn_ && ++timer_ > kTitleWait) {
    Engine().ChangeScreen(kScreenStart, 0, false);
    timerOn_ = false;
    timer_ = 0;
  }
}

void EndScreen::Build() {
  State().screen->Load("Data\\End\\screen.dat");
  LoadHitMap("Bitmaps\\End\\bg_mask.png");
  const int face = State().Profile().face;
  if (face >= 0) {
    if (Control* portrait = ScriptedControl(PortraitName(face).c_str())) {
      portrait->ClearFlags(kCfHidden);
    }
  }
  HideToolbar();
  PlayEndFrom(0);
}

void EndScreen::OnControlEvent(Control* control, int32_t event, bool /*live*/) {
  for (int step = 0; step < kEndSteps; ++step) {
    if (EventFrom(control, event, kEndSequence[step], kEventAnimationEnd)) PlayEndFrom(step + 1);
  }
}

void CreditsScreen::Build() {
  State().screen->Load("Data\\Credits\\screen.dat");
  HideToolbar();
}

void CreditsScreen::OnMessage(const Input& input, bool* /*unconsumed*/) {
  if (input.message == kMsgKeyDown || input.message == kMsgLeftUp) Engine().RequestQuit();
}

}  // namespace rufo
