#include "gardens/garden6/ladybird_dots.h"

#include <string>

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr const char* kFlyUp = "Bitmaps\\Garden6\\NUM\\ani\\b_up";
constexpr const char* kLand = "Bitmaps\\Garden6\\NUM\\ani\\b_down";
constexpr const char* kCrawlBack = "Bitmaps\\Garden6\\NUM\\ani\\b_back";
constexpr const char* kLandedSound = "SOUNDS\\Garden6\\NUM\\sp_tu";

// The frames of the flight from which a ladybird can fall, and the fall from each height: low,
// middle, and anything past the top of the climb.
constexpr int kLowFall = 7;
constexpr int kMiddleFall = 13;
constexpr int kTopFallAfter = 20;
const char* FallFrom(int frame) {
  if (frame == kLowFall) return "Bitmaps\\Garden6\\NUM\\ANI\\Bedr_d1";
  if (frame == kMiddleFall) return "Bitmaps\\Garden6\\NUM\\ANI\\Bedr_d2";
  if (frame > kTopFallAfter) return "Bitmaps\\Garden6\\NUM\\ANI\\Bedr_d3";
  return nullptr;
}

}  // namespace

ScriptedAnimationControl* LadybirdDots::Flying() const {
  return ScriptedAnimation(Numbered("B%d", dots_).c_str());
}

ScriptedAnimationControl* LadybirdDots::Fall() const {
  return ScriptedAnimation(Numbered("B%d_B", dots_).c_str());
}

bool LadybirdDots::EventOf(const Control* control, int32_t event, const char* pattern) const {
  return EventFrom(control, event, Numbered(pattern, dots_).c_str(), kEventAnimationEnd);
}

void LadybirdDots::NewLadybird() {
  lastGood_ = false;
  winning_ = false;
  const int previous = dots_;
  do {
    dots_ = Random().Below(kMaxDots) + 1;
  } while (dots_ == previous);
  SetDebugText("CurNum = " + std::to_string(dots_));
  if (!Play(ScriptedAnimation("B_START"))) TakenOff();
}

// Out of the flower: the ladybird flies up, and the question is open while it is in the air.
void LadybirdDots::TakenOff() {
  Play(Flying(), kFlyUp);
  Asked(trace::HitAnswer({dots_ - 1}));
}

void LadybirdDots::FlownUp() {
  if (lastGood_) {
    ShowControl(Numbered("B%d", dots_), false);
    if (!Play(ScriptedAnimation("B_FDOWN"))) FlownHome();
    return;
  }
  if (landing_) return;
  // Nobody answered: it lands by itself and RUFO calls after it.
  landing_ = true;
  AllowAnswer(false);
  Say(kLandedSpeech, kLandedSound);
  if (!Play(Fall(), kLand)) Landed();
}

// Down from a landing or a fall: it crawls back into its flower.
void LadybirdDots::Landed() {
  ShowControl(Numbered("B%d_B", dots_), false);
  landing_ = false;
  returning_ = true;
  if (!Play(ScriptedAnimation("B_START"), kCrawlBack)) Returned();
}

void LadybirdDots::Returned() {
  if (lossPending_) {
    Speak(Info().speeches.loss);
    return;
  }
  ShowControl("B_START", false);
  returning_ = false;
  NextLadybird();
}

void LadybirdDots::NextLadybird() {
  // A speaker that is missing or silent reports no end to wait for.
  nextAfterSpeech_ = Speaking() && IsPlaying(CurrentSpeaker().Control());
  if (!nextAfterSpeech_) NewLadybird();
}

void LadybirdDots::FlownHome() {
  ScriptedAnimationControl* flower = ScriptedAnimation("B_START");
  Hide(flower);
  SetFrame(flower, 0);
  if (!lastGood_) return;
  if (!winning_) {
    NextLadybird();
    return;
  }
  homeAfterWin_ = true;
  if (winSaid_) AwardSticker();
}

void LadybirdDots::OnSpeechEnded(int kind) {
  if (kind == Info().speeches.win) {
    winSaid_ = true;
    if (!homeAfterWin_) return;
  }
  FollowSpeech(kind);
  if (nextAfterSpeech_ && !Speaking()) {
    nextAfterSpeech_ = false;
    NewLadybird();
  }
}

void LadybirdDots::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  if (event != kEventAnimationEnd) return;
  if (EventFrom(control, event, "B_START", kEventAnimationEnd)) {
    if (returning_) {
      Returned();
    } else {
      TakenOff();
    }
  } else if (EventOf(control, event, "B%d")) {
    FlownUp();
  } else if (EventOf(control, event, "B%d_B")) {
    if (landing_) Landed();
  } else if (EventFrom(control, event, "B_FDOWN", kEventAnimationEnd)) {
    FlownHome();
  } else if (EventFrom(control, event, "GOOD", kEventAnimationEnd)) {
    Speak(Info().speeches.praise);
  } else if (EventFrom(control, event, "WIN", kEventAnimationEnd)) {
    Speak(Info().speeches.win);
  }
}

void LadybirdDots::OnGameMessage(const Input& input, bool* unconsumed) {
  if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
  const int value = input.region;
  if (value > 9) return;
  AnswerDots(value + 1);
}

void LadybirdDots::AnswerDots(int number) {
  const Verdict verdict = Count(number == dots_);
  // One answer per ladybird: the next one is taken from the next flight.
  AllowAnswer(false);
  lastGood_ = number == dots_;
  if (lastGood_) {
    winning_ = verdict == Verdict::kWin;
    const char* glow = winning_ ? "WIN" : "GOOD";
    if (!Play(ScriptedAnimation(glow))) SpeakVerdict(verdict);
    return;
  }
  if (Flying()) {
    fallPending_ = true;
    landing_ = true;
  }
  // The loss is said once the ladybird is back in its flower.
  if (verdict == Verdict::kLoss && fallPending_) {
    lossPending_ = true;
    return;
  }
  SpeakVerdict(verdict);
}

// The ladybird answered wrongly tumbles down as soon as it reaches one of its fall points.
void LadybirdDots::OnTick() {
  if (!fallPending_) return;
  ScriptedAnimationControl* flying = Flying();
  if (!flying) return;
  const char* fall = FallFrom(FrameOf(flying));
  if (!fall) return;
  fallPending_ = false;
  Stop(flying);
  Hide(flying);
  if (!Play(Fall(), fall)) Landed();
}

}  // namespace rufo
