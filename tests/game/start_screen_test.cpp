#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "controls/control_list.h"
#include "controls/scripted_animation_control.h"
#include "controls/toolbar_control.h"
#include "tests/game/demo_game.h"

namespace rufo {
namespace {

using StartScreenTest = DemoGameTest;

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

// A click skips the introduction but not the greeting; the faces wait for both.
TEST_F(StartScreenTest, TheCapDroppedOffAFaceOrOnAnEmptyOneGoesBackToRest) {
  EXPECT_EQ(SpeechKind(), kSpeechWait);
  Click(600, 40);
  EXPECT_EQ(SpeechKind(), kSpeechWait);
  EXPECT_FALSE(Start().FacesClickable());
  RunUntil([] { return SpeechKind() == kSpeechIntro; });
  EXPECT_FALSE(Start().FacesClickable());
  Click(600, 40);
  EXPECT_EQ(SpeechKind(), kSpeechNone);
  EXPECT_TRUE(Start().FacesClickable());
  Control* cap = ScriptedControl("CEPKA");
  ASSERT_NE(cap, nullptr);
  for (auto [x, y] : {std::pair{560, 440}, std::pair{kFace1X, kFace1Y}}) {
    Click(kCapX, kCapY);
    EXPECT_TRUE(Start().CapHeld());
    Click(x, y);
    EXPECT_FALSE(Start().CapHeld());
    EXPECT_FALSE(Start().ProfileChosen());
    EXPECT_EQ(cap->Position(), (platform::Point{165, 274})) << "back at rest";
  }
  Click(kFace0X, kFace0Y);  // picture 1 for slot 0
  Click(kCapX, kCapY);
  Click(kFace0X, kFace0Y);
  EXPECT_TRUE(Start().ProfileChosen());
  EXPECT_EQ(SpeechKind(), kSpeechGo);
  EXPECT_EQ(State().profiles[0].inUse, 1);
  EXPECT_EQ(cap->Position(), (platform::Point{78, 221})) << "on the face";
}

TEST_F(StartScreenTest, AReturningChildMayTakeTheCapWhileTheIntroductionPlays) {
  RunUntil([] { return SpeechKind() == kSpeechIntro; });
  Click(600, 40);
  Click(kFace0X, kFace0Y);
  Click(kCapX, kCapY);
  Click(kFace0X, kFace0Y);
  RunUntil([&] { return OnScreen(kScreenLearnHub); });
  GoTo(kScreenStart);
  EXPECT_EQ(SpeechKind(), kSpeechIntro);
  EXPECT_TRUE(IsSpeaking());
  EXPECT_TRUE(Start().FacesClickable());
  Click(kCapX, kCapY);
  EXPECT_TRUE(Start().CapHeld());
  EXPECT_EQ(SpeechKind(), kSpeechNone) << "the press also skipped the introduction";
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
