// The game with one game more: "which frog?" in Garden1, played on the frogs' pictures. It is
// added as a new game would be, by its own class and one row, so that the scripted player can
// show that it finds, wins and loses a game it was never told of.
#include "app/run_game.h"
#include "game/game_random.h"
#include "game/mini_game.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr ScreenId kScreenWhichFrog = 0x204;  // Garden1\FROG
constexpr int kFrogs = 10;

// RUFO names no number: the child clicks the frog whose number the trace asks for.
class WhichFrog final : public MiniGame {
 public:
  WhichFrog() : MiniGame(kScreenWhichFrog) {}

 private:
  void PoseQuestion() override {
    frog_ = Random().Below(kFrogs);
    Asked(trace::HitAnswer({frog_}));
  }
  void OnGameMessage(const Input& input, bool* unconsumed) override {
    if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
    if (input.region < kFrogs) Judge(input.region == frog_);
  }

  int frog_ = 0;
};

constexpr MiniGameInfo kWhichFrog{.screen = kScreenWhichFrog,
                                  .code = "FROG",
                                  .sticker = 0,
                                  .winAt = 5,
                                  .lesson = kScreenLearnCounting,
                                  .speeches = {0, 2, 3, 4, 5},
                                  .soundFolder = "Sounds\\Garden1\\NUM\\",
                                  .script = "Data\\Garden1\\FROG\\screen.dat",
                                  .hitMap = "Bitmaps\\Garden1\\Num\\bg_mask.png",
                                  .enter = "FROG",
                                  .make = MakeScreen<WhichFrog>};

}  // namespace
}  // namespace rufo

int main() {
  return rufo::RunGame([](rufo::ScreenTable& screens) { AddMiniGame(screens, rufo::kWhichFrog); });
}
