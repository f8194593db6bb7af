// Garden6 played from outside on the demo data, as a child would: from the learning garden to
// the left into Garden6, both games lost into their lessons and won to their stickers. The
// answers are clicked where the trace's questions say.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <regex>
#include <string>

#include "game/profile.h"
#include "tests/game/demo_game.h"
#include "tests/game/live_player.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

constexpr int kBackX = 394, kBackY = 445, kToolbarTabY = 470;

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
// "question 0x703 hit V": the dots are V + 1.
int DotsIn(const std::string& line) {
  std::smatch m;
  return std::regex_search(line, m, std::regex(" hit (\\d+)$")) ? std::stoi(m[1]) + 1 : -1;
}

class Garden6Play : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kDemoData / ".demogen")) GTEST_SKIP() << "no generated data";
    Prepare(folder_, kDemoData);
  }
  // A configuration in `folder` that plays on the data at `root`, with its own runtime folder.
  static void Prepare(const test::TempFolder& folder, const fs::path& root) {
    fs::create_directories(folder.Path() / "rt");
    folder.Write("config/rufo.ini",
                 "[Rufo I]\nCD=" + root.string() + "/\nHD=" + folder.Root() + "rt/\n");
  }
  static std::map<std::string, std::string> Environment(const test::TempFolder& folder) {
    return {{"RUFO_CONFIG_DIR", folder.Root() + "config"},
            {"XDG_RUNTIME_DIR", folder.Root()},
            {"RUFO_SEED", "7"},
            {"RUFO_RUN_MS", "900000"}};
  }
  ProfileRecord StoredProfile() const {
    const std::string user = folder_.Read("rt/rufo_usr.dat");
    ProfileRecord slot0;
    if (user.size() == kProfileCount * ProfileRecord::kSize) {
      slot0.Load(reinterpret_cast<const uint8_t*>(user.data()));
    }
    return slot0;
  }

  test::TempFolder folder_;
};

// The title, a face for slot 0 with the cap on it, the learning garden, then the left edge.
void ToGarden6(test::LivePlayer& player) {
  player.Advance(300);
  player.Release(320, 240);
  ASSERT_NE(player.AwaitLine("speak MLUVI Sounds\\Start\\sp_intro"), "");
  player.Release(600, 40);
  player.Advance(500);
  player.Click(116, 283);
  player.Click(203, 297);
  player.Click(116, 283);
  ASSERT_NE(player.AwaitLine("speak MLUVI Sounds\\LearnG\\sp_intro"), "");
  player.Release(320, 20);
  ASSERT_NE(player.AwaitLine("debug ther 15"), "");
  player.Click(20, 300);
  ASSERT_NE(player.AwaitLine("screen 0x701 0x101"), "");
}

void Enter(test::LivePlayer& player, int x, int y, const char* intro) {
  player.Click(x, y);
  ASSERT_NE(player.AwaitLine(intro), "");
  player.Release(320, 20);
}

void Back(test::LivePlayer& player) {
  player.Move(kBackX, kToolbarTabY);
  player.Advance(800);
  player.Click(kBackX, kBackY);
}

void LeaveAlbum(test::LivePlayer& player) {
  ASSERT_NE(player.AwaitLine("screen 0x801"), "");
  player.Advance(1500);
  player.Click(320, 240);
  ASSERT_NE(player.AwaitLine("screen 0x701 0x801"), "");
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
  const int dots = DotsIn(player.AwaitLine("question 0x703"));
  ASSERT_GT(dots, 0);
  const int number = right ? dots : dots + 1;
  player.Advance(400);
  player.Click(338 + (number - 1) % 5 * 60 + 28, (number <= 5 ? 292 : 358) + 29);
}

TEST_F(Garden6Play, BothGamesLostIntoTheirLessonsAndWonToTheirStickers) {
  test::LivePlayer player(folder_, Environment(folder_));
  ASSERT_TRUE(player.Start());
  ToGarden6(player);

  // The grids: three wrong pieces lead to the pantry lesson; back from it, ten right ones earn
  // sticker 1.
  Enter(player, 200, 380, "speak MLUVI Sounds\\Garden6\\LOG\\sp_intro");
  for (int i = 0; i < 3; ++i)
    AnswerGrid(player, false);
  ASSERT_NE(player.AwaitLine("speak MLUVI Sounds\\Garden6\\LOG\\sp_loose"), "");
  ASSERT_NE(player.AwaitLine("screen 0x106 0x702"), "");
  Back(player);
  ASSERT_NE(player.AwaitLine("screen 0x702 0x106"), "");
  for (int i = 0; i < 10; ++i)
    AnswerGrid(player, true);
  ASSERT_NE(player.AwaitLine("sticker 1"), "");
  LeaveAlbum(player);
  EXPECT_TRUE(StoredProfile().HasSticker(1));

  // The ladybird: the third wrong count lets it fall and crawl back into its tulip before the
  // loss is said and the counting lesson follows; then ten right counts earn sticker 0.
  Enter(player, 470, 300, "speak MLUVI SOUNDS\\Garden6\\NUM\\sp_intro");
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
  LeaveAlbum(player);
  EXPECT_TRUE(StoredProfile().HasSticker(0));
  EXPECT_TRUE(StoredProfile().HasSticker(1));

  player.Advance(1000);
  player.Key("F12");
  ASSERT_EQ(player.Finish(), 0) << player.StandardError();
}

// A grid file that is missing, or holds fewer than 24 grids, ends the game with its error when
// the grids are entered.
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
    Prepare(run, data);
    test::LivePlayer player(run, Environment(run));
    ASSERT_TRUE(player.Start());
    ToGarden6(player);
    player.Click(200, 380);
    EXPECT_EQ(player.Finish(), 255);
    ASSERT_FALSE(player.Trace().empty());
    EXPECT_NE(player.Trace().back().find(" fatal -1 Chyba pri nacitani skriptu Log.dat!"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace rufo
