#include <gtest/gtest.h>

#include "platform/input_device.h"
#include "platform/key_names.h"

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

TEST(InputDeviceTest, KeyboardReportsChangesOnlyWithDeviceKeyCodes) {
  InputDevice keyboard(InputDevice::Kind::kKeyboard);
  keyboard.SetBufferSize(16);
  keyboard.Acquire();
  const int up = DeviceKeyCode(Set1ScanCodeFromName("Up"));
  keyboard.PushKey(up, true, 0);
  keyboard.PushKey(up, true, 0);  // auto-repeat
  keyboard.PushKey(up, false, 0);
  DeviceEvent events[16];
  int count = 16;
  ASSERT_TRUE(keyboard.ReadBuffered(events, &count));
  ASSERT_EQ(count, 2);
  EXPECT_EQ(events[0].data, 0x80u);
  EXPECT_EQ(events[1].data, 0u);

  EXPECT_EQ(DeviceKeyCode(Set1ScanCodeFromName("Numlock")), 0x45);
  EXPECT_EQ(DeviceKeyCode(Set1ScanCodeFromName("Pause")), 0xC5);
  EXPECT_EQ(DeviceKeyCode(Set1ScanCodeFromName("RAlt")), 0xB8);
  EXPECT_EQ(Set1ScanCodeFromName("Keypad Enter"), 0x11C);
}

}  // namespace
}  // namespace rufo::platform
