#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/messages.h"
#include "platform/window.h"
#include "tests/controls/control_fixture.h"
#include "tests/support/recording_control.h"

namespace rufo {
namespace {

using Events = std::vector<std::string>;

class ControlTest : public test::ControlFixture {
 protected:
  test::RecordingControl* Add(int32_t id, platform::Rect area) {
    auto* control = new test::RecordingControl(id, nullptr);
    control->SetPosition(area.left, area.top);
    control->SetSize(area.Width(), area.Height());
    EXPECT_TRUE(AddControl(control));
    control->refreshes = 0;
    return control;
  }
  // A pixel of the last presented frame, as 0x00RRGGBB.
  uint32_t Shown(int x, int y) {
    return engine_.Window().LastFrame()[static_cast<size_t>(y) * 640 + x];
  }
};

// Tab and arrows move the focus to neighbours and are consumed; hiding or disabling takes the
// focus only on the change.
TEST_F(ControlTest, FocusMovesToNeighboursAndGoesWithHidingOrDisabling) {
  auto* a = Add(1, {0, 0, 10, 10});
  auto* b = Add(2, {20, 0, 30, 10});
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

  a->refreshes = 0;
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
}

TEST_F(ControlTest, HoverFollowsTheMouseAndOverlapsEndWithTheControlNearestTheStart) {
  Add(1, {100, 100, 200, 200});
  Add(2, {150, 150, 250, 250});
  Add(3, {0, 0, 50, 50})->SetFlags(kCfDisabled);
  Add(4, {300, 300, 400, 400})->SetHotRect(10, 10, 20, 20);

  MoveTo(120, 120);
  MoveTo(160, 160);
  EXPECT_EQ(GetHoveredControl()->GetId(), 1) << "both contain it; 1 is offered the move last";
  EXPECT_EQ(events_, (Events{"1:1", "2:1", "1:1"}));
  events_.clear();
  MoveTo(220, 220);
  EXPECT_EQ(events_, Events{"2:1"}) << "1 was no longer hovered: no leave";
  engine_.Play("0 lup");
  MoveTo(10, 10);
  EXPECT_EQ(events_, (Events{"2:1", "2:3", "2:2"}));
  EXPECT_EQ(GetHoveredControl(), nullptr) << "a disabled control never takes the hover";

  events_.clear();
  MoveTo(305, 305);
  EXPECT_TRUE(events_.empty()) << "outside the hot rectangle";
  MoveTo(315, 315);
  EXPECT_EQ(events_, Events{"4:1"});
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
  EXPECT_EQ(FindControl(99), nullptr);

  for (int i = 3; i < ControlList::kCapacity; ++i)
    EXPECT_TRUE(AddControl(new Control(100 + i)));
  Control extra(999);
  EXPECT_FALSE(AddControl(&extra));
  EXPECT_FALSE(AddControl(nullptr));

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

TEST_F(ControlTest, DrawClipsAtTheEdgesHonoursTheKeyAndLayoutModeOutlines) {
  // A 20 x 10 control: left half red, right half magenta (the colour key).
  auto* control = new test::RecordingControl(1, nullptr);
  control->SetFlags(kCfTransparent);
  control->SetSize(20, 10);
  AddControl(control);
  control->Surface()->Fill(nullptr, Engine().ColorToPixel(0x0000FF));
  const platform::Rect right{10, 0, 20, 10};
  control->Surface()->Fill(&right, Engine().ColorToPixel(0xFF00FF));
  control->SetPosition(-5, 475);
  Engine().ComposeFrame();
  EXPECT_EQ(Shown(0, 475), 0xFF0000u) << "the left five columns are cut off";
  EXPECT_EQ(Shown(4, 479), 0xFF0000u);
  EXPECT_EQ(Shown(5, 479), 0x000000u) << "keyed pixels let the background through";
  EXPECT_EQ(Shown(0, 474), 0x000000u);
  control->SetFlags(kCfHidden);
  Engine().ComposeFrame();
  EXPECT_EQ(Shown(0, 475), 0x000000u);

  // Layout mode: white above and left, grey below and right, the inside left alone.
  Add(2, {100, 100, 120, 110});
  engine_.Play("0 key ScrollLock down");
  Engine().ComposeFrame();
  const std::tuple<int, int, uint32_t> outline[] = {{100, 100, 0xFFFFFF}, {118, 100, 0xFFFFFF},
                                                    {100, 108, 0xFFFFFF}, {119, 109, 0xA0A0A0},
                                                    {101, 109, 0xA0A0A0}, {110, 105, 0x000000}};
  for (const auto& [x, y, colour] : outline)
    EXPECT_EQ(Shown(x, y), colour) << x << "," << y;
}

}  // namespace
}  // namespace rufo
