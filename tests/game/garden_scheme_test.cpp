#include "game/garden_scheme.h"

#include <gtest/gtest.h>

#include "controls/control_list.h"
#include "controls/toolbar_control.h"
#include "game/common_controls.h"
#include "game/user_file.h"
#include "tests/game/demo_game.h"

namespace rufo {
namespace {

// Counting frogs (sticker 7, won at 10) with speeches numbered as its garden numbers them.
constexpr GameSpeeches kGames[] = {{0x202, 0, 2, 3, 4, 5, "Sounds\\Garden1\\NUM\\"}};

class GardenSchemeTest : public DemoGameTest {
 protected:
  // Enters the game from its main scene; the demo data has no garden screens, so the game runs
  // without a speaker and its speeches end when the test says so.
  void EnterFromMainScene() {
    GoTo(0x201);
    Engine().ChangeScreen(0x202, 0, false);
    RunUntil([&] { return OnScreen(0x202); });
    scheme_.Enter(0x202, "Data\\Garden1\\screen.dat", "", [&] { ++questions_; });
  }

  GardenScheme scheme_{kGames};
  int questions_ = 0;
};

TEST_F(GardenSchemeTest, IntroductionFromTheMainSceneQuestionAtOnceFromElsewhere) {
  EnterFromMainScene();
  EXPECT_EQ(scheme_.Kind(), 0);
  EXPECT_EQ(questions_, 0);
  EXPECT_TRUE(scheme_.SkipIntro());
  EXPECT_EQ(scheme_.SpeechEnded(), SpeechRole::kIntro);
  EXPECT_EQ(questions_, 1);
  EXPECT_FALSE(scheme_.SkipIntro()) << "nothing is being said";

  GoTo(kScreenAlbum);
  GoTo(0x202);
  scheme_.Enter(0x202, "Data\\Garden1\\screen.dat", "", [&] { ++questions_; });
  EXPECT_EQ(questions_, 2) << "back from the album: no introduction";
}

TEST_F(GardenSchemeTest, TheTenthGoodAnswerWinsDisablesTheToolbarAndAwardsTheSticker) {
  State().Profile().inUse = 1;
  EnterFromMainScene();
  scheme_.SpeechEnded();
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(scheme_.Judge(true), Verdict::kPraise);
    scheme_.SpeechEnded();
  }
  EXPECT_EQ(scheme_.Judge(true), Verdict::kWin);
  EXPECT_TRUE(Toolbar()->IsDisabled());
  EXPECT_FALSE(scheme_.BackAllowed());
  EXPECT_EQ(scheme_.SpeechEnded(), SpeechRole::kWin);
  EXPECT_TRUE(State().Profile().HasSticker(7));
  EXPECT_EQ(State().Profile().newSticker, 7);
  EXPECT_EQ(Engine().CurrentScreen(), kScreenAlbum);
  ProfileTable stored;
  stored.fill(ProfileRecord::Empty());
  ReadUserFile(stored);
  EXPECT_TRUE(stored[0].HasSticker(7)) << "stored before the album shows it";
}

TEST_F(GardenSchemeTest, WithTheStickerNoThresholdApplies) {
  State().Profile().stickers[7] = 1;
  EnterFromMainScene();
  scheme_.SpeechEnded();
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(scheme_.Judge(true), Verdict::kPraise);
  EXPECT_TRUE(scheme_.BackAllowed());
  for (int kind : {14, 15, 14}) {  // a third correction is a first one again
    EXPECT_EQ(scheme_.Judge(false), Verdict::kCorrection);
    EXPECT_EQ(SpeechKind(), kind);
  }
}

TEST_F(GardenSchemeTest, TheThirdWrongAnswerLosesAndLeadsToTheLesson) {
  EnterFromMainScene();
  scheme_.SpeechEnded();
  EXPECT_EQ(scheme_.Judge(false), Verdict::kCorrection);
  EXPECT_EQ(scheme_.Judge(false), Verdict::kCorrection);
  EXPECT_EQ(scheme_.Judge(false), Verdict::kLoss);
  EXPECT_FALSE(scheme_.BackAllowed());
  EXPECT_EQ(scheme_.SpeechEnded(), SpeechRole::kLoss);
  EXPECT_EQ(Engine().CurrentScreen(), 0x104);
}

}  // namespace
}  // namespace rufo
