#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/input_script.h"
#include "engine/messages.h"
#include "tests/support/headless_engine.h"
#include "tests/support/recording_control.h"

namespace rufo {
namespace {

// Messages the game's hook saw, as "message param".
std::vector<std::string>* g_hooked = nullptr;

void RecordingHook(int32_t message, intptr_t param, bool*) {
  // Device mouse messages carry a pointer; only their code matters here.
  const bool pointer = message >= kMsgDeviceLeftDown && message <= kMsgDeviceMove;
  g_hooked->push_back(std::to_string(message) + (pointer ? "" : " " + std::to_string(param)));
}

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_hooked = &hooked_;
    engine_.Start();
    Engine().SetGameCallbacks(nullptr, nullptr, nullptr, RecordingHook);
  }
  void TearDown() override { g_hooked = nullptr; }

  // The hook's messages with the given code, in order.
  std::vector<std::string> Hooked(int32_t message) const {
    std::vector<std::string> out;
    const std::string prefix = std::to_string(message);
    for (const std::string& m : hooked_) {
      if (m == prefix || m.starts_with(prefix + " ")) out.push_back(m);
    }
    return out;
  }
  std::vector<std::string> HookedCodes() const {
    std::vector<std::string> codes;
    for (const std::string& m : hooked_)
      codes.push_back(m.substr(0, m.find(' ')));
    return codes;
  }

  std::vector<std::string> hooked_;
  test::HeadlessEngine engine_;
};

TEST_F(InputTest, KeyPressReachesTheGameAsDeviceCodeAndAsScanCode) {
  engine_.Play("0 key Up down\n0 key Up down\n0 key Up up\n0 key A down");
  // The window's auto-repeat repeats message 13; the buffered device reports one press.
  EXPECT_EQ(Hooked(kMsgKeyDown), (std::vector<std::string>{"13 328", "13 328", "13 30"}));
  EXPECT_EQ(Hooked(kMsgKeyUp), std::vector<std::string>{"14 328"});
  EXPECT_EQ(Hooked(kMsgDeviceKeyDown), (std::vector<std::string>{"1 200", "1 30"}));
  EXPECT_EQ(Hooked(kMsgDeviceKeyUp), std::vector<std::string>{"2 200"});
  EXPECT_TRUE(Engine().IsKeyDown(0x1E));
  EXPECT_FALSE(Engine().IsKeyDown(kKeyUp));
}

TEST_F(InputTest, SecondPressWithin333MsIsADoubleClickAndResetsTheRule) {
  auto press = [&](uint32_t afterMs) {
    engine_.Clock().Advance(afterMs);
    engine_.Play("0 ldown\n0 lup");
  };
  press(1000);
  press(333);  // double
  press(10);   // after a double the next press starts again
  press(334);  // too late
  press(1000);
  engine_.Clock().Advance(200);
  engine_.Play("0 rdown\n0 rup\n0 rdown\n0 rup");
  std::vector<std::string> device;
  for (const std::string& code : HookedCodes()) {
    if (code.size() == 1) device.push_back(code);
  }
  EXPECT_EQ(device, (std::vector<std::string>{"3", "4", "5", "4", "3", "4", "3", "4", "3", "4", "6",
                                              "7", "8", "7"}));
}

TEST_F(InputTest, MouseMovesInsideTheGameAreaOnlyAndOwnTheCursorThereAndTheWheelIsIgnored) {
  engine_.Play("0 move 100 50");
  EXPECT_EQ(Engine().MouseX(), 100);
  EXPECT_EQ(Engine().MouseY(), 50);
  EXPECT_TRUE(Engine().OwnCursor());
  EXPECT_FALSE(engine_.Window().SystemCursorShown());
  EXPECT_EQ(Hooked(kMsgMouseMoved).size(), 1u);

  engine_.Play("0 move 640 50");
  EXPECT_EQ(Engine().MouseX(), 100) << "the last position inside stays";
  EXPECT_FALSE(Engine().OwnCursor());
  EXPECT_TRUE(engine_.Window().SystemCursorShown());
  EXPECT_EQ(Hooked(kMsgMouseMoved).size(), 1u);

  engine_.Play("0 move 639 479");
  EXPECT_EQ(Hooked(kMsgMouseMoved).size(), 2u);
  const size_t seen = hooked_.size();
  Engine().PumpInput();
  engine_.Play("0 wheel 120\n0 wheel -240");
  EXPECT_EQ(hooked_.size(), seen) << "a resting mouse and the wheel send nothing";
  EXPECT_TRUE(Engine().MouseInRect({600, 400, 640, 480}, nullptr));
  const platform::Point offset{600, 400};
  EXPECT_TRUE(Engine().MouseInRect({0, 0, 40, 80}, &offset));
  EXPECT_FALSE(Engine().MouseInRect({0, 0, 39, 80}, &offset)) << "right edge is exclusive";
}

// A tap, or a quick hand, brings moves and buttons in one pump: each button acts where the
// pointer was when it went down or up, and the game hears of the move first.
TEST_F(InputTest, ButtonsTakenInOnePumpActWhereThePointerWasAtEach) {
  std::vector<std::string> seen;
  g_hooked = &seen;
  Engine().SetGameCallbacks(nullptr, nullptr, nullptr, [](int32_t message, intptr_t, bool*) {
    if (message < kMsgLeftDown || message > kMsgMouseMoved) return;
    g_hooked->push_back(std::to_string(message) + "@" + std::to_string(Engine().MouseX()) + "," +
                        std::to_string(Engine().MouseY()));
  });
  engine_.Play("0 move 200 100\n0 ldown\n0 lup");
  engine_.Play("0 move 300 150\n0 rdown\n0 move 310 160\n0 rup\n0 move 320 170");
  engine_.Play("0 move 50 60\n0 ldown\n0 move 70 80\n0 lup\n0 move 90 100");
  EXPECT_EQ(seen, (std::vector<std::string>{"21@200,100", "15@200,100", "16@200,100", "21@300,150",
                                            "18@300,150", "21@310,160", "19@310,160", "21@320,170",
                                            "21@50,60", "15@50,60", "21@70,80", "16@70,80",
                                            "21@90,100"}));

  // A button outside the game area leaves the position where it was inside.
  seen.clear();
  engine_.Play("0 move 700 100\n0 ldown\n0 lup");
  EXPECT_EQ(seen, (std::vector<std::string>{"15@90,100", "16@90,100"}));
}

TEST_F(InputTest, DispatchOffersFocusedThenLastToFirstThenHookAndStopsWhileTheScreenChanges) {
  std::vector<std::string> log;
  g_hooked = &log;
  auto* a = new test::RecordingControl(1, &log);
  auto* b = new test::RecordingControl(2, &log);
  auto* c = new test::RecordingControl(3, &log);
  for (Control* control : {a, b, c})
    ASSERT_TRUE(AddControl(control));
  a->SetSize(10, 10);
  SetFocus(1);

  a->ConsumeMessage(kMsgChar);  // consuming does not stop the walk
  Engine().PostGameMessage(kMsgChar, 65);
  EXPECT_EQ(log, (std::vector<std::string>{"1:11", "3:11", "2:11", "11 65"}));

  log.clear();
  c->OnMessage([](int32_t) { Engine().ChangeScreen(0x200, 0, false); });
  Engine().PostGameMessage(kMsgChar, 66);
  EXPECT_EQ(log, (std::vector<std::string>{"1:11", "3:11"}));
  EXPECT_EQ(GetFocusedControl(), nullptr) << "a screen request forgets the focus";

  // While the change is pending nothing is dispatched; the pump drops clicks and keys but keeps
  // the button and key state, and clears the suppression at its end.
  log.clear();
  Engine().PostGameMessage(kMsgChar, 67);
  EXPECT_TRUE(Engine().InputSuppressed());
  engine_.Play("0 ldown\n0 key A down");
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(Engine().InputSuppressed());
  EXPECT_TRUE(Engine().LeftButtonDown());
  EXPECT_TRUE(Engine().IsKeyDown(0x1E));

  // A screen change requested by the focused control stops the walk at once, too.
  for (int tick = 0; tick <= 10; ++tick)
    Engine().RunTick();
  c->OnMessage({});
  a->OnMessage([](int32_t) { Engine().ChangeScreen(0x201, 0, false); });
  SetFocus(1);
  log.clear();
  Engine().PostGameMessage(kMsgChar, 68);
  EXPECT_EQ(log, std::vector<std::string>{"1:11"});
}

TEST_F(InputTest, F12AndModeSwitchesActOnlyWhenTheirPropertiesAllowThem) {
  engine_.Play("0 key F12 down");
  EXPECT_TRUE(Engine().QuitRequested());
  engine_.Play("0 key LAlt down\n0 key Enter down\n0 key Enter up\n0 key LAlt up");
  EXPECT_TRUE(Engine().FullScreen());
  EXPECT_TRUE(engine_.Window().FullScreen());
  EXPECT_EQ(Hooked(kMsgModeSwitched).size(), 1u);
  EXPECT_EQ(Hooked(kMsgKeyDown), std::vector<std::string>{"13 56"}) << "only Alt itself";

  test::HeadlessEngine other;
  InterfaceProperties properties = test::HeadlessEngine::Properties();
  properties.f12Quits = false;
  properties.canFullScreen = false;
  properties.allowSecondInstance = true;
  other.WriteIni();
  other.Engine().Init(&properties);
  other.Engine().SetGameCallbacks(nullptr, nullptr, nullptr, RecordingHook);
  hooked_.clear();
  other.Play("0 key F12 down\n0 key RAlt down\n0 key Enter down");
  EXPECT_FALSE(other.Engine().QuitRequested());
  EXPECT_FALSE(other.Engine().FullScreen());
  EXPECT_EQ(Hooked(kMsgKeyDown), (std::vector<std::string>{"13 88", "13 312", "13 28"}));
  const std::string logBefore = other.LogText();
  other.Engine().SwitchMode();
  EXPECT_FALSE(other.Engine().FullScreen()) << "nor does a direct switch";
  EXPECT_FALSE(other.Engine().SetDisplay(true));
  EXPECT_EQ(other.LogText(), logBefore);
}

TEST_F(InputTest, LayoutModeSilencesInputAndMovesTheControlUnderTheMouse) {
  auto* below = new test::RecordingControl(7, nullptr);
  auto* above = new test::RecordingControl(8, nullptr);
  auto* elsewhere = new test::RecordingControl(9, nullptr);
  for (auto* control : {below, above, elsewhere}) {
    control->SetSize(50, 50);
    AddControl(control);
  }
  below->SetPosition(100, 100);
  above->SetPosition(120, 120);
  elsewhere->SetPosition(300, 300);

  engine_.Play("0 key ScrollLock down\n0 key ScrollLock up");
  ASSERT_TRUE(Engine().LayoutMode());
  EXPECT_TRUE(hooked_.empty());

  engine_.Play("0 move 110 110");
  engine_.Play("0 ldown");
  EXPECT_EQ(Engine().MouseX(), 110) << "the position follows the mouse";
  EXPECT_EQ(GetHoveredControl(), below);
  EXPECT_EQ(Engine().Controls().At(2), below) << "the selected control goes on top";

  auto position = [below] {
    std::pair<int, int> at;
    below->GetPosition(&at.first, &at.second);
    return at;
  };
  engine_.Play("0 move 115 130");
  EXPECT_EQ(position(), std::pair(105, 120));
  engine_.Play("0 lup\n0 key Left down\n0 key Left up\n0 key Down down");
  EXPECT_EQ(position(), std::pair(104, 121));
  EXPECT_EQ(Hooked(kMsgLayoutMove), (std::vector<std::string>{"22 7", "22 7", "22 7"}));
  EXPECT_TRUE(Hooked(kMsgMouseMoved).empty());
  EXPECT_TRUE(Hooked(kMsgKeyDown).empty());

  engine_.Play("0 move 5 5");
  engine_.Play("0 ldown\n0 lup");
  EXPECT_EQ(GetHoveredControl(), below) << "a press on no control keeps the selection";

  engine_.Play("0 key ScrollLock down");
  EXPECT_FALSE(Engine().LayoutMode());
  EXPECT_EQ(Hooked(kMsgLayoutMove).back(), "22 0");
  engine_.Play("0 move 6 6");
  EXPECT_EQ(Hooked(kMsgMouseMoved).size(), 1u);
}

TEST_F(InputTest, ActivationMessagesGoToTheHookOnlyOnChange) {
  auto& window = engine_.Window();
  window.PostMessage({platform::kWmActivate, platform::MakeActivateParam(false, false), 0});
  window.PostMessage({platform::kWmActivate, platform::MakeActivateParam(false, true), 0});
  window.PostMessage({platform::kWmActivate, platform::MakeActivateParam(false, true), 0});
  window.PostMessage({platform::kWmActivate, platform::MakeActivateParam(true, false), 0});
  Engine().PumpInput();
  EXPECT_EQ(HookedCodes(), (std::vector<std::string>{"263", "260", "262", "261"}));
}

// A script is checked whole before the run; its lines are then taken in time order.
TEST_F(InputTest, ScriptLinesAreCheckedWholeAndTakenInTimeOrder) {
  for (const std::string bad : {"-1 lup", "4294967296 lup", "10 move 1", "10 move 1 2 3",
                                "10 key A left", "10 key Nokey up", "10 wheel", "10 jump"}) {
    InputScript script;
    std::string error;
    EXPECT_FALSE(script.Parse("# comment\n\n5 lup\n" + bad + "\n", &error)) << bad;
    EXPECT_EQ(error, "line 4: " + bad);
    EXPECT_FALSE(script.Loaded()) << "nothing of a bad script is kept";
  }
  engine_.Play("20 move 5 6\n10 move 9 9");
  EXPECT_EQ(std::pair(Engine().MouseX(), Engine().MouseY()), std::pair(5, 6));
}

TEST(InputSetupTest, EveryFailingDeviceStepIsFatalWithItsOwnMessage) {
  const std::pair<platform::InputStep, const char*> steps[] = {
      {platform::InputStep::kCreateSystem, "\n"},
      {platform::InputStep::kKeyboardCreate, " \\(KCreateDevice\\)\n"},
      {platform::InputStep::kKeyboardFormat, " \\(KSetDataFormat\\)\n"},
      {platform::InputStep::kKeyboardCooperativeLevel, " \\(KSetCooperativeLevel\\)\n"},
      {platform::InputStep::kKeyboardBufferSize, " \\(KSetProperty\\)\n"},
      {platform::InputStep::kMouseCreate, " \\(MCreateDevice\\)\n"},
      {platform::InputStep::kMouseFormat, " \\(MSetDataFormat\\)\n"},
      {platform::InputStep::kMouseCooperativeLevel, " \\(MSetCooperativeLevel\\)\n"},
      {platform::InputStep::kMouseBufferSize, " \\(MSetProperty\\)\n"},
  };
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const auto& [step, message] : steps) {
    EXPECT_EXIT(
        {
          test::HeadlessEngine engine;
          engine.Engine().Input().InjectFailure(step);
          engine.Start();
        },
        ::testing::ExitedWithCode(255), std::string("inicializaci Direct input") + message)
        << message;
  }
}

}  // namespace
}  // namespace rufo
