// The learning garden's hub played in-process on the demo data: RUFO's jump and introduction
// on arrival from the Start screen only, the six objects and their lessons, the way back, the
// walk to the neighbouring gardens and the farewell.
#include <gtest/gtest.h>

#include "controls/toolbar_control.h"
#include "engine/interface.h"
#include "game/game_state.h"
#include "tests/game/garden_game.h"

namespace rufo {
namespace {

class HubTest : public GardenGameTest {
 protected:
  // Arrives from the Start screen, waits for the jump to end and cuts the introduction short.
  void ArriveAndSkip() {
    GoTo(kScreenLearnHub);
    RunUntil([&] { return Learning().speaking && Playing("MLUVI"); });
    Release();
  }
};

TEST_F(HubTest, FromTheStartScreenRufoJumpsInThenIntroducesTheGarden) {
  GoTo(kScreenLearnHub);
  EXPECT_TRUE(Playing("SKOK"));
  EXPECT_FALSE(Toolbar()->IsHidden());
  EXPECT_FALSE(Learning().speaking);
  RunUntil([&] { return !Playing("SKOK"); });
  EXPECT_TRUE(Playing("MLUVI"));
  EXPECT_EQ(Learning().speechKind, kHubIntroKind);
  Release();
  EXPECT_FALSE(Playing("MLUVI"));
  EXPECT_FALSE(Visible("MLUVI"));
  EXPECT_FALSE(Learning().speaking);
  EXPECT_EQ(Engine().DebugText(), "ther 15");
}

TEST_F(HubTest, ComingFromAGardenOrALessonPlaysNothing) {
  for (ScreenId from : {kScreenGarden1, kScreenLearnShapes}) {
    GoTo(from);
    GoTo(kScreenLearnHub);
    for (int i = 0; i < 200; ++i)
      Step();
    EXPECT_FALSE(Playing("SKOK")) << std::hex << from;
    EXPECT_FALSE(Playing("MLUVI")) << std::hex << from;
  }
}

// Each object plays when clicked and its lesson follows; the lesson's way back returns to the
// hub without a new jump.
TEST_F(HubTest, EachObjectLeadsToItsLessonAndTheWayBackReturns) {
  const struct {
    const char* object;
    int x, y;
    ScreenId lesson;
  } objects[] = {
      {"DUHA", 190, 130, kScreenLearnColours},     {"HOLUB", 515, 90, kScreenLearnDirections},
      {"KVETINY", 130, 330, kScreenLearnCounting}, {"HRIB", 420, 385, kScreenLearnNotions},
      {"INTEL", 420, 230, kScreenLearnPantry},     {"TRPASL", 535, 370, kScreenLearnShapes},
  };
  ArriveAndSkip();
  for (const auto& o : objects) {
    SCOPED_TRACE(o.object);
    Click(o.x, o.y);
    EXPECT_TRUE(Playing(o.object));
    RunUntil([&] { return OnScreen(o.lesson); });
    EXPECT_TRUE(Playing("MLUVI") || Playing("START")) << "the lesson begins";
    CurrentScreen()->OnBack();
    RunUntil([&] { return OnScreen(kScreenLearnHub); });
    EXPECT_FALSE(Playing("SKOK"));
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

TEST_F(HubTest, TheEdgesLeadToGardenOneAndGardenSix) {
  for (auto [x, garden] : {std::pair{620, kScreenGarden1}, std::pair{20, kScreenGarden6}}) {
    GoTo(kScreenStart);
    ArriveAndSkip();
    Click(x, 300);
    RunUntil([&] { return OnScreen(garden); });
  }
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
