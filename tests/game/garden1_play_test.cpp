// Garden1 played from outside on the demo data, as a child would: the program runs headless,
// input goes in as game time passes and the answers are clicked where the trace says. From the
// Start screen to the learning garden, along to Garden1, both games won and lost; then the
// same input replayed from a file gives the same trace, and frames of every screen show its
// picture.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "tests/game/garden_game.h"
#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

class Garden1Play : public LivePlayTest {};

// Wins a game by clicking each answer the trace names, then leaves the album to the scene.
void Win(test::LivePlayer& player, ScreenId game, int sticker,
         const std::function<std::pair<int, int>(int)>& place) {
  const std::string question = "question " + Hex(game);
  for (int i = 0; i < 10; ++i) {
    const std::string line = player.AwaitLine(question);
    ASSERT_NE(line, "") << "question " << i;
    const auto [x, y] = place(AnswerIn(line));
    player.Click(x, y);
  }
  ASSERT_NE(player.AwaitLine("sticker " + std::to_string(sticker)), "");
  LeaveAlbum(player, kScreenGarden1);
}

// Answers wrong three times; the lesson follows.
void Lose(test::LivePlayer& player, ScreenId game, ScreenId lesson,
          const std::function<std::pair<int, int>(int)>& place) {
  const std::string question = "question " + Hex(game);
  for (int i = 0; i < 3; ++i) {
    const std::string line = player.AwaitLine(question);
    ASSERT_NE(line, "") << "question " << i;
    const auto [x, y] = place(AnswerIn(line) + 1);
    player.Click(x, y);
  }
  ASSERT_NE(player.AwaitLine("screen " + Hex(lesson)), "");
}

TEST_F(Garden1Play, FromTheStartToBothStickersAndBothLessons) {
  test::LivePlayer player(folder_, Environment());
  ASSERT_TRUE(player.Start());
  ChooseAChild(player);
  player.Click(620, 300);  // the right edge: on to Garden1
  ASSERT_NE(player.AwaitLine("screen 0x201 0x101"), "");

  const auto number = [](int value) {
    return std::pair{NumberButtonX(value % 10 + 1), kNumberButtonY};
  };
  const auto flower = [](int value) {
    return std::pair{FlowerX(value % FlowerColours::kColours), kFlowerY};
  };
  // The frogs: three wrong counts lead to the counting lesson; back from it the game goes on
  // without its introduction, and ten right counts earn sticker 7.
  Enter(player, kGardenRufoX, kGardenRufoY, "speak MLUVI Sounds\\Garden1\\NUM\\sp_intro");
  Lose(player, kScreenFrogCount, kScreenLearnCounting, number);
  ASSERT_NE(player.AwaitLine("question 0x104 hit 0,1,2,3,4,5,6,7,8,9"), "");
  Back(player);
  ASSERT_NE(player.AwaitLine("screen 0x202 0x104"), "");
  Win(player, kScreenFrogCount, 7, number);
  EXPECT_TRUE(StoredProfile().HasSticker(7));

  // The flowers the same way: the colours lesson, then sticker 8.
  Enter(player, kGardenFlowersX, kGardenFlowersY, "speak MLUVI Sounds\\Garden1\\COL\\sp_intro");
  Lose(player, kScreenFlowerColours, kScreenLearnColours, flower);
  ASSERT_NE(player.AwaitLine("question 0x102 hit 0,1,2,3,4,5,6,7,8,9,10"), "");
  Back(player);
  ASSERT_NE(player.AwaitLine("screen 0x203 0x102"), "");
  Win(player, kScreenFlowerColours, 8, flower);
  EXPECT_TRUE(StoredProfile().HasSticker(8));
  EXPECT_TRUE(StoredProfile().HasSticker(7));
  player.Advance(1000);
  player.Key("F12");
  ASSERT_EQ(player.Finish(), 0) << player.StandardError();

  // The same input from a file, in a fresh runtime folder, plays the same game; a frame of each
  // screen, shortly after it was built, shows its picture (where nothing moves over it).
  struct Look {
    std::string screen;  // as the trace writes it
    const char* picture;
    int x, y, w, h;
  };
  const Look looks[] = {
      {"screen 0x101 0x1", "Bitmaps/LearnG/bg.png", 0, 0, 640, 200},
      {"screen 0x201 0x101", "Bitmaps/Garden1/bg.png", 0, 0, 640, 440},
      {"screen 0x202 0x201", "Bitmaps/Garden1/NUM/bg.png", 0, 0, 500, 450},
      {"screen 0x203 0x201", "Bitmaps/Garden1/COL/bg.png", 0, 180, 640, 260},
      {"screen 0x104", "Bitmaps/LearnG/NUM/bg.png", 0, 0, 440, 450},
      {"screen 0x102", "Bitmaps/LearnG/Colors/bg.png", 0, 0, 440, 450},
  };
  std::vector<int> times;
  for (const Look& look : looks) {
    int at = -1;
    for (const std::string& line : player.Trace()) {
      if (at < 0 && line.find(look.screen) != std::string::npos) at = std::stoi(line) + 300;
    }
    ASSERT_GE(at, 0) << look.screen;
    times.push_back(at);
  }
  const std::vector<Frame> frames = ReplayFrames(player, "11", times);
  ASSERT_EQ(frames.size(), times.size());
  for (size_t i = 0; i < frames.size(); ++i) {
    const Look& look = looks[i];
    EXPECT_GT(frames[i].Shows(look.picture, look.x, look.y, look.w, look.h, look.x, look.y), 0.9)
        << look.screen;
  }
}

}  // namespace
}  // namespace rufo
