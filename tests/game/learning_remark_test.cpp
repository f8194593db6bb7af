#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/learning.h"

namespace rufo {
namespace {

// Which set each lesson draws its remarks from, and the kind it leaves behind.
TEST(LearningRemarkTest, TheSetFollowsTheScreenTheColoursKindAndTheNotionsSelector) {
  const struct {
    ScreenId screen;
    int kindBefore;
    int selector;
    std::string folder;
    int count;
    int kind;
  } cases[] = {
      {kScreenLearnColours, 30, -1, "Sounds\\LearnG\\COL\\UNI\\", 8, 16},
      {kScreenLearnColours, 86, -1, "Sounds\\LearnG\\COL\\NEXT\\", 7, 86},
      {kScreenLearnDirections, 5, -1, "Sounds\\LearnG\\DIR\\UNI\\", 14, 22},
      {kScreenLearnCounting, 44, -1, "Sounds\\LearnG\\NUM\\UNI\\", 20, 17},
      {kScreenLearnNotions, 7, 0, "Sounds\\LearnG\\NOT\\UNI\\FIRST\\", 18, 19},
      {kScreenLearnNotions, 50, 1, "Sounds\\LearnG\\NOT\\UNI\\SECOUND\\", 13, 20},
      {kScreenLearnPantry, 60, -1, "Sounds\\LearnG\\LOG\\UNI\\", 16, 18},
      {kScreenLearnShapes, 12, -1, "Sounds\\LearnG\\TVA\\UNI\\", 18, 21},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    const RemarkSet* set = LearningRemarkSet(c.screen, c.kindBefore, c.selector);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->folder, c.folder);
    EXPECT_EQ(set->count, c.count);
    EXPECT_EQ(set->kind, c.kind);
  }
  EXPECT_EQ(LearningRemarkSet(kScreenLearnHub, 15, -1), nullptr);
  EXPECT_EQ(LearningRemarkSet(kScreenFrogCount, 15, -1), nullptr);
}

// Every remark of a set comes in time, except the one the selector excludes, and never the
// same one twice running.
TEST(LearningRemarkTest, TheDrawCoversTheSetSkipsTheSelectorAndNeverRepeats) {
  GameRandom random;
  random.Seed(3);
  for (int selector : {-1, 0, 1}) {
    const RemarkSet set{"x", 13, 20};
    std::set<int> drawn;
    int previous = -1;
    for (int i = 0; i < 2000; ++i) {
      const int number = DrawRemark(set, selector, previous, random);
      ASSERT_NE(number, selector);
      ASSERT_NE(number, previous);
      ASSERT_GE(number, 0);
      ASSERT_LT(number, set.count);
      drawn.insert(number);
      previous = number;
    }
    EXPECT_EQ(drawn.size(), selector < 0 ? 13u : 12u) << "selector " << selector;
  }
}

// A set with one remark to say says it again rather than wait for another.
TEST(LearningRemarkTest, ASetWithOneRemarkLeftRepeatsIt) {
  GameRandom random;
  random.Seed(5);
  EXPECT_EQ(DrawRemark({"x", 1, 20}, -1, 0, random), 0);
  EXPECT_EQ(DrawRemark({"x", 2, 20}, 1, 0, random), 0);
}

}  // namespace
}  // namespace rufo
