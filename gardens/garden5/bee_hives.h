#pragma once

#include <vector>

#include "game/mini_game.h"

namespace rufo {

// COL2: a bee takes off and hovers, RUFO names the colour of its hive, and the child clicks
// the hive of that colour among eight. A right hive lets the bee fly in and the hive answers;
// then the praise, and the bee takes off again. The hives stand in one of four layouts, drawn
// once when the screen is built and kept for the whole visit.
class BeeHives final : public MiniGame {
 public:
  static constexpr int kColours = 8;
  static constexpr int kLayouts = 4;  // numbered 1 to 4

  BeeHives() : MiniGame(kScreenBeeHives) {}

  // The colour of the hive at hit-map value `place` in `layout` (1 to 4).
  static int ColourAt(int layout, int place);
  static std::vector<int32_t> PlacesOf(int layout, int colour);
  // The flight (and hive answer) control number that leads to the hive at `place`.
  static int FlightTo(int place) { return place < 4 ? place + 4 : place - 4; }

  int Layout() const { return layout_; }
  int Colour() const { return colour_; }

 private:
  void LoadScene() override;
  void PoseQuestion() override { TakeOff(); }
  void AfterPraise() override { TakeOff(); }
  void AfterCorrection() override { AskAgain(); }
  void AfterOtherSpeech(int kind) override;
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  void TakeOff();
  void Hover();
  // The bee hovers with its buzz while RUFO names a colour.
  void AskColour();
  void AskAgain();
  void Answer(int place);
  void FlyTo(int place);
  void Arrived(int flight);
  void Answered();

  int layout_ = 1;
  int colour_ = -1;
  int chosen_ = -1;
  Verdict verdict_ = Verdict::kPraise;
  bool beeReady_ = false;
};

}  // namespace rufo
