#include "controls/toolbar_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/control_list.h"
#include "controls/game_state.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "tests/controls/control_assets.h"
#include "tests/controls/control_fixture.h"

namespace rufo {
namespace {

using Events = std::vector<std::string>;

constexpr int kX = 144, kOpenY = 397, kRetractedY = 459;

// The game's toolbar: 62 pixels between its two resting places, items 40 x 30 at the top. Hover
// and release events are not recorded.
class ToolbarControlTest : public test::ControlFixture {
 protected:
  void SetUp() override {
    ControlFixture::SetUp();
    test::WriteBands(engine_.Folder(), "runtime/tbar.png", 340, 80, 1, false);
    test::WriteBands(engine_.Folder(), "runtime/tb.png", 40, 120, 4, true);
  }
  std::string Describe(Control* control, int32_t event) override {
    if (event == kEventHoverEnter || event == kEventHoverLeave || event == kEventReleased)
      return {};
    return ControlFixture::Describe(control, event);
  }
  // Records whether each mouse move reached the game's hook unconsumed.
  void OnHook(int32_t message, bool unconsumed) override {
    if (message == kMsgMouseMoved) movesPassed_.push_back(unconsumed);
  }

  ToolbarControl* Add(int32_t id) {
    auto* toolbar = new ToolbarControl(id);
    EXPECT_TRUE(
        toolbar->Init(kX, kOpenY, kRetractedY, "tbar", kRuntimeRoot | kCfHidden | kCfPersistent));
    for (int x : {10, 60, 110, 110})
      EXPECT_TRUE(toolbar->AddItem(x, 5, "tb"));
    EXPECT_TRUE(AddControl(toolbar));
    toolbar->ClearFlags(kCfHidden);
    return toolbar;
  }
  // The y of the toolbar after each tick until its slide ends.
  std::vector<int> Slide(ToolbarControl* toolbar) {
    std::vector<int> steps;
    while (toolbar->SlideDirection() != 0 && steps.size() < 100) {
      const int before = toolbar->Position().y;
      Engine().RunTick();
      steps.push_back(toolbar->Position().y - before);
    }
    return steps;
  }
  // The row of its strip an item shows.
  uint32_t ItemPixel(ToolbarControl* toolbar, int itemX) {
    return toolbar->Surface()->PixelAt(itemX + 2, 5 + 2);
  }

  std::vector<bool> movesPassed_;
};

TEST_F(ToolbarControlTest, SlidesOpenAndClosedWithAnAcceleratingMotion) {
  auto* toolbar = Add(1);
  EXPECT_EQ(toolbar->Position().y, kRetractedY);
  MoveTo(kX + 100, 470);
  EXPECT_EQ(toolbar->SlideDirection(), 1);
  EXPECT_EQ(movesPassed_, std::vector<bool>{false});

  MoveTo(kX + 50, 300);
  EXPECT_EQ(movesPassed_.back(), true) << "moves pass untouched while a slide runs";
  EXPECT_EQ(Slide(toolbar), (std::vector<int>{-1, -1, -1, -1, -1, -1, -1, -3, -12, -40}));
  EXPECT_EQ(toolbar->Position().y, kOpenY);
  EXPECT_FALSE(toolbar->IsRetracted());
  EXPECT_EQ(events_, Events{"1:4096"});

  toolbar->SetKeepOpen(true);
  MoveTo(kX + 50, 300);
  EXPECT_EQ(toolbar->SlideDirection(), 0) << "kept open";
  toolbar->SetKeepOpen(false);
  MoveTo(kX + 50, 301);
  EXPECT_EQ(toolbar->SlideDirection(), -1);
  EXPECT_EQ(Slide(toolbar), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 3, 12, 40}));
  EXPECT_TRUE(toolbar->IsRetracted());
  EXPECT_EQ(events_.back(), "1:8192");

  // The mouse at the strip's right edge still opens it; a disabled toolbar does not.
  toolbar->SetFlags(kCfDisabled);
  MoveTo(kX + 340, 479);
  EXPECT_EQ(toolbar->SlideDirection(), 0);
  toolbar->ClearFlags(kCfDisabled);
  MoveTo(kX + 340, 478);
  EXPECT_EQ(toolbar->SlideDirection(), 1);
}

TEST_F(ToolbarControlTest, TwoSlidingTogetherShareTheSpeed) {
  auto* first = Add(1);
  auto* second = Add(2);
  first->Open();
  second->Open();
  for (int tick = 0; tick < 5; ++tick)
    Engine().RunTick();
  EXPECT_EQ(second->Position().y, kOpenY) << "the speed is squared twice a tick";
  EXPECT_EQ(events_, Events{"2:4096"});
  EXPECT_EQ(first->Position().y, kRetractedY - 16);
  EXPECT_EQ(Slide(first).front(), -1) << "the other's arrival set the speed back";
}

TEST_F(ToolbarControlTest, ItemsArePointedPressedAndChosenOnRelease) {
  auto* toolbar = Add(1);
  toolbar->Open();
  Slide(toolbar);
  const int top = kOpenY + 10;
  MoveTo(kX + 15, top);
  EXPECT_EQ(toolbar->GetItemState(0), ToolbarControl::kItemPointed);
  EXPECT_EQ(ItemPixel(toolbar, 10), FramePixel(1));
  EXPECT_EQ(Engine().CurrentCursor(), 4);

  engine_.Play("0 ldown");
  EXPECT_EQ(toolbar->GetItemState(0), ToolbarControl::kItemPressed);
  EXPECT_EQ(ItemPixel(toolbar, 10), FramePixel(2));
  MoveTo(kX + 65, top);
  EXPECT_EQ(toolbar->GetItemState(0), ToolbarControl::kItemPressed);
  EXPECT_EQ(toolbar->GetItemState(1), ToolbarControl::kItemPointed);
  engine_.Play("0 lup");
  EXPECT_EQ(toolbar->GetChosenItem(), 1) << "the release alone chooses";
  EXPECT_EQ(toolbar->GetItemState(0), ToolbarControl::kItemNormal);
  EXPECT_EQ(Count("1:256"), 1);

  // Item 2 lies under item 3; disabled, it is skipped for the next one under the mouse.
  toolbar->DisableItem(1);
  EXPECT_EQ(ItemPixel(toolbar, 60), FramePixel(3));
  toolbar->EnableItem(1);
  EXPECT_EQ(ItemPixel(toolbar, 60), FramePixel(1)) << "enabling re-evaluates the pointing";
  toolbar->DisableItem(2);
  MoveTo(kX + 115, top);
  EXPECT_EQ(toolbar->GetItemState(3), ToolbarControl::kItemPointed);
  Click();
  EXPECT_EQ(toolbar->GetChosenItem(), 3);
  EXPECT_EQ(toolbar->GetItemState(2), ToolbarControl::kItemDisabled);
  toolbar->EnableItem(2);
  EXPECT_EQ(toolbar->GetItemState(2), ToolbarControl::kItemPointed);

  // During the help speech presses do nothing.
  GameStateForControls().speechKind = ControlsGameState::kHelpSpeech;
  engine_.Play("0 ldown");
  EXPECT_EQ(toolbar->GetItemState(2), ToolbarControl::kItemPointed);
  GameStateForControls().speechKind = 0;

  MoveTo(kX + 300, top);
  EXPECT_EQ(toolbar->GetItemState(2), ToolbarControl::kItemNormal);
  EXPECT_EQ(Engine().CurrentCursor(), 0);
  Engine().SwitchMode();
  EXPECT_EQ(ItemPixel(toolbar, 60), FramePixel(0)) << "pictures reloaded after the mode switch";
}

TEST_F(ToolbarControlTest, RefusesAnEleventhItemAndEmptyNames) {
  auto* toolbar = Add(1);
  for (int i = toolbar->ItemCount(); i < ToolbarControl::kMaxItems; ++i)
    EXPECT_TRUE(toolbar->AddItem(0, 0, "tb"));
  EXPECT_FALSE(toolbar->AddItem(0, 0, "tb"));
  ToolbarControl other(2);
  EXPECT_FALSE(other.Init(0, 0, 10, "chybi", kRuntimeRoot));
  ASSERT_TRUE(other.Init(0, 0, 10, "tbar", kRuntimeRoot));
  EXPECT_FALSE(other.AddItem(0, 0, ""));
  EXPECT_FALSE(other.AddItem(0, 0, "chybi"));
  EXPECT_EQ(other.ItemCount(), 0);
}

}  // namespace
}  // namespace rufo
