#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/bitmap_control.h"
#include "controls/button_control.h"
#include "engine/messages.h"
#include "tests/controls/control_assets.h"
#include "tests/controls/control_fixture.h"

namespace rufo {
namespace {

using Events = std::vector<std::string>;

// A strip of three 100 x 50 frames and a button of four 80 x 40 state pictures, one above the
// other, each a solid FrameColor.
class BitmapButtonTest : public test::ControlFixture {
 protected:
  void SetUp() override {
    ControlFixture::SetUp();
    test::WriteBands(engine_.Folder(), "data/strip.png", 300, 50, 3, false);
    test::WriteBands(engine_.Folder(), "data/button.png", 80, 160, 4, true);
  }
  static uint32_t Shown(Control* control, int x = 0, int y = 0) {
    return control->Surface()->PixelAt(x, y);
  }
};

TEST_F(BitmapButtonTest, BitmapShowsOneFrameOfItsStripAndReportsClicks) {
  auto* bitmap = new BitmapControl(1);
  AddControl(bitmap);
  ASSERT_TRUE(bitmap->Init(10, 20, "strip", 3, 0.5f, 0));
  EXPECT_EQ(bitmap->Rectangle(), (platform::Rect{0, 0, 100, 50}));
  EXPECT_EQ(Shown(bitmap, 99, 0), FramePixel(0));

  bitmap->SetCurrentFrame(2);
  EXPECT_EQ(Shown(bitmap), FramePixel(0)) << "the frame changes with the next tick";
  Engine().RunTick();
  EXPECT_EQ(Shown(bitmap), FramePixel(2));
  EXPECT_EQ(Shown(bitmap, 99, 49), FramePixel(2));

  MoveTo(50, 50);
  Click();
  EXPECT_EQ(events_, (Events{"1:1", "1:256", "1:1024", "1:3"}));

  events_.clear();
  bitmap->SetFlags(kCfDisabled);
  MoveTo(51, 50);
  Click();
  MoveTo(500, 400);
  EXPECT_TRUE(events_.empty()) << "a disabled bitmap reports nothing";

  // A missing picture draws nothing; a frame count of 0 counts as 1.
  auto* missing = new BitmapControl(2);
  AddControl(missing);
  EXPECT_FALSE(missing->Init(0, 0, "no-such", 1, 0, 0));
  EXPECT_EQ(missing->Surface(), nullptr);
  Engine().ComposeFrame();
  ASSERT_TRUE(bitmap->Init(0, 0, "strip.png", 0, 0, 0));
  EXPECT_EQ(bitmap->Rectangle().Width(), 300);
}

TEST_F(BitmapButtonTest, ButtonShowsItsStateAndReportsOnlyAReleaseOverItOrOfItsKey) {
  auto* button = new ButtonControl(5);
  AddControl(button);
  ASSERT_TRUE(button->Init(100, 100, "button", 0, 4));
  EXPECT_EQ(button->Rectangle(), (platform::Rect{0, 0, 80, 40}));
  EXPECT_EQ(Shown(button), FramePixel(0)) << "normal";

  MoveTo(110, 110);
  EXPECT_EQ(Shown(button), FramePixel(1)) << "hover";
  engine_.Play("0 ldown");
  EXPECT_EQ(button->PressedBy(), -1);
  EXPECT_EQ(Shown(button), FramePixel(2)) << "pressed";
  MoveTo(300, 300);
  engine_.Play("0 lup");
  EXPECT_EQ(button->PressedBy(), 0);
  EXPECT_EQ(Count("5:256"), 0) << "a press dragged off the button is cancelled";

  MoveTo(110, 110);
  Click();
  EXPECT_EQ(Count("5:256"), 1);

  button->SetFlags(kCfDisabled);
  EXPECT_EQ(Shown(button), FramePixel(3)) << "disabled";

  // Keys press a button until the same key is released.
  events_.clear();
  auto* escape = new ButtonControl(1);
  auto* shortcut = new ButtonControl(2);
  AddControl(escape);
  AddControl(shortcut);
  escape->Init(0, 0, "button", kCfEscapePresses, 4);
  shortcut->Init(100, 0, "button", 0, 4);
  shortcut->SetShortcutKey(0x1E);

  engine_.Play("0 key Escape down");
  EXPECT_EQ(escape->PressedBy(), kKeyEscape);
  EXPECT_EQ(GetFocusedControl(), escape);
  engine_.Play("0 key A down\n0 key Escape up");
  EXPECT_EQ(events_, Events{"1:256"});
  EXPECT_EQ(shortcut->PressedBy(), 0x1E);
  engine_.Play("0 key A up");
  EXPECT_EQ(events_.back(), "2:256");

  events_.clear();
  engine_.Play("0 key Enter down\n0 key Enter up");
  EXPECT_EQ(events_, Events{"2:256"}) << "Enter presses the focused button";
}

}  // namespace
}  // namespace rufo
