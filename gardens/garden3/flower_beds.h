#pragma once

#include <array>
#include <string>

#include "game/mini_game.h"
#include "game/scene_kit.h"

namespace rufo {

// CAT: three beds of different shapes and pots of four colours. RUFO asks for flowers of one
// colour in the bed of one shape; the child takes a flower from a pot and plants it on a bed,
// with two clicks or by holding the button down from the pot to the bed. Every speech but the
// question and its repeat comes with the monkey: it climbs down ("MOVE") before RUFO speaks and
// back up once he has finished.
class FlowerBeds final : public MiniGame {
 public:
  static constexpr int kBeds = 3;
  static constexpr int kColours = 4;  // red, yellow, blue, orange
  static constexpr int kShapes = 4;   // square, circular, rectangular, triangular
  static constexpr int kRepeatRegion = 99;

  FlowerBeds() : MiniGame(kScreenFlowerBeds) {}

  int AskedColour() const { return askedColour_; }
  int AskedShape() const { return askedShape_; }
  // The shape shown by each bed "TVA1" to "TVA3".
  const std::array<int, kBeds>& BedShapes() const { return bedShapes_; }
  // The bed whose shape is asked, 0 to 2.
  int AskedBed() const { return order_[0]; }
  bool Carrying() const { return carried_ >= 0; }
  int Carried() const { return carried_; }
  bool MonkeyReturning() const { return monkeyReturning_; }

 private:
  void Prepare() override;
  void Introduce() override { WithMonkey(Info().speeches.intro); }
  void Resume() override;
  void PoseQuestion() override { NewQuestion(); }
  void OnSpeechEnded(int kind) override;
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  // Starts speech `kind` with the monkey's climb down first.
  void WithMonkey(int kind);
  void MonkeyDown(int kind);
  void MonkeyUp(int kind);
  void NewQuestion();
  void Ask();
  void Plant(int bed);
  // The press takes the flower of the pot it was on.
  void Carry(const Input& press);
  // Keeps the carried flower under the pointer.
  void Follow(int x, int y);
  void Drop();
  void Judged(bool good);

  int askedColour_ = 0;
  int askedShape_ = 0;
  std::array<int, kBeds> bedShapes_{};
  std::array<int, kBeds> colours_{};
  std::array<int, kBeds> order_{};
  int carried_ = -1;
  // The flower was taken by the press now held down, at that place.
  bool pickPress_ = false;
  ScreenPoint pickedAt_;
  std::string question_;
  std::string planted_;  // the flower planted for the last question
  bool monkeyReturning_ = false;
  int monkeyKind_ = -1;  // the speech the monkey is climbing down for
};

}  // namespace rufo
