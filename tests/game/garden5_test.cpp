// Garden5's meadow played in-process on the demo data, over several seeds: the rule that no
// colour and no layout comes twice in a row must hold for every draw, not only for one run's.
#include <gtest/gtest.h>

#include "gardens/garden5/meadow_colours.h"
#include "tests/game/garden5_places.h"
#include "tests/game/garden_game.h"

namespace rufo {
namespace {

class Garden5Test : public GardenGameTest {
 protected:
  const MeadowColours& Meadow() { return Shown<MeadowColours>(); }
};

TEST_F(Garden5Test, TheMeadowNeverRepeatsAColourOrALayoutInARow) {
  State().Profile().stickers[4] = 1;  // so that the questions go on past ten
  for (uint32_t seed = 1; seed <= 4; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Random().Seed(seed);
    EnterGame(kScreenMeadowColours);
    int colour = -1, layout = -1;
    for (int question = 0; question < 14; ++question) {
      AwaitQuestion<MeadowColours>();
      EXPECT_NE(Meadow().Colour(), colour) << "question " << question;
      EXPECT_NE(Meadow().Layout(), layout) << "question " << question;
      colour = Meadow().Colour();
      layout = Meadow().Layout();
      const int good = Meadow().Score().good;
      const auto [x, y] = FlowerAt(MeadowColours::PlacesOf(layout, colour).front());
      Click(x, y);
      RunUntil([&] { return Meadow().Score().good > good; });
    }
    GoTo(kScreenGarden5);
  }
}

}  // namespace
}  // namespace rufo
