#include "tools/rufo_play/stuck_watch.h"

#include <gtest/gtest.h>

namespace rufo::play {
namespace {

TEST(StuckWatchTest, OnlyWhatThisVisitHasNotSaidIsNews) {
  StuckWatch watch;
  EXPECT_TRUE(watch.Note("100 screen 0x1 0x5", 100));
  EXPECT_TRUE(watch.Note("900 speak MLUVI Sounds\\Start\\sp_wait", 900));
  // The same again later, and the input's own marks, are not.
  EXPECT_FALSE(watch.Note("5900 speak MLUVI Sounds\\Start\\sp_wait", 5900));
  EXPECT_FALSE(watch.Note("6000 sync", 6000));
  EXPECT_FALSE(watch.Note("6000 debug R3 from R1", 6000));
  EXPECT_FALSE(watch.Note("", 6000));
  EXPECT_EQ(watch.LastNewsMs(), 900u);
  EXPECT_EQ(watch.QuietMs(60900), 60000u);
  // A verdict with new counts is news even when its words are the same.
  EXPECT_TRUE(watch.Note("7000 answer 0x202 wrong 0 1", 7000));
  EXPECT_TRUE(watch.Note("8000 answer 0x202 wrong 0 2", 8000));
  EXPECT_FALSE(watch.Note("8000 answer 0x202 wrong 0 2", 8000));
  // A new screen, even the same one built again, starts a visit that has heard nothing.
  EXPECT_TRUE(watch.Note("9000 screen 0x1 0x1", 9000));
  EXPECT_TRUE(watch.Note("9500 speak MLUVI Sounds\\Start\\sp_wait", 9500));
  EXPECT_EQ(watch.NewsCount(), 6u);
}

}  // namespace
}  // namespace rufo::play
