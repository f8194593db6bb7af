#pragma once

#include "game/screen.h"

namespace rufo {

// Garden5's scene: the parrot leads to the board game (NOT), RUFO to the flower colours (COL)
// and the hive to the bees (COL2), each once its animation has played. The edges lead on to
// Garden6 and Garden4 (the walk common to every main scene).
class Garden5Scene final : public Screen {
 public:
  void Build() override;
  void OnControlEvent(Control* control, int32_t event, bool live) override;
};

}  // namespace rufo
