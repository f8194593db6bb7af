#include <gtest/gtest.h>

#include "platform/input_device.h"

namespace rufo::platform {
namespace {

TEST(InputDeviceTest, BufferHoldsSixteenEventsAndOnlyWhileAcquiredInTheForeground) {
  InputDevice mouse(InputDevice::Kind::kMouse);
  mouse.SetBufferSize(16);
  mouse.PushMouseButton(0, true, 1);
  DeviceEvent events[32];
  int count = 32;
  EXPECT_FALSE(mouse.ReadBuffered(events, &count)) << "not acquired yet";

  ASSERT_TRUE(mouse.Acquire());
  for (int i = 0; i < 20; ++i)
    mouse.PushMouseMove(1, 0, i);
  count = 32;
  ASSERT_TRUE(mouse.ReadBuffered(events, &count));
  EXPECT_EQ(count, 16) << "later events are dropped until the buffer is read";
  EXPECT_EQ(events[15].timeMs, 15u);

  MouseState state;
  ASSERT_TRUE(mouse.ReadState(&state, sizeof state));
  EXPECT_EQ(state.x, 20) << "the immediate state still sees all the movement";
  ASSERT_TRUE(mouse.ReadState(&state, sizeof state));
  EXPECT_EQ(state.x, 0);

  mouse.SetForeground(false);
  EXPECT_FALSE(mouse.ReadState(&state, sizeof state));
  EXPECT_FALSE(mouse.Acquire());
  mouse.SetForeground(true);
  EXPECT_TRUE(mouse.Acquire());
}

}  // namespace
}  // namespace rufo::platform
