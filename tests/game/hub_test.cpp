// The learning garden's hub played in-process on the demo data: RUFO's introduction on arrival
// from the Start screen only, the way back from a lesson and the farewell.
#include <gtest/gtest.h>

#include "controls/toolbar_control.h"
#include "engine/interface.h"
#include "game/game_state.h"
#include "tests/game/garden_game.h"

namespace rufo {
namespace {

class HubTest : public GardenGameTest {};

// From the Start screen the toolbar comes back; a release cuts RUFO's introduction short and
// takes him away.
TEST_F(HubTest, FromTheStartScreenTheToolbarShowsAndAReleaseCutsTheIntroduction) {
  ASSERT_TRUE(Toolbar()->IsHidden());
  GoTo(kScreenLearnHub);
  EXPECT_FALSE(Toolbar()->IsHidden());
  RunUntil([&] { return Playing("MLUVI") && Learning().speechKind == kHubIntroKind; });
  Release();
  EXPECT_FALSE(Visible("MLUVI"));
  EXPECT_FALSE(Learning().speaking);
}

TEST_F(HubTest, ComingFromAGardenOrALessonPlaysNothing) {
  for (ScreenId from : {kScreenGarden1, kScreenLearnShapes}) {
    GoTo(from);
    GoTo(kScreenLearnHub);
    Run(200);
    EXPECT_FALSE(Playing("SKOK")) << std::hex << from;
    EXPECT_FALSE(Playing("MLUVI")) << std::hex << from;
  }
}

// From a lesson the way back leads to where the child came from; after the album, to the hub.
TEST_F(HubTest, TheWayBackFromALessonFollowsThePreviousScreen) {
  GoTo(kScreenFlowerColours);
  GoTo(kScreenLearnColours);
  CurrentScreen()->OnBack();
  RunUntil([&] { return OnScreen(kScreenFlowerColours); });
  GoTo(kScreenAlbum);
  GoTo(kScreenLearnColours);
  CurrentScreen()->OnBack();
  RunUntil([&] { return OnScreen(kScreenLearnHub); });
}

// Yes to the end question: the hub says good-bye with the toolbar hidden and disabled, the
// objects and the edges do nothing, and the Credits follow.
TEST_F(HubTest, TheFarewellHidesTheToolbarKeepsTheEdgesDeadAndEndsInTheCredits) {
  GoTo(kScreenGarden1);
  AskEndQuestion();
  Click(140 + 80 + 50, 100 + 25 + 60);  // "ano"
  RunUntil([&] { return OnScreen(kScreenLearnHub); });
  EXPECT_TRUE(Playing("KONEC"));
  EXPECT_TRUE(Toolbar()->IsHidden());
  EXPECT_TRUE(Toolbar()->IsDisabled());
  for (int x : {620, 20}) {
    Click(x, 300);
    EXPECT_TRUE(OnScreen(kScreenLearnHub));
  }
  Click(190, 130);  // the rainbow
  EXPECT_FALSE(Playing("DUHA"));
  RunUntil([&] { return Engine().CurrentScreen() == kScreenCredits; });
  EXPECT_EQ(Engine().PreviousScreen(), kScreenLearnHub);
}

}  // namespace
}  // namespace rufo
