#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tools/rufo_play/game_link.h"

namespace rufo::play {
namespace {

using Lines = std::vector<std::string>;

// A trace as the game writes it: a line may be caught half written, and a game started again
// writes its trace anew.
TEST(LineFollowerTest, GivesEachWholeLineOnceAndFollowsATraceStartedAgain) {
  rufo::test::TempFolder folder;
  const std::string path = (folder.Path() / "trace.txt").string();
  LineFollower follower(path);
  EXPECT_EQ(follower.NewLines(), Lines{}) << "no file yet";

  const auto append = [&](const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::app) << text;
  };
  append("10 screen 0x1 0xffffffff\n20 speak MLU");
  EXPECT_EQ(follower.NewLines(), Lines{"10 screen 0x1 0xffffffff"});
  EXPECT_EQ(follower.NewLines(), Lines{});
  append("VI Sounds\\x\n\n30 save\n");
  EXPECT_EQ(follower.NewLines(), (Lines{"20 speak MLUVI Sounds\\x", "", "30 save"}));

  // Started again, shorter than what was read: the half line of before is not glued on.
  append("40 sticker");
  EXPECT_EQ(follower.NewLines(), Lines{});
  std::ofstream(path, std::ios::binary | std::ios::trunc) << "5 screen 0x1 0xffffffff\n";
  EXPECT_EQ(follower.NewLines(), Lines{"5 screen 0x1 0xffffffff"});
}

}  // namespace
}  // namespace rufo::play
