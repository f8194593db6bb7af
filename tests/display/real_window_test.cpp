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
#include "tests/support/process.h"

namespace rufo {
namespace {

using SecondCopyTest = test::RealDisplayTest;

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

// Under Xvfb the real window is read by screenshots and driven by xdotool: the pointer goes to a
// game pixel through the window's scaling, and a click reaches the game as messages 15 and 16
// there.
class RealWindowTest : public test::RealDisplayTest {
 protected:
  void SetUp() override {
    test::RealDisplayTest::SetUp();
    g_seen = &seen_;
  }

  // Fills the back buffer with a colour and presents it; true when the screen shows at least
  // that many pixels of it.
  bool Shows(Interface& engine, uint32_t rgb, int pixels) {
    engine.BackBuffer()->Fill(nullptr,
                              engine.ColorToPixel(platform::Rgb(rgb >> 16, rgb >> 8, rgb)));
    engine.PumpWindowMessages();
    platform::Surface& back = *engine.BackBuffer();
    engine.Primary()->Blit(0, 0, back, nullptr, false);
    // A mode change takes effect with the window system's next events: present until it has.
    for (int i = 0; i < 3; ++i) {
      engine.Window().Present(*engine.Primary(), back.Bounds());
      engine.PumpWindowMessages();
    }
    return test::CountScreenPixels(folder_, rgb) >= pixels;
  }
  void TearDown() override { g_seen = nullptr; }

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

// A presented frame reaches the screen, scaled, and clicks reach the game at the game pixel, in
// a window and in full screen. Input the window system brings at once (a tap on a touch screen,
// or a quick hand) is taken in one pump: each button still acts where the pointer was at that
// moment, not where it is now.
TEST_F(RealWindowTest, FramesAndClicksGoThroughTheScalingInBothModes) {
  const auto window = OpenWindow("Rufo window test");
  ASSERT_NE(window, nullptr);
  Interface& engine = *window;
  ASSERT_TRUE(engine.Window().IsOpen());
  engine.SetGameCallbacks(nullptr, nullptr, nullptr, Hook);
  const uint32_t green = 0x20A060;
  EXPECT_TRUE(Shows(engine, green, 640 * 480)) << "the scaled game area shows it";
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
  EXPECT_EQ(engine.BackBuffer()->Width(), 640);
  EXPECT_EQ(engine.BackBuffer()->Height(), 480);
  EXPECT_EQ(engine.BackBuffer()->Layout(), platform::PixelLayout::kRgb565);
  EXPECT_TRUE(Shows(engine, green, 1280 * 960)) << "scaled by two on 1280 x 1024";
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

// A child's window is the one copy on the desktop: a second one started beside it ends at once
// and says why, while headless runs (tests, scripted players) are never turned away.
TEST_F(SecondCopyTest, SecondWindowEndsAtOnceAndSaysSoWhileHeadlessRunsGoOn) {
  const auto window = OpenWindow("Rufo - Tirlim");
  ASSERT_NE(window, nullptr);

  test::Process second(test::BuiltProgram("rufo"), {},
                       {{"RUFO_WINDOWED", "1"}, {"SDL_AUDIODRIVER", "dummy"}});
  ASSERT_TRUE(second.Start());
  EXPECT_EQ(second.Wait(), 0);
  EXPECT_NE(second.StandardError().find("already running"), std::string::npos)
      << second.StandardError();

  test::Process headless(test::BuiltProgram("rufo"), {},
                         {{"RUFO_HEADLESS", "1"}, {"RUFO_RUN_MS", "500"}});
  ASSERT_TRUE(headless.Start());
  EXPECT_EQ(headless.Wait(), 0) << headless.StandardError();
  EXPECT_EQ(headless.StandardError().find("already running"), std::string::npos);
  window->RequestQuit();
}

}  // namespace
}  // namespace rufo
