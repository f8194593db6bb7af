#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "controls/control_list.h"
#include "controls/toolbar_control.h"
#include "engine/interface.h"
#include "game/game.h"
#include "game/game_state.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

namespace fs = std::filesystem;

const fs::path kDemoData = fs::path(RUFO_BINARY_DIR) / "data";

// The game in-process on the demo data, brought to the Start screen.
class StartScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kDemoData / ".demogen")) GTEST_SKIP() << "no generated data";
    ResetState();
    engine_.Folder().Write("config/rufo.ini", "[Rufo I]\nCD=" + kDemoData.string() +
                                                  "/\nHD=" + engine_.RuntimeRoot() + "\n");
    const InterfaceProperties properties = test::HeadlessEngine::Properties();
    ASSERT_TRUE(Engine().Init(&properties));
    ASSERT_TRUE(GameStart());
    started_ = true;
    RunUntil([&] { return OnScreen(kScreenStart); });
  }
  void TearDown() override {
    if (started_) GameEnd();
    ResetState();
  }

  Interface& Engine() { return engine_.Engine(); }
  bool OnScreen(ScreenId id) {
    return Engine().CurrentScreen() == id && !Engine().ScreenChangePending();
  }
  // Runs the loop a millisecond at a time until the condition holds (at most a minute).
  template <typename Condition>
  void RunUntil(Condition done) {
    for (int ms = 0; ms < 60000 && !done(); ++ms)
      Step();
    ASSERT_TRUE(done());
    Step();
  }
  void Step() {
    engine_.Clock().Advance(1);
    Engine().PumpInput();
    Engine().RunTick();
  }
  void Click(int x, int y) {
    engine_.Play("0 move " + std::to_string(x) + " " + std::to_string(y));
    Step();
    engine_.Play("0 ldown");
    Step();
    engine_.Play("0 lup");
    Step();
  }
  void GoTo(ScreenId id) {
    Engine().ChangeScreen(id, 0, false);
    RunUntil([&] { return OnScreen(id); });
  }

  test::HeadlessEngine engine_;
  bool started_ = false;
};

constexpr int kFace0X = 116;
constexpr int kFace0Y = 283;
constexpr int kCapX = 203;
constexpr int kCapY = 297;

TEST_F(StartScreenTest, AClickSkipsTheIntroductionButNotTheGreeting) {
  EXPECT_EQ(SpeechKind(), kSpeechWait);
  Click(600, 40);
  EXPECT_EQ(SpeechKind(), kSpeechWait);
  EXPECT_FALSE(State().facesClickable);
  RunUntil([] { return SpeechKind() == kSpeechIntro; });
  EXPECT_FALSE(State().facesClickable);
  Click(600, 40);
  EXPECT_EQ(SpeechKind(), kSpeechNone);
  EXPECT_TRUE(State().facesClickable);
}

TEST_F(StartScreenTest, AFreeFaceCyclesAndWrapsAFaceInUseStays) {
  std::vector<int> faces;
  for (int i = 0; i < 9; ++i) {
    Click(kFace0X, kFace0Y);
    faces.push_back(State().profiles[0].face);
  }
  EXPECT_EQ(faces, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1}));
  State().profiles[0].inUse = 1;
  Click(kFace0X, kFace0Y);
  EXPECT_EQ(State().profiles[0].face, 1);
}

TEST_F(StartScreenTest, TheCapDroppedOffAFaceOrOnAnEmptyOneGoesBackToRest) {
  State().facesClickable = true;
  Control* cap = ScriptedControl("CEPKA");
  ASSERT_NE(cap, nullptr);
  for (auto [x, y] : {std::pair{560, 440}, std::pair{106, 113}}) {
    Click(kCapX, kCapY);
    EXPECT_TRUE(State().capHeld);
    Click(x, y);
    EXPECT_FALSE(State().capHeld);
    EXPECT_FALSE(State().profileChosen);
    EXPECT_EQ(cap->Position().x, 165);
    EXPECT_EQ(cap->Position().y, 274);
  }
  Click(kFace0X, kFace0Y);  // picture 1 for slot 0
  Click(kCapX, kCapY);
  Click(kFace0X, kFace0Y);
  EXPECT_TRUE(State().profileChosen);
  EXPECT_EQ(SpeechKind(), kSpeechGo);
  EXPECT_EQ(State().profiles[0].inUse, 1);
  EXPECT_EQ(cap->Position().x, 78);
  EXPECT_EQ(cap->Position().y, 221);
}

TEST_F(StartScreenTest, ToolbarOffersBackOnGamesAndTheEndQuestionOnMainScenes) {
  auto* toolbar = dynamic_cast<ToolbarControl*>(FindControl(kToolbarId));
  ASSERT_NE(toolbar, nullptr);
  GoTo(0x202);
  EXPECT_NE(toolbar->GetItemState(3), ToolbarControl::kItemDisabled);
  EXPECT_EQ(toolbar->GetItemState(4), ToolbarControl::kItemDisabled);
  GoTo(0x201);
  EXPECT_EQ(toolbar->GetItemState(3), ToolbarControl::kItemDisabled);
  EXPECT_NE(toolbar->GetItemState(4), ToolbarControl::kItemDisabled);
  EXPECT_FALSE(toolbar->IsHidden());
}

}  // namespace
}  // namespace rufo
