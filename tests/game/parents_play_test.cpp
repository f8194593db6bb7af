// The progress record and the parents' page from outside: a child plays Garden1's frogs with two
// wrong and ten right counts and loses the flowers into the colours lesson; the record holds
// that, the parents' page (opened by holding its key) shows it, and deleting the child's profile
// deletes it. The same input replayed gives the same record and a picture of the
// page.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "progress/catalogue.h"
#include "progress/record.h"
#include "progress/summary.h"
#include "tests/game/garden_game.h"
#include "tests/game/live_player.h"
#include "tests/game/parents_places.h"
#include "tests/game/play_steps.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

const int32_t kHeadlessDay = *progress::ParseDate("2025-03-03");

class ParentsPlay : public LivePlayTest {
 protected:
  progress::ChildProgress Recorded(const test::TempFolder& folder, int slot) {
    const progress::Record record =
        progress::ReadRecord(folder.Root() + "rt/" + progress::kRecordFileName);
    EXPECT_EQ(record.damagedLines, 0u);
    return progress::Summarise(record.events, slot, kHeadlessDay);
  }
};

TEST_F(ParentsPlay, GardenOneInTheRecordOnThePageAndInTheToolUntilTheProfileIsDeleted) {
  test::LivePlayer player(folder_, Environment());
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(Walk(player, true, {"0x201 0x101"}));

  // The frogs: two wrong counts, then ten right ones to sticker 7.
  Enter(player, kGardenRufoX, kGardenRufoY, "speak MLUVI Sounds\\Garden1\\NUM\\sp_intro");
  for (int i = 0; i < 12; ++i) {
    const std::string line = player.AwaitLine("question 0x202");
    ASSERT_NE(line, "") << "question " << i;
    const int value = AnswerIn(line) + (i < 2 ? 1 : 0);  // one frog too many, twice
    player.Click(NumberButtonX(value % 10 + 1), kNumberButtonY);
  }
  ASSERT_NE(player.AwaitLine("sticker 7"), "");
  LeaveAlbum(player, kScreenGarden1);
  // The flowers: three wrong colours lead to the colours lesson.
  Enter(player, kGardenFlowersX, kGardenFlowersY, "speak MLUVI Sounds\\Garden1\\COL\\sp_intro");
  for (int i = 0; i < 3; ++i) {
    const std::string line = player.AwaitLine("question 0x203");
    ASSERT_NE(line, "") << "question " << i;
    player.Click(FlowerX((AnswerIn(line) + 1) % FlowerColours::kColours), kFlowerY);
  }
  ASSERT_NE(player.AwaitLine("screen 0x102 0x203"), "");
  player.Advance(2000);

  // Home to the Start screen.
  player.Move(kHomeX, kToolbarTabY);
  player.Advance(800);
  player.Click(kHomeX, kHomeY);
  ASSERT_NE(player.AwaitLine("screen 0x1 0x102"), "");
  const progress::ChildProgress child = Recorded(folder_, 0);
  EXPECT_EQ(child.games[progress::GameIndex(0x202)].good, 10);
  EXPECT_EQ(child.games[progress::GameIndex(0x202)].wrong, 2);
  EXPECT_EQ(child.games[progress::GameIndex(0x202)].stickerDay, kHeadlessDay);
  EXPECT_EQ(child.games[progress::GameIndex(0x203)].good, 0);
  EXPECT_EQ(child.games[progress::GameIndex(0x203)].wrong, 3);
  EXPECT_EQ(child.lessons[progress::LessonIndex(0x102)].visits, 1);
  EXPECT_EQ(child.lessons[progress::LessonIndex(0x102)].afterLoss, 1);
  // The whole play, from the jump into the learning garden to the Start screen.
  EXPECT_GT(child.secondsByDay.back(), 40);
  EXPECT_LT(child.secondsByDay.back(), player.Now() / 1000);

  // Holding the key three seconds opens the page.
  player.Advance(500);
  player.Press(kParentsKeyX, kParentsKeyY);
  ASSERT_NE(player.AwaitLine("screen 0x6 0x1", 3400), "");
  player.Release(kParentsKeyX, kParentsKeyY);
  player.Advance(1000);

  // Back to the Start screen; the child's profile is deleted and their history with it.
  player.Click(kPageBackX, kPageBackY);
  ASSERT_NE(player.AwaitLine("screen 0x1 0x6"), "");
  ASSERT_NE(player.AwaitLine("speak MLUVI Sounds\\Start\\sp_intro"), "");
  player.Click(600, 40);   // skips the introduction
  player.Click(182, 335);  // slot 0's sponge
  // "Yes" speaks when pointed at once the question is up.
  for (int tries = 0; tries < 100 && player.AwaitLine("speak 0x24 Sounds\\ano", 0).empty();
       ++tries) {
    player.Move(kDeleteYesX, kDeleteYesY + 150);
    player.Move(kDeleteYesX, kDeleteYesY);
  }
  player.Click(kDeleteYesX, kDeleteYesY);
  ASSERT_NE(player.AwaitLine("speak KV_Z Bitmaps\\Start\\Ani\\kv_z_b"), "");
  player.Advance(500);
  EXPECT_FALSE(Recorded(folder_, 0).any);
  EndPlay(player);

  // The same input from a file makes the same record; a picture of the page on the way.
  int pageAt = -1;
  for (const std::string& line : player.Trace()) {
    if (pageAt < 0 && line.find("screen 0x6 0x1") != std::string::npos) {
      pageAt = std::stoi(line) + 500;
    }
  }
  test::TempFolder replay;
  test::Process again(
      test::BuiltProgram("rufo"), {},
      ReplayEnvironment(player, replay, std::to_string(pageAt) + ":" + replay.Root() + "page.png"));
  ASSERT_TRUE(again.Start());
  ASSERT_EQ(again.Wait(), 0) << again.StandardError();
  EXPECT_EQ(replay.Read("rt/rufo_progress.tsv"), folder_.Read("rt/rufo_progress.tsv"));
  const Frame page{test::ReadPicture(replay.Root() + "page.png")};
  // The page's paper where nothing is written, and the child's face in the first tab.
  EXPECT_GT(page.Shows("Bitmaps/Parents/bg.png", 0, 420, 440, 60, 0, 420), 0.9);
  const int face = StoredProfile().face;
  EXPECT_GT(page.Shows("Bitmaps/Parents/face1.png", face * 48, 0, 48, 58, 330, 14), 0.9);
  // The tables are written: dark text on the paper under the games' header.
  int ink = 0;
  for (int y = 108; y < 345; ++y) {
    for (int x = 20; x < 360; ++x)
      ink += (page.pixels[y * 640 + x] & 0xFF) < 0x60;
  }
  EXPECT_GT(ink, 2000);
}

}  // namespace
}  // namespace rufo
