// Answers a child gives the way children do, played from outside on the demo data: a flower
// carried to its bed with the button held down, a ladybird counted the moment it takes off after
// one that landed unanswered. Each must be taken, and the trace's verdict shows it was.
#include <gtest/gtest.h>

#include <string>

#include "tests/game/garden3_places.h"
#include "tests/game/garden6_places.h"
#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

class TakenAnswersPlay : public LivePlayTest {};

// Holds the button down on a pot, carries the flower across the garden and lets go over a bed.
void DragFlower(test::LivePlayer& player, int colour, int bed) {
  player.Press(kPotX[colour], kPotY);
  player.Move((kPotX[colour] + kBedX[bed]) / 2, (kPotY + kBedY[bed]) / 2);
  player.Release(kBedX[bed], kBedY[bed]);
}

TEST_F(TakenAnswersPlay, AFlowerDraggedWithTheButtonHeldIsPlantedAndJudged) {
  test::LivePlayer player(folder_, Environment("5"));
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(Walk(player, true, {"0x201", "0x301", "0x401"}));
  player.Advance(500);
  ASSERT_NO_FATAL_FAILURE(Enter(player, 530, 220, "speak MLUVI Sounds\\Garden3\\CAT\\sp_intro"));

  // Twice the right flower, then another colour: each drag plants the flower it took.
  auto [colour, bed] = Garden3Question(player.AwaitLine("question 0x403"));
  ASSERT_GE(colour, 0);
  DragFlower(player, colour, bed);
  EXPECT_NE(player.AwaitLine("answer 0x403 good 1 0", 3000), "");
  std::tie(colour, bed) = Garden3Question(player.AwaitLine("question 0x403"));
  DragFlower(player, colour, bed);
  EXPECT_NE(player.AwaitLine("answer 0x403 good 2 0", 3000), "");
  std::tie(colour, bed) = Garden3Question(player.AwaitLine("question 0x403"));
  DragFlower(player, (colour + 1) % 4, bed);
  EXPECT_NE(player.AwaitLine("answer 0x403 wrong 2 1", 3000), "");

  // Two clicks still plant as well: the flower stays with the mouse between them.
  std::tie(colour, bed) = Garden3Question(player.AwaitLine("question 0x403"));
  player.Click(kPotX[colour], kPotY);
  player.Move((kPotX[colour] + kBedX[bed]) / 2, (kPotY + kBedY[bed]) / 2);
  player.Click(kBedX[bed], kBedY[bed]);
  EXPECT_NE(player.AwaitLine("answer 0x403 good 3 1", 3000), "");
  EndPlay(player);
}

TEST_F(TakenAnswersPlay, TheLadybirdAfterOneThatLandedUnansweredCountsFromItsTakeOff) {
  test::LivePlayer player(folder_, Environment("7"));
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(Walk(player, false, {"0x701 0x101"}));
  ASSERT_NO_FATAL_FAILURE(Enter(player, 470, 300, "speak MLUVI SOUNDS\\Garden6\\NUM\\sp_intro"));

  // Nobody answers the first one: it lands and RUFO calls after it.
  ASSERT_NE(player.AwaitLine("question 0x703"), "");
  ASSERT_NE(player.AwaitLine("speak MLUVI SOUNDS\\Garden6\\NUM\\sp_tu"), "");
  // The next one is counted within a second of its take-off.
  const int dots = AnswerIn(player.AwaitLine("question 0x703")) + 1;
  ASSERT_GT(dots, 0);
  player.Advance(300);
  player.Click(DotsButtonX(dots), DotsButtonY(dots));
  EXPECT_NE(player.AwaitLine("answer 0x703 good 1 0", 1000), "");
  EndPlay(player);
}

}  // namespace
}  // namespace rufo
