#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "engine/messages.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

using platform::PixelLayout;

struct ModeCase {
  bool fullScreen;
  int bits;
  PixelLayout layout;
  uint32_t white;
};

class DisplayModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(DisplayModeTest, PrimaryAndBackBufferFollowTheModeThereAndBackAndColoursConvert) {
  const ModeCase& mode = GetParam();
  test::HeadlessEngine engine;
  engine.WriteIni();
  InterfaceProperties properties = test::HeadlessEngine::Properties(mode.fullScreen);
  properties.bitsPerPixel = mode.bits;
  Interface& e = engine.Engine();
  ASSERT_TRUE(e.Init(&properties));
  ASSERT_NE(e.Primary(), nullptr);
  EXPECT_EQ(e.Primary()->Layout(), mode.layout);
  EXPECT_EQ(e.BackBuffer()->Format(), e.Primary()->Format());
  EXPECT_EQ(e.BackBuffer()->Width(), 640);
  EXPECT_EQ(e.BackBuffer()->Height(), 480);
  EXPECT_EQ(e.ColorToPixel(0xFFFFFF), mode.white);
  EXPECT_EQ(engine.Window().FullScreen(), mode.fullScreen);

  // A full-screen start puts the mouse in the middle of the screen; a window leaves it alone.
  int x = -1, y = -1;
  EXPECT_EQ(engine.Window().CursorPosition(&x, &y), mode.fullScreen);
  e.PumpInput();
  const std::pair<int, int> expected = mode.fullScreen ? std::pair(320, 240) : std::pair(-1, -1);
  EXPECT_EQ(std::pair(e.MouseX(), e.MouseY()), expected);
  EXPECT_EQ(e.OwnCursor(), mode.fullScreen);

  // Switching away and back makes the buffers anew each time and tells the game each time.
  static int switches;
  switches = 0;
  e.SetGameCallbacks(nullptr, nullptr, nullptr, [](int32_t message, intptr_t, bool* flag) {
    if (message == kMsgModeSwitched && *flag) ++switches;
  });
  e.SwitchMode();
  EXPECT_NE(e.FullScreen(), mode.fullScreen);
  EXPECT_EQ(e.BackBuffer()->Layout(),
            mode.fullScreen ? PixelLayout::kBgrx32 : PixelLayout::kRgb565);
  e.SwitchMode();
  EXPECT_EQ(e.FullScreen(), mode.fullScreen);
  EXPECT_EQ(e.BackBuffer()->Layout(), mode.layout);
  EXPECT_EQ(e.BackBuffer()->Height(), 480);
  EXPECT_EQ(switches, 2);
  EXPECT_TRUE(!mode.fullScreen || e.Video().DisplayMode().has_value()) << "the mode is set again";
  const std::string log = engine.LogText();
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 5) << log;
}

INSTANTIATE_TEST_SUITE_P(Modes, DisplayModeTest,
                         ::testing::Values(ModeCase{true, 16, PixelLayout::kRgb565, 0xFFFF},
                                           ModeCase{true, 15, PixelLayout::kRgb555, 0x7FFF},
                                           ModeCase{true, 24, PixelLayout::kBgr24, 0xFFFFFF},
                                           ModeCase{true, 32, PixelLayout::kBgrx32, 0xFFFFFF},
                                           ModeCase{false, 16, PixelLayout::kBgrx32, 0xFFFFFF}));

TEST(DisplayTest, BackBufferFallsBackToSystemMemoryAndQuitRestoresTheDesktopMode) {
  test::HeadlessEngine engine;
  engine.Engine().Video().SetVideoMemoryAvailable(false);
  Interface& e = engine.Start(true);
  ASSERT_TRUE(e.Video().DisplayMode().has_value());
  EXPECT_EQ(e.BackBuffer()->Memory(), platform::SurfaceMemory::kSystem);
  e.RequestQuit();
  e.Shutdown();
  EXPECT_FALSE(e.Video().DisplayMode().has_value());
  EXPECT_EQ(e.Video().LiveSurfaceCount(), 0);
  e.Shutdown();  // a second shutdown is safe

  test::HeadlessEngine never;
  never.Engine().Shutdown();
}

}  // namespace
}  // namespace rufo
