#include "gardens/garden1/flower_colours.h"

#include <string>

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

// By colour number (also the flower's hit-map value): yellow, white, red, blue, pink, brown,
// orange, black, violet.
constexpr const char* kFlowers[FlowerColours::kColours] = {
    "CM_ZL", "CM_BI", "CM_CR", "CM_MO", "CM_RU", "CM_HN", "CM_OR", "CM_CE", "CM_FI"};
constexpr const char* kNames[FlowerColours::kColours] = {
    "ZLUTA", "BILA", "CERVENA", "MODRA", "RUZOVA", "HNEDA", "ORANZ", "CERNA", "FIALOVA"};

std::string NameSound(int colour) {
  return "Sounds\\Garden1\\COL\\COL_NAME\\" + std::to_string(colour);
}

}  // namespace

void FlowerColours::Introduce() {
  MiniGame::Introduce();
  ShowControl(kFlowers[kWhite], true);
}

void FlowerColours::Grow(int colour) {
  ScriptedAnimationControl* flower = ScriptedAnimation(kFlowers[colour]);
  // A flower that cannot grow counts as grown, so that the game goes on.
  if (!Play(flower)) Grown(colour);
}

void FlowerColours::GrowInstead() {
  if (!ScriptedControl(kFlowers[current_])) {
    Grown(current_);
    return;
  }
  ShowControl(kFlowers[previous_], false);
  Grow(current_);
}

void FlowerColours::Grown(int colour) {
  if (won_) {
    AllowAnswer(false);
    Speak(Info().speeches.win);
    return;
  }
  previous_ = current_;
  do {
    current_ = Random().Below(kColours);
  } while (current_ == previous_);
  ScriptedAnimationControl* name = ScriptedAnimation(kNames[colour]);
  // Without its name the question is still open.
  if (!Play(name, NameSound(current_))) AskColour();
}

void FlowerColours::AskColour() {
  Asked(trace::HitAnswer({current_}));
}

void FlowerColours::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  if (event != kEventAnimationEnd) return;
  for (int colour = 0; colour < kColours; ++colour) {
    if (EventFrom(control, event, kFlowers[colour], kEventAnimationEnd)) {
      Grown(colour);
      return;
    }
    if (EventFrom(control, event, kNames[colour], kEventAnimationEnd)) {
      AskColour();
      return;
    }
  }
}

void FlowerColours::OnGameMessage(const Input& input, bool* unconsumed) {
  if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
  const int colour = input.region;
  if (colour >= kColours) return;
  const Verdict verdict = Count(colour == current_);
  if (verdict == Verdict::kWin) {
    // The flower grows first; the win is said when it has grown.
    won_ = true;
    GrowInstead();
    return;
  }
  SpeakVerdict(verdict);
}

}  // namespace rufo
