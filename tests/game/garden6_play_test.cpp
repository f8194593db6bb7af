// Garden6 played from outside on the demo data: a grid file that is missing, or holds fewer
// than 24 grids, ends the game with its error when the grids are entered, and the log names the
// file and why.
#include <gtest/gtest.h>

#include <string>

#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

class Garden6Play : public LivePlayTest {};

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
    ASSERT_NO_FATAL_FAILURE(ChooseAChild(player));
    ASSERT_NO_FATAL_FAILURE(Walk(player, false, {"0x701 0x101"}));
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
