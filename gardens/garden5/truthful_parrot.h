#pragma once

#include <array>

#include "game/mini_game.h"

namespace rufo {

// NOT: the board shows a shape, four parrots one after another each name a shape, and the
// child clicks the parrot that told the truth. Every turn exactly one parrot is right (they
// say the four shapes in some order) and the board never shows the same shape twice in a row.
// A click on the board lets the parrots say their shapes again.
class TruthfulParrot final : public MiniGame {
 public:
  static constexpr int kShapes = 4;  // circle, triangle, square, rectangle
  static constexpr int kParrots = 4;

  TruthfulParrot() : MiniGame(kScreenTruthfulParrot) {}

  // The shape on the board (-1 before the first board) and what each parrot says.
  int BoardShape() const { return board_; }
  const std::array<int, kParrots>& Said() const { return said_; }
  // The parrot that says the board's shape.
  int Truthful() const;

 private:
  void PoseQuestion() override { PlayBoard(""); }
  void AfterPraise() override;
  void AfterCorrection() override { AskWho(); }
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  // Plays the board's animation (its own, or the named script); its end draws a new board.
  void PlayBoard(const char* script);
  void NewBoard();
  // The parrot says its shape; past the last parrot the question is open.
  void LetSay(int parrot);
  void AskWho();
  void Answer(int parrot);

  int board_ = -1;
  std::array<int, kParrots> said_{};
  int saying_ = -1;  // the parrot speaking now, -1 none
};

}  // namespace rufo
