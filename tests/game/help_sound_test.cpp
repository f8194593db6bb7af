#include <gtest/gtest.h>

#include "controls/toolbar_control.h"
#include "game/common_controls.h"
#include "sound/sound_object.h"
#include "tests/game/demo_game.h"

namespace rufo {
namespace {

// The toolbar's help button on a main scene of the demo data: items 0 (help) and 1 (the Start
// screen) of the open toolbar.
class HelpSoundTest : public DemoGameTest {
 protected:
  static constexpr int kHelpX = 204;
  static constexpr int kStartX = 261;
  static constexpr int kItemY = 445;

  void SetUp() override {
    DemoGameTest::SetUp();
    if (IsSkipped()) return;
    GoTo(0x201);
    engine_.Play("0 move 320 470");
    RunUntil([] { return !Toolbar()->IsRetracted() && Toolbar()->SlideDirection() == 0; });
  }
  bool HelpPlaying() { return State().helpSound->IsPlaying(); }
};

TEST_F(HelpSoundTest, AToolbarClickWhileTheHelpPlaysOnlyStopsIt) {
  Click(kHelpX, kItemY);
  ASSERT_TRUE(HelpPlaying());
  EXPECT_EQ(SpeechKind(), kSpeechHelp);

  Click(kStartX, kItemY);
  EXPECT_FALSE(HelpPlaying());
  EXPECT_EQ(SpeechKind(), kSpeechNone);
  EXPECT_FALSE(Engine().ScreenChangePending()) << "the first click only stopped the help";

  Click(kHelpX, kItemY);
  ASSERT_TRUE(HelpPlaying());
  Click(kHelpX, kItemY);
  EXPECT_FALSE(HelpPlaying()) << "the help button stops its own sound too";

  Click(kStartX, kItemY);
  EXPECT_TRUE(Engine().ScreenChangePending());
  RunUntil([&] { return OnScreen(kScreenStart); });
}

TEST_F(HelpSoundTest, TheToolbarStaysOpenUntilTheHelpEnds) {
  Click(kHelpX, kItemY);
  ASSERT_TRUE(HelpPlaying());
  engine_.Play("0 move 320 100");
  Run(2000);
  EXPECT_FALSE(Toolbar()->IsRetracted());
  EXPECT_NE(Toolbar()->SlideDirection(), -1) << "kept open while the help speaks";

  RunUntil([&] { return !HelpPlaying(); });
  EXPECT_EQ(SpeechKind(), kSpeechNone) << "the help's end reached the game as message 258";
  RunUntil([] { return Toolbar()->IsRetracted(); });
}

}  // namespace
}  // namespace rufo
