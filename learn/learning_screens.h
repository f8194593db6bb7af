#pragma once

#include "game/screen.h"

namespace rufo {

// Registers the learning garden's hub and lessons.
void RegisterLearningScreens(ScreenTable& table);

}  // namespace rufo
