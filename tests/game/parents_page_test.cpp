// The parents' key on the Start screen and the parents' page, in-process on the demo data: the
// key opens the page only when held for three seconds, or at F9; the page shows what can be read
// of a record that is cut, damaged or far too large, and leads back to a greeting Start screen.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>

#include "game/parents_key.h"
#include "game/parents_page.h"
#include "game/progress.h"
#include "progress/catalogue.h"
#include "progress/summary.h"
#include "tests/game/demo_game.h"
#include "tests/game/parents_places.h"

namespace rufo {
namespace {

// The user file with slot 1 in use, with face 3 and sticker 7.
void WriteProfile(const test::TempFolder& folder) {
  ProfileTable table;
  table.fill(ProfileRecord::Empty());
  table[1].inUse = 1;
  table[1].face = 3;
  table[1].stickers[7] = 1;
  folder.Write("runtime/rufo_usr.dat", UserFileBytes(table));
}

std::string Line(const progress::Event& event) {
  return progress::FormatLine(event);
}

const progress::Stamp kMorning{*progress::ParseDate("2025-03-03"), 9 * 3600};

class ParentsPageTest : public DemoGameTest {
 protected:
  void BeforeStart() override { WriteProfile(engine_.Folder()); }

  const ParentsScreen& Page() { return Shown<ParentsScreen>(); }
  void Release() {
    engine_.Play("0 lup");
    Step();
  }
  std::string DebugLog() { return engine_.Folder().Read("runtime/Debug.log"); }
};

TEST_F(ParentsPageTest, F9OrTheKeyHeldForThreeSecondsOpensThePage) {
  Key("F9");
  RunUntil([&] { return OnScreen(kScreenParents); });
  EXPECT_FALSE(Page().ReadRecord().opened) << "no record yet";
  EXPECT_EQ(Page().ShownChild(), 1) << "a child with a profile is listed without a record";
  Key("Escape");
  RunUntil([&] { return OnScreen(kScreenStart); });
  Run(200);
  Click(kParentsKeyX, kParentsKeyY);
  Run(4000);
  EXPECT_TRUE(OnScreen(kScreenStart)) << "a click opens nothing";
  // Held, then the mouse slides off the key: nothing either.
  Press(kParentsKeyX, kParentsKeyY);
  Run(2000);
  engine_.Play("0 move 100 15");
  Run(2000);
  Release();
  EXPECT_TRUE(OnScreen(kScreenStart));
  // Held for a little under three seconds: nothing; the ring has filled twice by then.
  Press(kParentsKeyX, kParentsKeyY);
  Run(2900);
  EXPECT_EQ(dynamic_cast<ParentsKey*>(FindControl(kParentsKeyId))->GetCurrentFrame(), 2);
  Release();
  Run(500);
  EXPECT_TRUE(OnScreen(kScreenStart));
  EXPECT_EQ(dynamic_cast<ParentsKey*>(FindControl(kParentsKeyId))->GetCurrentFrame(), 0);
  // Three seconds: the page.
  Press(kParentsKeyX, kParentsKeyY);
  RunUntil([&] { return OnScreen(kScreenParents); });
  Release();
  EXPECT_EQ(Page().ShownChild(), 1);
  // Its button leads back to the Start screen, which greets again.
  Click(kPageBackX, kPageBackY);
  RunUntil([&] { return OnScreen(kScreenStart); });
  EXPECT_EQ(SpeechKind(), kSpeechWait);
}

TEST_F(ParentsPageTest, NothingOpensWhileTheDeleteQuestionIsUp) {
  RunUntil([] { return SpeechKind() == kSpeechIntro; });
  Click(600, 40);
  Click(311, 245);  // slot 2's sponge: no face, no question
  Click(172, 165);  // slot 1's sponge: the question
  ASSERT_TRUE(ModalDialog());
  Key("F9");
  Press(kParentsKeyX, kParentsKeyY);
  Run(3500);
  Release();
  EXPECT_TRUE(OnScreen(kScreenStart));
}

// A record as a power cut, a damaged disk or something else may leave it.
class DamagedRecordTest : public ParentsPageTest, public ::testing::WithParamInterface<int> {
 protected:
  void BeforeStart() override {
    WriteProfile(engine_.Folder());
    const std::string path = engine_.RuntimeRoot() + progress::kRecordFileName;
    std::ofstream out(path, std::ios::binary);
    const std::string good = Line(progress::Event::Answer(kMorning, 1, 0x202, true));
    switch (GetParam()) {
      case 0:  // cut in the middle of its last line
        out << good << good.substr(0, 20);
        break;
      case 1:  // garbage between whole lines
        out << good << "\x01\x02garbage\tline\n"
            << std::string(100000, 'x') << "\n"
            << good << "\n\n";
        break;
      case 2: {  // fifty megabytes of whole lines, more than is read
        std::string block;
        while (block.size() < (1u << 20))
          block += good;
        for (int i = 0; i < 50; ++i)
          out << block;
        out << good;
        break;
      }
    }
  }
};

TEST_P(DamagedRecordTest, TheGamePlaysOnAndThePageShowsWhatCouldBeRead) {
  // The game is at the Start screen already; the page reads what it can, promptly.
  const auto start = std::chrono::steady_clock::now();
  Key("F9");
  RunUntil([&] { return OnScreen(kScreenParents); });
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  const progress::Record& record = Page().ReadRecord();
  EXPECT_TRUE(record.opened);
  EXPECT_GE(record.events.size(), 1u);
  EXPECT_EQ(Page().ShownChild(), 1);
  EXPECT_NE(DebugLog().find("is damaged"), std::string::npos);
  // Back and in again: the damage is logged once a run.
  Key("Escape");
  RunUntil([&] { return OnScreen(kScreenStart); });
  Key("F9");
  RunUntil([&] { return OnScreen(kScreenParents); });
  const std::string log = DebugLog();
  EXPECT_EQ(log.find("is damaged"), log.rfind("is damaged"));
}

INSTANTIATE_TEST_SUITE_P(Records, DamagedRecordTest, ::testing::Values(0, 1, 2));

TEST_F(ParentsPageTest, ALessonCountsWhenEnteredFromTheHubOrALostGameOnly) {
  State().currentProfile = 1;
  for (ScreenId id :
       {kScreenLearnHub, kScreenLearnCounting, kScreenFrogCount, kScreenLearnCounting, kScreenAlbum,
        kScreenLearnCounting, kScreenGarden1, kScreenLearnHub, kScreenLearnShapes}) {
    GoTo(id);
  }
  const progress::Record record =
      progress::ReadRecord(engine_.RuntimeRoot() + progress::kRecordFileName);
  const progress::ChildProgress child = progress::Summarise(record.events, 1, kMorning.day);
  EXPECT_EQ(child.lessons[progress::LessonIndex(kScreenLearnCounting)].visits, 2);
  EXPECT_EQ(child.lessons[progress::LessonIndex(kScreenLearnCounting)].afterLoss, 1);
  EXPECT_EQ(child.lessons[progress::LessonIndex(kScreenLearnShapes)].visits, 1);
  EXPECT_EQ(child.lessons[progress::LessonIndex(kScreenLearnShapes)].afterLoss, 0);
}

TEST_F(ParentsPageTest, ARecordPastItsLimitIsFoldedWithItsTotalsKept) {
  const std::string path = engine_.RuntimeRoot() + progress::kRecordFileName;
  {
    std::ofstream out(path, std::ios::binary);
    for (int day = 0; day < 60; ++day) {
      for (int i = 0; i < 120; ++i) {
        const progress::Stamp when{kMorning.day - day, 9 * 3600 + i};
        out << Line(progress::Event::Answer(when, 1, 0x202 + i % 2, i % 3 > 0));
      }
    }
  }
  ASSERT_GT(std::filesystem::file_size(path), progress::kFoldAt);
  const progress::ChildProgress before =
      progress::Summarise(progress::ReadRecord(path).events, 1, kMorning.day);
  State().currentProfile = 1;
  progress::Answer(kScreenFrogCount, true);
  EXPECT_LT(std::filesystem::file_size(path), 20000u);
  const progress::Record record = progress::ReadRecord(path);
  EXPECT_EQ(record.damagedLines, 0u);
  const progress::ChildProgress after = progress::Summarise(record.events, 1, kMorning.day);
  EXPECT_EQ(after.games[0].good, before.games[0].good + 1);
  EXPECT_EQ(after.games[0].wrong, before.games[0].wrong);
  EXPECT_EQ(after.games[1].good, before.games[1].good);
}

TEST_F(ParentsPageTest, ARecordThatCannotBeWrittenOrReadDoesNotStopTheGame) {
  // A folder where the record should be: nothing can be appended to it.
  std::filesystem::create_directories(engine_.RuntimeRoot() + progress::kRecordFileName);
  State().currentProfile = 1;
  GoTo(kScreenFrogCount);
  progress::Answer(kScreenFrogCount, true);
  progress::Answer(kScreenFrogCount, false);
  Run(100);
  const std::string log = DebugLog();
  EXPECT_NE(log.find("Cannot write the progress record"), std::string::npos);
  EXPECT_EQ(log.find("Cannot write the progress record"),
            log.rfind("Cannot write the progress record"));
  GoTo(kScreenGarden1);
  EXPECT_TRUE(OnScreen(kScreenGarden1));
  // Nor can it be read: the page opens empty.
  GoTo(kScreenParents);
  EXPECT_FALSE(Page().ReadRecord().opened);
  EXPECT_EQ(Page().ShownChild(), 1);
}

}  // namespace
}  // namespace rufo
