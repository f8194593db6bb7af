#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/input_device.h"
#include "platform/input_feed.h"
#include "platform/key_names.h"
#include "platform/window.h"

namespace rufo::platform {
namespace {

// A headless window and input system fed through the feed, read back as the engine reads them.
class HeadlessInputFeedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    input_.Keyboard().SetBufferSize(16);
    input_.Mouse().SetBufferSize(16);
    ASSERT_TRUE(input_.Keyboard().Acquire());
    ASSERT_TRUE(input_.Mouse().Acquire());
  }

  // Each message taken, with where the cursor read while it was taken: "message@x,y".
  std::vector<std::string> TakeMessages() {
    std::vector<std::string> taken;
    WindowMessage message;
    while (window_.PeekMessage(&message)) {
      int x = -1, y = -1;
      window_.CursorPosition(&x, &y);
      taken.push_back(std::to_string(message.message) + "@" + std::to_string(x) + "," +
                      std::to_string(y));
    }
    return taken;
  }

  static std::vector<DeviceEvent> TakeEvents(InputDevice& device) {
    std::vector<DeviceEvent> events(16);
    int count = 16;
    EXPECT_TRUE(device.ReadBuffered(events.data(), &count));
    events.resize(count);
    return events;
  }

  HeadlessWindow window_;
  InputSystem input_;
  HeadlessInputFeed feed_{window_, input_};
};

TEST_F(HeadlessInputFeedTest,
       MovesReportTheWayFromTheLastPositionPressesWhereTheyHappenAndTheWheelOnlyToTheDevice) {
  feed_.MoveTo(100, 50, 10);
  feed_.Button(0, true, 20);
  feed_.MoveTo(90, 60, 30);
  feed_.Button(0, false, 40);
  feed_.Button(1, true, 50);
  feed_.Button(1, false, 60);
  feed_.DoubleClick(70);
  feed_.MoveTo(90, 60, 80);
  feed_.Wheel(-120, 90);
  const auto move = std::to_string(kWmMouseMove);
  EXPECT_EQ(TakeMessages(),
            (std::vector<std::string>{
                move + "@100,50", std::to_string(kWmLButtonDown) + "@100,50", move + "@90,60",
                std::to_string(kWmLButtonUp) + "@90,60", std::to_string(kWmRButtonDown) + "@90,60",
                std::to_string(kWmRButtonUp) + "@90,60",
                std::to_string(kWmLButtonDblClk) + "@90,60", move + "@90,60"}));

  std::vector<std::string> events;
  for (const DeviceEvent& e : TakeEvents(input_.Mouse())) {
    events.push_back(std::to_string(e.offset) + ":" + std::to_string(static_cast<int32_t>(e.data)) +
                     "@" + std::to_string(e.timeMs));
  }
  // A move to where the pointer already is reports nothing to the device; the wheel reaches only
  // the device.
  EXPECT_EQ(events, (std::vector<std::string>{"0:100@10", "4:50@10", "12:128@20", "0:-10@30",
                                              "4:10@30", "12:0@40", "13:128@50", "13:0@60",
                                              "12:128@70", "8:-120@90"}));
}

TEST_F(HeadlessInputFeedTest, KeysTypedWithAltHeldAreSystemKeys) {
  const int alt = Set1ScanCodeFromName("RAlt");
  const int enter = Set1ScanCodeFromName("Enter");
  feed_.Key(enter, true, 0);
  feed_.Key(enter, false, 1);
  feed_.Key(alt, true, 2);
  feed_.Key(enter, true, 3);
  feed_.Key(enter, false, 4);
  feed_.Key(alt, false, 5);
  feed_.Key(enter, true, 6);
  std::vector<uint32_t> kinds;
  std::vector<int> codes;
  WindowMessage message;
  while (window_.PeekMessage(&message)) {
    kinds.push_back(message.message);
    codes.push_back(KeyCodeFromParam(message.lParam));
  }
  EXPECT_EQ(kinds, (std::vector<uint32_t>{kWmKeyDown, kWmKeyUp, kWmSysKeyDown, kWmSysKeyDown,
                                          kWmSysKeyUp, kWmSysKeyUp, kWmKeyDown}));
  EXPECT_EQ(codes, (std::vector<int>{enter, enter, alt, enter, enter, alt, enter}));
  const auto events = TakeEvents(input_.Keyboard());
  ASSERT_EQ(events.size(), 7u);
  EXPECT_EQ(events[2].offset, static_cast<uint32_t>(DeviceKeyCode(alt)));
  EXPECT_EQ(events[2].data, 0x80u);
  EXPECT_EQ(events[2].timeMs, 2u);
}

}  // namespace
}  // namespace rufo::platform
