#include "game/screen_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace rufo {
namespace {

TEST(ScreenRulesTest, WalkingNeedsTheEdgesAndNeverStartsOverARegion) {
  EXPECT_EQ(WalkTarget(0x201, 580, 0), 0) << "580 is still inside";
  EXPECT_EQ(WalkTarget(0x201, 581, 0), 0x301);
  EXPECT_EQ(WalkTarget(0x201, 60, 0), 0);
  EXPECT_EQ(WalkTarget(0x201, 59, 0), 0x101);
  EXPECT_EQ(WalkTarget(0x201, 600, 4), 0) << "the hand cursor means a region is pointed at";
  EXPECT_EQ(WalkTarget(0x201, 10, 4), 0);
  EXPECT_EQ(WalkTarget(0x202, 600, 0), 0) << "games are no stops of the walk";
  EXPECT_EQ(WalkTarget(kScreenStart, 600, 0), 0);

  EXPECT_EQ(WalkingCursor(581, 0), 3);
  EXPECT_EQ(WalkingCursor(580, 0), -1);
  EXPECT_EQ(WalkingCursor(59, 2), 2);
  EXPECT_EQ(WalkingCursor(600, 4), -1);
}

TEST(ScreenRulesTest, TheWalkIsARingThroughTheLearningGardenAndTheSixGardens) {
  ScreenId right = kScreenLearn;
  ScreenId left = kScreenLearn;
  std::vector<ScreenId> rightwards;
  std::vector<ScreenId> leftwards;
  for (int i = 0; i < 7; ++i) {
    right = WalkTarget(right, 620, 0);
    left = WalkTarget(left, 5, 0);
    rightwards.push_back(right);
    leftwards.push_back(left);
  }
  EXPECT_EQ(rightwards, (std::vector<ScreenId>{0x201, 0x301, 0x401, 0x501, 0x601, 0x701, 0x101}));
  EXPECT_EQ(leftwards, (std::vector<ScreenId>{0x701, 0x601, 0x501, 0x401, 0x301, 0x201, 0x101}));
}

TEST(ScreenRulesTest, BackButtonOnGamesEndButtonOnMainScenesStartAndAlbum) {
  for (ScreenId game : {0x102, 0x107, 0x202, 0x203, 0x304, 0x604, 0x703}) {
    EXPECT_TRUE(ToolbarOffersBack(game)) << std::hex << game;
  }
  for (ScreenId main : {0x101, 0x201, 0x701, kScreenStart, kScreenAlbum}) {
    EXPECT_FALSE(ToolbarOffersBack(main)) << std::hex << main;
  }
}

TEST(ScreenRulesTest, LeavingTheAlbum) {
  ProfileRecord profile = ProfileRecord::Empty();
  profile.newSticker = -1;
  EXPECT_EQ(AlbumExit(profile, 0x303), 0x303) << "opened from a game: back into it";
  profile.newSticker = 5;
  EXPECT_EQ(AlbumExit(profile, 0x303), 0x301) << "after a win: the garden's main scene";
  profile.albumComplete = 1;
  EXPECT_EQ(AlbumExit(profile, 0x303), kScreenEnd) << "the fourteenth sticker ends the game";
}

TEST(ScreenRulesTest, FacesCycleThroughEightPicturesAndWrap) {
  int frame = 0;
  std::vector<int> seen;
  for (int i = 0; i < 9; ++i) {
    frame = NextFace(frame, 8);
    seen.push_back(frame);
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1}));
}

TEST(ScreenRulesTest, EndScreenPortraits) {
  EXPECT_EQ(PortraitName(0), "H1");
  EXPECT_EQ(PortraitName(2), "H3");
  EXPECT_EQ(PortraitName(4), "H5");
  EXPECT_EQ(PortraitName(5), "K2");
  EXPECT_EQ(PortraitName(6), "K3");
  EXPECT_EQ(PortraitName(7), "K4");
}

}  // namespace
}  // namespace rufo
