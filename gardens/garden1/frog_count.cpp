#include "gardens/garden1/frog_count.h"

#include <algorithm>
#include <string>
#include <vector>

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr const char* kWaveScript = "Bitmaps\\Garden1\\NUM\\Ani\\z_hi2";
constexpr const char* kWaveCall = "Bitmaps\\Garden1\\NUM\\Ani\\z_hi";
constexpr const char* kSplashSound = "zblunk";

// The frog's jump up ("Z%d_U"), back into the water ("Z%d_D"), its wave ("Z%d_H"), its
// splash ("%d"), and the number buttons ("B%d").
ScriptedAnimationControl* Frog(const char* pattern, int frog) {
  return ScriptedAnimation(Numbered(pattern, frog).c_str());
}
bool Is(const Control* control, int32_t event, const char* pattern, int number) {
  return EventFrom(control, event, Numbered(pattern, number).c_str(), kEventAnimationEnd);
}

}  // namespace

bool FrogCount::Usable(int frog) const {
  return !broken_[frog] && Frog("Z%d_U", frog);
}

void FrogCount::NewTurn() {
  int usable = 0;
  for (int frog = 1; frog <= kFrogs; ++frog)
    usable += Usable(frog);
  if (usable == 0) return;
  const int previous = number_;
  do {
    number_ = Random().Below(kFrogs) + 1;
  } while ((number_ == previous && usable > 1) || number_ > usable);
  SetDebugText("currNum = " + std::to_string(number_));
  jumpOrder_.fill(0);
  for (int i = 0; i < number_; ++i) {
    int frog = 0;
    do {
      frog = Random().Below(kFrogs) + 1;
    } while (!Usable(frog) ||
             std::find(jumpOrder_.begin(), jumpOrder_.begin() + i, frog) != jumpOrder_.begin() + i);
    jumpOrder_[i] = frog;
  }
  jumpIndex_ = 0;
  for (int frog = 1; frog <= kFrogs; ++frog)
    SetFrame(Frog("Z%d_U", frog), 0);
  JumpNext();
}

void FrogCount::JumpNext() {
  const int frog = jumpOrder_[jumpIndex_];
  if (PlayFromStart(Frog("Z%d_U", frog))) return;
  // The frog cannot jump: leave it out from now on and start the turn again without it.
  broken_.set(frog);
  for (int other = 1; other <= kFrogs; ++other)
    Hide(Frog("Z%d_U", other));
  NewTurn();
}

void FrogCount::AskCount() {
  Asked(trace::HitAnswer({number_ - 1}));
}

void FrogCount::OnGameMessage(const Input& input, bool* unconsumed) {
  if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
  const int number = input.region + 1;
  if (number < 1 || number > kFrogs) return;
  // One press answers: a second number pressed before the first has sprung back is not
  // judged again.
  AllowAnswer(false);
  answer_ = number;
  if (!PlayFromStart(Frog("B%d", number))) JudgeCount();
}

void FrogCount::JudgeCount() {
  const Verdict verdict = Count(answer_ == number_);
  if (verdict == Verdict::kCorrection && Wave()) {
    // The frogs wave first; each wave that ends starts the correction.
    AllowAnswer(false);
    return;
  }
  SpeakVerdict(verdict);
}

bool FrogCount::Wave() {
  lastWaving_ = 0;
  waving_.fill(0);
  int onLily = 0;
  for (int frog = 1; frog <= kFrogs; ++frog) {
    if (!IsShown(Frog("Z%d_U", frog))) continue;
    ++onLily;
    ScriptedAnimationControl* wave = Frog("Z%d_H", frog);
    if (!wave) continue;
    if (onLily == number_) ChooseSound(wave, kWaveCall);
    if (!Play(wave, kWaveScript)) continue;
    waving_[frog] = 2;
    lastWaving_ = frog;
  }
  return lastWaving_ != 0;
}

void FrogCount::AfterPraise() {
  std::vector<int> onLily;
  for (int frog = 1; frog <= kFrogs; ++frog) {
    ScriptedAnimationControl* up = Frog("Z%d_U", frog);
    if (!IsShown(up)) continue;
    Hide(up);
    onLily.push_back(frog);
  }
  // The turn is over when every frog that dives has splashed; one that cannot dive or splash
  // counts as splashed at once.
  diving_ = static_cast<int>(onLily.size());
  if (onLily.empty()) NewTurn();
  for (int frog : onLily) {
    if (!PlayFromStart(Frog("Z%d_D", frog))) Splashed();
  }
}

void FrogCount::Splashed() {
  if (++splashes_ < diving_) return;
  splashes_ = 0;
  splashSoundLoaded_ = false;
  NewTurn();
}

void FrogCount::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  if (event != kEventAnimationEnd) return;
  for (int number = 1; number <= kFrogs; ++number) {
    if (Is(control, event, "B%d", number)) {
      JudgeCount();
      return;
    }
  }
  for (int frog = 1; frog <= kFrogs; ++frog) {
    if (Is(control, event, "Z%d_H", frog)) {
      waving_[frog] = 0;
      Speak(Info().speeches.correction);
      break;
    }
  }
  for (int frog = 1; frog <= kFrogs; ++frog) {
    if (FrogEvent(frog, control, event)) return;
  }
}

// What the end of one of the frog's animations leads to; true when it was one of them.
bool FrogCount::FrogEvent(int frog, Control* control, int32_t event) {
  if (Is(control, event, "Z%d_U", frog)) {
    if (jumpIndex_ + 1 < number_) {
      ++jumpIndex_;
      JumpNext();
    } else {
      AskCount();
    }
    return true;
  }
  if (Is(control, event, "Z%d_H", frog)) {
    // Open again, and taken once the correction is over.
    if (jumpIndex_ + 1 >= number_) AllowAnswer(true);
    return true;
  }
  if (Is(control, event, "Z%d_D", frog)) {
    ScriptedAnimationControl* splash = Frog("%d", frog);
    if (splash && !splashSoundLoaded_) {
      ChooseSound(splash, kSplashSound);
      splashSoundLoaded_ = true;
    }
    if (!PlayFromStart(splash)) Splashed();
    return true;
  }
  if (Is(control, event, "%d", frog)) {
    Splashed();
    return true;
  }
  return false;
}

}  // namespace rufo
