#include "game/feedback.h"

#include <gtest/gtest.h>

#include <set>

#include "game/mini_game.h"
#include "gardens/garden_screens.h"

namespace rufo {
namespace {

TEST(FeedbackTest, NoNumberFollowsItselfAcrossSetsAndEveryNumberComes) {
  GameRandom random;
  random.Seed(7);
  FeedbackChooser chooser;
  std::set<int> praised;
  int last = -1;
  for (int i = 0; i < 3000; ++i) {
    const FeedbackSet set = i % 3 == 0   ? FeedbackSet::kPraise
                            : i % 3 == 1 ? FeedbackSet::kFirstCorrection
                                         : FeedbackSet::kSecondCorrection;
    const int pick = chooser.Pick(set, random);
    ASSERT_NE(pick, last) << "at draw " << i;
    ASSERT_GE(pick, 0);
    ASSERT_LT(pick, FeedbackSetSize(set));
    if (set == FeedbackSet::kPraise) praised.insert(pick);
    last = pick;
  }
  EXPECT_EQ(praised.size(), 21u);
}

TEST(FeedbackTest, ThresholdsComeFromTheGamesTable) {
  ScreenTable screens;
  RegisterGardenScreens(screens);
  const MiniGameInfo& notions = *FindMiniGame(0x402);
  ASSERT_EQ(notions.winAt, 15);
  GameScore score;
  for (int i = 1; i < 15; ++i)
    ASSERT_EQ(JudgeAnswer(score, true, notions.winAt, false), Verdict::kPraise) << "answer " << i;
  EXPECT_EQ(JudgeAnswer(score, true, notions.winAt, false), Verdict::kWin);
}

TEST(FeedbackTest, SoundsAreNamedBySet) {
  EXPECT_EQ(FeedbackName(FeedbackSet::kPraise, 20), "Sounds\\GB_UNI\\GOOD\\20");
  EXPECT_EQ(FeedbackName(FeedbackSet::kFirstCorrection, 0), "Sounds\\GB_UNI\\BAD_1\\0");
  EXPECT_EQ(FeedbackName(FeedbackSet::kSecondCorrection, 21), "Sounds\\GB_UNI\\BAD_2\\21");
}

}  // namespace
}  // namespace rufo
