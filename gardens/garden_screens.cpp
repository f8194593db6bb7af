#include "gardens/garden_screens.h"

#include "gardens/garden1/flower_colours.h"
#include "gardens/garden1/frog_count.h"
#include "gardens/garden1/garden1_scene.h"
#include "gardens/garden2/colour_things.h"
#include "gardens/garden2/garden2_scene.h"
#include "gardens/garden2/picture_series.h"
#include "gardens/garden2/watering.h"
#include "gardens/garden3/flower_beds.h"
#include "gardens/garden3/garden3_scene.h"
#include "gardens/garden3/tool_cart.h"
#include "gardens/garden4/garden4_scene.h"
#include "gardens/garden4/nest_birds.h"
#include "gardens/garden4/woodpecker_knocks.h"
#include "gardens/garden5/bee_hives.h"
#include "gardens/garden5/garden5_scene.h"
#include "gardens/garden5/meadow_colours.h"
#include "gardens/garden5/truthful_parrot.h"
#include "gardens/garden6/garden6_scene.h"
#include "gardens/garden6/ladybird_dots.h"
#include "gardens/garden6/picture_grids.h"

namespace rufo {

// One line per screen, as each garden is built; ids without a line show only the toolbar.
void RegisterGardenScreens(ScreenTable& table) {
  table.Add<Garden1Scene>(kScreenGarden1);
  table.Add<FrogCount>(kScreenFrogCount);
  table.Add<FlowerColours>(kScreenFlowerColours);
  table.Add<Garden2Scene>(kScreenGarden2);
  table.Add<Watering>(kScreenWatering);
  table.Add<ColourThings>(kScreenColourThings);
  table.Add<PictureSeries>(kScreenPictureSeries);
  table.Add<Garden3Scene>(kScreenGarden3);
  table.Add<ToolCart>(kScreenToolCart);
  table.Add<FlowerBeds>(kScreenFlowerBeds);
  table.Add<Garden4Scene>(kScreenGarden4);
  table.Add<WoodpeckerKnocks>(kScreenWoodpeckerKnocks);
  table.Add<NestBirds>(kScreenNestBirds);
  table.Add<Garden5Scene>(kScreenGarden5);
  table.Add<TruthfulParrot>(kScreenTruthfulParrot);
  table.Add<MeadowColours>(kScreenMeadowColours);
  table.Add<BeeHives>(kScreenBeeHives);
  table.Add<Garden6Scene>(kScreenGarden6);
  table.Add<PictureGrids>(kScreenPictureGrids);
  table.Add<LadybirdDots>(kScreenLadybirdDots);
}

}  // namespace rufo
