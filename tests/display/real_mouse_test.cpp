#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <initializer_list>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "engine/interface.h"
#include "engine/messages.h"
#include "tests/display/real_display_test.h"
#include "tests/display/x_display.h"

namespace rufo {
namespace {

// What the game's hook saw: a message and the mouse position at that moment.
struct Seen {
  int32_t message;
  int x;
  int y;
};
std::vector<Seen>* g_seen = nullptr;

void Hook(int32_t message, intptr_t, bool*) {
  g_seen->push_back({message, Engine().MouseX(), Engine().MouseY()});
}

// Under Xvfb the real window is driven by xdotool: the pointer goes to a game pixel through
// the window's scaling, and a click reaches the game as messages 15 and 16 there.
class RealMouseTest : public test::RealDisplayTest {
 protected:
  void SetUp() override {
    test::RealDisplayTest::SetUp();
    g_seen = &seen_;
  }
  void TearDown() override { g_seen = nullptr; }

  // A window whose game hook records what it sees, shown and pumped once; null when it fails.
  static std::unique_ptr<Interface> OpenWatchedWindow(const char* title) {
    auto engine = OpenWindow(title);
    if (!engine) return nullptr;
    engine->SetGameCallbacks(nullptr, nullptr, nullptr, Hook);
    engine->ComposeFrame();
    engine->PumpInput();
    return engine;
  }

  // Pumps input until the condition holds, for at most two seconds.
  template <typename Condition>
  bool PumpUntil(Interface& engine, Condition condition) {
    for (int i = 0; i < 200; ++i) {
      engine.PumpInput();
      if (condition()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  // Pumps input until the game has seen the left button let go.
  bool PumpUntilLeftUp(Interface& engine) {
    return PumpUntil(engine, [&] {
      return std::any_of(seen_.begin(), seen_.end(),
                         [](const Seen& s) { return s.message == kMsgLeftUp; });
    });
  }

  // Moves the pointer to the game pixel and clicks there; true when the game saw it.
  void ClickAt(Interface& engine, int gx, int gy) {
    const int scale = test::MovePointerToGamePixel(engine.Properties().title, gx, gy);
    ASSERT_GT(scale, 0) << "window not found";
    ASSERT_TRUE(PumpUntil(engine, [&] { return engine.MouseX() == gx && engine.MouseY() == gy; }))
        << "mouse at " << engine.MouseX() << ", " << engine.MouseY() << " scale " << scale;
    seen_.clear();
    test::ClickLeftButton();
    ASSERT_TRUE(PumpUntilLeftUp(engine));
    std::vector<int32_t> window, device;
    for (const Seen& s : seen_) {
      if (s.message == kMsgLeftDown || s.message == kMsgLeftUp) {
        window.push_back(s.message);
        EXPECT_EQ(s.x, gx);
        EXPECT_EQ(s.y, gy);
      }
      // Clicks in quick succession make the device's press a double (5).
      if (s.message >= kMsgDeviceLeftDown && s.message <= kMsgDeviceLeftDouble) {
        device.push_back(s.message == kMsgDeviceLeftDouble ? kMsgDeviceLeftDown : s.message);
      }
    }
    EXPECT_EQ(window, (std::vector<int32_t>{kMsgLeftDown, kMsgLeftUp}));
    EXPECT_EQ(device, (std::vector<int32_t>{kMsgDeviceLeftDown, kMsgDeviceLeftUp}))
        << "the buffered mouse sees the same click";
  }

  std::vector<Seen> seen_;
};

// Clicks reach the game at the game pixel in a window and in scaled full screen. Input the
// window system brings at once (a tap on a touch screen, or a quick hand) is taken in one pump:
// each button still acts where the pointer was at that moment, not where it is now.
TEST_F(RealMouseTest, ClicksArriveAtGameCoordinatesAndButtonsTakenInOnePumpActWhereThePointerWas) {
  const auto window = OpenWatchedWindow("Rufo mouse test");
  ASSERT_NE(window, nullptr);
  Interface& engine = *window;
  ClickAt(engine, 100, 50);
  ClickAt(engine, 639, 479);

  // Everything arrives before the next pump.
  auto takeAtOnce = [&](auto&& act) {
    seen_.clear();
    act();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_TRUE(PumpUntilLeftUp(engine));
  };
  // Where the game saw the first message of that kind.
  auto seenAt = [&](std::initializer_list<int32_t> messages) {
    for (const Seen& s : seen_) {
      if (std::find(messages.begin(), messages.end(), s.message) != messages.end())
        return std::pair(s.x, s.y);
    }
    return std::pair(-1, -1);
  };
  const char* title = engine.Properties().title;
  takeAtOnce([&] {
    test::MovePointerToGamePixel(title, 400, 300);
    test::ClickLeftButton();
  });
  EXPECT_EQ(seenAt({kMsgLeftDown, kMsgLeftDouble}), std::pair(400, 300)) << "a tap";
  takeAtOnce([&] {
    test::HoldLeftButton(true);
    test::MovePointerToGamePixel(title, 200, 120);
    test::HoldLeftButton(false);
  });
  EXPECT_EQ(seenAt({kMsgLeftDown, kMsgLeftDouble}), std::pair(400, 300)) << "a quick drag";
  EXPECT_EQ(seenAt({kMsgLeftUp}), std::pair(200, 120));

  engine.SwitchMode();
  ASSERT_TRUE(engine.FullScreen());
  // The window system takes the new size with its next events.
  for (int i = 0; i < 20; ++i) {
    engine.ComposeFrame();
    engine.PumpInput();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ClickAt(engine, 320, 240);
  ClickAt(engine, 5, 470);
  engine.RequestQuit();
  engine.Shutdown();
}

}  // namespace
}  // namespace rufo
