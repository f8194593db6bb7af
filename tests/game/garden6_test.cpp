// Garden6 played in-process on the demo data: the picture grids under their lid and the
// ladybird's dots, and the reading of the grid file.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <string>

#include "controls/bitmap_control.h"
#include "engine/interface.h"
#include "game/game_state.h"
#include "gardens/garden6/grid_file.h"
#include "gardens/garden6/ladybird_dots.h"
#include "gardens/garden6/picture_grids.h"
#include "tests/game/garden6_places.h"
#include "tests/game/garden_game.h"

namespace rufo {
namespace {

class Garden6Test : public GardenGameTest {
 protected:
  const PictureGrids& Grids() { return Shown<PictureGrids>(); }
  const LadybirdDots& Ladybird() { return Shown<LadybirdDots>(); }

  platform::Point GapPlace() {
    const platform::Rect& gap = Grids().Gap();
    return {(gap.left + gap.right) / 2, (gap.top + gap.bottom) / 2};
  }
  // Picks a piece up with a click and puts it down in the gap with another, or drags it there
  // with the button held.
  void IntoGap(int piece, bool drag) {
    const platform::Point gap = GapPlace();
    if (drag) {
      MoveTo(GridPieceX(piece), GridPieceY(piece));
      Button(true);
      MoveTo(gap.x, gap.y);
      Button(false);
    } else {
      Click(GridPieceX(piece), GridPieceY(piece));
      Click(gap.x, gap.y);
    }
  }
  int WrongPiece() { return (Grids().Grid().answer + 1) % kGridPieces; }
};

// A drop beside the gap only lets the piece go; a wrong piece in the gap brings the same grid
// back under the lid, a right one (dragged with the button held) another grid, never the same
// twice in a row, with the piece's picture in the gap while the lid is closed.
TEST_F(Garden6Test, GridsFollowTheirAnswersAndABadDropOnlyEndsTheDrag) {
  State().Profile().stickers[1] = 1;  // so that the game goes on past the thresholds
  EnterGame(kScreenPictureGrids);
  AwaitQuestion<PictureGrids>();
  const PictureGrid& grid = Grids().Grid();
  const platform::Point beside = grid.gapRow == 0 && grid.gapColumn == 0 ? platform::Point{290, 350}
                                                                         : platform::Point{86, 148};
  Click(GridPieceX(grid.answer), GridPieceY(grid.answer));
  EXPECT_TRUE(Grids().Carrying());
  EXPECT_TRUE(Visible("I" + std::to_string(grid.answer)));
  Click(beside.x, beside.y);
  EXPECT_FALSE(Grids().Carrying());
  EXPECT_FALSE(Visible("I" + std::to_string(grid.answer)));
  EXPECT_FALSE(Playing("OPEN"));
  EXPECT_TRUE(Grids().AnswerAllowed());
  EXPECT_EQ(Grids().Score().good + Grids().Score().wrong, 0);

  for (int round = 1; round <= 6; ++round) {
    SCOPED_TRACE(round);
    AwaitQuestion<PictureGrids>();
    const int shown = Grids().Current();
    const PictureGrid answered = Grids().Grid();
    const std::string gap =
        "KI" + std::to_string(answered.gapRow) + std::to_string(answered.gapColumn);
    EXPECT_FALSE(Visible(gap));
    IntoGap(WrongPiece(), false);
    EXPECT_EQ(Grids().Score().wrong, round);
    EXPECT_TRUE(Playing("OPEN"));
    EXPECT_FALSE(Grids().AnswerAllowed());
    AwaitQuestion<PictureGrids>();
    EXPECT_EQ(Grids().Current(), shown);
    EXPECT_FALSE(Visible(gap));

    IntoGap(answered.answer, true);
    EXPECT_EQ(Grids().Score().good, round);
    ASSERT_TRUE(Visible(gap));
    EXPECT_EQ(static_cast<const BitmapControl*>(ScriptedControl(gap.c_str()))->GetCurrentFrame(),
              answered.answer);
    AwaitQuestion<PictureGrids>();
    EXPECT_NE(Grids().Current(), shown);
  }
}

// The grid file as the game reads it: three lines to a grid, the answer on any of them.
std::vector<RowFileLine> GridLines(int grids) {
  std::vector<RowFileLine> lines;
  for (int g = 0; g < grids; ++g) {
    for (int row = 0; row < 3; ++row) {
      RowFileLine line;
      for (int column = 0; column < 3; ++column) {
        line.fields[column] = row == 1 && column == g % 3 ? -1 : 4 + row;
        line.given[column] = true;
      }
      if (row == 2) {
        line.fields[3] = g % 4;
        line.given[3] = true;
      }
      lines.push_back(line);
    }
  }
  return lines;
}

constexpr int kStrip = 20;  // the pictures the demo data's cells can show

TEST(GridFile, PlayableGridsAreKeptAndEveryOtherIsLeftOutWithItsLines) {
  std::vector<LeftOutLines> leftOut;
  const auto grids = GridsFromLines(GridLines(24), kStrip, &leftOut);
  ASSERT_EQ(grids.size(), 24u);
  EXPECT_EQ(grids[5].gapRow, 1);
  EXPECT_EQ(grids[5].gapColumn, 2);
  EXPECT_EQ(grids[5].answer, 1);
  EXPECT_EQ(grids[5].pictures[0][0], 4);
  EXPECT_EQ(GridsFromLines(GridLines(40), kStrip, &leftOut).size(), 30u);
  // The empty line after a final line break is no grid.
  auto withEnd = GridLines(24);
  withEnd.emplace_back();
  EXPECT_EQ(GridsFromLines(withEnd, kStrip, &leftOut).size(), 24u);
  EXPECT_TRUE(leftOut.empty());

  const struct {
    const char* reason;
    int line, field, value;
    bool given;
  } faults[] = {
      {"it has no answer", 2, 3, 0, false},
      {"it has no gap", 1, 1, 5, true},
      {"it has more than one gap", 0, 2, -1, true},
      {"its answer 4 is none of the pieces", 2, 3, 4, true},
      {"its picture 20 is not in the strip of 20", 0, 1, kStrip, true},
      {"its picture 999 is not in the strip of 20", 2, 0, 999, true},
      {"its picture -7 is not in the strip of 20", 1, 2, -7, true},
      {"its picture 2147483647 is not in the strip of 20", 0, 0, INT_MAX, true},
  };
  for (const auto& f : faults) {
    SCOPED_TRACE(f.reason);
    auto lines = GridLines(26);
    RowFileLine& line = lines[3 + f.line];
    line.fields[f.field] = f.value;
    line.given[f.field] = f.given;
    leftOut.clear();
    const auto kept = GridsFromLines(lines, kStrip, &leftOut);
    ASSERT_EQ(kept.size(), 25u);
    EXPECT_EQ(kept[1].answer, 2) << "the second grid kept is the file's third";
    ASSERT_EQ(leftOut.size(), 1u);
    EXPECT_EQ(leftOut[0].first, 4u);
    EXPECT_EQ(leftOut[0].last, 6u);
    EXPECT_EQ(leftOut[0].reason, f.reason);
  }

  // Two lines after the last grid are no grid.
  auto unfinished = GridLines(24);
  unfinished.push_back(GridLines(1)[0]);
  unfinished.push_back(GridLines(1)[1]);
  leftOut.clear();
  EXPECT_EQ(GridsFromLines(unfinished, kStrip, &leftOut).size(), 24u);
  ASSERT_EQ(leftOut.size(), 1u);
  EXPECT_EQ(leftOut[0].first, 73u);
  EXPECT_EQ(leftOut[0].last, 74u);
}

// The demo data's grid file with grids of the test's own after its 24: the strip of the cells
// decides which pictures a grid may show.
class GridFileTest : public Garden6Test {
 protected:
  void BeforeStart() override {
    const fs::path file = CopyOfDemoData() / "Data" / "Garden6" / "LOG" / "log.dat";
    std::ofstream(file, std::ios::app | std::ios::binary)
        << "0,1,2,1\r\n3,-1,19\r\n0,1,2\r\n0,1,2,1\r\n3,-1,20\r\n0,1,2\r\n";
  }
};

TEST_F(GridFileTest, AGridShowingAPictureOutsideTheStripIsLeftOutAndLogged) {
  EnterGame(kScreenPictureGrids);
  AwaitQuestion<PictureGrids>();
  const std::string log = engine_.LogText();
  EXPECT_NE(log.find("\"Data\\Garden6\\Log\\log.dat\": lines 76 to 78 left out: its picture 20 "
                     "is not in the strip of 20\n"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("lines 73 to 75"), std::string::npos) << log;
}

// Ladybirds come with other dots each time; one left unanswered lands and counts neither way.
TEST_F(Garden6Test, LadybirdsChangeTheirDotsAndAnUnansweredOneCountsNeitherWay) {
  State().Profile().stickers[0] = 1;
  EnterGame(kScreenLadybirdDots);
  int previous = 0;
  for (int round = 0; round < 8; ++round) {
    SCOPED_TRACE(round);
    AwaitQuestion<LadybirdDots>();
    const int dots = Ladybird().Dots();
    EXPECT_NE(dots, previous);
    previous = dots;
    const GameScore before = Ladybird().Score();
    if (round % 2 == 0) {
      Click(DotsButtonX(dots), DotsButtonY(dots));
      EXPECT_EQ(Ladybird().Score().good, before.good + 1);
      RunUntil([&] { return Ladybird().Dots() != dots; });
      continue;
    }
    RunUntil([&] { return Ladybird().Landing(); });
    EXPECT_FALSE(Ladybird().AnswerAllowed());
    EXPECT_EQ(Ladybird().Kind(), LadybirdDots::kLandedSpeech);
    RunUntil([&] { return Ladybird().Dots() != dots; });
    EXPECT_EQ(Ladybird().Score().good, before.good);
    EXPECT_EQ(Ladybird().Score().wrong, before.wrong);
  }
}

// A wrong answer lets the ladybird fall from the next of its fall points; the third, without
// the sticker, waits for the fall and the return before the loss is said.
TEST_F(Garden6Test, WrongAnswersFallAtTheFallPointsAndTheThirdLosesAfterTheReturn) {
  EnterGame(kScreenLadybirdDots);
  for (int wrong = 1; wrong <= 3; ++wrong) {
    SCOPED_TRACE(wrong);
    AwaitQuestion<LadybirdDots>();
    const int dots = Ladybird().Dots();
    const std::string flying = "B" + std::to_string(dots);
    Click(DotsButtonX(dots % 9 + 1), DotsButtonY(dots % 9 + 1));
    EXPECT_TRUE(Ladybird().FallPending());
    int frame = -1;
    RunUntil([&] {
      frame = ScriptedAnimation(flying.c_str())->GetCurrentFrame();
      return !Ladybird().FallPending();
    });
    EXPECT_EQ(frame, 7);
    EXPECT_FALSE(Visible(flying));
    EXPECT_TRUE(Playing(flying + "_B"));
    if (wrong < 3) {
      EXPECT_NE(Ladybird().Kind(), Ladybird().Info().speeches.loss);
      RunUntil([&] { return Ladybird().Dots() != dots; });
      continue;
    }
    EXPECT_NE(Ladybird().Kind(), Ladybird().Info().speeches.loss);
    RunUntil([&] { return Ladybird().Returning(); });
    EXPECT_TRUE(Playing("B_START"));
    EXPECT_NE(Ladybird().Kind(), Ladybird().Info().speeches.loss);
    RunUntil([&] { return Ladybird().Kind() == Ladybird().Info().speeches.loss; });
    EXPECT_FALSE(Playing("B_START"));
    RunUntil([&] { return OnScreen(kScreenLearnCounting); });
  }
}

}  // namespace
}  // namespace rufo
