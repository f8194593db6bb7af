#include "game/game_table.h"

#include <gtest/gtest.h>

#include <set>

#include "gardens/garden_screens.h"
#include "progress/catalogue.h"

namespace rufo {
namespace {

// The gardens' rows as the entry point registers them.
class GameTableTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterGardenScreens(screens_); }

  ScreenTable screens_;
};

// The six gardens and fourteen games as the entry point registers them: each game has a sticker
// of its own, a lesson, a control of its garden's scene that opens it and a screen, and each
// garden a main scene.
TEST_F(GameTableTest, TheGardensRegisterEveryGameWithItsScreenAndTheWayIntoIt) {
  ASSERT_EQ(Gardens().size(), 6u);
  ASSERT_EQ(MiniGames().size(), 14u);
  for (const GardenInfo& garden : Gardens()) {
    EXPECT_EQ(LowByte(garden.scene), 1) << garden.name;
    EXPECT_TRUE(screens_.Has(garden.scene)) << garden.name;
  }
  std::set<int> stickers;
  std::set<std::pair<ScreenId, std::string>> ways;
  for (const MiniGameInfo& game : MiniGames()) {
    const std::string name = std::to_string(game.screen) + " " + game.code;
    stickers.insert(game.sticker);
    EXPECT_EQ(Family(game.lesson), 0x100) << name;
    EXPECT_NE(FindGarden(MainSceneOf(game.screen)), nullptr) << name;
    ASSERT_NE(game.enter, nullptr) << name;
    EXPECT_TRUE(ways.insert({MainSceneOf(game.screen), game.enter}).second)
        << name << ": another game of the garden is opened by " << game.enter;
    EXPECT_TRUE(screens_.Has(game.screen)) << name;
    EXPECT_EQ(FindMiniGame(game.screen), &game);
  }
  EXPECT_EQ(stickers.size(), 14u);
  EXPECT_EQ(FindMiniGame(kScreenGarden1), nullptr);
  EXPECT_EQ(FindGarden(kScreenFrogCount), nullptr);
}

// The progress record names the games in its own catalogue (it lies below the game, for the
// parents' page and rufo-data): the same games, with the same stickers.
TEST_F(GameTableTest, TheProgressCatalogueNamesEveryGameWithItsSticker) {
  EXPECT_EQ(progress::Games().size(), MiniGames().size());
  for (const MiniGameInfo& game : MiniGames()) {
    const int index = progress::GameIndex(game.screen);
    ASSERT_GE(index, 0) << game.screen << " " << game.code;
    EXPECT_EQ(progress::Games()[index].sticker, game.sticker) << game.screen << " " << game.code;
  }
}

// The screens built from a row keep its address: a row added again changes in its place.
TEST_F(GameTableTest, ARowAddedAgainReplacesTheFirstInItsPlace) {
  const MiniGameInfo* frogs = FindMiniGame(kScreenFrogCount);
  ASSERT_NE(frogs, nullptr);
  const MiniGameInfo original = *frogs;
  MiniGameInfo quicker = original;
  quicker.winAt = 3;
  AddMiniGame(screens_, quicker);
  EXPECT_EQ(FindMiniGame(kScreenFrogCount), frogs);
  EXPECT_EQ(frogs->winAt, 3);
  EXPECT_EQ(MiniGames().size(), 14u);
  AddMiniGame(screens_, original);
  EXPECT_EQ(frogs->winAt, 10);
}

// A numbered run stands for each of its names, first to last; a plain name for itself.
TEST_F(GameTableTest, ANumberedRunStandsForEachOfItsNames) {
  const MiniGameInfo& hives = *FindMiniGame(kScreenBeeHives);
  EXPECT_EQ(NamesOf(hives, hives.script),
            (std::vector<std::string>{
                "Data\\Garden5\\col2\\L1\\screen.dat", "Data\\Garden5\\col2\\L2\\screen.dat",
                "Data\\Garden5\\col2\\L3\\screen.dat", "Data\\Garden5\\col2\\L4\\screen.dat"}));
  EXPECT_EQ(NamesOf(hives, hives.hitMap),
            std::vector<std::string>{"Bitmaps\\Garden5\\col2\\bg_mask.png"});
  const MiniGameInfo& tools = *FindMiniGame(kScreenToolCart);
  EXPECT_EQ(NamesOf(tools, tools.hitMap).back(), "Bitmaps\\Garden3\\NOT\\bg_mask1.png");
  EXPECT_TRUE(NamesOf(tools, nullptr).empty());
}

}  // namespace
}  // namespace rufo
