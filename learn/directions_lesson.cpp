#include "learn/directions_lesson.h"

#include <string>

#include "game/game_state.h"
#include "game/learning.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

// A balloon, the control of RUFO aiming at it, the direction's name, and the stems of their
// frame scripts; the speech kind of the name is the balloon's number + 1.
struct Direction {
  const char* balloon;
  const char* aim;
  const char* word;
  const char* balloonScripts;
  const char* aimScripts;
};
constexpr Direction kDirections[DirectionsLesson::kBalloons] = {
    {"FB", "VLEVO", "left", "fb", "vlevo"},   {"OB", "VPRAVO", "right", "ob", "vpravo"},
    {"CB2", "NAHORU", "up", "cb2", "nahoru"}, {"CB", "DOLE", "down", "cb", "dole"},
    {"RB", "VZADU", "back", "rb", "vzadu"},   {"ZB", "VPREDU", "front", "zb", "vpredu"},
};

int KindOf(int balloon) {
  return balloon + 1;
}

// The balloon's frame scripts: "_1" pops it, "_2" keeps it floating.
std::string BalloonScript(int balloon, int number) {
  return std::string(kDirections[balloon].balloonScripts) + "_" + std::to_string(number) + ".dat";
}

// RUFO's aim at a direction ("_1") and his return from it ("_2").
std::string AimScript(int balloon, int number) {
  return std::string("Bitmaps\\LearnG\\Dir\\Ani\\") + kDirections[balloon].aimScripts + "_" +
         std::to_string(number) + ".dat";
}

}  // namespace

void DirectionsLesson::Build() {
  LoadScene("Data\\LearnG\\DIR\\screen.dat", "Bitmaps\\LearnG\\Dir\\bg_mask.png");
  for (int balloon = 0; balloon < kBalloons; ++balloon)
    Float(balloon);
  LearningSay(kDirectionsIntroKind, "Sounds\\LearnG\\DIR\\sp_intro");
}

void DirectionsLesson::Float(int balloon) {
  if (PlayAnimation(kDirections[balloon].balloon, BalloonScript(balloon, 2), true)) {
    balloons_[balloon] = Balloon::kFloating;
  }
}

void DirectionsLesson::BecomeClickable() {
  clickable_ = true;
  // The balloons take their clicks through the hit map, each on its own value.
  std::vector<int32_t> balloons;
  for (const Direction& direction : kDirections) {
    if (const Control* balloon = ScriptedControl(direction.balloon)) {
      balloons.push_back(HitIndexOf(balloon));
    }
  }
  OfferChoice(kScreenLearnDirections, balloons);
}

void DirectionsLesson::OnSpeechEnd() {
  const int kind = Learning().speechKind;
  if (kind == kDirectionsIntroKind || kind == kDirectionsRemarkKind) {
    BecomeClickable();
    return;
  }
  if (kind < KindOf(0) || kind > KindOf(kBalloons - 1)) return;
  ScriptedAnimationControl* speaker = ScriptedAnimation("MLUVI");
  SetFrame(speaker, 0);
  Hide(speaker);
  PlayAnimation(kDirections[kind - 1].aim, AimScript(kind - 1, 1));
  aimBusy_ = false;
}

void DirectionsLesson::OnLearningEvent(Control* control, int32_t event) {
  if (EventFrom(control, event, "MLUVI", kEventAnimationEnd)) {
    OnSpeechEnd();
    return;
  }
  for (int balloon = 0; balloon < kBalloons; ++balloon) {
    const Direction& direction = kDirections[balloon];
    if (EventFrom(control, event, direction.balloon, kEventClicked)) {
      if (!clickable_ || Learning().speaking) return;
      clickable_ = false;
      LearningSay(KindOf(balloon), std::string("Sounds\\LearnG\\dir\\Dir_Name\\") + direction.word);
      return;
    }
    if (EventFrom(control, event, direction.aim, kEventAnimationEnd)) {
      if (balloons_[balloon] == Balloon::kFloating && !aimBusy_) {
        PlayAnimation(direction.balloon, BalloonScript(balloon, 1));
        balloons_[balloon] = Balloon::kHit;
        aimBusy_ = true;
        PlayAnimation(direction.aim, AimScript(balloon, 2));
      } else {
        ShowControl("MLUVI", true);
      }
      return;
    }
    if (EventFrom(control, event, direction.balloon, kEventAnimationEnd)) {
      if (balloons_[balloon] == Balloon::kHit) {
        PlayAnimation(direction.balloon);
        balloons_[balloon] = Balloon::kGone;
        returnPending_ = true;
      } else if (balloons_[balloon] == Balloon::kGone && returnPending_) {
        returnPending_ = false;
        Float(balloon);
        LearningRemark(nullptr, -1);
      }
      return;
    }
  }
}

}  // namespace rufo
