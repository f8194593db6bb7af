#pragma once

#include <cstdint>

namespace rufo {

class SoundObject;

// The few pieces of the game's state that controls consult. The game keeps them up to date;
// controls only read them.
struct ControlsGameState {
  static constexpr int32_t kHelpSpeech = 240;

  // A modal dialog is up: speaking controls ignore all input.
  bool modalDialog = false;
  // While it plays, presses on speaking controls are ignored.
  const SoundObject* helpSound = nullptr;
  // While it plays, the question bubble does not react to pointing.
  const SoundObject* questionSound = nullptr;
  // The kind of speech running; while it is kHelpSpeech the toolbar ignores presses.
  int32_t speechKind = 0;
};

ControlsGameState& GameStateForControls();

}  // namespace rufo
