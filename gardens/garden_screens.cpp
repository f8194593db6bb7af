#include "gardens/garden_screens.h"

namespace rufo {

// One line per screen, as each garden is built; ids without a line show only the toolbar.
void RegisterGardenScreens(ScreenTable& /*table*/) {}

}  // namespace rufo
