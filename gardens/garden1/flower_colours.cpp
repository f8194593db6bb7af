#include "gardens/garden1/flower_colours.h"

#include <string>

#include "controls/scripted_animation_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "engine/trace.h"
#include "game/game_random.h"
#include "game/game_state.h"

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
  if (Control* white = ScriptedControl(kFlowers[kWhite])) white->ClearFlags(kCfHidden);
}

void FlowerColours::Grow(int colour) {
  ScriptedAnimationControl* flower = ScriptedAnimation(kFlowers[colour]);
  if (flower) flower->Speak("", false);
  // A flower that cannot grow counts as grown, so that the game goes on.
  if (!flower || !flower->IsPlaying()) Grown(colour);
}

void FlowerColours::GrowInstead() {
  if (!ScriptedControl(kFlowers[current_])) {
    Grown(current_);
    return;
  }
  if (Control* shown = ScriptedControl(kFlowers[previous_])) shown->SetFlags(kCfHidden);
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
  if (name) name->Speak(NameSound(current_), false);
  // Without its name the question is still open.
  if (!name || !name->IsPlaying()) AskColour();
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

void FlowerColours::OnGameMessage(int32_t message, intptr_t /*param*/, bool* unconsumed) {
  if (message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
  const int colour = HitMapValue(Engine().MouseX(), Engine().MouseY());
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
