// The screens around the gardens: the title, choosing who plays on the Start screen, the end
// question, the End screen and the Credits.
#include "tools/rufo_play/player.h"

namespace rufo::play {
namespace {

constexpr int kSlot = 0;  // a fresh runtime folder: every slot is free
constexpr uint32_t kTitleLimit = 10000;
constexpr uint32_t kSpeechLimit = 60000;
constexpr uint32_t kJumpLimit = 30000;
constexpr uint32_t kExitWallMs = 5000;

}  // namespace

bool Player::ChooseChild() {
  if (!WaitFor([&] { return screen_ == kScreenTitle; }, kTitleLimit)) {
    Problem("the title screen did not come");
    return false;
  }
  Step(300);
  Click({RegionMap::kWidth / 2, RegionMap::kHeight / 2});
  if (!Arrive(kScreenStart, 3000, "a click on the title screen")) return false;
  // Exploring, the Start screen is played as restlessly as the rest.
  return options_.mode == Mode::kExplore || PutOnCap();
}

bool Player::PutOnCap() {
  const ScreenView start = View(kScreenStart);
  std::string problem;
  std::optional<Point> face;
  for (int slot = 3; slot >= 0; --slot) {
    std::optional<Point> point = start.Region(kFaceRegion + slot, &problem);
    if (!point) Problem(problem + " (the face of slot " + std::to_string(slot) + ")");
    if (slot == kSlot) face = point;
  }
  const std::optional<Point> cap = start.Control(kCap, &problem);
  if (!cap) Problem(problem + " (the cap that chooses who plays)");
  if (!face || !cap) return false;

  const uint32_t entered = link_.NowMs();
  if (!childChosen_) {
    if (!WaitFor([&] { return Said(kStartIntro, entered); }, kSpeechLimit)) {
      Problem(std::string("the Start screen did not say ") + kStartIntro);
      return false;
    }
    // A press cuts the introduction short and lets the faces be chosen.
    Click(FreePoint(start));
    Click(*face);  // the next face picture
  }
  Click(*cap);
  Step(200);
  Click(*face);
  if (!Arrive(kScreenHub, kJumpLimit, "putting the cap on the face of slot 0")) return false;
  childChosen_ = true;
  return true;
}

bool Player::PointAtAnswer(bool yes, uint32_t limitMs) {
  const uint32_t since = link_.NowMs();
  // An answer speaks when the pointer comes to it from the other one once the bubble is up (it
  // does not speak twice in a row), so the pointer goes over both.
  auto spoke = [&] { return Said(kDialogYesSound, since) || Said(kDialogNoSound, since); };
  return WaitFor(
      [&] {
        if (!spoke()) {
          MoveTo(yes ? kDialogNo : kDialogYes);
          Step(300);
        }
        MoveTo(yes ? kDialogYes : kDialogNo);
        Step(300);
        return spoke();
      },
      limitMs);
}

bool Player::AnswerDialogYes(uint32_t limitMs) {
  if (!PointAtAnswer(true, limitMs)) {
    Problem("the end question's bubble did not come up on " + Describe(screen_));
    return false;
  }
  Click(kDialogYes);
  return true;
}

bool Player::AnswerDialogIfUp(bool yes, uint32_t limitMs) {
  if (!PointAtAnswer(yes, limitMs)) return false;
  Click(yes ? kDialogYes : kDialogNo);
  return true;
}

bool Player::LeaveCredits() {
  finishing_ = true;
  Step(500);
  Click({RegionMap::kWidth / 2, RegionMap::kHeight / 2});
  WaitFor([] { return false; }, 2000);
  if (!link_.Process().WaitMs(kExitWallMs)) {
    Problem("a click on the Credits did not end the game");
    return false;
  }
  if (!link_.Process().ExitedCleanly()) {
    Problem("after the Credits the game ended with " + link_.Process().Status());
    return false;
  }
  return true;
}

bool Player::PlayEnd() {
  if (!Arrive(kScreenEnd, 20000, "the full album")) return false;
  if (!AnswerDialogYes(120000)) return false;
  if (!Arrive(kScreenCredits, 20000, "yes to the end question on the End screen")) return false;
  return LeaveCredits();
}

void Player::Quit() {
  finishing_ = true;
  link_.Act("key F12 down");
  Step(100);
  link_.Act("key F12 up");
  WaitFor([] { return false; }, 1000);
  if (!link_.Process().WaitMs(kExitWallMs)) {
    Problem("F12 did not end the game");
    link_.Process().Kill();
  } else if (!link_.Process().ExitedCleanly()) {
    Problem("the game ended with " + link_.Process().Status() + " on F12");
  }
}

void Player::Finish() {
  if (stopped_) return;
  const ScreenView hub = View(kScreenHub);
  if (!hub.Made()) {
    report_.unreachable.push_back(
        "the farewell in the learning garden and the Credits: the learning garden is not made");
    Quit();
    return;
  }
  if (!WalkTo(kScreenHub) || !UseToolbar(kEndQuestion) || !AnswerDialogYes(10000) ||
      !Arrive(kScreenHub, 10000, "yes to the end question") ||
      !Arrive(kScreenCredits, 60000, "the farewell in the learning garden")) {
    Quit();
    return;
  }
  LeaveCredits();
}

}  // namespace rufo::play
