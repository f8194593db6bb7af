#include <gtest/gtest.h>

#include "engine/interface.h"
#include "engine/messages.h"
#include "game/game.h"
#include "game/game_state.h"
#include "game/screen.h"
#include "gardens/garden_screens.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

// The game's callbacks on a headless engine without data: main scenes and games are empty
// screens until their loaders exist, which is enough for the rules common to every screen.
class GameHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    // The gardens' rows, for the walk between main scenes, but only the game's own screens:
    // the gardens' scenes would be built without the title's screen script.
    ScreenTable gardens;
    RegisterGardenScreens(gardens);
    Screens() = ScreenTable{};
    engine_.Start();
    ASSERT_TRUE(GameStart());
  }
  void TearDown() override {
    GameEnd();
    ResetState();
  }

  void GoTo(ScreenId id) {
    Engine().ChangeScreen(id, 0, false);
    for (int i = 0; i < 11; ++i)
      Engine().RunTick();
    ASSERT_EQ(Engine().CurrentScreen(), id);
    ASSERT_FALSE(Engine().ScreenChangePending());
    Engine().PumpInput();  // the loader's tick swallows the input of its pump
  }
  Interface& Engine() { return engine_.Engine(); }

  test::HeadlessEngine engine_;
};

TEST_F(GameHookTest, WalkOnlyBeyondTheEdgesOfAMainSceneAndNeverWithTheHand) {
  GoTo(0x401);
  engine_.Play("0 move 580 200");
  engine_.Play("0 ldown");
  engine_.Play("0 lup");
  EXPECT_FALSE(Engine().ScreenChangePending()) << "580 is still inside";
  engine_.Play("0 move 620 200");
  EXPECT_EQ(Engine().CurrentCursor(), 3);
  Engine().SetCursor(4);  // as over a region of the hit map
  engine_.Play("0 ldown");
  engine_.Play("0 lup");
  EXPECT_FALSE(Engine().ScreenChangePending());

  engine_.Play("0 move 300 200");
  engine_.Play("0 move 59 200");
  EXPECT_EQ(Engine().CurrentCursor(), 2);
  engine_.Play("0 ldown");
  EXPECT_TRUE(Engine().ScreenChangePending());
  for (int i = 0; i < 11; ++i)
    Engine().RunTick();
  EXPECT_EQ(Engine().CurrentScreen(), 0x301);
}

TEST_F(GameHookTest, AYesNoDialogBlocksTheHook) {
  GoTo(0x501);
  engine_.Play("0 move 300 200");
  int cursor = Engine().CurrentCursor();
  SetModalDialog(true);
  engine_.Play("0 move 620 200");
  EXPECT_EQ(Engine().CurrentCursor(), cursor);
  engine_.Play("0 ldown");
  EXPECT_FALSE(Engine().ScreenChangePending());
  SetModalDialog(false);
  engine_.Play("0 lup");
  engine_.Play("0 move 621 200");
  engine_.Play("0 ldown");
  EXPECT_TRUE(Engine().ScreenChangePending());
}

}  // namespace
}  // namespace rufo
