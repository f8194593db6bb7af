#pragma once

#include <array>
#include <string>

#include "game/mini_game.h"

namespace rufo {

// DIR: RUFO asks to water the flowers in one direction (left, right, up, down, behind) and the
// child clicks the watering can there; the can pours, the flowers bloom, then the verdict is
// said. Fifteen directions are drawn when the screen is built, never the same twice in a row;
// the phrasing changes from question to question (the first and the tenth have their own).
// A click on RUFO repeats the question.
class Watering final : public MiniGame {
 public:
  static constexpr int kDirections = 5;
  static constexpr int kSequence = 15;
  static constexpr int kRepeatRegion = 99;

  Watering() : MiniGame(kScreenWatering) {}

  // The direction asked now (1 left, 2 right, 3 up, 4 down, 5 behind; 0 before the first).
  int Direction() const { return direction_; }
  const std::array<int, kSequence>& Sequence() const { return sequence_; }
  // The phrasing of the question asked last (0 to 5).
  int Variant() const { return variant_; }
  // The button and the flowers of a direction.
  static const char* Button(int direction);
  static const char* Flowers(int direction);

 private:
  void Prepare() override;
  void PoseQuestion() override;
  void AfterCorrection() override { Ask(); }
  void AfterOtherSpeech(int kind) override;
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  // Draws the next fifteen directions, the first differing from the one asked last.
  void DrawSequence();
  void Ask();
  // The can pours; its end lets the flowers bloom, and theirs says the verdict.
  void Water(int direction);
  void Bloom(int direction);

  std::array<int, kSequence> sequence_{};
  int index_ = -1;
  int asked_ = 0;  // questions posed on this screen
  int direction_ = 0;
  int variant_ = 0;
  std::string question_;
  Verdict verdict_ = Verdict::kPraise;
};

}  // namespace rufo
