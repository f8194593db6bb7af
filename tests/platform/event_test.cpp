#include "platform/event.h"

#include <gtest/gtest.h>

#include <thread>

namespace rufo::platform {
namespace {

TEST(EventTest, WaitAnyConsumesOneSignalLowestIndexFirst) {
  Event a, b, c;
  Event* events[] = {&a, &b, &c};
  EXPECT_EQ(WaitAny(events, 0), kWaitTimeout);
  c.Set();
  b.Set();
  b.Set();  // an auto-reset event holds one signal, however often it is set
  EXPECT_EQ(WaitAny(events, 0), 1);
  EXPECT_EQ(WaitAny(events, 0), 2);
  EXPECT_EQ(WaitAny(events, 0), kWaitTimeout);
  a.Set();
  a.Reset();
  EXPECT_FALSE(a.TryWait());
}

TEST(EventTest, ASignalFromAnotherThreadWakesAnEndlessWait) {
  Event ready, done;
  std::thread worker([&] {
    Event* events[] = {&ready};
    EXPECT_EQ(WaitAny(events, kInfinite), 0);
    done.Set();
  });
  ready.Set();
  Event* events[] = {&done};
  EXPECT_EQ(WaitAny(events, kInfinite), 0);
  worker.join();
}

}  // namespace
}  // namespace rufo::platform
