#pragma once

#include <string>

#include "game/mini_game.h"

namespace rufo {

// COL: the mouse names a colour and the child clicks the thing of that colour; the thing
// dances, a follow-up plays, then RUFO praises. After a praise a coin decides whether the
// scene changes to the other set of six things (the background "BG" or "BG2"). No colour is
// asked twice in a row. A click on the mouse repeats the colour.
class ColourThings final : public MiniGame {
 public:
  static constexpr int kColours = 12;
  static constexpr int kPerScene = 6;
  static constexpr int kRepeatRegion = 99;

  ColourThings() : MiniGame(kScreenColourThings) {}

  // The colour asked now (0 to 11; -1 before the first), the scene shown (0 or 1).
  int Colour() const { return colour_; }
  int Scene() const { return scene_; }
  // The hit-map value of the thing of a colour in its scene.
  static int Region(int colour);

 private:
  void Prepare() override;
  void PoseQuestion() override;
  void AfterPraise() override;
  void AfterCorrection() override { Ask(); }
  void AfterOtherSpeech(int kind) override;
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  void ShowScene(int scene);
  void Answer(int region);
  void Ask();

  int colour_ = -1;
  int scene_ = 0;
  std::string question_;
  Verdict verdict_ = Verdict::kPraise;
};

}  // namespace rufo
