#include "controls/toolbar_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/control_list.h"
#include "controls/game_state.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "tests/controls/control_assets.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

std::vector<std::string>* g_events = nullptr;
// Whether each mouse move reached the game's hook unconsumed.
std::vector<bool>* g_movesPassed = nullptr;

void OnControlEvent(Control* control, int32_t event, bool) {
  if (event == kEventHoverEnter || event == kEventHoverLeave || event == kEventReleased) return;
  g_events->push_back(std::to_string(control->GetId()) + ":" + std::to_string(event));
}

void Hook(int32_t message, intptr_t, bool* unconsumed) {
  if (message == kMsgMouseMoved) g_movesPassed->push_back(*unconsumed);
}

constexpr int kX = 144, kOpenY = 397, kRetractedY = 459;

// The game's toolbar: 62 pixels between its two resting places, items 40 x 30 at the top.
class ToolbarControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_events = &events_;
    g_movesPassed = &movesPassed_;
    engine_.Start();
    Engine().SetGameCallbacks(nullptr, OnControlEvent, nullptr, Hook);
    GameStateForControls() = {};
    test::WriteBands(engine_.Folder(), "runtime/tbar.png", 340, 80, 1, false);
    test::WriteBands(engine_.Folder(), "runtime/tb.png", 40, 120, 4, true);
  }
  void TearDown() override {
    GameStateForControls() = {};
    g_events = nullptr;
    g_movesPassed = nullptr;
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
  void MoveTo(int x, int y) {
    engine_.Play("0 move " + std::to_string(x) + " " + std::to_string(y));
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
  static uint32_t Row(int state) { return Engine().ColorToPixel(test::FrameColor(state)); }

  std::vector<std::string> events_;
  std::vector<bool> movesPassed_;
  test::HeadlessEngine engine_;
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
  EXPECT_EQ(events_, std::vector<std::string>{"1:4096"});

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
  EXPECT_EQ(events_, std::vector<std::string>{"2:4096"});
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
  EXPECT_EQ(ItemPixel(toolbar, 10), Row(1));
  EXPECT_EQ(Engine().CurrentCursor(), 4);

  engine_.Play("0 ldown");
  EXPECT_EQ(toolbar->GetItemState(0), ToolbarControl::kItemPressed);
  EXPECT_EQ(ItemPixel(toolbar, 10), Row(2));
  MoveTo(kX + 65, top);
  EXPECT_EQ(toolbar->GetItemState(0), ToolbarControl::kItemPressed);
  EXPECT_EQ(toolbar->GetItemState(1), ToolbarControl::kItemPointed);
  engine_.Play("0 lup");
  EXPECT_EQ(toolbar->GetChosenItem(), 1) << "the release alone chooses";
  EXPECT_EQ(toolbar->GetItemState(0), ToolbarControl::kItemNormal);
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "1:256"), 1);

  // Item 2 lies under item 3; disabled, it is skipped for the next one under the mouse.
  toolbar->DisableItem(1);
  EXPECT_EQ(ItemPixel(toolbar, 60), Row(3));
  toolbar->EnableItem(1);
  EXPECT_EQ(ItemPixel(toolbar, 60), Row(1)) << "enabling re-evaluates the pointing";
  toolbar->DisableItem(2);
  MoveTo(kX + 115, top);
  EXPECT_EQ(toolbar->GetItemState(3), ToolbarControl::kItemPointed);
  engine_.Play("0 ldown\n0 lup");
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
  EXPECT_EQ(ItemPixel(toolbar, 60), Row(0)) << "pictures reloaded after the mode switch";
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
