#pragma once

#include <string>

#include "controls/scripted_animation_control.h"
#include "game/common_controls.h"
#include "game/learning.h"
#include "gardens/garden1/flower_colours.h"
#include "gardens/garden1/frog_count.h"
#include "gardens/garden_screens.h"
#include "learn/learning_screen.h"
#include "learn/learning_screens.h"
#include "tests/game/demo_game.h"

namespace rufo {

// Places on the demo data's Garden1 and learning-garden pictures.
constexpr int kGardenRufoX = 370, kGardenRufoY = 300;
constexpr int kGardenPondX = 175, kGardenPondY = 352;
constexpr int kGardenFlowersX = 500, kGardenFlowersY = 350;
constexpr int kPondX = 260, kPondY = 240;  // water between the lilies: no number
// The flower bed from left to right holds these colours.
constexpr int kBedOrder[FlowerColours::kColours] = {2, 0, 3, 1, 8, 6, 4, 7, 5};

inline int NumberButtonX(int number) {
  return 22 + (number - 1) * 61 + 28;
}
constexpr int kNumberButtonY = 361;
inline int FlowerX(int colour) {
  for (int place = 0; place < FlowerColours::kColours; ++place) {
    if (kBedOrder[place] == colour) return 52 + place * 67;
  }
  return -1;
}
constexpr int kFlowerY = 300;

// The whole game in-process on the demo data, with the gardens and the learning garden.
class GardenGameTest : public DemoGameTest {
 protected:
  void SetUp() override {
    RegisterGardenScreens(Screens());
    RegisterLearningScreens(Screens());
    DemoGameTest::SetUp();
    // A child has chosen slot 0 on the Start screen.
    State().Profile().inUse = 1;
    State().Profile().face = 0;
  }

  const FrogCount& Frogs() { return Shown<FrogCount>(); }
  const FlowerColours& Flowers() { return Shown<FlowerColours>(); }

  static bool Visible(const std::string& name) {
    const Control* control = ScriptedControl(name.c_str());
    return control && !control->IsHidden();
  }
  static bool Playing(const std::string& name) {
    const ScriptedAnimationControl* animation = ScriptedAnimation(name.c_str());
    return animation && animation->IsPlaying();
  }
  // Mouse input, a tick each: a move, the left button pressed or let go.
  void MoveTo(int x, int y) {
    engine_.Play("0 move " + std::to_string(x) + " " + std::to_string(y));
    Step();
  }
  void Button(bool down) {
    engine_.Play(down ? "0 ldown" : "0 lup");
    Step();
  }
  // A release with the mouse where nothing can be clicked: cuts an introduction short.
  void Release() {
    MoveTo(320, 40);
    Button(false);
  }

  // Enters a game from its garden's main scene, so that it is introduced, and skips the
  // introduction.
  void EnterGame(ScreenId game) {
    GoTo(MainSceneOf(game));
    GoTo(game);
    RunUntil([&] { return Playing("MLUVI"); });
    Release();
  }
  template <typename Game>
  void AwaitQuestion() {
    RunUntil([&] {
      return Engine().CurrentScreen() == CurrentScreen()->Id() &&
             dynamic_cast<const Game*>(CurrentScreen()) && Shown<Game>().AnswerAllowed() &&
             !Shown<Game>().Speaking();
    });
  }
  // Answers the frogs' question right or wrong and waits for the verdict to be spoken.
  void AnswerFrogs(bool right) {
    AwaitQuestion<FrogCount>();
    const int number = Frogs().Number();
    Click(NumberButtonX(right ? number : number % 10 + 1), kNumberButtonY);
  }
  void AnswerFlowers(bool right) {
    AwaitQuestion<FlowerColours>();
    const int colour = Flowers().Colour();
    Click(FlowerX(right ? colour : (colour + 1) % FlowerColours::kColours), kFlowerY);
  }
};

}  // namespace rufo
