// Garden3 played from outside on the demo data, as a child would: from the Start screen along
// the gardens to Garden3; the tools lost into the notions lesson and won to sticker 12 through
// the light going out and coming back, the flower beds lost into the shapes lesson and won to
// sticker 13. Answers go where the trace's questions say.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include <vector>

#include "tests/game/garden3_places.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

class Garden3Play : public LivePlayTest {};

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

TEST_F(Garden3Play, BothGamesLostIntoTheirLessonsAndWonToTheirStickers) {
  test::LivePlayer player(folder_, Environment("5", 900000));
  ASSERT_TRUE(player.Start());
  ASSERT_NO_FATAL_FAILURE(ChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(Walk(player, true, {"0x201", "0x301", "0x401"}));
  player.Advance(500);
  ASSERT_NO_FATAL_FAILURE(Enter(player, 290, 280, "speak MLUVI Sounds\\Garden3\\NOT\\sp_intro"));
  ASSERT_NO_FATAL_FAILURE(LoseThenWin(
      player, kScreenToolCart, kScreenLearnNotions, 12,
      [&](const std::string& line, bool right) { AnswerTools(player, line, right); }, 15));
  // The tenth tool put the light out; it came back with the other half before the eleventh.
  EXPECT_TRUE(
      InOrder(player.Trace(),
              {"screen 0x402 0x105", "speak MLUVI Sounds\\Garden3\\NOT\\sp_zhas", "speak ZHAS",
               "speak ZHAS Bitmaps\\Garden3\\NOT\\Ani\\bzhas", "question 0x402", "sticker 12"}));
  ASSERT_NO_FATAL_FAILURE(Enter(player, 530, 220, "speak MLUVI Sounds\\Garden3\\CAT\\sp_intro"));
  ASSERT_NO_FATAL_FAILURE(
      LoseThenWin(player, kScreenFlowerBeds, kScreenLearnShapes, 13,
                  [&](const std::string& line, bool right) { AnswerBeds(player, line, right); }));

  player.Advance(1000);
  player.Key("F12");
  ASSERT_EQ(player.Finish(), 0) << player.StandardError();
  EXPECT_TRUE(StoredProfile().HasSticker(12));
  EXPECT_TRUE(StoredProfile().HasSticker(13));
}

}  // namespace
}  // namespace rufo
