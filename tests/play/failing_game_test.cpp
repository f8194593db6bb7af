#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/play/play_fixtures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo::play {
namespace {

namespace fs = std::filesystem;

// A stand-in for the game: it answers the player's sync lines as the game does, writes the
// canned trace lines of "events.txt" ("MS KIND ...") once game time passes MS, and ends with the
// code in "exit" when they are all written.
constexpr const char* kStandIn = R"sh(#!/bin/sh
here=$(dirname "$0")
events=$here/events.txt
: > "$RUFO_TRACE"
while read -r time verb rest; do
  [ "$verb" = sync ] || continue
  while read -r at line; do
    [ "$at" -le "$time" ] && echo "$at $line" >> "$RUFO_TRACE"
  done < "$events"
  awk -v t="$time" '$1 > t' "$events" > "$events.next"; mv "$events.next" "$events"
  [ -s "$events" ] || exit "$(cat "$here/exit")"
  echo "$time sync" >> "$RUFO_TRACE"
done < "$RUFO_INPUT"
)sh";

// Stand-ins that fail in the ways a real game might, or no game at all.
class FailingGameTest : public ::testing::Test {
 protected:
  // Plays the stand-in with these events and exit code; without events, a game that is not there.
  std::string Play(const std::string& events, int exitCode) {
    folder_.Write("events.txt", events);
    folder_.Write("exit", std::to_string(exitCode));
    fs::path game = folder_.Path() / "nothing";
    if (!events.empty()) {
      game = folder_.Write("game.sh", kStandIn);
      fs::permissions(game, fs::perms::owner_exec, fs::perm_options::add);
    }
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
      {"", 0, {"cannot start"}},
  };
  for (const Case& c : cases) {
    const std::string output = Play(c.events, c.exitCode);
    for (const std::string& text : c.named)
      EXPECT_NE(output.find(text), std::string::npos) << text << "\n" << output;
    EXPECT_NE(output.find("result: FAILED"), std::string::npos) << output;
  }
}

}  // namespace
}  // namespace rufo::play
