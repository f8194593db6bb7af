// Garden4 played from outside on the demo data, as a child would: from the Start screen along
// the ring to Garden4, the woodpecker's knocks and the nests' chicks each lost into the
// counting lesson and won to their stickers. The trace shows every knock, every question and
// which nest RUFO asks about.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/game/garden4_places.h"
#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

constexpr const char* kNestQuestion = "speak MLUVI Sounds\\Garden4\\NAD\\NEST_N\\";

// The lines that contain `text` between the trace's line `line` and the question, answer or
// screen before it: what happened to lead to that line.
int CountBefore(const test::LivePlayer& player, const std::string& line, const std::string& text) {
  const std::vector<std::string>& trace = player.Trace();
  size_t at = trace.size();
  while (at > 0 && trace[at - 1] != line)
    --at;
  if (at == 0) return -1;
  int count = 0;
  for (size_t i = at - 1; i-- > 0;) {
    const std::string& earlier = trace[i];
    if (earlier.find(" question ") != std::string::npos ||
        earlier.find(" answer ") != std::string::npos ||
        earlier.find(" screen ") != std::string::npos) {
      break;
    }
    count += earlier.find(text) != std::string::npos;
  }
  return count;
}

// The nest RUFO asked about last, from the end of his last question's line.
int LastNestAsked(const test::LivePlayer& player) {
  for (auto line = player.Trace().rbegin(); line != player.Trace().rend(); ++line) {
    if (const size_t at = line->find(kNestQuestion); at != std::string::npos) {
      return std::stoi(line->substr(at + std::string(kNestQuestion).size()));
    }
  }
  return -1;
}

class Garden4Play : public LivePlayTest {};

TEST_F(Garden4Play, BothGamesLostIntoCountingAndWonToTheirStickers) {
  test::LivePlayer player(folder_, Environment());
  ASSERT_TRUE(player.Start());
  ASSERT_NO_FATAL_FAILURE(ChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(Walk(player, false, {"0x701 0x101", "0x601 0x701", "0x501 0x601"}));

  // The woodpecker knocks as many times as the question's number, one speech of "DATEL" each;
  // clicked, it knocks the same number again; after a wrong number it asks without knocking.
  ASSERT_NO_FATAL_FAILURE(Enter(player, kSceneWoodpeckerX, kSceneWoodpeckerY,
                                "speak MLUVI Sounds\\Garden4\\NUM\\sp_intro"));
  int question = 0;
  ASSERT_NO_FATAL_FAILURE(LoseThenWin(
      player, kScreenWoodpeckerKnocks, kScreenLearnCounting, 5,
      [&](const std::string& line, bool right) {
        const int value = AnswerIn(line);
        const bool afterWrong = question == 1 || question == 2;
        EXPECT_EQ(CountBefore(player, line, "speak DATEL"), afterWrong ? 0 : value + 1) << line;
        if (question++ == 0) {
          player.Click(kWoodpeckerX, kWoodpeckerY);
          const std::string again = player.AwaitLine("question 0x502");
          EXPECT_EQ(AnswerIn(again), value);
          EXPECT_EQ(CountBefore(player, again, "speak DATEL"), value + 1);
        }
        player.Click(CardX((value + !right) % 10), kCardY);
      }));
  EXPECT_TRUE(StoredProfile().HasSticker(5));

  // RUFO asks about one nest; after a wrong count the same nest stays asked without being named
  // again, and RUFO clicked names it again.
  ASSERT_NO_FATAL_FAILURE(
      Enter(player, kSceneNestX, kSceneNestY, "speak MLUVI Sounds\\Garden4\\NAD\\sp_intro"));
  question = 0;
  int nest = -1;
  ASSERT_NO_FATAL_FAILURE(LoseThenWin(
      player, kScreenNestBirds, kScreenLearnCounting, 6, [&](const std::string& line, bool right) {
        const int value = AnswerIn(line);
        if (question == 1 || question == 2) {
          EXPECT_EQ(LastNestAsked(player), nest);
          EXPECT_EQ(CountBefore(player, line, kNestQuestion), 0) << line;
        }
        nest = LastNestAsked(player);
        ASSERT_GE(nest, 0);
        if (question++ == 1) {
          player.Click(kGarden4RufoX, kGarden4RufoY);
          const std::string again = player.AwaitLine("question 0x503");
          EXPECT_EQ(AnswerIn(again), value);
          EXPECT_EQ(CountBefore(player, again, kNestQuestion + std::to_string(nest)), 1);
        }
        player.Click(CardX((value + !right) % 10), kCardY);
      }));
  EXPECT_TRUE(StoredProfile().HasSticker(6));
  player.Key("F12");
  ASSERT_EQ(player.Finish(), 0) << player.StandardError();
}

}  // namespace
}  // namespace rufo
