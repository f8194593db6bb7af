// Progress saved in one run is what the next run shows, whichever root could take the save,
// played from outside on the demo data: the first run earns the last sticker of a child's album,
// the second finds the album complete (its click leads to the End screen).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "game/screen_ids.h"
#include "tests/game/garden_game.h"
#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

constexpr int kFrogsSticker = 7;

class SavedProgressPlay : public LivePlayTest {
 protected:
  // The first run: along to Garden1, ten right frog counts earn the last sticker.
  void EarnTheLastSticker() const {
    test::LivePlayer player(folder_, Environment());
    ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player));
    player.Click(620, 300);
    ASSERT_NE(player.AwaitLine("screen 0x201 0x101"), "");
    Enter(player, kGardenRufoX, kGardenRufoY, "speak MLUVI Sounds\\Garden1\\NUM\\sp_intro");
    for (int i = 0; i < 10; ++i) {
      const std::string line = player.AwaitLine("question " + Hex(kScreenFrogCount));
      ASSERT_NE(line, "") << "question " << i;
      player.Click(NumberButtonX(AnswerIn(line) % 10 + 1), kNumberButtonY);
    }
    ASSERT_NE(player.AwaitLine("sticker " + std::to_string(kFrogsSticker)), "");
    ASSERT_NE(player.AwaitLine("save"), "");
    EndPlay(player);
  }

  // The second run: the album opened from the toolbar is complete.
  void ExpectACompleteAlbum() const {
    fs::remove(folder_.Path() / "input.fifo");  // the first run's
    test::LivePlayer player(folder_, Environment());
    ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player));
    ClickOnToolbar(player, kAlbumX);
    ASSERT_NE(player.AwaitLine("screen 0x801"), "");
    player.Advance(1500);
    player.Click(320, 240);
    EXPECT_NE(player.AwaitLine("screen 0x2 0x801", 3000), "")
        << "the album the first run completed is not complete";
    EndPlay(player);
  }
};

// The runtime root is a file, not a folder: saves and the log go to the data root, here made of
// links to the demo data so that they do not land in the tree other tests read. The fallback is
// logged once in a run, though the run saved twice.
TEST_F(SavedProgressPlay, ARuntimeRootThatIsNoFolder) {
  const fs::path data = folder_.Path() / "data";
  fs::create_directories(data);
  for (const fs::directory_entry& entry : fs::directory_iterator(kDemoData))
    fs::create_symlink(entry.path(), data / entry.path().filename());
  folder_.Write("not-a-folder", "");
  folder_.Write("config/rufo.ini",
                "[Rufo I]\nCD=" + data.string() + "/\nHD=" + folder_.Root() + "not-a-folder/\n");
  std::array<uint8_t, kStickerCount> allButTheFrogs;
  allButTheFrogs.fill(1);
  allButTheFrogs[kFrogsSticker] = 0;
  folder_.Write("data/rufo_usr.dat", UserFileWithStickers(allButTheFrogs));

  ASSERT_NO_FATAL_FAILURE(EarnTheLastSticker());
  const std::string log = folder_.Read("data/Debug.log");
  const std::string line = "saved to \"" + data.string() + "/rufo_usr.dat\" instead\n";
  ASSERT_NE(log.find(line), std::string::npos) << log;
  EXPECT_EQ(log.find(line), log.rfind(line)) << log;
  ASSERT_NO_FATAL_FAILURE(ExpectACompleteAlbum());
}

}  // namespace
}  // namespace rufo
