#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "tools/demogen/speech.h"

namespace rufo::demogen {
namespace {

TEST(MouthFrames, FollowLoudnessAndLastAsLongAsTheSound) {
  assetkit::PcmSound sound;
  sound.sampleRate = 22050;
  // 0.5 s silence, 1 s of a tone growing from soft to loud, 0.3 s silence
  sound.samples.assign(11025, 0);
  for (int i = 0; i < 22050; ++i) {
    sound.samples.push_back(static_cast<int16_t>((6000.0 + 14000.0 * i / 22050) *
                                                 std::sin(2 * M_PI * 220 * i / 22050.0)));
  }
  sound.samples.insert(sound.samples.end(), 6615, 0);
  const auto steps = MouthFrames(sound);
  ASSERT_GE(steps.size(), 4u);
  EXPECT_EQ(steps.front().frame, 0);
  EXPECT_NEAR(steps.front().seconds, 0.5, 0.061);
  EXPECT_EQ(steps.back().frame, 0);
  // The mouth opens wider as the tone grows: the widest shapes come late.
  bool sawWide = false;
  for (const auto& step : steps) {
    EXPECT_GE(step.frame, 0);
    EXPECT_LE(step.frame, 4);
    if (step.frame == 3 || step.frame == 4) sawWide = true;
    if (!sawWide) {
      EXPECT_LE(step.frame, 2);
    }
  }
  EXPECT_TRUE(sawWide);
  for (size_t i = 1; i < steps.size(); ++i)
    EXPECT_NE(steps[i].frame, steps[i - 1].frame);
  EXPECT_NEAR(std::accumulate(steps.begin(), steps.end(), 0.0,
                              [](double total, const auto& step) { return total + step.seconds; }),
              1.8, 1e-6);

  sound.samples.assign(22050, 0);
  const auto shut = MouthFrames(sound);
  ASSERT_EQ(shut.size(), 1u) << "silence keeps the mouth shut";
  EXPECT_EQ(shut[0].frame, 0);
  EXPECT_NEAR(shut[0].seconds, 1.0, 1e-6);
}

}  // namespace
}  // namespace rufo::demogen
