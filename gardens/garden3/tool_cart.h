#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "game/mini_game.h"
#include "game/scene_kit.h"

namespace rufo {

// NOT: RUFO names a garden tool by one property (the short hose, the big hammer) and the child
// drags that tool into the cart. A tool counts only when it comes down into the cart from
// above; one pushed in from the side goes back to its place. The shed shows ten tools at a
// time; after the tenth the light goes out and comes back on with the other ten, and after the
// twentieth the game starts again from zero. The tools put in show in the cart, smaller, until
// the light comes back with the other half.
class ToolCart final : public MiniGame {
 public:
  static constexpr int kTools = 20;
  static constexpr int kHalfTools = kTools / 2;
  static constexpr int kCartRegion = 125;
  static constexpr int kRepeatRegion = 99;
  static constexpr int kDarkTicks = 250;

  // Where the pointer is, seen from the cart: above it, in it, or elsewhere.
  enum CartRegion { kAboveCart = 1, kInCart = 2, kAwayFromCart = 3 };
  static CartRegion CartRegionAt(int x, int y);
  // The tools of each half of the shed, by number.
  static const std::array<int, kHalfTools>& HalfTools(int half);

  ToolCart() : MiniGame(kScreenToolCart) {}

  int AskedTool() const { return sequence_[index_]; }
  int QuestionIndex() const { return index_; }
  int HalfShown() const { return half_; }
  const std::array<int, kTools>& Sequence() const { return sequence_; }
  bool Dragging() const { return dragged_ >= 0; }
  bool InCart(int tool) const;
  // The tools shown in the cart, in the order they were put in.
  const std::vector<int>& CartLoad() const { return load_; }
  bool Dark() const { return darkTicks_ >= 0; }

 private:
  void Prepare() override;
  void PoseQuestion() override;
  void AfterPraise() override;
  void AfterCorrection() override { AskAgain(); }
  void AfterOtherSpeech(int kind) override;
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;
  void OnTick() override;

  void AskAgain();
  void ShowHalf(int half);
  void Pick(int tool, int x, int y);
  void Follow(int x, int y);
  void Drop(int hit);
  void PutBack(int tool);
  void TakeIntoCart(int tool);
  void LightGoesOut();
  void GoDark();
  void LightComesBack();
  void LightIsBack();
  void ShowShed(bool shown);
  // Shows the tools in the cart (or hides them all), each in its place.
  void ShowLoad(bool shown);

  std::array<int, kTools> sequence_{};
  int index_ = 0;
  int half_ = 0;
  int dragged_ = -1;
  int pickX_ = 0, pickY_ = 0;
  CartRegion region_ = kAwayFromCart;
  CartRegion before_ = kAwayFromCart;
  bool lightReturning_ = false;
  int darkTicks_ = -1;  // ticks spent in the dark; -1 while the light is on
  // The tools that went into the cart, out of the scene until the screen is left.
  SetAside cart_;
  std::vector<int> load_;
};

}  // namespace rufo
