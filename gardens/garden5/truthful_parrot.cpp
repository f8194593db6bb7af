#include "gardens/garden5/truthful_parrot.h"

#include <algorithm>
#include <string>

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

// In speaking order.
constexpr const char* kParrotNames[TruthfulParrot::kParrots] = {"FIALOVY", "CERVENY", "ZELENY",
                                                                "MODRY"};
constexpr const char* kBoard = "TABULE";
constexpr const char* kWipe = "Bitmaps\\Garden5\\not\\ani\\tabule_b";
constexpr int kCleanBoardFrame = 11;
constexpr int kFirstShapeFrame = 12;
constexpr int kRepeatRegion = 99;
const Speaker kJudge{"MLUVI_T"};

std::string ShapeSound(int shape) {
  return "Sounds\\Garden5\\NOT\\PAP\\" + std::to_string(shape);
}

}  // namespace

int TruthfulParrot::Truthful() const {
  return static_cast<int>(std::find(said_.begin(), said_.end(), board_) - said_.begin());
}

void TruthfulParrot::PlayBoard(const char* script) {
  ScriptedAnimationControl* board = ScriptedAnimation(kBoard);
  // Without a board animation the parrots go on at once.
  if (!Play(board, script)) NewBoard();
}

void TruthfulParrot::NewBoard() {
  const int previous = board_;
  do {
    board_ = Random().Below(kShapes);
  } while (board_ == previous);
  for (int parrot = 0; parrot < kParrots; ++parrot) {
    bool repeated = true;
    while (repeated) {
      said_[parrot] = Random().Below(kShapes);
      repeated =
          std::find(said_.begin(), said_.begin() + parrot, said_[parrot]) != said_.begin() + parrot;
    }
  }
  SetFrame(ScriptedAnimation(kBoard), kFirstShapeFrame + board_);
  SetDebugText("shape = " + std::to_string(board_));
  LetSay(0);
}

void TruthfulParrot::LetSay(int parrot) {
  for (saying_ = parrot; saying_ < kParrots; ++saying_) {
    if (Play(ScriptedAnimation(kParrotNames[saying_]), ShapeSound(said_[saying_]))) return;
  }
  saying_ = -1;
  AskWho();
}

void TruthfulParrot::AskWho() {
  Asked(trace::ControlAnswer(kParrotNames[Truthful()]));
}

void TruthfulParrot::AfterPraise() {
  SetFrame(ScriptedAnimation(kBoard), kCleanBoardFrame);
  PlayBoard(kWipe);
}

void TruthfulParrot::Answer(int parrot) {
  // The parrots are not interrupted: a click while one of them talks is no answer.
  if (saying_ >= 0 || !TakesAnswer(true)) return;
  Judge(parrot == Truthful(), kJudge);
}

void TruthfulParrot::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, kBoard, kEventAnimationEnd)) {
    NewBoard();
    return;
  }
  for (int parrot = 0; parrot < kParrots; ++parrot) {
    if (EventFrom(control, event, kParrotNames[parrot], kEventAnimationEnd) && parrot == saying_) {
      LetSay(parrot + 1);
      return;
    }
    if (EventFrom(control, event, kParrotNames[parrot], kEventClicked)) {
      Answer(parrot);
      return;
    }
  }
}

void TruthfulParrot::OnGameMessage(const Input& input, bool* unconsumed) {
  if (input.message != kMsgLeftDown || saying_ >= 0 || !TakesAnswer(*unconsumed)) return;
  if (input.region == kRepeatRegion) LetSay(0);
}

}  // namespace rufo
