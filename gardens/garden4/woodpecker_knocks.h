#pragma once

#include "game/mini_game.h"

namespace rufo {

// NUM: the woodpecker knocks on the tree a number of times and the child clicks that number.
// A turn never knocks as many times as the one before; the woodpecker itself knocks the same
// number again when clicked. Clicks count only once the last knock is over.
class WoodpeckerKnocks final : public MiniGame {
 public:
  static constexpr int kMostKnocks = 10;
  // The hit-map value that knocks again; 0 to 9 stand for the numbers 1 to 10.
  static constexpr int kReplay = 99;

  WoodpeckerKnocks() : MiniGame(kScreenWoodpeckerKnocks) {}

  // The knocks of this turn (0 before the first).
  int Knocks() const { return knocks_; }

 private:
  void PoseQuestion() override;
  // The same number stays asked.
  void AfterCorrection() override { AskCount(); }
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  void StartKnocking();
  // Plays one knock; false when the woodpecker cannot knock.
  bool Knock();
  void AskCount();

  int knocks_ = 0;
  int knocksDone_ = 0;
};

}  // namespace rufo
