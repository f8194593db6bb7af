// Garden1 played in-process on the demo data: the frogs' turns and answers, the flowers' colours,
// and a frog whose jump is missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game/game_state.h"
#include "tests/game/garden_game.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

class Garden1Test : public GardenGameTest {};

// Every turn: a number other than the last one, that many different frogs, each on its lily
// when the question is open; the right number is praised, the frogs dive, the next turn comes.
TEST_F(Garden1Test, FrogTurnsNeverRepeatTheNumberNorAFrog) {
  State().Profile().stickers[7] = 1;  // so that the turns go on past ten
  EnterGame(kScreenFrogCount);
  int previous = 0;
  for (int turn = 0; turn < 14; ++turn) {
    AwaitQuestion<FrogCount>();
    const int number = Frogs().Number();
    EXPECT_NE(number, previous);
    const auto& order = Frogs().JumpOrder();
    std::set<int> jumped(order.begin(), order.begin() + number);
    EXPECT_EQ(jumped.size(), static_cast<size_t>(number)) << "a frog jumped twice";
    int onLilies = 0;
    for (int frog = 1; frog <= FrogCount::kFrogs; ++frog)
      onLilies += Visible("Z" + std::to_string(frog) + "_U");
    EXPECT_EQ(onLilies, number);
    previous = number;
    AnswerFrogs(true);
    RunUntil([&] { return Frogs().Number() != number || Frogs().Score().good > turn + 1; });
  }
  EXPECT_EQ(Frogs().Score().good, 14);
  EXPECT_EQ(Frogs().Score().wrong, 0);
}

// Presses that must not answer: outside the numbers, while the character speaks (the
// introduction, a praise), and a second number before the first one has sprung back.
TEST_F(Garden1Test, FrogAnswersComeOnlyFromOneNumberPressedWhileNobodySpeaks) {
  GoTo(kScreenGarden1);
  GoTo(kScreenFrogCount);
  RunUntil([&] { return Frogs().Speaking(); });
  Click(NumberButtonX(3), kNumberButtonY);  // during the introduction: only a release skips it
  EXPECT_EQ(Frogs().Score().good + Frogs().Score().wrong, 0);

  AwaitQuestion<FrogCount>();
  Click(kPondX, kPondY);
  Click(NumberButtonX(1) - 30, kNumberButtonY);  // beside the first button
  for (int i = 0; i < 400; ++i)
    Step();
  EXPECT_EQ(Frogs().Score().good + Frogs().Score().wrong, 0);
  EXPECT_TRUE(Frogs().AnswerAllowed());

  const int number = Frogs().Number();
  Click(NumberButtonX(number), kNumberButtonY);
  Click(NumberButtonX(number % 10 + 1), kNumberButtonY);  // at once, before the first is over
  RunUntil([&] { return Frogs().Speaking(); });
  EXPECT_EQ(Frogs().Score().good, 1);
  EXPECT_EQ(Frogs().Score().wrong, 0);
  Click(NumberButtonX(number), kNumberButtonY);  // while the praise is said
  RunUntil([&] { return !Frogs().Speaking(); });
  EXPECT_EQ(Frogs().Score().good, 1);
}

// A wrong number: the frogs on the lilies wave, the last of them calls, the correction follows
// and the same number is asked again.
TEST_F(Garden1Test, AfterAWrongCountTheFrogsWaveAndTheSameNumberStaysAsked) {
  EnterGame(kScreenFrogCount);
  AnswerFrogs(false);
  const int number = Frogs().Number();
  RunUntil([&] {
    for (int frog = 1; frog <= FrogCount::kFrogs; ++frog) {
      if (Playing("Z" + std::to_string(frog) + "_H")) return true;
    }
    return false;
  });
  int waving = 0;
  for (int frog = 1; frog <= FrogCount::kFrogs; ++frog)
    waving += Playing("Z" + std::to_string(frog) + "_H");
  EXPECT_EQ(waving, number);
  EXPECT_FALSE(Frogs().AnswerAllowed());
  RunUntil([&] { return Frogs().Speaking() && Frogs().Kind() == 3; });
  AwaitQuestion<FrogCount>();
  EXPECT_EQ(Frogs().Number(), number);
  EXPECT_EQ(Frogs().Score().wrong, 1);
  AnswerFrogs(true);
  RunUntil([&] { return Frogs().Score().good == 1; });
}

// The colours: never white first, never the same colour twice in a row; the tenth right answer
// grows the last flower before the win is said.
TEST_F(Garden1Test, ColoursNeverRepeatAndTheTenthGrowsItsFlowerBeforeTheWin) {
  EnterGame(kScreenFlowerColours);
  int previous = FlowerColours::kWhite;
  for (int i = 0; i < 10; ++i) {
    AwaitQuestion<FlowerColours>();
    EXPECT_NE(Flowers().Colour(), previous) << "question " << i;
    previous = Flowers().Colour();
    AnswerFlowers(true);
  }
  RunUntil([&] { return Flowers().Kind() == 10; });  // the win once the flower has grown
  EXPECT_TRUE(Visible(std::string("CM_") + "ZLBICRMORUHNORCEFI"[previous * 2] +
                      "ZLBICRMORUHNORCEFI"[previous * 2 + 1]));
}

// With the sticker earned the thresholds are gone: the tenth right colour is praised and the
// game goes on; a wrong one keeps the same colour asked.
TEST_F(Garden1Test, WithStickerEightTheTenthColourIsOnlyPraised) {
  State().Profile().stickers[8] = 1;
  EnterGame(kScreenFlowerColours);
  EXPECT_TRUE(Visible("S")) << "the badge";
  AnswerFlowers(false);
  const int asked = Flowers().Colour();
  AwaitQuestion<FlowerColours>();
  EXPECT_EQ(Flowers().Colour(), asked);
  for (int i = 0; i < 10; ++i)
    AnswerFlowers(true);
  RunUntil([&] { return Flowers().Speaking(); });
  EXPECT_EQ(Flowers().Kind(), 8);
  AwaitQuestion<FlowerColours>();
  EXPECT_TRUE(OnScreen(kScreenFlowerColours));
  EXPECT_EQ(Flowers().Score().good, 10);
}

// A frog whose jump is missing from the data, or cannot play, is left out: the turns go on.
class Garden1BrokenFrogTest : public Garden1Test {
 protected:
  void BeforeStart() override {
    fs::remove(CopyOfDemoData() / "Bitmaps/Garden1/NUM/Ani/Z3_U.dat");  // Z3_U cannot play
  }
};

TEST_F(Garden1BrokenFrogTest, AFrogThatCannotJumpIsLeftOutAndTheTurnsGoOn) {
  State().Profile().stickers[7] = 1;
  EnterGame(kScreenFrogCount);
  for (int turn = 0; turn < 12; ++turn) {
    AwaitQuestion<FrogCount>();
    const auto& order = Frogs().JumpOrder();
    if (turn > 0) {
      EXPECT_EQ(std::count(order.begin(), order.begin() + Frogs().Number(), 3), 0);
    }
    EXPECT_LE(Frogs().Number(), 9);
    const int good = Frogs().Score().good;
    AnswerFrogs(true);
    RunUntil([&] { return Frogs().Score().good > good; });
  }
}

}  // namespace
}  // namespace rufo
