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

TEST(FeedbackTest, SoundsAreNamedBySet) {
  EXPECT_EQ(FeedbackName(FeedbackSet::kPraise, 20), "Sounds\\GB_UNI\\GOOD\\20");
  EXPECT_EQ(FeedbackName(FeedbackSet::kFirstCorrection, 0), "Sounds\\GB_UNI\\BAD_1\\0");
  EXPECT_EQ(FeedbackName(FeedbackSet::kSecondCorrection, 21), "Sounds\\GB_UNI\\BAD_2\\21");
}

}  // namespace
}  // namespace rufo
