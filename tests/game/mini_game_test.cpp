#include "game/mini_game.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/toolbar_control.h"
#include "engine/messages.h"
#include "engine/trace.h"
#include "game/common_controls.h"
#include "game/user_file.h"
#include "tests/game/demo_game.h"
#include "tests/support/pictures.h"
#include "tools/assetkit/ani_file.h"
#include "tools/assetkit/frame_script.h"

namespace rufo {
namespace {

// A game in Garden6's place: the left half of the screen is the right answer, the right half
// the wrong one. Won at three good answers.
constexpr MiniGameInfo kHalves{0x702,
                               "HALF",
                               1,
                               3,
                               0x106,
                               {0, 2, 3, 4, 5},
                               "Sounds\\Halves\\",
                               "Data\\Halves\\screen.dat",
                               "Bitmaps\\Halves\\bg_mask.png"};

class HalvesGame final : public MiniGame {
 public:
  HalvesGame() : MiniGame(kHalves) {}

 private:
  void PoseQuestion() override { Asked(trace::HitAnswer({0})); }
  void OnGameMessage(const Input& input, bool* unconsumed) override {
    if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
    if (input.region <= 1) Judge(input.region == 0);
  }
};

// The game's files in the runtime root (the demo data lends the praise and the corrections):
// the speaker, its three speeches and the hit map.
class MiniGameTest : public DemoGameTest {
 protected:
  void SetUp() override {
    DemoGameTest::SetUp();
    if (IsSkipped()) return;
    const test::TempFolder& folder = engine_.Folder();
    folder.Write("runtime/Data/Halves/screen.dat",
                 "PATH_ANI=Anim\\\r\nANI=500,300,MLUVI,flags=END_PLAY_NH\r\nBITMAP=10,10,tb0,S,"
                 "flags=CF_HIDDEN\r\n");
    assetkit::Animation speaker{8, 8, 0xFF00FF, 0.1f, {}};
    speaker.frames.assign(8, assetkit::AniFrame(64, assetkit::Rgb565(200, 100, 0)));
    folder.Write("runtime/Anim/MLUVI.ani", assetkit::EncodeAni(speaker));
    for (const char* speech : {"sp_intro", "sp_win", "sp_loose"}) {
      folder.Write(std::string("runtime/Sounds/Halves/") + speech + ".dat",
                   assetkit::FrameScriptText({{0, 0.3}, {1, 0.3}}));
    }
    test::WritePicture(folder, "runtime/Bitmaps/Halves/bg_mask.png", 640, 480, [](int x, int y) {
      return y > 380 ? 0xFFFFFFu : x < 320 ? 0u : 0x010101u;
    });
    Screens().Add<HalvesGame>(0x702);
    trace::Open(engine_.Folder().Root() + "trace.txt", [] { return 0u; });
  }
  void TearDown() override {
    trace::Close();
    Screens() = ScreenTable{};
    DemoGameTest::TearDown();
  }

  const HalvesGame& Game() { return Shown<HalvesGame>(); }
  // Answers with a click on one half once the game takes it.
  void Answer(bool good) {
    RunUntil([&] { return Game().AnswerAllowed() && !Game().Speaking(); });
    Click(good ? 100 : 500, 200);
  }
  std::string Trace() const { return engine_.Folder().Read("trace.txt"); }
};

TEST_F(MiniGameTest, FromTheMainSceneTheIntroductionIsSkippedByAClickAndThreeGoodAnswersWin) {
  State().Profile().inUse = 1;
  GoTo(0x701);
  GoTo(0x702);
  EXPECT_EQ(Game().Kind(), 0) << "the introduction";
  EXPECT_TRUE(Game().Speaking());
  EXPECT_TRUE(ScriptedControl("S")->IsHidden()) << "no badge without the sticker";
  Click(300, 200);
  EXPECT_TRUE(Game().AnswerAllowed()) << "a click skipped the introduction";
  Answer(true);
  Answer(false);
  EXPECT_EQ(SpeechKind(), 14) << "a first correction";
  Answer(true);
  Answer(true);
  EXPECT_EQ(Game().Kind(), 4) << "the win";
  EXPECT_TRUE(Toolbar()->IsDisabled());
  CurrentScreen()->OnBack();
  EXPECT_FALSE(Engine().ScreenChangePending()) << "no way back during the win";
  RunUntil([&] { return OnScreen(kScreenAlbum); });
  EXPECT_TRUE(State().Profile().HasSticker(1));
  EXPECT_EQ(State().Profile().newSticker, 1);
  ProfileTable stored;
  stored.fill(ProfileRecord::Empty());
  ReadUserFile(stored);
  EXPECT_TRUE(stored[0].HasSticker(1)) << "stored before the album shows it";
  EXPECT_NE(Trace().find("question 0x702 hit 0"), std::string::npos) << Trace();
  EXPECT_NE(Trace().find("answer 0x702 wrong 1 1"), std::string::npos) << Trace();
  EXPECT_NE(Trace().find("answer 0x702 good 3 1"), std::string::npos) << Trace();
  EXPECT_NE(Trace().find("sticker 1"), std::string::npos) << Trace();
}

TEST_F(MiniGameTest, FromElsewhereAQuestionAtOnceAndThreeWrongAnswersLeadToTheLesson) {
  GoTo(kScreenAlbum);
  GoTo(0x702);
  EXPECT_TRUE(Game().AnswerAllowed()) << "no introduction";
  for (int i = 0; i < 3; ++i)
    Answer(false);
  EXPECT_EQ(Game().Kind(), 5) << "the loss";
  RunUntil([&] { return OnScreen(0x106); });
  EXPECT_FALSE(State().Profile().HasSticker(1));
}

TEST_F(MiniGameTest, WithTheStickerTheBadgeShowsAndNoThresholdApplies) {
  State().Profile().stickers[1] = 1;
  GoTo(0x702);
  EXPECT_FALSE(ScriptedControl("S")->IsHidden());
  for (int correction : {14, 15, 14}) {  // a third correction is a first one again
    Answer(false);
    EXPECT_EQ(Game().Kind(), 3);
    EXPECT_EQ(SpeechKind(), correction);
  }
}

}  // namespace
}  // namespace rufo
