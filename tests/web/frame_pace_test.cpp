// The browser's step pace: resting after a quiet half second, back at the first drawing.
#include "web/frame_pace.h"

#include <gtest/gtest.h>

namespace rufo::web {
namespace {

using Change = FramePace::Change;

// Steps without a drawing until the pace changes; how many it took (0 when it never did).
int QuietStepsToChange(FramePace& pace, uint64_t writes, Change expected, int limit = 100) {
  for (int step = 1; step <= limit; ++step) {
    const Change change = pace.AfterStep(writes);
    if (change != Change::kNone) return change == expected ? step : -step;
  }
  return 0;
}

TEST(FramePace, RestsAfterAQuietHalfSecondAndWakesAtTheFirstDrawing) {
  FramePace pace;
  EXPECT_EQ(pace.AfterStep(5), Change::kNone);
  EXPECT_EQ(QuietStepsToChange(pace, 5, Change::kToTimer), FramePace::kRestingSteps);
  // Resting goes on without asking again.
  EXPECT_EQ(QuietStepsToChange(pace, 5, Change::kToTimer), 0);
  EXPECT_EQ(pace.AfterStep(6), Change::kToDisplay);
  // A second rest takes a whole quiet half second again.
  EXPECT_EQ(QuietStepsToChange(pace, 6, Change::kToTimer), FramePace::kRestingSteps);
  EXPECT_EQ(pace.AfterStep(7), Change::kToDisplay);
  // A drawing after every gap one step short of resting keeps the display pace.
  for (uint64_t writes = 8; writes < 30; ++writes) {
    ASSERT_EQ(pace.AfterStep(writes), Change::kNone) << writes;
    ASSERT_EQ(QuietStepsToChange(pace, writes, Change::kToTimer, FramePace::kRestingSteps - 1), 0);
  }
}

}  // namespace
}  // namespace rufo::web
