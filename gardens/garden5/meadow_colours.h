#pragma once

#include <array>
#include <vector>

#include "game/mini_game.h"

namespace rufo {

// COL: a meadow of eleven flowers in one of three layouts grows, its little creature asks for
// a colour and the child clicks the flower of that colour. The creature praises and corrects;
// before a correction it sighs. After a praise the flowers leave and another layout grows. No
// layout and no colour comes twice in a row.
class MeadowColours final : public MiniGame {
 public:
  static constexpr int kColours = 11;
  static constexpr int kLayouts = 3;

  MeadowColours() : MiniGame(kScreenMeadowColours) {}

  // The colour of the flower at hit-map value `place` in `layout`.
  static int ColourAt(int layout, int place);
  // Where the flowers of `colour` stand in `layout`.
  static std::vector<int32_t> PlacesOf(int layout, int colour);

  int Layout() const { return layout_; }
  int Colour() const { return colour_; }

 private:
  void PoseQuestion() override { NewLayout(); }
  void AfterPraise() override;
  void AfterCorrection() override { AskAgain(); }
  void AfterOtherSpeech(int kind) override;
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  void NewLayout();
  // The flowers of the layout have grown or left.
  void FlowersDone();
  void NewColour();
  // The creature names the colour; the question opens when it has finished.
  void AskColour();
  void AskAgain();
  void Answer(int place);
  Speaker Creature() const { return Speaker::Numbered("AM_%d", layout_ + 1); }

  int layout_ = -1;
  int colour_ = -1;
  bool leaving_ = false;
};

}  // namespace rufo
