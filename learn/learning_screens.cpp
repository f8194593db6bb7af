#include "learn/learning_screens.h"

namespace rufo {

// One line per screen, as the hub and the lessons are built; ids without a line show only the
// toolbar.
void RegisterLearningScreens(ScreenTable& /*table*/) {}

}  // namespace rufo
