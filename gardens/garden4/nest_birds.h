#pragma once

#include <array>

#include "game/mini_game.h"

namespace rufo {

// NAD: four nests hold birds and RUFO asks how many sit in one of them; the child clicks the
// number. A round asks each nest once, in random order, over the same birds; then the birds
// change. After a correction the same nest stays asked; clicking RUFO asks again.
class NestBirds final : public MiniGame {
 public:
  static constexpr int kNests = 4;
  static constexpr int kNumbers = 10;  // the hit-map values 0 to 9 stand for themselves
  static constexpr int kRepeat = 99;

  NestBirds() : MiniGame(kScreenNestBirds) {}

  // The birds in each nest (top left, top right, bottom left, bottom right), the order in which
  // the nests are asked, and the place in that order now.
  const std::array<int, kNests>& Birds() const { return birds_; }
  const std::array<int, kNests>& Order() const { return order_; }
  int QuestionIndex() const { return questionIndex_; }
  int AskedNest() const { return order_[questionIndex_]; }

 private:
  void Introduce() override;
  void Resume() override;
  void PoseQuestion() override;
  void AfterPraise() override;
  void AfterCorrection() override { AskCount(); }
  void AfterOtherSpeech(int kind) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  // Draws each nest's birds and shows them as the nest's frame.
  void NewBirds();
  void NewOrder();
  // RUFO asks about the nest whose turn it is.
  void Ask();
  void AskCount();

  std::array<int, kNests> birds_{};
  std::array<int, kNests> order_{0, 1, 2, 3};
  int questionIndex_ = 0;
};

}  // namespace rufo
