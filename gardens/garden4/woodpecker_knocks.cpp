#include "gardens/garden4/woodpecker_knocks.h"

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr const char* kWoodpecker = "DATEL";

}  // namespace

void WoodpeckerKnocks::PoseQuestion() {
  const int previous = knocks_;
  do {
    knocks_ = Random().Below(kMostKnocks) + 1;
  } while (knocks_ == previous);
  SetDebugText("knocks = " + std::to_string(knocks_));
  StartKnocking();
}

void WoodpeckerKnocks::StartKnocking() {
  AllowAnswer(false);
  knocksDone_ = 0;
  // A woodpecker that cannot knock leaves the question open, so that the game goes on.
  if (!Knock()) AskCount();
}

bool WoodpeckerKnocks::Knock() {
  if (!PlayFromStart(ScriptedAnimation(kWoodpecker))) return false;
  ++knocksDone_;
  return true;
}

void WoodpeckerKnocks::AskCount() {
  Asked(trace::HitAnswer({knocks_ - 1}));
}

void WoodpeckerKnocks::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  if (AnswerAllowed() || !EventFrom(control, event, kWoodpecker, kEventAnimationEnd)) return;
  if (knocksDone_ >= knocks_ || !Knock()) AskCount();
}

void WoodpeckerKnocks::OnGameMessage(const Input& input, bool* unconsumed) {
  if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
  const int value = input.region;
  if (value == kReplay) {
    StartKnocking();
  } else if (value < kMostKnocks) {
    Judge(value + 1 == knocks_);
  }
}

}  // namespace rufo
