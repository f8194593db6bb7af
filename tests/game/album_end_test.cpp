#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>

#include "controls/control.h"
#include "controls/control_list.h"
#include "controls/question_control.h"
#include "game/user_file.h"
#include "tests/game/demo_game.h"

namespace rufo {
namespace {

class AlbumEndTest : public DemoGameTest {
 protected:
  // Garden2's game 0x303 has just been won: sticker 3 is new, and the album opens.
  ProfileRecord& AlbumAfterAWin() {
    ProfileRecord& child = State().Profile();
    child.stickers[3] = 1;
    child.newSticker = 3;
    GoTo(0x303);
    GoTo(kScreenAlbum);
    return child;
  }
};

TEST_F(AlbumEndTest, AfterAWinTheAlbumLeadsToTheGardenAfterAVisitBackIntoTheGame) {
  ProfileRecord& child = AlbumAfterAWin();
  EXPECT_FALSE(Album().Ready()) << "the sticker is still arriving";
  ASSERT_NE(ScriptedControl("bS3"), nullptr);
  EXPECT_TRUE(ScriptedControl("bS3")->IsHidden()) << "not in its place while it arrives";
  RunUntil([] { return Album().Ready(); });
  Click(320, 240);
  EXPECT_EQ(Engine().CurrentScreen(), 0x301);
  EXPECT_EQ(child.newSticker, -1);

  GoTo(0x202);
  GoTo(kScreenAlbum);
  ASSERT_NE(ScriptedControl("bS3"), nullptr);
  EXPECT_FALSE(ScriptedControl("bS3")->IsHidden());
  EXPECT_TRUE(ScriptedControl("bS4")->IsHidden());
  EXPECT_TRUE(Album().Ready());
  Click(320, 240);
  EXPECT_EQ(Engine().CurrentScreen(), 0x202);
}

TEST_F(AlbumEndTest, TheFourteenthStickerLeadsToTheEndScreenAndItsQuestion) {
  ProfileRecord& child = State().Profile();
  child.inUse = 1;
  child.face = 6;
  child.stickers.fill(1);
  child.newSticker = 13;
  WriteUserFile(State().profiles, State().currentProfile);
  ASSERT_EQ(child.albumComplete, 1);
  GoTo(0x603);
  GoTo(kScreenAlbum);
  RunUntil([] { return Album().Ready(); });
  Click(320, 240);
  RunUntil([&] { return OnScreen(kScreenEnd); });
  ASSERT_NE(ScriptedControl("K3"), nullptr);
  EXPECT_FALSE(ScriptedControl("K3")->IsHidden());
  EXPECT_TRUE(ScriptedControl("H3")->IsHidden());
  RunUntil([] { return ModalDialog(); });
  EXPECT_EQ(SpeechKind(), kSpeechEndQuestion);
  EXPECT_FALSE(FindControl(kEndQuestionId)->IsHidden());
}

// The new sticker has nothing to arrive with: its entry or the whole album script is missing,
// or its animation cannot play. The album takes the click at once and the sticker stays.
// A case names a file of the data and the lines dropped from it, or "" to drop the file.
class AlbumWithoutArrivalTest
    : public AlbumEndTest,
      public ::testing::WithParamInterface<std::pair<std::string, std::string>> {
 protected:
  void BeforeStart() override {
    const auto [file, dropped] = GetParam();
    const fs::path path = CopyOfDemoData() / file;
    std::string kept;
    std::ifstream in(path);
    for (std::string line; !dropped.empty() && std::getline(in, line);) {
      if (line.find(dropped) == std::string::npos) kept += line + "\n";
    }
    in.close();
    fs::remove(path);
    if (!dropped.empty()) std::ofstream(path) << kept;
  }
};

TEST_P(AlbumWithoutArrivalTest, TakesTheClickAtOnce) {
  ProfileRecord& child = AlbumAfterAWin();
  EXPECT_TRUE(Album().Ready());
  Click(320, 240);
  RunUntil([&] { return OnScreen(0x301); });
  EXPECT_EQ(child.newSticker, -1);
  EXPECT_TRUE(child.HasSticker(3));
}

INSTANTIATE_TEST_SUITE_P(
    Missing, AlbumWithoutArrivalTest,
    ::testing::Values(std::pair<std::string, std::string>{"Data/album/screen.dat", ",S3,"},
                      std::pair<std::string, std::string>{"Data/album/screen.dat", ""},
                      std::pair<std::string, std::string>{"Bitmaps/Album/Ani/S3.dat", ""}));

// The End screen's speech cannot play: the schoolchild follows RUFO, then the question. "No"
// leads to the learning garden with its toolbar.
class EndWithoutSpeechTest : public AlbumEndTest {
 protected:
  void BeforeStart() override { fs::remove(CopyOfDemoData() / "Bitmaps/End/Ani/MLUVI.dat"); }
};

TEST_F(EndWithoutSpeechTest, TheQuestionStillComesAndNoPlaysOn) {
  GoTo(kScreenEnd);
  RunUntil([] { return ModalDialog(); });
  EXPECT_EQ(SpeechKind(), kSpeechEndQuestion);
  Click(kNoX, kNoY);
  RunUntil([&] { return OnScreen(kScreenLearnHub); });
  EXPECT_FALSE(ModalDialog());
  EXPECT_FALSE(FindControl(kToolbarId)->IsHidden());
  EXPECT_FALSE(FindControl(kToolbarId)->IsDisabled());
}

// Without the question's bubble the End screen cannot ask: the child plays on in the learning
// garden instead of being left on the End screen.
class EndWithoutQuestionTest : public AlbumEndTest {
 protected:
  void BeforeStart() override { fs::remove(CopyOfDemoData() / "Bitmaps/buble.png"); }
};

TEST_F(EndWithoutQuestionTest, TheChildPlaysOnInTheLearningGarden) {
  GoTo(kScreenEnd);
  RunUntil([&] { return OnScreen(kScreenLearnHub); });
  EXPECT_FALSE(ModalDialog());
  EXPECT_FALSE(FindControl(kToolbarId)->IsHidden());
}

TEST_F(AlbumEndTest, DeletingAProfileAsksFirstThenWipesFaceStickersAndName) {
  ProfileRecord& child = State().profiles[0];
  child.inUse = 1;
  child.face = 2;
  child.stickers[5] = 1;
  child.name[0] = 'A';
  GoTo(0x201);
  GoTo(kScreenStart);
  Click(182, 335);
  EXPECT_FALSE(ModalDialog()) << "the first click skips the introduction";
  Click(182, 335);
  ASSERT_TRUE(ModalDialog());
  EXPECT_EQ(Start().PendingDeleteRegion(), 26);
  Control* question = FindControl(kDeleteQuestionId);
  EXPECT_FALSE(question->IsHidden());
  Click(600, 40);
  EXPECT_EQ(child.face, 2) << "clicks beside the dialog do nothing";
  Click(270, 185);
  EXPECT_FALSE(ModalDialog());
  EXPECT_TRUE(question->IsHidden());
  RunUntil([&] { return child.face == -1; });
  EXPECT_EQ(child.stickers[5], 0);
  EXPECT_EQ(child.name[0], 0);
  EXPECT_EQ(child.inUse, 0);
  EXPECT_TRUE(FindControl(kFirstFaceId)->IsHidden());
  RunUntil([&] { return child.deletePhase == 0; });
  EXPECT_EQ(engine_.LogText().find("Cannot open sound"), std::string::npos) << engine_.LogText();
}

}  // namespace
}  // namespace rufo
