#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/screen_ids.h"

namespace rufo {

class ScriptedAnimationControl;

// Small steps the lessons share, each doing nothing when the named control does not exist.

// Plays the animation's own script, or `script` when one is given; returns the animation.
ScriptedAnimationControl* PlayAnimation(const std::string& name, const std::string& script = {},
                                        bool loop = false);
void ShowControl(const std::string& name, bool shown);
// The hit-map value under the mouse (255: none).
uint8_t RegionUnderMouse();
// Writes the trace's question line for a lesson open to a choice: any of `regions` will do.
void OfferChoice(ScreenId screen, const std::vector<int32_t>& regions);

}  // namespace rufo
