// The page's sound: resting after a quiet second, awake in the step a sound starts.
#include "web/sound_rest.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace rufo::web {
namespace {

using RestChange = SoundRest::Change;
using RestChanges = std::vector<std::pair<double, RestChange>>;

// Steps every 10 ms from `fromMs` up to `toMs` (excluded) with the same playing state; the
// times at which a change was asked for.
RestChanges Steps(SoundRest& rest, bool playing, double fromMs, double toMs) {
  RestChanges changes;
  for (double t = fromMs; t < toMs; t += 10) {
    const RestChange change = rest.AfterStep(playing, t);
    if (change != RestChange::kNone) changes.emplace_back(t, change);
  }
  return changes;
}

TEST(SoundRest, RestsOnceAfterAQuietSecondWakesInTheStepASoundStartsAndStaysAwakeBetweenSounds) {
  SoundRest rest;
  // The page's first steps, with nothing playing yet, count towards the quiet second.
  EXPECT_EQ(Steps(rest, false, 500, 3000), (RestChanges{{1500, RestChange::kRest}}));
  EXPECT_EQ(rest.AfterStep(true, 3000), RestChange::kWake);
  EXPECT_EQ(Steps(rest, true, 3010, 6000), RestChanges{});
  // The quiet second counts from the sound's end, not from the quiet before it.
  EXPECT_EQ(Steps(rest, false, 6000, 8000), (RestChanges{{7000, RestChange::kRest}}));
  // Sounds close together keep it awake.
  EXPECT_EQ(Steps(rest, true, 8000, 8500), (RestChanges{{8000, RestChange::kWake}}));
  for (double start = 8500; start < 18000; start += 1500) {
    EXPECT_EQ(Steps(rest, false, start, start + 990), RestChanges{}) << start;
    EXPECT_EQ(Steps(rest, true, start + 990, start + 1500), RestChanges{}) << start;
  }
  // Steps may come seldom (a hidden page): the first after the quiet second rests.
  EXPECT_EQ(rest.AfterStep(false, 28000), RestChange::kNone);
  EXPECT_EQ(rest.AfterStep(false, 33000), RestChange::kRest);
  EXPECT_EQ(rest.AfterStep(false, 34000), RestChange::kNone);
}

}  // namespace
}  // namespace rufo::web
