#include "game/feedback.h"

#include <gtest/gtest.h>

#include <set>

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

TEST(FeedbackTest, NamesAndCorrectionLevels) {
  EXPECT_EQ(FeedbackName(FeedbackSet::kPraise, 20), "Sounds\\GB_UNI\\GOOD\\20");
  EXPECT_EQ(FeedbackName(FeedbackSet::kFirstCorrection, 0), "Sounds\\GB_UNI\\BAD_1\\0");
  EXPECT_EQ(FeedbackName(FeedbackSet::kSecondCorrection, 21), "Sounds\\GB_UNI\\BAD_2\\21");
  EXPECT_EQ(CorrectionSet(1), FeedbackSet::kFirstCorrection);
  EXPECT_EQ(CorrectionSet(2), FeedbackSet::kSecondCorrection);
  EXPECT_EQ(CorrectionSet(3), FeedbackSet::kFirstCorrection);
  EXPECT_EQ(CorrectionSet(9), FeedbackSet::kFirstCorrection);
}

TEST(FeedbackTest, ThresholdsWinAndLoseOnlyWithoutTheSticker) {
  const GameInfo& notions = *FindGame(0x402);
  ASSERT_EQ(notions.winAt, 15);
  GameScore score;
  for (int i = 1; i < 15; ++i)
    EXPECT_EQ(JudgeAnswer(score, true, notions, false), Verdict::kPraise);
  EXPECT_EQ(JudgeAnswer(score, true, notions, false), Verdict::kWin);
  EXPECT_EQ(JudgeAnswer(score, false, notions, false), Verdict::kCorrection);
  EXPECT_EQ(JudgeAnswer(score, false, notions, false), Verdict::kCorrection);
  EXPECT_EQ(JudgeAnswer(score, false, notions, false), Verdict::kLoss);

  const GameInfo& frogs = *FindGame(0x202);
  GameScore earned;
  for (int i = 1; i <= 12; ++i)
    EXPECT_EQ(JudgeAnswer(earned, true, frogs, true), Verdict::kPraise);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(JudgeAnswer(earned, false, frogs, true), Verdict::kCorrection);
  }
  EXPECT_EQ(earned.wrong, 4) << "wrong answers keep counting for the correction level";
}

TEST(FeedbackTest, EveryGameHasItsOwnStickerAndALesson) {
  std::set<int> stickers;
  for (const GameInfo& game : Games()) {
    stickers.insert(game.sticker);
    EXPECT_EQ(game.lesson >> 8, 1) << game.name;
    EXPECT_EQ(FindGame(game.screen), &game);
  }
  EXPECT_EQ(stickers.size(), 14u);
  EXPECT_EQ(FindGame(0x201), nullptr);
}

}  // namespace
}  // namespace rufo
