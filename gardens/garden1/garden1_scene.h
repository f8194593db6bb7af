#pragma once

#include "game/screen.h"

namespace rufo {

// Garden1's scene: RUFO by the pond leads to the frogs (NUM), the flower bed to the colours
// (COL), each once its animation has played. The edges lead on to Garden2 and the learning
// garden (the walk common to every main scene).
class Garden1Scene final : public Screen {
 public:
  void Build() override;
  void OnControlEvent(Control* control, int32_t event, bool live) override;
};

}  // namespace rufo
