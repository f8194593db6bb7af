#include "gardens/garden_screens.h"

#include "gardens/garden1/flower_colours.h"
#include "gardens/garden1/frog_count.h"
#include "gardens/garden1/garden1_scene.h"
#include "gardens/garden6/garden6_scene.h"
#include "gardens/garden6/ladybird_dots.h"
#include "gardens/garden6/picture_grids.h"

namespace rufo {

// One line per screen, as each garden is built; ids without a line show only the toolbar.
void RegisterGardenScreens(ScreenTable& table) {
  table.Add<Garden1Scene>(kScreenGarden1);
  table.Add<FrogCount>(kScreenGarden1Num);
  table.Add<FlowerColours>(kScreenGarden1Col);
  table.Add<Garden6Scene>(kScreenGarden6);
  table.Add<PictureGrids>(kScreenGarden6Log);
  table.Add<LadybirdDots>(kScreenGarden6Num);
}

}  // namespace rufo
