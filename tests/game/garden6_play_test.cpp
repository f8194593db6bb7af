// Garden6 played from outside on the demo data, as a child would: from the learning garden to
// the left into Garden6, both games lost into their lessons and won to their stickers. The
// answers are clicked where the trace's questions say.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/game/garden6_places.h"
#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

struct Drop {
  int piece, x, y;  // the piece that fills the gap, and the gap's middle
};

// "question 0x702 drag V to L,T,R,B"
Drop DropIn(const std::string& line) {
  std::smatch m;
  if (!std::regex_search(line, m, std::regex(" drag (\\d+) to (\\d+),(\\d+),(\\d+),(\\d+)$"))) {
    return {-1, 0, 0};
  }
  return {std::stoi(m[1]), (std::stoi(m[2]) + std::stoi(m[4])) / 2,
          (std::stoi(m[3]) + std::stoi(m[5])) / 2};
}

class Garden6Play : public LivePlayTest {};

// From the learning garden across the left edge.
void ToGarden6(test::LivePlayer& player) {
  ASSERT_NO_FATAL_FAILURE(ChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(Walk(player, false, {"0x701 0x101"}));
}

// Carries a piece into the gap: the right one, or its neighbour on the tray.
void AnswerGrid(test::LivePlayer& player, bool right) {
  const Drop drop = DropIn(player.AwaitLine("question 0x702"));
  ASSERT_GE(drop.piece, 0);
  const int piece = right ? drop.piece : (drop.piece + 1) % 4;
  player.Click(440 + (piece % 2) * 104, 146 + (piece / 2) * 104);
  player.Click(drop.x, drop.y);
}

// Clicks the number of dots, or one more, while the ladybird flies.
void AnswerDots(test::LivePlayer& player, bool right) {
  const int dots = AnswerIn(player.AwaitLine("question 0x703")) + 1;  // "hit V": V + 1 dots
  ASSERT_GT(dots, 0);
  const int number = right ? dots : dots + 1;
  player.Advance(400);
  player.Click(DotsButtonX(number), DotsButtonY(number));
}

TEST_F(Garden6Play, BothGamesLostIntoTheirLessonsAndWonToTheirStickers) {
  test::LivePlayer player(folder_, Environment("7", 900000));
  ASSERT_TRUE(player.Start());
  ASSERT_NO_FATAL_FAILURE(ToGarden6(player));

  // The grids: three wrong pieces lead to the pantry lesson; back from it, ten right ones earn
  // sticker 1.
  ASSERT_NO_FATAL_FAILURE(Enter(player, 200, 380, "speak MLUVI Sounds\\Garden6\\LOG\\sp_intro"));
  for (int i = 0; i < 3; ++i)
    AnswerGrid(player, false);
  ASSERT_NE(player.AwaitLine("speak MLUVI Sounds\\Garden6\\LOG\\sp_loose"), "");
  ASSERT_NE(player.AwaitLine("screen 0x106 0x702"), "");
  Back(player);
  ASSERT_NE(player.AwaitLine("screen 0x702 0x106"), "");
  for (int i = 0; i < 10; ++i)
    AnswerGrid(player, true);
  ASSERT_NE(player.AwaitLine("sticker 1"), "");
  LeaveAlbum(player, kScreenGarden6);
  EXPECT_TRUE(StoredProfile().HasSticker(1));

  // The ladybird: the third wrong count lets it fall and crawl back into its tulip before the
  // loss is said and the counting lesson follows; then ten right counts earn sticker 0.
  ASSERT_NO_FATAL_FAILURE(Enter(player, 470, 300, "speak MLUVI SOUNDS\\Garden6\\NUM\\sp_intro"));
  for (int i = 0; i < 3; ++i)
    AnswerDots(player, false);
  ASSERT_NE(player.AwaitLine("Bedr_d"), "");
  ASSERT_NE(player.AwaitLine("speak B_START Bitmaps\\Garden6\\NUM\\ani\\b_back"), "");
  ASSERT_NE(player.AwaitLine("speak MLUVI SOUNDS\\Garden6\\NUM\\sp_loose"), "");
  ASSERT_NE(player.AwaitLine("screen 0x104 0x703"), "");
  Back(player);
  ASSERT_NE(player.AwaitLine("screen 0x703 0x104"), "");
  for (int i = 0; i < 10; ++i)
    AnswerDots(player, true);
  ASSERT_NE(player.AwaitLine("sticker 0"), "");
  LeaveAlbum(player, kScreenGarden6);
  EXPECT_TRUE(StoredProfile().HasSticker(0));
  EXPECT_TRUE(StoredProfile().HasSticker(1));

  player.Advance(1000);
  player.Key("F12");
  ASSERT_EQ(player.Finish(), 0) << player.StandardError();
}

// Walks from `from` to the next scene of the ring, clicking the edge again when a click came
// while the scene was busy.
void WalkOn(test::LivePlayer& player, ScreenId from, ScreenId to, bool right) {
  const std::string arrival = "screen " + Hex(to) + " " + Hex(from);
  for (int click = 0; click < 5; ++click) {
    player.Click(right ? 620 : 20, 300);
    if (player.AwaitLine(arrival, 3000) != "") return;
  }
  ADD_FAILURE() << "no " << arrival;
}

// From the learning garden to the right through all six gardens and back to it, then to the
// left the other way round.
TEST_F(Garden6Play, TheWalkingRingGoesRoundBothWays) {
  test::LivePlayer player(folder_, Environment("7", 900000));
  ASSERT_TRUE(player.Start());
  ASSERT_NO_FATAL_FAILURE(ToGarden6(player));
  const ScreenId ring[] = {kScreenLearnHub, kScreenGarden1, kScreenGarden2, kScreenGarden3,
                           kScreenGarden4,  kScreenGarden5, kScreenGarden6};
  constexpr int kScenes = 7;
  WalkOn(player, kScreenGarden6, kScreenLearnHub, true);
  for (int i = 0; i < kScenes; ++i)
    WalkOn(player, ring[i], ring[(i + 1) % kScenes], true);
  for (int i = 0; i < kScenes; ++i)
    WalkOn(player, ring[(kScenes - i) % kScenes], ring[kScenes - 1 - i], false);
  player.Key("F12");
  EXPECT_EQ(player.Finish(), 0) << player.StandardError();
}

// A grid file that is missing, or holds fewer than 24 grids, ends the game with its error when
// the grids are entered; the log names the file and why.
TEST_F(Garden6Play, AMissingOrShortGridFileIsFatal) {
  for (bool missing : {false, true}) {
    SCOPED_TRACE(missing);
    test::TempFolder run;
    const fs::path data = run.Path() / "data";
    fs::copy(kDemoData, data, fs::copy_options::recursive);
    const std::string grids = "data/Data/Garden6/LOG/log.dat";
    if (missing) {
      fs::remove(run.Path() / grids);
    } else {
      const std::string text = run.Read(grids);
      size_t end = 0;
      for (int line = 0; line < 23 * 3; ++line)
        end = text.find('\n', end) + 1;
      run.Write(grids, text.substr(0, end));
    }
    Configure(run, data);
    test::LivePlayer player(run, Environment(run, "7", 900000));
    ASSERT_TRUE(player.Start());
    ASSERT_NO_FATAL_FAILURE(ToGarden6(player));
    player.Click(200, 380);
    EXPECT_EQ(player.Finish(), 255);
    ASSERT_FALSE(player.Trace().empty());
    EXPECT_NE(player.Trace().back().find(" fatal -1 Chyba pri nacitani skriptu Log.dat!"),
              std::string::npos);
    const std::string reason = missing ? "the file cannot be read" : "23 grids, the game needs 24";
    EXPECT_NE(run.Read("rt/Debug.log")
                  .find("\"Data\\Garden6\\Log\\log.dat\": " + reason +
                        "\nChyba pri nacitani skriptu Log.dat!\n"),
              std::string::npos)
        << run.Read("rt/Debug.log");
  }
}

}  // namespace
}  // namespace rufo
