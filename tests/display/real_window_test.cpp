#include <gtest/gtest.h>

#include "engine/interface.h"
#include "tests/display/real_display_test.h"
#include "tests/display/x_display.h"

namespace rufo {
namespace {

using RealWindowTest = test::RealDisplayTest;

TEST_F(RealWindowTest, PresentedFrameReachesTheScreenInBothModes) {
  const auto window = OpenWindow("Rufo window test");
  ASSERT_NE(window, nullptr);
  Interface& engine = *window;
  ASSERT_TRUE(engine.Window().IsOpen());

  const uint32_t green = 0x20A060;  // 0x00RRGGBB on screen
  auto show = [&] {
    engine.BackBuffer()->Fill(nullptr, engine.ColorToPixel(platform::Rgb(0x20, 0xA0, 0x60)));
    engine.PumpWindowMessages();
    platform::Surface& back = *engine.BackBuffer();
    engine.Primary()->Blit(0, 0, back, nullptr, false);
    // A mode change takes effect with the window system's next events: present until it has.
    for (int i = 0; i < 3; ++i) {
      engine.Window().Present(*engine.Primary(), back.Bounds());
      engine.PumpWindowMessages();
    }
  };
  show();
  EXPECT_GE(test::CountScreenPixels(folder_, green), 640 * 480) << "the scaled game area shows it";

  engine.SwitchMode();
  ASSERT_TRUE(engine.FullScreen());
  EXPECT_EQ(engine.BackBuffer()->Width(), 640);
  EXPECT_EQ(engine.BackBuffer()->Height(), 480);
  EXPECT_EQ(engine.BackBuffer()->Layout(), platform::PixelLayout::kRgb565);
  show();
  EXPECT_GE(test::CountScreenPixels(folder_, green), 1280 * 960) << "scaled by two on 1280 x 1024";
  engine.RequestQuit();
  engine.Shutdown();
}

}  // namespace
}  // namespace rufo
