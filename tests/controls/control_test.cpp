#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/messages.h"
#include "platform/window.h"
#include "tests/support/headless_engine.h"
#include "tests/support/recording_control.h"

namespace rufo {
namespace {

// Events the game's control-event handler saw, as "id:code".
std::vector<std::string>* g_events = nullptr;

void OnControlEvent(Control* control, int32_t event, bool) {
  g_events->push_back(std::to_string(control->GetId()) + ":" + std::to_string(event));
}

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_events = &events_;
    engine_.Start();
    Engine().SetGameCallbacks(nullptr, OnControlEvent, nullptr, nullptr);
  }
  void TearDown() override { g_events = nullptr; }

  test::RecordingControl* Add(int32_t id, platform::Rect area) {
    auto* control = new test::RecordingControl(id, nullptr);
    control->SetPosition(area.left, area.top);
    control->SetSize(area.Width(), area.Height());
    EXPECT_TRUE(AddControl(control));
    control->refreshes = 0;
    return control;
  }

  std::vector<std::string> events_;
  test::HeadlessEngine engine_;
};

TEST_F(ControlTest, HidingOrDisablingTakesTheFocusOnlyOnTheChange) {
  auto* a = Add(1, {0, 0, 10, 10});
  auto* b = Add(2, {20, 0, 30, 10});
  SetFocus(1);
  EXPECT_EQ(GetFocusedControl(), a);
  SetFocus(2);
  EXPECT_EQ(a->refreshes, 2) << "gaining and losing the focus each refresh";

  b->SetFlags(kCfHidden);
  EXPECT_EQ(GetFocusedControl(), nullptr);
  SetFocus(2);
  EXPECT_EQ(GetFocusedControl(), nullptr) << "a hidden control cannot take the focus";

  a->SetFlags(kCfDisabled);
  SetFocus(1);
  EXPECT_EQ(GetFocusedControl(), nullptr);
  a->ClearFlags(kCfDisabled);
  SetFocus(1);
  a->refreshes = 0;
  a->SetFlags(kCfDisabled | kCfHidden);
  EXPECT_EQ(GetFocusedControl(), nullptr);
  EXPECT_EQ(a->refreshes, 2) << "losing the focus, then the new flags";
  a->SetFlags(kCfHidden);
  EXPECT_EQ(a->refreshes, 2) << "setting bits already set does nothing";
  b->refreshes = 0;
  b->ClearFlags(kCfDisabled);
  b->ClearFlags(kCfHidden);
  b->ClearFlags(kCfHidden);
  EXPECT_EQ(b->refreshes, 1) << "only clearing a bit that was set refreshes";
}

TEST_F(ControlTest, TabAndArrowsMoveTheFocusToNeighboursAndAreConsumed) {
  auto* a = Add(1, {0, 0, 10, 10});
  Add(2, {20, 0, 30, 10});
  Add(3, {40, 0, 50, 10});
  a->SetNeighbours(2, 3, -1, -1, -1, 3);
  SetFocus(1);

  bool pass = true;
  Engine().PostGameMessage(kMsgKeyDown, kKeyRight);
  EXPECT_EQ(GetFocusedControl(), a) << "no right neighbour: the focus stays";
  a->HandleInput(kMsgKeyDown, kKeyRight, &pass);
  EXPECT_FALSE(pass) << "the key is consumed all the same";

  engine_.Play("0 key LShift down\n0 key Tab down\n0 key Tab up\n0 key LShift up");
  EXPECT_EQ(GetFocusedControl()->GetId(), 3) << "Shift+Tab goes to the previous neighbour";
  SetFocus(1);
  engine_.Play("0 key Tab down");
  EXPECT_EQ(GetFocusedControl()->GetId(), 2);
  SetFocus(1);
  Engine().PostGameMessage(kMsgKeyDown, kKeyDown);
  EXPECT_EQ(GetFocusedControl()->GetId(), 3);

  pass = true;
  a->HandleInput(kMsgKeyDown, kKeyTab, &pass);
  EXPECT_TRUE(pass) << "keys act only on the focused control";
}

TEST_F(ControlTest, HoverFollowsTheMouseAndOverlapsEndWithTheControlNearestTheStart) {
  Add(1, {100, 100, 200, 200});
  Add(2, {150, 150, 250, 250});
  auto* disabled = Add(3, {0, 0, 50, 50});
  disabled->SetFlags(kCfDisabled);
  auto* hot = Add(4, {300, 300, 400, 400});
  hot->SetHotRect(10, 10, 20, 20);

  engine_.Play("0 move 120 120");
  EXPECT_EQ(events_, std::vector<std::string>{"1:1"});
  engine_.Play("0 move 160 160");
  EXPECT_EQ(GetHoveredControl()->GetId(), 1) << "both contain it; 1 is offered the move last";
  EXPECT_EQ(events_, (std::vector<std::string>{"1:1", "2:1", "1:1"}));
  events_.clear();
  engine_.Play("0 move 220 220");
  EXPECT_EQ(events_, std::vector<std::string>{"2:1"}) << "1 was no longer hovered: no leave";
  engine_.Play("0 lup");
  EXPECT_EQ(events_.back(), "2:3");
  engine_.Play("0 move 10 10");
  EXPECT_EQ(events_.back(), "2:2");
  EXPECT_EQ(GetHoveredControl(), nullptr) << "a disabled control never takes the hover";

  events_.clear();
  engine_.Play("0 move 305 305");
  EXPECT_TRUE(events_.empty()) << "outside the hot rectangle";
  engine_.Play("0 move 315 315");
  EXPECT_EQ(events_, std::vector<std::string>{"4:1"});
}

TEST_F(ControlTest, ListKeepsOrderAndCapacityAndDestroysAllButPersistentControls) {
  auto* a = Add(1, {0, 0, 1, 1});
  auto* b = Add(2, {0, 0, 1, 1});
  Add(3, {0, 0, 1, 1});
  b->SetFlags(kCfPersistent);
  MoveControl(1, 1);
  EXPECT_EQ(Engine().Controls().At(1), a);
  MoveControl(1, 32767);
  EXPECT_EQ(Engine().Controls().At(2), a);
  EXPECT_EQ(FindControl(2), b);
  EXPECT_EQ(FindControl(99), nullptr);

  for (int i = 3; i < ControlList::kCapacity; ++i)
    EXPECT_TRUE(AddControl(new Control(100 + i)));
  auto* extra = new Control(999);
  EXPECT_FALSE(AddControl(extra));
  EXPECT_FALSE(AddControl(nullptr));
  delete extra;

  SetHover(1);
  DestroyControls(false);
  EXPECT_EQ(Engine().Controls().Count(), 1);
  EXPECT_EQ(FindControl(2), b);
  EXPECT_EQ(GetHoveredControl(), nullptr);
}

TEST_F(ControlTest, HintKeepsFortyEightCharactersBetweenSpaces) {
  Control control(1);
  control.SetHint(std::string(60, 'x'));
  EXPECT_EQ(control.Hint(), " " + std::string(48, 'x') + " ");
  control.SetHint("");
  EXPECT_TRUE(control.Hint().empty());
}

TEST_F(ControlTest, DrawClipsAtTheGameAreaEdgesAndHonoursTheColourKey) {
  // A 20 x 10 control: left half red, right half magenta (the colour key).
  auto* control = new test::RecordingControl(1, nullptr);
  control->SetFlags(kCfTransparent);
  control->SetSize(20, 10);
  AddControl(control);
  platform::Surface* own = control->Surface();
  ASSERT_NE(own, nullptr);
  own->Fill(nullptr, Engine().ColorToPixel(0x0000FF));
  const platform::Rect right{10, 0, 20, 10};
  own->Fill(&right, Engine().ColorToPixel(0xFF00FF));
  control->SetPosition(-5, 475);
  Engine().ComposeFrame();
  const std::vector<uint32_t> frame = engine_.Window().LastFrame();
  auto at = [&](int x, int y) { return frame[static_cast<size_t>(y) * 640 + x]; };
  EXPECT_EQ(at(0, 475), 0xFF0000u) << "the left five columns are cut off";
  EXPECT_EQ(at(4, 479), 0xFF0000u);
  EXPECT_EQ(at(5, 479), 0x000000u) << "keyed pixels let the background through";
  EXPECT_EQ(at(0, 474), 0x000000u);

  control->SetFlags(kCfHidden);
  Engine().ComposeFrame();
  EXPECT_EQ(engine_.Window().LastFrame()[475 * 640], 0x000000u);
}

TEST_F(ControlTest, LayoutModeOutlinesEveryControlWhiteAboveAndLeftGreyBelowAndRight) {
  Add(1, {100, 100, 120, 110});
  engine_.Play("0 key ScrollLock down");
  Engine().ComposeFrame();
  const std::vector<uint32_t> frame = engine_.Window().LastFrame();
  auto at = [&](int x, int y) { return frame[static_cast<size_t>(y) * 640 + x]; };
  EXPECT_EQ(at(100, 100), 0xFFFFFFu);
  EXPECT_EQ(at(118, 100), 0xFFFFFFu);
  EXPECT_EQ(at(100, 108), 0xFFFFFFu);
  EXPECT_EQ(at(119, 109), 0xA0A0A0u);
  EXPECT_EQ(at(101, 109), 0xA0A0A0u);
  EXPECT_EQ(at(110, 105), 0x000000u) << "the inside is the control's own (empty) surface";
}

}  // namespace
}  // namespace rufo
