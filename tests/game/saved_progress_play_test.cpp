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
  // A data root made of links to the demo data: the saves and the log that fall back to it
  // land here, not in the tree other tests read.
  fs::path LinkedData() const {
    const fs::path root = folder_.Path() / "data";
    fs::create_directories(root);
    for (const fs::directory_entry& entry : fs::directory_iterator(kDemoData))
      fs::create_symlink(entry.path(), root / entry.path().filename());
    return root;
  }
  void UseRoots(const fs::path& data, const std::string& runtime) const {
    folder_.Write("config/rufo.ini", "[Rufo I]\nCD=" + data.string() + "/\nHD=" + runtime + "\n");
  }
  // Slot 0 holds a child with every sticker but the frogs'.
  static std::string AllButTheFrogs() {
    std::array<uint8_t, kStickerCount> stickers;
    stickers.fill(1);
    stickers[kFrogsSticker] = 0;
    return UserFileWithStickers(stickers);
  }

  // The first run: along to Garden1, ten right frog counts earn the last sticker.
  void EarnTheLastSticker() const {
    test::LivePlayer player(folder_, Environment());
    ASSERT_TRUE(player.Start());
    ASSERT_NO_FATAL_FAILURE(ChooseAChild(player));
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
    player.Key("F12");
    EXPECT_EQ(player.Finish(), 0) << player.StandardError();
  }

  // The second run: the album opened from the toolbar is complete.
  void ExpectACompleteAlbum() const {
    fs::remove(folder_.Path() / "input.fifo");  // the first run's
    test::LivePlayer player(folder_, Environment());
    ASSERT_TRUE(player.Start());
    ASSERT_NO_FATAL_FAILURE(ChooseAChild(player));
    ClickOnToolbar(player, kAlbumX);
    ASSERT_NE(player.AwaitLine("screen 0x801"), "");
    player.Advance(1500);
    player.Click(320, 240);
    EXPECT_NE(player.AwaitLine("screen 0x2 0x801", 3000), "")
        << "the album the first run completed is not complete";
    player.Key("F12");
    EXPECT_EQ(player.Finish(), 0) << player.StandardError();
  }

  // The fallback is logged once in a run, though the run saved twice.
  static void ExpectFallbackLoggedOnce(const std::string& log, const fs::path& data) {
    const std::string line = "saved to \"" + data.string() + "/rufo_usr.dat\" instead\n";
    ASSERT_NE(log.find(line), std::string::npos) << log;
    EXPECT_EQ(log.find(line), log.rfind(line)) << log;
  }
};

// The runtime folder holds the child's older file but takes no new one (a folder stands where
// the new file is written, as a full disk would refuse it): the save goes to the data root.
TEST_F(SavedProgressPlay, ARuntimeFolderThatTakesNoNewFile) {
  const fs::path data = LinkedData();
  UseRoots(data, folder_.Root() + "rt/");
  folder_.Write("rt/rufo_usr.dat", AllButTheFrogs());
  fs::create_directories(folder_.Path() / "rt/rufo_usr.dat.new/x");

  ASSERT_NO_FATAL_FAILURE(EarnTheLastSticker());
  ExpectFallbackLoggedOnce(folder_.Read("rt/Debug.log"), data);
  ASSERT_NO_FATAL_FAILURE(ExpectACompleteAlbum());
}

// The runtime root is a file, not a folder: saves and the log go to the data root.
TEST_F(SavedProgressPlay, ARuntimeRootThatIsNoFolder) {
  const fs::path data = LinkedData();
  folder_.Write("not-a-folder", "");
  UseRoots(data, folder_.Root() + "not-a-folder/");
  folder_.Write("data/rufo_usr.dat", AllButTheFrogs());

  ASSERT_NO_FATAL_FAILURE(EarnTheLastSticker());
  ExpectFallbackLoggedOnce(folder_.Read("data/Debug.log"), data);
  ASSERT_NO_FATAL_FAILURE(ExpectACompleteAlbum());
}

}  // namespace
}  // namespace rufo
