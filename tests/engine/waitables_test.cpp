#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/messages.h"
#include "platform/event.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

std::vector<Waitable>* g_received = nullptr;
platform::Event* g_unregisterOnFirst = nullptr;

void WaitableHook(int32_t message, intptr_t param, bool*) {
  if (message != kMsgWaitableSignalled) return;
  g_received->push_back(*reinterpret_cast<const Waitable*>(param));
  if (g_unregisterOnFirst) {
    Engine().UnregisterWaitable(g_unregisterOnFirst);
    g_unregisterOnFirst = nullptr;
  }
}

class WaitablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_received = &received_;
    engine_.Start();
    Engine().SetGameCallbacks(nullptr, nullptr, nullptr, WaitableHook);
  }
  void TearDown() override {
    g_received = nullptr;
    g_unregisterOnFirst = nullptr;
  }

  std::vector<intptr_t> ReceivedData() const {
    std::vector<intptr_t> data;
    for (const Waitable& w : received_)
      data.push_back(w.userData);
    return data;
  }

  std::vector<Waitable> received_;
  std::array<platform::Event, 70> events_;
  test::HeadlessEngine engine_;
};

TEST_F(WaitablesTest, TableGrowsAndUnregisterKeepsTheOrderEvenDuringThePump) {
  Interface& e = Engine();
  EXPECT_FALSE(e.RegisterWaitable(nullptr, 1));
  // More than the 64 events a wait on many handles could once take.
  for (int i = 0; i < 66; ++i)
    ASSERT_TRUE(e.RegisterWaitable(&events_[i], 100 + i));

  EXPECT_TRUE(e.UnregisterWaitable(&events_[5]));
  EXPECT_FALSE(e.UnregisterWaitable(&events_[5]));
  EXPECT_FALSE(e.UnregisterWaitable(&events_[66]));
  EXPECT_TRUE(e.RegisterWaitable(&events_[66], 166));

  events_[66].Set();
  events_[7].Set();
  events_[5].Set();
  events_[6].Set();
  events_[40].Set();
  e.PumpWaitables();
  // Table order: 0..4, 6..65, 66; event 5 is no longer listed.
  EXPECT_EQ(ReceivedData(), (std::vector<intptr_t>{106, 107, 140, 166}));
  EXPECT_EQ(received_[0].event, &events_[6]);
  e.PumpWaitables();
  EXPECT_EQ(received_.size(), 4u) << "each signal gives one message";

  // The receiver may unregister an event that is still signalled: it is not reported.
  events_[8].Set();
  events_[9].Set();
  g_unregisterOnFirst = &events_[9];
  e.PumpWaitables();
  EXPECT_EQ(ReceivedData(), (std::vector<intptr_t>{106, 107, 140, 166, 108}));
}

}  // namespace
}  // namespace rufo
