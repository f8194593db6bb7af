#include <gtest/gtest.h>

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

TEST_P(DisplayModeTest, PrimaryAndBackBufferFollowTheModeAndColoursConvert) {
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
}

INSTANTIATE_TEST_SUITE_P(Modes, DisplayModeTest,
                         ::testing::Values(ModeCase{true, 16, PixelLayout::kRgb565, 0xFFFF},
                                           ModeCase{true, 15, PixelLayout::kRgb555, 0x7FFF},
                                           ModeCase{true, 24, PixelLayout::kBgr24, 0xFFFFFF},
                                           ModeCase{true, 32, PixelLayout::kBgrx32, 0xFFFFFF},
                                           ModeCase{false, 16, PixelLayout::kBgrx32, 0xFFFFFF}));

TEST(DisplayTest, SwitchModeTogglesTheDisplayAndTellsTheGame) {
  test::HeadlessEngine engine;
  Interface& e = engine.Start(true);
  static int switches;
  switches = 0;
  e.SetGameCallbacks(nullptr, nullptr, nullptr, [](int32_t message, intptr_t, bool* flag) {
    if (message == 257 && *flag) ++switches;
  });
  EXPECT_TRUE(e.OwnCursor());

  e.SwitchMode();
  EXPECT_FALSE(e.FullScreen());
  EXPECT_EQ(e.BackBuffer()->Layout(), PixelLayout::kBgrx32);
  EXPECT_EQ(e.BackBuffer()->Width(), 640);
  e.SwitchMode();
  EXPECT_TRUE(e.FullScreen());
  EXPECT_EQ(e.BackBuffer()->Layout(), PixelLayout::kRgb565);
  EXPECT_EQ(e.BackBuffer()->Height(), 480);
  EXPECT_EQ(switches, 2);
  EXPECT_TRUE(e.Video().DisplayMode().has_value()) << "switching keeps the game's mode set";
  const std::string log = engine.LogText();
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 5) << log;
}

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
