#pragma once

#include <string>

namespace rufo {

class ScriptedAnimationControl;

// Small steps the lessons take on their screen's named controls; a control the screen lacks
// makes the step do nothing.

// Plays the animation's own frame script and sound, not looping; the animation, or nullptr.
ScriptedAnimationControl* PlayOwnScript(const std::string& name);
// Plays a named frame script and sound on the animation, not looping.
void PlayOn(const std::string& name, const std::string& sound);
void ShowControl(const std::string& name, bool shown);

}  // namespace rufo
