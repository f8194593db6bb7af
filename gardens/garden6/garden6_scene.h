#pragma once

#include "game/screen.h"

namespace rufo {

// Garden6's scene: the caterpillar leads to the picture grids (LOG), the ladybird to the dots
// (NUM), each once its animation has played. The edges lead on to the learning garden and
// Garden5 (the walk common to every main scene).
class Garden6Scene final : public Screen {
 public:
  void Build() override;
  void OnControlEvent(Control* control, int32_t event, bool live) override;
};

}  // namespace rufo
