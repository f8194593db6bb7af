#include "gardens/garden_screens.h"

#include "gardens/garden1/flower_colours.h"
#include "gardens/garden1/frog_count.h"
#include "gardens/garden1/garden1_scene.h"
#include "gardens/garden5/bee_hives.h"
#include "gardens/garden5/garden5_scene.h"
#include "gardens/garden5/meadow_colours.h"
#include "gardens/garden5/truthful_parrot.h"

namespace rufo {

// One line per screen, as each garden is built; ids without a line show only the toolbar.
void RegisterGardenScreens(ScreenTable& table) {
  table.Add<Garden1Scene>(kScreenGarden1);
  table.Add<FrogCount>(kScreenGarden1Num);
  table.Add<FlowerColours>(kScreenGarden1Col);
  table.Add<Garden5Scene>(kScreenGarden5);
  table.Add<TruthfulParrot>(kScreenGarden5Not);
  table.Add<MeadowColours>(kScreenGarden5Col);
  table.Add<BeeHives>(kScreenGarden5Col2);
}

}  // namespace rufo
