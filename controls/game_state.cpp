#include "controls/game_state.h"

namespace rufo {

ControlsGameState& GameStateForControls() {
  static ControlsGameState state;
  return state;
}

}  // namespace rufo
