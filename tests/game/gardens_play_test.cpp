// Gardens 1, 2, 3 and 6 played from outside on the demo data, as a child would: the program
// runs headless, input goes in as game time passes and the answers are clicked where the trace
// says. From the Start screen along the gardens, each game is lost into its lesson, taken up
// again from there and won to its sticker. Garden1's play, replayed from a file, gives the same
// trace.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "gardens/garden2/colour_things.h"
#include "tests/game/garden2_places.h"
#include "tests/game/garden3_places.h"
#include "tests/game/garden6_places.h"
#include "tests/game/garden_game.h"
#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

class GardensPlay : public LivePlayTest {};

// "control NAME": the bed of that button, or of the next direction's for a wrong answer.
void Water(test::LivePlayer& player, const std::string& line, bool right) {
  for (int direction = 1; direction <= Watering::kDirections; ++direction) {
    if (line.ends_with(std::string(" control ") + Watering::Button(direction))) {
      const auto [x, y] = kBeds[right ? direction : direction % Watering::kDirections + 1];
      player.Click(x, y);
      return;
    }
  }
  ADD_FAILURE() << "no button in " << line;
}

// "drag V to L,T,R,B": the piece V that fills the gap, and the gap's middle.
struct Drop {
  int piece, x, y;
};
Drop DropIn(const std::string& line) {
  std::smatch m;
  if (!std::regex_search(line, m, std::regex(" drag (\\d+) to (\\d+),(\\d+),(\\d+),(\\d+)$"))) {
    ADD_FAILURE() << "no drag in " << line;
    return {0, 0, 0};
  }
  return {std::stoi(m[1]), (std::stoi(m[2]) + std::stoi(m[4])) / 2,
          (std::stoi(m[3]) + std::stoi(m[5])) / 2};
}

// The piece of the series (or the next one) held down and let go in the gap.
void DragPiece(test::LivePlayer& player, const std::string& line, bool right) {
  const Drop drop = DropIn(line);
  player.Press(PieceX((drop.piece + !right) % 5), kPieceY);
  player.Release(drop.x, drop.y);
}

// The piece of the grid (or its neighbour on the tray) carried into the gap with two clicks.
void CarryPiece(test::LivePlayer& player, const std::string& line, bool right) {
  const Drop drop = DropIn(line);
  const int piece = (drop.piece + !right) % 4;
  player.Click(GridPieceX(piece), GridPieceY(piece));
  player.Click(drop.x, drop.y);
}

// The number of dots ("hit V": V + 1 dots), or one more, clicked while the ladybird flies.
void CountDots(test::LivePlayer& player, const std::string& line, bool right) {
  const int number = AnswerIn(line) + 1 + !right;
  player.Advance(400);
  player.Click(DotsButtonX(number), DotsButtonY(number));
}

// A flower of the asked colour (or the next one) into the asked bed.
void AnswerBeds(test::LivePlayer& player, const std::string& line, bool right) {
  const auto [colour, bed] = Garden3Question(line);
  player.Click(kPotX[right ? colour : (colour + 1) % 4], kPotY);
  player.Click(kBedX[bed], kBedY[bed]);
}

// Whether the lines come in the trace in this order.
bool InOrder(const std::vector<std::string>& trace, const std::vector<std::string>& lines) {
  size_t next = 0;
  for (const std::string& line : trace) {
    if (next < lines.size() && line.find(lines[next]) != std::string::npos) ++next;
  }
  return next == lines.size();
}

// Clicks at the place of the hit value the question names, or of the next one.
void ClickFrog(test::LivePlayer& player, const std::string& line, bool right) {
  player.Click(NumberButtonX((AnswerIn(line) + !right) % 10 + 1), kNumberButtonY);
}
void ClickFlower(test::LivePlayer& player, const std::string& line, bool right) {
  player.Click(FlowerX((AnswerIn(line) + !right) % FlowerColours::kColours), kFlowerY);
}
void ClickThing(test::LivePlayer& player, const std::string& line, bool right) {
  player.Click(ThingX((AnswerIn(line) + !right) % ColourThings::kPerScene), kThingY);
}

// A game entered with a click in its garden's scene, lost into its lesson, taken up again from
// there and won.
struct Game {
  int x, y;
  const char* intro;
  ScreenId screen, lesson;
  int sticker;
  void (*answer)(test::LivePlayer&, const std::string& question, bool right);
  int toWin = 10;
};

// Plays the games in turn from the learning garden, walking right to each one's garden, and
// ends the program.
void LoseThenWinEach(test::LivePlayer& player, const std::vector<Game>& games) {
  ScreenId scene = kScreenLearnHub;
  for (const Game& game : games) {
    SCOPED_TRACE(Hex(game.screen));
    for (; scene != MainSceneOf(game.screen); scene += 0x100)
      ASSERT_NO_FATAL_FAILURE(Walk(player, true, {Hex(scene + 0x100) + " " + Hex(scene)}));
    ASSERT_NO_FATAL_FAILURE(
        Enter(player, game.x, game.y, std::string("speak MLUVI ") + game.intro + "\\sp_intro"));
    ASSERT_NO_FATAL_FAILURE(LoseThenWin(
        player, game.screen, game.lesson, game.sticker,
        [&](const std::string& line, bool right) { game.answer(player, line, right); },
        game.toWin));
  }
  player.Advance(1000);
  player.Key("F12");
  ASSERT_EQ(player.Finish(), 0) << player.StandardError();
}

TEST_F(GardensPlay, Garden1FromTheStartToBothStickersAndTheSamePlayReplayed) {
  test::LivePlayer player(folder_, Environment());
  ASSERT_TRUE(player.Start());
  ASSERT_NO_FATAL_FAILURE(ChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(
      LoseThenWinEach(player, {
                                  {kGardenRufoX, kGardenRufoY, "Sounds\\Garden1\\NUM",
                                   kScreenFrogCount, kScreenLearnCounting, 7, ClickFrog},
                                  {kGardenFlowersX, kGardenFlowersY, "Sounds\\Garden1\\COL",
                                   kScreenFlowerColours, kScreenLearnColours, 8, ClickFlower},
                              }));
  EXPECT_TRUE(StoredProfile().HasSticker(7));
  EXPECT_TRUE(StoredProfile().HasSticker(8));

  // The same input from a file, in a fresh runtime folder, plays the same game.
  EXPECT_TRUE(ReplayFrames(player, "11", {}).empty());
}

TEST_F(GardensPlay, FromGarden2OnEachGameLostIntoItsLessonThenWon) {
  test::LivePlayer player(folder_, Environment("5", 2400000));
  ASSERT_TRUE(player.Start());
  ASSERT_NO_FATAL_FAILURE(ChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(LoseThenWinEach(
      player,
      {
          {kWellX, kWellY, "Sounds\\Garden2\\DIR", kScreenWatering, kScreenLearnDirections, 9,
           Water},
          {kBallX, kBallY, "Sounds\\Garden2\\COL", kScreenColourThings, kScreenLearnColours, 11,
           ClickThing},
          {kBirdX, kBirdY, "Sounds\\Garden2\\LOG", kScreenPictureSeries, kScreenLearnPantry, 10,
           DragPiece},
          // Fifteen tools: the light goes out after the tenth, back on with the other half.
          {290, 280, "Sounds\\Garden3\\NOT", kScreenToolCart, kScreenLearnNotions, 12, AnswerTools,
           15},
          {530, 220, "Sounds\\Garden3\\CAT", kScreenFlowerBeds, kScreenLearnShapes, 13, AnswerBeds},
          {200, 380, "Sounds\\Garden6\\LOG", kScreenPictureGrids, kScreenLearnPantry, 1,
           CarryPiece},
          {470, 300, "SOUNDS\\Garden6\\NUM", kScreenLadybirdDots, kScreenLearnCounting, 0,
           CountDots},
      }));
  EXPECT_TRUE(
      InOrder(player.Trace(),
              {"screen 0x402 0x105", "speak MLUVI Sounds\\Garden3\\NOT\\sp_zhas", "speak ZHAS",
               "speak ZHAS Bitmaps\\Garden3\\NOT\\Ani\\bzhas", "question 0x402", "sticker 12"}));
  for (int sticker : {9, 10, 11, 12, 13, 1, 0})
    EXPECT_TRUE(StoredProfile().HasSticker(sticker)) << sticker;
}

}  // namespace
}  // namespace rufo
