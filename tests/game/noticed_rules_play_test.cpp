// Rules a child notices, played from outside on the demo data: what RUFO asks, which answers
// count and what the screen shows. Each test names what the child would see or hear go wrong.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/game/garden2_places.h"
#include "tests/game/garden3_places.h"
#include "tests/game/garden5_places.h"
#include "tests/game/garden_game.h"
#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

class NoticedRulesPlay : public LivePlayTest {};

// The flowers never ask for the same colour twice running, over fifty questions: ten to the
// sticker, then forty more on the next visit, where the game goes on for as long as the child
// plays.
TEST_F(NoticedRulesPlay, TheFlowersNeverAskForTheSameColourTwiceRunning) {
  test::LivePlayer player(folder_, Environment("11", 1800000));
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(Walk(player, true, {"0x201 0x101"}));
  for (int answers : {10, 40}) {
    ASSERT_NO_FATAL_FAILURE(Enter(player, kGardenFlowersX, kGardenFlowersY,
                                  "speak MLUVI Sounds\\Garden1\\COL\\sp_intro"));
    int previous = -1;
    for (int i = 0; i < answers; ++i) {
      const int colour = AnswerIn(player.AwaitLine("question 0x203"));
      ASSERT_GE(colour, 0) << "question " << i;
      EXPECT_NE(colour, previous) << "the same colour asked again at question " << i;
      previous = colour;
      player.Click(FlowerX(colour), kFlowerY);
    }
    if (answers == 10) {
      ASSERT_NE(player.AwaitLine("sticker 8"), "");
      ASSERT_NO_FATAL_FAILURE(LeaveAlbum(player, kScreenGarden1));
    }
  }
  EndPlay(player);
}

// The watering takes no answer while RUFO speaks: the right bed clicked during his correction
// counts for nothing, and once he has finished it counts. The series' gap takes a piece let go
// on its very edges, and nothing one pixel past them.
TEST_F(NoticedRulesPlay, WateringWaitsForRufoAndTheSeriesGapTakesItsEdges) {
  test::LivePlayer player(folder_, Environment("11"));
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(Walk(player, true, {"0x201 0x101", "0x301 0x201"}));

  ASSERT_NO_FATAL_FAILURE(
      Enter(player, kWellX, kWellY, "speak MLUVI Sounds\\Garden2\\DIR\\sp_intro"));
  const std::string asked = player.AwaitLine("question 0x302 control ");
  int direction = 0;
  for (int d = 1; d <= Watering::kDirections; ++d) {
    if (asked.ends_with(std::string(" ") + Watering::Button(d))) direction = d;
  }
  ASSERT_GT(direction, 0) << asked;
  const auto [wrongX, wrongY] = kBeds[direction % Watering::kDirections + 1];
  player.Click(wrongX, wrongY);
  ASSERT_NE(player.AwaitLine("answer 0x302 wrong 0 1"), "");
  ASSERT_NE(player.AwaitLine("speak MLUVI Sounds\\GB_UNI\\BAD_1\\"), "");
  const auto [x, y] = kBeds[direction];
  player.Click(x, y);
  EXPECT_EQ(player.AwaitLine("answer 0x302", 300), "") << "an answer taken while RUFO speaks";
  player.Advance(5000);
  player.Click(x, y);
  EXPECT_NE(player.AwaitLine("answer 0x302 good 1 1", 1000), "");

  Back(player);
  ASSERT_NE(player.AwaitLine("screen 0x301 0x302"), "");
  ASSERT_NO_FATAL_FAILURE(
      Enter(player, kBirdX, kBirdY, "speak MLUVI Sounds\\Garden2\\LOG\\sp_intro"));
  // "drag V to L,T,R,B": the gap from L,T to R,B, its right and bottom edges just outside.
  const std::regex drag(" drag (\\d) to (\\d+),(\\d+),(\\d+),(\\d+)$");
  std::smatch m;
  std::string line = player.AwaitLine("question 0x304");
  ASSERT_TRUE(std::regex_search(line, m, drag)) << line;
  int piece = std::stoi(m[1]);
  const int left = std::stoi(m[2]), top = std::stoi(m[3]);
  const int right = std::stoi(m[4]), bottom = std::stoi(m[5]);
  // Let go one pixel right of the gap, the piece stays with the mouse; a click there puts it
  // back without a verdict.
  player.Press(PieceX(piece), kPieceY);
  player.Release(right, bottom - 1);
  player.Click(right, bottom - 1);
  EXPECT_EQ(player.AwaitLine("answer 0x304", 300), "") << "a piece beside the gap was judged";
  player.Press(PieceX(piece), kPieceY);
  player.Release(right - 1, bottom - 1);
  EXPECT_NE(player.AwaitLine("answer 0x304 good 1 0", 1000), "") << "the gap's lower right corner";
  line = player.AwaitLine("question 0x304");
  ASSERT_TRUE(std::regex_search(line, m, drag)) << line;
  piece = std::stoi(m[1]);
  player.Press(PieceX(piece), kPieceY);
  player.Release(std::stoi(m[2]), std::stoi(m[3]));
  EXPECT_NE(player.AwaitLine("answer 0x304 good 2 0", 1000), "") << "the gap's upper left corner";
  EXPECT_GT(right - left, 0);
  EXPECT_GT(bottom - top, 0);
  EndPlay(player);
}

// When the light comes back after the tenth tool, the badge "S" shows only once the sticker is
// earned.
TEST_F(NoticedRulesPlay, AfterTheDarkTheBadgeShowsOnlyWithTheSticker) {
  test::LivePlayer player(folder_, Environment("5", 1800000));
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(Walk(player, true, {"0x201", "0x301", "0x401"}));
  std::vector<int> lightBack;
  for (int visit = 0; visit < 2; ++visit) {
    player.Advance(500);
    ASSERT_NO_FATAL_FAILURE(Enter(player, 290, 280, "speak MLUVI Sounds\\Garden3\\NOT\\sp_intro"));
    for (int i = 0; i < 10; ++i)
      AnswerTools(player, player.AwaitLine("question 0x402"), true);
    ASSERT_NE(player.AwaitLine("speak ZHAS Bitmaps\\Garden3\\NOT\\Ani\\bzhas"), "");
    const std::string asked = player.AwaitLine("question 0x402");
    ASSERT_NE(asked, "");
    lightBack.push_back(std::stoi(asked) + 200);
    if (visit == 0) {
      // Five more tools earn the sticker.
      AnswerTools(player, asked, true);
      for (int i = 0; i < 4; ++i)
        AnswerTools(player, player.AwaitLine("question 0x402"), true);
      ASSERT_NE(player.AwaitLine("sticker 12"), "");
      ASSERT_NO_FATAL_FAILURE(LeaveAlbum(player, kScreenGarden3));
    }
  }
  player.Advance(1000);  // past the last moment shot
  EndPlay(player);
  const std::vector<Frame> frames = ReplayFrames(player, "5", lightBack);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_LT(frames[0].ShowsWhole("Bitmaps/Garden3/NOT/S.png", 0, 406), 0.5)
      << "the badge without the sticker";
  EXPECT_GT(frames[1].ShowsWhole("Bitmaps/Garden3/NOT/S.png", 0, 406), 0.9)
      << "no badge with the sticker";
}

// Each flower layout of the meadow has its own caterpillar: that one sits on the leaf while the
// flowers grow, and while it asks for a colour.
TEST_F(NoticedRulesPlay, TheMeadowShowsTheCaterpillarOfItsLayout) {
  test::LivePlayer player(folder_, Environment("11"));
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(Walk(player, false, {"0x701 0x101", "0x601 0x701"}));
  ASSERT_NO_FATAL_FAILURE(Enter(player, 314, 290, "speak MLUVI Sounds\\Garden5\\COL\\sp_intro"));
  std::vector<int> moments, layouts;
  for (int i = 0; i < 7; ++i) {
    const std::string question = player.AwaitLine("question 0x603");
    ASSERT_NE(question, "");
    // The flowers that grew last: "MS speak K_n Bitmaps\Garden5\COL\Ani\k_1".
    int layout = 0, grown = 0;
    for (const std::string& line : player.Trace()) {
      const size_t at = line.find(" speak K_");
      if (at != std::string::npos && line.ends_with("\\k_1")) {
        layout = line[at + 9] - '0';
        grown = std::stoi(line);
      }
    }
    ASSERT_GT(layout, 0);
    moments.insert(moments.end(), {grown + 100, std::stoi(question) + 200});
    layouts.insert(layouts.end(), {layout, layout});
    const auto [x, y] = FlowerAt(std::stoi(question.substr(question.rfind(' ') + 1)));
    player.Click(x, y);
  }
  EXPECT_EQ(std::set<int>(layouts.begin(), layouts.end()).size(), 3u) << "every layout came";
  player.Advance(1000);  // past the last moment shot
  EndPlay(player);
  const std::vector<Frame> frames = ReplayFrames(player, "11", moments);
  ASSERT_EQ(frames.size(), moments.size());
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE((i % 2 ? "asking, layout " : "growing, layout ") + std::to_string(layouts[i]));
    for (int caterpillar = 1; caterpillar <= 3; ++caterpillar) {
      const double shown = frames[i].ShowsAnimation(
          "Bitmaps/Garden5/COL/Ani/AM_" + std::to_string(caterpillar) + ".ani", 455, 25);
      if (caterpillar == layouts[i]) {
        EXPECT_GT(shown, 0.9) << "without its caterpillar";
      } else {
        EXPECT_LT(shown, 0.8) << "with caterpillar " << caterpillar;
      }
    }
  }
}

}  // namespace
}  // namespace rufo
