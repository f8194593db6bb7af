// Garden2 played from outside on the demo data: from the Start screen through the learning
// garden and Garden1 into Garden2, where each game is lost into its lesson, taken up again from
// there and won to its sticker. The answers are given where the trace's questions say.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/game/garden2_places.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

class Garden2Play : public LivePlayTest {};

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

// "drag V to L,T,R,B": the piece V (or the next one) held down and let go in the gap.
void DragPiece(test::LivePlayer& player, const std::string& line, bool right) {
  std::smatch m;
  ASSERT_TRUE(std::regex_search(line, m, std::regex(" drag (\\d) to (\\d+),(\\d+),(\\d+),(\\d+)$")))
      << line;
  const int piece = (std::stoi(m[1]) + !right) % 5;
  player.Press(PieceX(piece), kPieceY);
  player.Release((std::stoi(m[2]) + std::stoi(m[4])) / 2, (std::stoi(m[3]) + std::stoi(m[5])) / 2);
}

TEST_F(Garden2Play, IntoGarden2AndEachGameLostThenWon) {
  test::LivePlayer player(folder_, Environment());
  ASSERT_TRUE(player.Start());
  ASSERT_NO_FATAL_FAILURE(ChooseAChild(player));
  player.Click(620, 300);
  ASSERT_NE(player.AwaitLine("screen 0x201 0x101"), "");
  player.Advance(500);
  player.Click(620, 300);
  ASSERT_NE(player.AwaitLine("screen 0x301 0x201"), "");

  const auto water = [&](const std::string& line, bool right) { Water(player, line, right); };
  const auto thing = [&](const std::string& line, bool right) {
    player.Click(ThingX((AnswerIn(line) + !right) % 6), kThingY);
  };
  const auto drag = [&](const std::string& line, bool right) { DragPiece(player, line, right); };
  struct Game {
    int x, y;
    const char* intro;
    ScreenId screen, lesson;
    int sticker;
    Answerer answer;
  };
  const Game games[] = {
      {kWellX, kWellY, "Sounds\\Garden2\\DIR\\sp_intro", kScreenWatering, kScreenLearnDirections, 9,
       water},
      {kBallX, kBallY, "Sounds\\Garden2\\COL\\sp_intro", kScreenColourThings, kScreenLearnColours,
       11, thing},
      {kBirdX, kBirdY, "Sounds\\Garden2\\LOG\\sp_intro", kScreenPictureSeries, kScreenLearnPantry,
       10, drag},
  };
  for (const Game& game : games) {
    SCOPED_TRACE(Hex(game.screen));
    ASSERT_NO_FATAL_FAILURE(
        Enter(player, game.x, game.y, std::string("speak MLUVI ") + game.intro));
    ASSERT_NO_FATAL_FAILURE(
        LoseThenWin(player, game.screen, game.lesson, game.sticker, game.answer));
    EXPECT_TRUE(StoredProfile().HasSticker(game.sticker));
  }
  player.Advance(1000);
  player.Key("F12");
  ASSERT_EQ(player.Finish(), 0) << player.StandardError();
}

}  // namespace
}  // namespace rufo
