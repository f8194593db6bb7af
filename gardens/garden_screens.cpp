#include "gardens/garden_screens.h"

#include "gardens/garden1/flower_colours.h"
#include "gardens/garden1/frog_count.h"
#include "gardens/garden1/garden1_scene.h"
#include "gardens/garden2/colour_things.h"
#include "gardens/garden2/garden2_scene.h"
#include "gardens/garden2/picture_series.h"
#include "gardens/garden2/watering.h"

namespace rufo {

// One line per screen, as each garden is built; ids without a line show only the toolbar.
void RegisterGardenScreens(ScreenTable& table) {
  table.Add<Garden1Scene>(kScreenGarden1);
  table.Add<FrogCount>(kScreenGarden1Num);
  table.Add<FlowerColours>(kScreenGarden1Col);
  table.Add<Garden2Scene>(kScreenGarden2);
  table.Add<Watering>(kScreenGarden2Dir);
  table.Add<ColourThings>(kScreenGarden2Col);
  table.Add<PictureSeries>(kScreenGarden2Log);
}

}  // namespace rufo
