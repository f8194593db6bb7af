#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/play/play_fixtures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo::play {
namespace {

namespace fs = std::filesystem;

// Stand-ins for the game that fail in the ways a real one might: a shell script that answers
// the player's sync lines as the game does and writes canned trace lines when their time
// has passed, or that ends early.
class FailingGameTest : public ::testing::Test {
 protected:
  // `events`: trace lines ("MS KIND ..."), written once game time passes MS; `exitCode`: how
  // the stand-in ends when they are all written.
  std::string Play(const std::string& events, int exitCode) {
    folder_.Write("events.txt", events);
    const fs::path game =
        folder_.Write("game.sh",
                      "#!/bin/sh\n"
                      "events=" +
                          folder_.Root() +
                          "events.txt\n"
                          ": > \"$RUFO_TRACE\"\n"
                          "while read -r time verb rest; do\n"
                          "  [ \"$verb\" = sync ] || continue\n"
                          "  while read -r at line; do\n"
                          "    [ \"$at\" -le \"$time\" ] && echo \"$at $line\" >> \"$RUFO_TRACE\"\n"
                          "  done < \"$events\"\n"
                          "  awk -v t=\"$time\" '$1 > t' \"$events\" > \"$events.next\"; mv "
                          "\"$events.next\" \"$events\"\n"
                          "  [ -s \"$events\" ] || exit " +
                          std::to_string(exitCode) +
                          "\n"
                          "  echo \"$time sync\" >> \"$RUFO_TRACE\"\n"
                          "done < \"$RUFO_INPUT\"\n");
    fs::permissions(game, fs::perms::owner_exec, fs::perm_options::add);
    int exit = -1;
    const std::string output = test::RunPlayer(
        folder_, "--win-all --data " + folder_.Root() + " --game " + game.string(), &exit);
    EXPECT_EQ(exit, 1) << output;
    return output;
  }

  rufo::test::TempFolder folder_;
};

TEST_F(FailingGameTest, EachFaultIsNamed) {
  struct Case {
    std::string events;
    int exitCode;
    std::vector<std::string> named;
  };
  const Case cases[] = {
      {"100 screen 0x4 0xffffffff\n250 fatal -1 Chyba pri vytvareni kontrolu\n",
       255,
       {"fatal error -1: Chyba pri vytvareni kontrolu", "ended unexpectedly with exit code 255"}},
      {"100 screen 0x4 0xffffffff\n200 screen 0x5 0x4\n300 sparkle\n400 screen 0x1\n",
       0,
       {"unreadable trace line: 400 screen 0x1"}},
      {"100 screen 0x4 0xffffffff\n20000 debug late\n", 0, {"the title screen did not come"}},
      {"100 screen 0x4 0xffffffff\n200 screen 0x5 0x4\n900 screen 0x2 0x5\n2000 debug end\n",
       0,
       {"a click on the title screen led to 0x2 End screen, not to 0x1 Start screen"}},
  };
  for (const Case& c : cases) {
    const std::string output = Play(c.events, c.exitCode);
    for (const std::string& text : c.named)
      EXPECT_NE(output.find(text), std::string::npos) << text << "\n" << output;
    EXPECT_NE(output.find("result: FAILED"), std::string::npos) << output;
  }
}

TEST_F(FailingGameTest, AGameThatCannotStartIsNamed) {
  int exit = -1;
  const std::string output = test::RunPlayer(
      folder_, "--lose-all --data " + folder_.Root() + " --game " + folder_.Root() + "nothing",
      &exit);
  EXPECT_EQ(exit, 1) << output;
  EXPECT_NE(output.find("cannot start"), std::string::npos) << output;
}

}  // namespace
}  // namespace rufo::play
