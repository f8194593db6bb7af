#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/bitmap_control.h"
#include "controls/button_control.h"
#include "engine/messages.h"
#include "platform/window.h"
#include "tests/support/headless_engine.h"
#include "tests/support/pictures.h"

namespace rufo {
namespace {

std::vector<std::string>* g_events = nullptr;

void OnControlEvent(Control* control, int32_t event, bool) {
  g_events->push_back(std::to_string(control->GetId()) + ":" + std::to_string(event));
}

// A picture of bands, each band one solid colour: side by side, or stacked.
void WriteBands(const test::TempFolder& folder, const std::string& name, int bandW, int bandH,
                const std::vector<uint32_t>& colors, bool stacked) {
  const int count = static_cast<int>(colors.size());
  ASSERT_TRUE(test::WritePicture(
      folder, "data/" + name, stacked ? bandW : bandW * count, stacked ? bandH * count : bandH,
      [&](int x, int y) { return colors[static_cast<size_t>(stacked ? y / bandH : x / bandW)]; }));
}

class BitmapButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_events = &events_;
    engine_.Start();
    Engine().SetGameCallbacks(nullptr, OnControlEvent, nullptr, nullptr);
    WriteBands(engine_.Folder(), "strip.png", 100, 50, {0xFF0000, 0x00FF00, 0x0000FF}, false);
    WriteBands(engine_.Folder(), "button.png", 80, 40, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF},
               true);
  }
  void TearDown() override { g_events = nullptr; }

  // The colour at a point of a control's own surface, as 0x00RRGGBB.
  static uint32_t At(Control* control, int x, int y) {
    return platform::PixelToRgb(*control->Surface(), x, y);
  }

  std::vector<std::string> events_;
  test::HeadlessEngine engine_;
};

TEST_F(BitmapButtonTest, BitmapShowsOneFrameOfItsStripAndReportsClicks) {
  auto* bitmap = new BitmapControl(1);
  AddControl(bitmap);
  ASSERT_TRUE(bitmap->Init(10, 20, "strip", 3, 0.5f, 0));
  int w = 0, h = 0;
  bitmap->GetSize(&w, &h);
  EXPECT_EQ(w, 100);
  EXPECT_EQ(h, 50);
  EXPECT_EQ(At(bitmap, 99, 0), 0xFF0000u);

  bitmap->SetCurrentFrame(2);
  EXPECT_EQ(At(bitmap, 0, 0), 0xFF0000u) << "the frame changes with the next tick";
  Engine().RunTick();
  EXPECT_EQ(At(bitmap, 0, 0), 0x0000FFu);
  EXPECT_EQ(At(bitmap, 99, 49), 0x0000FFu);

  engine_.Play("0 move 50 50");
  engine_.Play("0 ldown\n0 lup");
  EXPECT_EQ(events_, (std::vector<std::string>{"1:1", "1:256", "1:1024", "1:3"}));

  events_.clear();
  bitmap->SetFlags(kCfDisabled);
  engine_.Play("0 move 51 50");
  engine_.Play("0 ldown\n0 lup\n0 move 500 400");
  EXPECT_TRUE(events_.empty()) << "a disabled bitmap reports nothing";
}

TEST_F(BitmapButtonTest, MissingBitmapDrawsNothingAndZeroFramesCountAsOne) {
  auto* missing = new BitmapControl(1);
  AddControl(missing);
  EXPECT_FALSE(missing->Init(0, 0, "no-such", 1, 0, 0));
  EXPECT_EQ(missing->Surface(), nullptr);
  Engine().ComposeFrame();

  auto* whole = new BitmapControl(2);
  AddControl(whole);
  ASSERT_TRUE(whole->Init(0, 0, "strip.png", 0, 0, 0));
  int w = 0, h = 0;
  whole->GetSize(&w, &h);
  EXPECT_EQ(w, 300);
}

TEST_F(BitmapButtonTest, ButtonShowsItsStatePictureAndReportsOnlyAReleaseOverIt) {
  auto* button = new ButtonControl(5);
  AddControl(button);
  ASSERT_TRUE(button->Init(100, 100, "button", 0, 4));
  int w = 0, h = 0;
  button->GetSize(&w, &h);
  EXPECT_EQ(w, 80);
  EXPECT_EQ(h, 40);
  EXPECT_EQ(At(button, 0, 0), 0xFF0000u) << "normal";

  engine_.Play("0 move 110 110");
  EXPECT_EQ(At(button, 0, 0), 0x00FF00u) << "hover: rows 40 to 79";
  engine_.Play("0 ldown");
  EXPECT_EQ(button->PressedBy(), -1);
  EXPECT_EQ(At(button, 0, 0), 0x0000FFu) << "pressed";
  engine_.Play("0 move 300 300");
  engine_.Play("0 lup");
  EXPECT_EQ(button->PressedBy(), 0);
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "5:256"), 0)
      << "a press dragged off the button is cancelled";

  engine_.Play("0 move 110 110");
  engine_.Play("0 ldown\n0 lup");
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "5:256"), 1);

  button->SetFlags(kCfDisabled);
  EXPECT_EQ(At(button, 0, 0), 0xFFFFFFu) << "disabled";
}

TEST_F(BitmapButtonTest, KeysPressAButtonUntilTheSameKeyIsReleased) {
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
  EXPECT_EQ(events_, std::vector<std::string>{"1:256"});
  EXPECT_EQ(shortcut->PressedBy(), 0x1E);
  engine_.Play("0 key A up");
  EXPECT_EQ(events_.back(), "2:256");

  events_.clear();
  engine_.Play("0 key Enter down\n0 key Enter up");
  EXPECT_EQ(events_, std::vector<std::string>{"2:256"}) << "Enter presses the focused button";
}

TEST_F(BitmapButtonTest, ButtonWithoutItsPictureIsATextButtonSizedByItsLabel) {
  auto* button = new ButtonControl(3);
  AddControl(button);
  button->SetBackColor(0x00FF00);
  EXPECT_TRUE(button->Init(0, 0, "missing/xy", 0, 4));
  int w = 0, h = 0;
  button->GetSize(&w, &h);
  EXPECT_EQ(w, 88);
  EXPECT_EQ(h, 24);
  EXPECT_EQ(At(button, 0, 0), 0xFFFFFFu) << "the raised frame's white edge";
  EXPECT_EQ(At(button, 86, 2), 0x00FF00u) << "the back colour";
}

}  // namespace
}  // namespace rufo
