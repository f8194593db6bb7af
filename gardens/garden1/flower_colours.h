#pragma once

#include "game/mini_game.h"

namespace rufo {

// COL: RUFO names a colour and the child clicks the flower of that colour in the bed; after a
// praise that flower grows tall in place of the last one. The white flower grows first, so the
// first colour asked is never white, and no colour is asked twice in a row. The tenth good
// answer lets the flower grow before the win is said.
class FlowerColours final : public MiniGame {
 public:
  static constexpr int kColours = 9;
  static constexpr int kWhite = 1;

  FlowerColours() : MiniGame(kScreenFlowerColours) {}

  // The colour asked now (the colour of the flower shown, before the first question).
  int Colour() const { return current_; }

 private:
  void Prepare() override { current_ = kWhite; }
  void Introduce() override;
  void Resume() override { Grow(kWhite); }
  void PoseQuestion() override { Grow(current_); }
  void AfterPraise() override { GrowInstead(); }
  void AfterCorrection() override { AskColour(); }
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  // The flower of the colour grows; its end asks the next colour.
  void Grow(int colour);
  // The flower of the colour answered replaces the one shown.
  void GrowInstead();
  void Grown(int colour);
  void AskColour();

  int current_ = kWhite;
  int previous_ = kWhite;
  bool won_ = false;
};

}  // namespace rufo
