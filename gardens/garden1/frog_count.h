#pragma once

#include <array>
#include <bitset>

#include "game/mini_game.h"

namespace rufo {

// NUM: frogs jump one by one from the water onto the lilies and the child clicks the number
// of frogs that jumped. After a wrong answer the frogs wave and the same number stays asked;
// after a praise they dive back in, and when every splash is over a new turn begins with
// another number.
class FrogCount final : public MiniGame {
 public:
  static constexpr int kFrogs = 10;

  FrogCount() : MiniGame(kScreenFrogCount) {}

  // How many frogs jump in this turn (0 before the first turn), and in which order.
  int Number() const { return number_; }
  const std::array<int, kFrogs>& JumpOrder() const { return jumpOrder_; }

 private:
  void PoseQuestion() override { NewTurn(); }
  void AfterPraise() override;
  // The same number is asked again.
  void AfterCorrection() override { AskCount(); }
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  void NewTurn();
  // Plays the jump of the frog whose turn it is; a frog that cannot jump ends the turn.
  void JumpNext();
  void AskCount();
  void JudgeCount();
  // The frogs on the lilies wave; false when none could.
  bool Wave();
  void Splashed();
  bool FrogEvent(int frog, Control* control, int32_t event);
  bool Usable(int frog) const;

  int number_ = 0;
  std::array<int, kFrogs> jumpOrder_{};
  int jumpIndex_ = 0;
  int diving_ = 0;
  int splashes_ = 0;
  int answer_ = 0;
  int lastWaving_ = 0;
  std::array<int, kFrogs + 1> waving_{};
  bool splashSoundLoaded_ = false;
  std::bitset<kFrogs + 1> broken_;  // frogs whose jump would not play on this screen
};

}  // namespace rufo
