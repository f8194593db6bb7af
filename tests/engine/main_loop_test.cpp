#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine/messages.h"
#include "platform/event.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

// What the game's callbacks saw, in order.
struct Trace {
  std::vector<std::string> calls;
  std::vector<int32_t> loadedIds;
  int32_t loaderRequests = 0;  // a screen the next loader asks for
};
Trace* g_trace = nullptr;

void Loader() {
  g_trace->calls.push_back("load");
  g_trace->loadedIds.push_back(Engine().CurrentScreen());
  if (g_trace->loaderRequests)
    Engine().ChangeScreen(std::exchange(g_trace->loaderRequests, 0), 0, false);
}
void Tick() {
  g_trace->calls.push_back("tick");
}
void TickUntil100() {
  Tick();
  if (Engine().TickNumber() >= 100) Engine().RequestQuit();
}
void TraceHook(int32_t message, intptr_t, bool*) {
  g_trace->calls.push_back("hook " + std::to_string(message));
}

class MainLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_trace = &trace_;
    engine_.Start();
    Engine().SetGameCallbacks(Loader, nullptr, Tick, TraceHook);
  }
  void TearDown() override { g_trace = nullptr; }

  static void RunTicks(int count) {
    for (int i = 0; i < count; ++i)
      Engine().RunTick();
  }
  int CountCalls(const std::string& what) const {
    return static_cast<int>(std::count(trace_.calls.begin(), trace_.calls.end(), what));
  }

  Trace trace_;
  test::HeadlessEngine engine_;
};

TEST_F(MainLoopTest, LoaderRunsAloneOnTheEleventhTickAndALaterRequestOnlyReplacesTheId) {
  Interface& e = Engine();
  e.ChangeScreen(0x201, 0, false);
  EXPECT_EQ(e.CurrentCursor(), e.FindCursor("WaitArrow")) << "while the screen loads";
  RunTicks(3);
  e.ChangeScreen(0x301, 0, false);
  RunTicks(7);
  EXPECT_EQ(CountCalls("load"), 0);
  EXPECT_EQ(CountCalls("tick"), 10);
  EXPECT_TRUE(e.ScreenChangePending());

  e.RunTick();
  ASSERT_EQ(trace_.calls.back(), "load");
  EXPECT_EQ(CountCalls("tick"), 10) << "the loader's tick runs nothing else";
  EXPECT_EQ(trace_.loadedIds, std::vector<int32_t>{0x301});
  EXPECT_EQ(e.PreviousScreen(), 0x201);
  EXPECT_FALSE(e.ScreenChangePending());

  // A change the loader requests waits its own eleven ticks.
  trace_.loaderRequests = 0x005;
  e.ChangeScreen(0x004, 0, false);
  RunTicks(21);
  EXPECT_EQ(trace_.loadedIds, (std::vector<int32_t>{0x301, 0x004}));
  e.RunTick();
  EXPECT_EQ(trace_.loadedIds, (std::vector<int32_t>{0x301, 0x004, 0x005}));
}

TEST_F(MainLoopTest, ScreenStackPushesUpToSixteenAndPopsNoFurtherThanTheBottom) {
  Interface& e = Engine();
  for (int i = 1; i <= 20; ++i)
    e.ChangeScreen(i, 0, true);
  EXPECT_EQ(e.Depth(), 15);
  EXPECT_EQ(e.CurrentScreen(), 20) << "a push at depth 15 overwrites the top entry";
  e.PopScreens(1);
  EXPECT_EQ(e.CurrentScreen(), 14);
  EXPECT_EQ(e.PreviousScreen(), 19) << "popping leaves the previous id alone";

  e.PopScreens(13);
  e.ChangeScreen(7, 0, true);
  e.ChangeScreen(8, 0, true);
  e.PopScreens(5);
  EXPECT_EQ(e.Depth(), 0);
  EXPECT_EQ(e.CurrentScreen(), 0);
}

TEST_F(MainLoopTest, RunPumpsWaitablesThenTicksOnTheVirtualClockAndStopsAtTheQuitFlag) {
  Interface& e = Engine();
  e.SetGameCallbacks(Loader, nullptr, TickUntil100, TraceHook);
  // Headless, only the frames a sink wants are composed: here those from game time 50 on.
  std::vector<uint32_t> frameTimes;
  e.SetFrameSink([&](uint32_t gameMs, const platform::Surface&) { frameTimes.push_back(gameMs); },
                 [](uint32_t gameMs) { return gameMs >= 50; });
  // A waitable signalled before the run reaches the game before the first tick.
  platform::Event signalled;
  e.RegisterWaitable(&signalled, 42);
  signalled.Set();
  const uint32_t start = engine_.Clock().NowMs();
  EXPECT_EQ(e.Run(), 0);
  e.UnregisterWaitable(&signalled);
  const auto first = [&](const std::string& call) {
    return std::find(trace_.calls.begin(), trace_.calls.end(), call) - trace_.calls.begin();
  };
  EXPECT_LT(first("hook " + std::to_string(kMsgWaitableSignalled)), first("tick"));
  const int ticks = CountCalls("tick");
  EXPECT_GT(ticks, 5);
  EXPECT_GE(engine_.Clock().NowMs() - start, 100u);
  ASSERT_FALSE(frameTimes.empty());
  EXPECT_GE(frameTimes.front(), 50u);
  EXPECT_LT(frameTimes.front(), 70u) << "the first pass at 50 ms or later has its frame";
  EXPECT_GE(frameTimes.back(), engine_.Clock().NowMs() - start - 12)
      << "the tick that set the quit flag has its frame too";
}

// The browser drives the loop one step per frame, without sleeping between them.
TEST_F(MainLoopTest, StepRunsOneTickWhenOneIsDueAndNoneOtherwise) {
  Interface& e = Engine();
  EXPECT_FALSE(e.Step()) << "no time has passed since the loop started";
  engine_.Clock().Advance(1);
  EXPECT_FALSE(e.Step()) << "one period is not more than one period";
  EXPECT_EQ(CountCalls("tick"), 0);
  engine_.Clock().Advance(1);
  EXPECT_TRUE(e.Step());
  EXPECT_EQ(CountCalls("tick"), 1);
  EXPECT_FALSE(e.Step());
  engine_.Clock().Advance(500);
  EXPECT_TRUE(e.Step());
  EXPECT_EQ(CountCalls("tick"), 2) << "a late step runs one tick, not the missed ones";
  EXPECT_EQ(e.TickNumber(), 502);
  EXPECT_FALSE(e.LoopOver());
  e.RequestQuit();
  EXPECT_TRUE(e.LoopOver());
}

TEST_F(MainLoopTest, MinimizedWindowRunsNoTicksAndCatchesUpWithOneTick) {
  Interface& e = Engine();
  auto& window = engine_.Window();
  window.PostMessage({platform::kWmActivate, platform::MakeActivateParam(false, true), 0});
  e.SetGameCallbacks(
      Loader, nullptr,
      [] {
        Tick();
        Engine().RequestQuit();
      },
      TraceHook);
  // Let a second of virtual time pass while minimized; the tick handler would quit at once.
  static test::HeadlessEngine* self;
  self = &engine_;
  int observer = engine_.Clock().AddObserver([](uint32_t, uint32_t to) {
    if (to >= 1000) {
      self->Window().PostMessage(
          {platform::kWmActivate, platform::MakeActivateParam(true, false), 0});
    }
  });
  EXPECT_EQ(e.Run(), 0);
  engine_.Clock().RemoveObserver(observer);
  EXPECT_EQ(CountCalls("tick"), 1);
  EXPECT_GE(engine_.Clock().NowMs(), 1000u);
  EXPECT_GE(e.TickNumber(), 1000);
  EXPECT_EQ(window.PresentCount(), 0) << "headless, without a frame sink nothing is composed";
}

}  // namespace
}  // namespace rufo
