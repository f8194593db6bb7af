// The six gardens' main scenes in-process on the demo data: a click on a game's animation plays
// it, and the game follows only once it has ended; the scenes' edges walk round the ring.
#include <gtest/gtest.h>

#include "engine/interface.h"
#include "tests/game/garden2_places.h"
#include "tests/game/garden4_places.h"
#include "tests/game/garden_game.h"

namespace rufo {
namespace {

class GardenScenesTest : public GardenGameTest {};

TEST_F(GardenScenesTest, EachGameFollowsTheEndOfItsAnimation) {
  const struct {
    ScreenId scene;
    int x, y;
    const char* animation;
    ScreenId game;
  } cases[] = {
      {kScreenGarden1, kGardenRufoX, kGardenRufoY, "RUFO", kScreenFrogCount},
      {kScreenGarden1, kGardenPondX, kGardenPondY, "RUFO", kScreenFrogCount},
      {kScreenGarden1, kGardenFlowersX, kGardenFlowersY, "KVETINY", kScreenFlowerColours},
      {kScreenGarden2, kWellX, kWellY, "STUDNA", kScreenWatering},
      {kScreenGarden2, kBallX, kBallY, "MIC", kScreenColourThings},
      {kScreenGarden2, kBirdX, kBirdY, "PTAK", kScreenPictureSeries},
      {kScreenGarden3, 290, 280, "RUFO", kScreenToolCart},
      {kScreenGarden3, 530, 220, "OPICE", kScreenFlowerBeds},
      {kScreenGarden4, kSceneWoodpeckerX, kSceneWoodpeckerY, "DATEL", kScreenWoodpeckerKnocks},
      {kScreenGarden4, kSceneNestX, kSceneNestY, "HNIZDO", kScreenNestBirds},
      {kScreenGarden5, 175, 245, "PAPOUCH", kScreenTruthfulParrot},
      {kScreenGarden5, 314, 290, "RUFO", kScreenMeadowColours},
      {kScreenGarden5, 480, 280, "UL", kScreenBeeHives},
      {kScreenGarden6, 200, 380, "ZROUT", kScreenPictureGrids},
      {kScreenGarden6, 470, 300, "BERUSKA", kScreenLadybirdDots},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.animation) + " to " + std::to_string(c.game));
    GoTo(c.scene);
    Click(c.x, c.y);
    EXPECT_TRUE(Playing(c.animation));
    EXPECT_TRUE(OnScreen(c.scene));
    RunUntil([&] { return OnScreen(c.game); });
    EXPECT_EQ(Engine().PreviousScreen(), c.scene);
  }
}

// The learning garden and the six gardens lie in a ring: each edge leads to the neighbour on its
// side.
TEST_F(GardenScenesTest, TheEdgesWalkRoundTheRingBothWays) {
  const ScreenId ring[] = {kScreenLearnHub, kScreenGarden1, kScreenGarden2, kScreenGarden3,
                           kScreenGarden4,  kScreenGarden5, kScreenGarden6};
  for (size_t i = 0; i < std::size(ring); ++i) {
    const ScreenId next = ring[(i + 1) % std::size(ring)];
    SCOPED_TRACE(next);
    GoTo(ring[i]);
    Click(620, 300);
    RunUntil([&] { return OnScreen(next); });
    Click(20, 300);
    RunUntil([&] { return OnScreen(ring[i]); });
  }
}

}  // namespace
}  // namespace rufo
