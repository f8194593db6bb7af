// Garden4 played from outside on the demo data, as a child would: from the Start screen along
// the ring to Garden4, the woodpecker's knocks and the nests' chicks each lost into the
// counting lesson and won to their stickers. The trace shows every knock, every question and
// which nest RUFO asks about.
#include <gtest/gtest.h>

#include <set>
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

class Garden4Play : public LivePlayTest {
 protected:
  // Awaits the next question of the game; its answer, or -1.
  int AwaitQuestion(ScreenId game) {
    question_ = player_.AwaitLine("question " + Hex(game));
    return AnswerIn(question_);
  }
  // What led to the last question.
  int CountBeforeQuestion(const std::string& text) const {
    return CountBefore(player_, question_, text);
  }
  // The woodpecker's turn: it knocks as many times as the question says, one speech of
  // "DATEL" each.
  int AwaitKnocks() {
    const int value = AwaitQuestion(kScreenWoodpeckerKnocks);
    EXPECT_EQ(CountBeforeQuestion("speak DATEL"), value + 1);
    return value;
  }
  void Enter(int x, int y, ScreenId game, const std::string& intro) {
    player_.Click(x, y);
    ASSERT_NE(player_.AwaitLine("screen " + Hex(game) + " 0x501"), "");
    ASSERT_NE(player_.AwaitLine(intro), "");
    player_.Release(320, 20);
  }
  void Lesson(ScreenId game) {
    ASSERT_NE(player_.AwaitLine("screen 0x104 " + Hex(game)), "");
    Back(player_);
    ASSERT_NE(player_.AwaitLine("screen " + Hex(game) + " 0x104"), "");
  }

  test::LivePlayer player_{folder_, Environment()};
  std::string question_;
};

TEST_F(Garden4Play, BothGamesLostIntoCountingAndWonToTheirStickers) {
  ASSERT_TRUE(player_.Start());
  ASSERT_NO_FATAL_FAILURE(ChooseAChild(player_));
  // Left along the ring: Garden6, Garden5, Garden4.
  for (const char* screen : {"screen 0x701 0x101", "screen 0x601 0x701", "screen 0x501 0x601"}) {
    player_.Click(20, 300);
    ASSERT_NE(player_.AwaitLine(screen), "") << screen;
  }

  // The woodpecker: clicked, it knocks the same number again; a wrong number keeps it asked
  // without knocking; three wrong numbers lead to counting.
  ASSERT_NO_FATAL_FAILURE(Enter(kSceneWoodpeckerX, kSceneWoodpeckerY, kScreenWoodpeckerKnocks,
                                "speak MLUVI Sounds\\Garden4\\NUM\\sp_intro"));
  const int first = AwaitKnocks();
  ASSERT_GE(first, 0);
  player_.Click(kWoodpeckerX, kWoodpeckerY);
  EXPECT_EQ(AwaitKnocks(), first);
  for (int wrong = 1; wrong <= 3; ++wrong) {
    player_.Click(CardX((first + 1) % 10), kCardY);
    ASSERT_NE(player_.AwaitLine("answer 0x502 wrong 0 " + std::to_string(wrong)), "");
    if (wrong < 3) {
      EXPECT_EQ(AwaitQuestion(kScreenWoodpeckerKnocks), first);
      EXPECT_EQ(CountBeforeQuestion("speak DATEL"), 0);
    }
  }
  ASSERT_NO_FATAL_FAILURE(Lesson(kScreenWoodpeckerKnocks));
  // Back from the lesson the knocking starts at once; ten right numbers earn sticker 5, and no
  // turn knocks as many times as the one before.
  int previous = -1;
  for (int good = 1; good <= 10; ++good) {
    const int value = AwaitKnocks();
    ASSERT_GE(value, 0) << "turn " << good;
    EXPECT_NE(value, previous);
    previous = value;
    player_.Click(CardX(value), kCardY);
    ASSERT_NE(player_.AwaitLine("answer 0x502 good " + std::to_string(good)), "");
  }
  ASSERT_NE(player_.AwaitLine("sticker 5"), "");
  ASSERT_NO_FATAL_FAILURE(LeaveAlbum(player_, kScreenGarden4));
  EXPECT_TRUE(StoredProfile().HasSticker(5));

  // The nests: after a wrong count the same nest stays asked, RUFO clicked asks about it
  // again; three wrong counts lead to counting.
  ASSERT_NO_FATAL_FAILURE(Enter(kSceneNestX, kSceneNestY, kScreenNestBirds,
                                "speak MLUVI Sounds\\Garden4\\NAD\\sp_intro"));
  const int birds = AwaitQuestion(kScreenNestBirds);
  const int nest = LastNestAsked(player_);
  ASSERT_GE(nest, 0);
  player_.Click(CardX((birds + 1) % 10), kCardY);
  EXPECT_EQ(AwaitQuestion(kScreenNestBirds), birds);
  EXPECT_EQ(CountBeforeQuestion(kNestQuestion), 0);
  player_.Click(kGarden4RufoX, kGarden4RufoY);
  EXPECT_EQ(AwaitQuestion(kScreenNestBirds), birds);
  EXPECT_EQ(CountBeforeQuestion(kNestQuestion + std::to_string(nest)), 1);
  for (int wrong = 2; wrong <= 3; ++wrong) {
    player_.Click(CardX((birds + 1) % 10), kCardY);
    ASSERT_NE(player_.AwaitLine("answer 0x503 wrong 0 " + std::to_string(wrong)), "");
    if (wrong < 3) {
      EXPECT_EQ(AwaitQuestion(kScreenNestBirds), birds);
    }
  }
  ASSERT_NO_FATAL_FAILURE(Lesson(kScreenNestBirds));
  // Ten right counts earn sticker 6; every round of four questions asks each nest once.
  std::set<int> round;
  for (int good = 1; good <= 10; ++good) {
    const int value = AwaitQuestion(kScreenNestBirds);
    ASSERT_GE(value, 0) << "question " << good;
    round.insert(LastNestAsked(player_));
    if (good % 4 == 0) {
      EXPECT_EQ(round.size(), 4u) << "round " << good / 4;
      round.clear();
    }
    player_.Click(CardX(value), kCardY);
    ASSERT_NE(player_.AwaitLine("answer 0x503 good " + std::to_string(good)), "");
  }
  ASSERT_NE(player_.AwaitLine("sticker 6"), "");
  ASSERT_NO_FATAL_FAILURE(LeaveAlbum(player_, kScreenGarden4));
  EXPECT_TRUE(StoredProfile().HasSticker(6));
  player_.Key("F12");
  ASSERT_EQ(player_.Finish(), 0) << player_.StandardError();
}

}  // namespace
}  // namespace rufo
