#include "game/screen_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gardens/garden_screens.h"

namespace rufo {
namespace {

TEST(ScreenRulesTest, WalkingNeedsTheEdgesAndNeverStartsOverARegion) {
  ScreenTable screens;
  RegisterGardenScreens(screens);
  EXPECT_EQ(WalkTarget(0x201, 580, 0), 0) << "580 is still inside";
  EXPECT_EQ(WalkTarget(0x201, 581, 0), 0x301);
  EXPECT_EQ(WalkTarget(0x201, 60, 0), 0);
  EXPECT_EQ(WalkTarget(0x201, 59, 0), 0x101);
  EXPECT_EQ(WalkTarget(0x201, 600, 4), 0) << "the hand cursor means a region is pointed at";
  EXPECT_EQ(WalkTarget(0x202, 600, 0), 0) << "games are no stops of the walk";
  EXPECT_EQ(WalkTarget(kScreenStart, 600, 0), 0);

  EXPECT_EQ(WalkingCursor(581, 0), 3);
  EXPECT_EQ(WalkingCursor(580, 0), -1);
  EXPECT_EQ(WalkingCursor(59, 2), 2);
  EXPECT_EQ(WalkingCursor(600, 4), -1);
}

TEST(ScreenRulesTest, TheWalkIsARingThroughTheLearningGardenAndTheSixGardens) {
  ScreenTable screens;
  RegisterGardenScreens(screens);
  ScreenId right = kScreenLearnHub;
  ScreenId left = kScreenLearnHub;
  std::vector<ScreenId> rightwards, leftwards;
  for (int i = 0; i < 7; ++i) {
    rightwards.push_back(right = WalkTarget(right, 620, 0));
    leftwards.push_back(left = WalkTarget(left, 5, 0));
  }
  EXPECT_EQ(rightwards, (std::vector<ScreenId>{0x201, 0x301, 0x401, 0x501, 0x601, 0x701, 0x101}));
  EXPECT_EQ(leftwards, (std::vector<ScreenId>{0x701, 0x601, 0x501, 0x401, 0x301, 0x201, 0x101}));
}

TEST(ScreenRulesTest, BackButtonOnGamesEndButtonOnMainScenesStartAndAlbum) {
  for (ScreenId game : {0x102, 0x107, 0x202, 0x203, 0x304, 0x604, 0x703})
    EXPECT_TRUE(ToolbarOffersBack(game)) << std::hex << game;
  for (ScreenId main : {0x101, 0x201, 0x701, kScreenStart, kScreenAlbum})
    EXPECT_FALSE(ToolbarOffersBack(main)) << std::hex << main;
}

TEST(ScreenRulesTest, EndScreenPortraitNamesByFace) {
  std::vector<std::string> names;
  for (int face = 0; face < 8; ++face)
    names.push_back(PortraitName(face));
  EXPECT_EQ(names, (std::vector<std::string>{"H1", "H2", "H3", "H4", "H5", "K2", "K3", "K4"}));
}

}  // namespace
}  // namespace rufo
