// The notions, pantry and shapes lessons in-process on the demo data: the hiding places taking
// one choice at a time; the pantry's carrying and drops, its surprise after three tidy shelves,
// its row file's faults; the shapes' names and pictures.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "controls/bitmap_control.h"
#include "engine/interface.h"
#include "game/game_state.h"
#include "learn/notions_lesson.h"
#include "learn/pantry_lesson.h"
#include "learn/shapes_lesson.h"
#include "tests/game/garden_game.h"
#include "tests/game/left_out.h"
#include "tests/game/lessons_places.h"

namespace rufo {
namespace {

class NotionsTest : public GardenGameTest {
 protected:
  const NotionsLesson& Notions() { return Shown<NotionsLesson>(); }
  void ClickPlace(int place) { Click(kPlaceX[place], kPlaceY[place]); }
  void AwaitChoice() {
    RunUntil([&] { return Notions().Clickable() && !Learning().speaking; });
  }
};

// While RUFO dives in and the mushroom talks no other place is taken, his own place never; the
// mushroom of the place he left hides.
TEST_F(NotionsTest, OnePlaceAtATime) {
  GoTo(kScreenLearnNotions);
  EXPECT_TRUE(Visible("SKOK"));
  RunUntil([&] { return Learning().speechKind == kNotionsIntroKind && Learning().speaking; });
  Release();
  AwaitChoice();
  ClickPlace(3);
  EXPECT_TRUE(Playing("SKOK"));
  for (int place : {5, 3}) {
    ClickPlace(place);
    EXPECT_EQ(Notions().CurrentPlace(), 3);
  }
  RunUntil([&] { return Playing("A3"); });
  ClickPlace(5);
  RunUntil([&] { return Learning().speechKind == kNotionsFirstRemarkKind && Playing("M3"); });
  ClickPlace(5);
  EXPECT_EQ(Notions().CurrentPlace(), 3);
  EXPECT_FALSE(Visible("A3"));
  AwaitChoice();
  EXPECT_TRUE(Visible("M3"));
  ClickPlace(3);
  EXPECT_FALSE(Playing("H3"));
  ClickPlace(6);
  EXPECT_EQ(Notions().CurrentPlace(), 6);
  EXPECT_FALSE(Visible("M3"));
  EXPECT_TRUE(Playing("H3"));
  EXPECT_TRUE(Playing("H6"));
  RunUntil([&] { return Playing("M6"); });
}

constexpr int kWallX = 440, kWallY = 60;

class PantryTest : public GardenGameTest {
 protected:
  const PantryLesson& Pantry() { return Shown<PantryLesson>(); }
  // Enters the pantry, skips the introduction and waits until shelf `shelf`'s gap is open.
  void EnterAndAwaitShelf(int shelf) {
    GoTo(kScreenLearnPantry);
    RunUntil([&] { return Learning().speechKind == kPantryIntroKind && Learning().speaking; });
    Release();
    AwaitShelf(shelf);
  }
  void AwaitShelf(int shelf) {
    RunUntil([&] {
      return Pantry().CurrentShelf() == shelf && Learning().speechKind == 60 &&
             !Learning().speaking;
    });
  }
  // Carries `item` from the crate and drops it at (x, y).
  void Carry(int item, int x, int y) {
    Click(ItemX(item), kItemY);
    EXPECT_TRUE(Visible("I_ON_MOUSE"));
    Click(x, y);
    EXPECT_FALSE(Visible("I_ON_MOUSE"));
  }
  // Carries the right thing into the current shelf's gap.
  void FillGap() {
    const int shelf = Pantry().CurrentShelf();
    const Control* gap = ScriptedControl(Pantry().GapControl(shelf).c_str());
    ASSERT_NE(gap, nullptr);
    Carry(Pantry().Answer(shelf), gap->Position().x + 63, gap->Position().y + 63);
  }
};

TEST_F(PantryTest, OnlyTheRightThingDroppedInsideTheGapFillsIt) {
  EnterAndAwaitShelf(0);
  const int answer = Pantry().Answer(0);
  const Control* gap = ScriptedControl(Pantry().GapControl(0).c_str());
  ASSERT_NE(gap, nullptr);
  const platform::Point at = gap->Position();
  // Outside the gap (the wall, and just past its right and bottom edges) nothing happens.
  for (auto [x, y] : {std::pair{kWallX, kWallY}, std::pair{at.x + 64, at.y + 10},
                      std::pair{at.x + 10, at.y + 64}}) {
    Carry(answer, x, y);
    Run(100);
    EXPECT_TRUE(gap->IsHidden());
    EXPECT_FALSE(Playing("BAD"));
    EXPECT_FALSE(Learning().speaking);
  }
  // A wrong thing in the gap: the cross, then a correction; the gap stays empty.
  Carry((answer + 1) % 6, at.x, at.y);
  EXPECT_TRUE(Playing("BAD"));
  RunUntil([&] { return Learning().speechKind == kLearningCorrectionKind; });
  EXPECT_TRUE(gap->IsHidden());
  RunUntil([&] { return !Learning().speaking; });
  Carry(answer, at.x, at.y);
  EXPECT_FALSE(gap->IsHidden());
  EXPECT_EQ(dynamic_cast<const BitmapControl*>(gap)->GetCurrentFrame(), answer);
  EXPECT_EQ(Learning().speechKind, kPantryRemarkKind);
  AwaitShelf(1);
}

TEST_F(PantryTest, ThreeTidyShelvesBringTheSurprisePraiseAndThreeNewShelves) {
  EnterAndAwaitShelf(0);
  const int firstStart = Pantry().StartRow();
  EXPECT_GE(firstStart, 1);
  EXPECT_LE(firstStart, 18);
  for (int shelf = 0; shelf < 3; ++shelf) {
    AwaitShelf(shelf);
    FillGap();
  }
  EXPECT_TRUE(Playing("GOOD"));
  // Nothing more goes in meanwhile.
  Click(ItemX(0), kItemY);
  Click(kWallX, kWallY);
  RunUntil([&] { return Playing("POKLICE"); });
  EXPECT_FALSE(Visible("START"));
  RunUntil(
      [&] { return Playing("CERT") || Playing("ZABA") || Playing("PRASE") || Playing("MROZ"); });
  RunUntil([&] { return Playing("START"); });
  EXPECT_FALSE(Visible("POKLICE"));
  RunUntil([&] { return Learning().speechKind == kLearningPraiseKind && Learning().speaking; });
  // Three new shelves: each gap hidden, the other places showing their rows' things.
  EXPECT_NE(Pantry().StartRow(), firstStart);
  for (int shelf = 0; shelf < 3; ++shelf) {
    const std::string gap = Pantry().GapControl(shelf);
    EXPECT_FALSE(gap.empty());
    EXPECT_FALSE(Visible(gap)) << gap;
  }
  AwaitShelf(0);
}

// Rows no shelf can show are left out, one by one; a file left with fewer rows than every start
// row the lesson may draw needs is refused as a whole.
struct RowCase {
  int kept;    // the demo file's first rows kept
  int broken;  // a row given no gap, or -1
  bool fatal;
};

class PantryRowsTest : public PantryTest, public ::testing::WithParamInterface<RowCase> {
 protected:
  void BeforeStart() override {
    const fs::path file = CopyOfDemoData() / "Data" / "LearnG" / "LOG" / "log.dat";
    std::ifstream in(file);
    std::string rows, line;
    for (int i = 0; i < GetParam().kept && std::getline(in, line); ++i)
      rows += (i == GetParam().broken ? "1,2,1,2,1,2" : line) + "\n";
    in.close();
    std::ofstream(file, std::ios::trunc) << rows;
  }
};

TEST_P(PantryRowsTest, TheLessonNeedsTwentyOneRowsWithGaps) {
  if (GetParam().fatal) {
    // The game's sound threads run: the child must start afresh rather than be forked mid-run.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(GoTo(kScreenLearnPantry), ::testing::ExitedWithCode(255),
                "Chyba pri nacitani skriptu Log.dat!");
    return;
  }
  EnterAndAwaitShelf(0);
  const std::string log = engine_.LogText();
  if (GetParam().broken < 0) {
    EXPECT_EQ(log.find("left out"), std::string::npos) << log;
  } else {
    EXPECT_NE(log.find("\"Data\\LearnG\\Log\\log.dat\": line " +
                       std::to_string(GetParam().broken + 1) + " left out: it has no gap\n"),
              std::string::npos)
        << log;
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, PantryRowsTest,
                         ::testing::Values(RowCase{20, -1, true}, RowCase{21, -1, false},
                                           RowCase{30, 2, false}, RowCase{22, 0, false},
                                           RowCase{21, 20, true}));

// Each row's fault, in the words of the log.
TEST(ShelfRows, KeepRowsWithAGapAndThingsAndSayWhyOthersGo) {
  std::vector<RowFileLine> lines;
  for (const char* text : {"0,-1,2,3,4,1", "", "0,1,2,3,4,5", "0,-1,6,3,4,1", "0,-1,-2,3,4,1",
                           "0,-1,2,3,4,6", "-1,-1,2,3,4,0", "0,-1,2,3,4"})
    lines.push_back(ParseRowFileLine(text));
  std::vector<LeftOutLines> leftOut;
  const std::vector<RowFileLine> rows = ShelfRows(lines, &leftOut);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].fields[0], -1);
  EXPECT_EQ(LeftOutReasons(leftOut), (std::vector<std::string>{
                                         "3: it has no gap",
                                         "4: its thing 6 is none of the things 0 to 5",
                                         "5: its thing -2 is none of the things 0 to 5",
                                         "6: its answer 6 is none of the things 0 to 5",
                                     }));
}

class ShapesTest : public GardenGameTest {
 protected:
  const ShapesLesson& Shapes() { return Shown<ShapesLesson>(); }
  void AwaitPicture() {
    RunUntil([&] { return Shapes().Clickable() && !Learning().speaking; });
  }
};

// Each click lights up that shape alone; the picture after a remark is drawn from all four, the
// one shown included.
TEST_F(ShapesTest, EachClickLightsItsShapeAndAnyPictureMayComeNext) {
  GoTo(kScreenLearnShapes);
  RunUntil([&] { return Learning().speechKind == kShapesIntroKind && Learning().speaking; });
  Release();
  bool repeated = false;
  int previous = -1;
  for (int round = 0; round < 40 && !repeated; ++round) {
    AwaitPicture();
    const int scene = Shapes().Scene();
    for (int s = 0; s < 4; ++s)
      EXPECT_EQ(Visible("S" + std::to_string(s)), s == scene);
    repeated = scene == previous;
    previous = scene;
    const int shape = (round * 3) % 4;
    Click(kShapeAt[scene][shape][0], kShapeAt[scene][shape][1]);
    EXPECT_FALSE(Shapes().Clickable());
    for (int s = 0; s < 4; ++s)
      EXPECT_EQ(Visible("I" + std::to_string(s)), s == shape);
    RunUntil([&] { return Learning().speechKind == kShapesRemarkKind; });
  }
  EXPECT_TRUE(repeated) << "no picture followed itself";
}

}  // namespace
}  // namespace rufo
